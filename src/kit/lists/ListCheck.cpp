// Each kind's columns and checks. Every row is checked, so that one reading of the errors is
// enough to put the whole list right.
#include "kit/lists/ListCheck.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <span>

#include "kit/chem/Elements.h"
#include "kit/chem/Equation.h"
#include "kit/chem/EquationText.h"
#include "kit/chem/FormulaMass.h"
#include "kit/chem/SchoolElements.h"

using namespace Qt::Literals::StringLiterals;

namespace lists {

namespace {

struct Column {
    const char16_t* name;
    bool required;
    bool caseMatters;  // for telling a repeat: "CO" and "Co" are different formulas
    bool key;          // a value that may appear only once in the list
};

struct KindDesign {
    const char16_t* name;  // "a words list"
    std::span<const Column> columns;
};

constexpr Column kWordColumns[] = {{u"word", true, false, true}, {u"clue", true, false, false}};
constexpr Column kSymbolColumns[] = {{u"name", true, false, true}, {u"symbol", true, true, true}};
constexpr Column kQuizColumns[] = {{u"question", true, false, true},
                                   {u"answer", true, false, false},
                                   {u"reason", false, false, false}};
constexpr Column kFormulaColumns[] = {{u"formula", true, true, true}};
constexpr Column kMeltingColumns[] = {{u"substance", true, false, true},
                                      {u"melting point", true, false, false},
                                      {u"boiling point", true, false, false}};
constexpr Column kEquationColumns[] = {{u"equation", true, true, true},
                                       {u"word equation", false, false, false}};
constexpr Column kSortingColumns[] = {{u"column", true, false, false},
                                      {u"item", true, false, true}};

KindDesign design(ListKind kind) {
    switch (kind) {
        case ListKind::Words:
            return {u"a words list", kWordColumns};
        case ListKind::Symbols:
            return {u"a symbols list", kSymbolColumns};
        case ListKind::Quiz:
            return {u"a quiz", kQuizColumns};
        case ListKind::FormulaMasses:
            return {u"a formula masses list", kFormulaColumns};
        case ListKind::MeltingPoints:
            return {u"a melting points list", kMeltingColumns};
        case ListKind::Equations:
            return {u"an equations list", kEquationColumns};
        case ListKind::Sorting:
            break;
    }
    return {u"a sorting list", kSortingColumns};
}

QString quoted(const QString& text) {
    constexpr qsizetype kLongest = 40;
    if (text.size() <= kLongest) return u'\'' + text + u'\'';
    return u'\'' + text.left(kLongest) + u"\u2026'"_s;
}

// "melting point" from "Melting  Point (°C)".
QString columnName(const QString& header) {
    QString name = header.simplified().toLower();
    if (name.endsWith(u')')) {
        const qsizetype open = name.lastIndexOf(u'(');
        if (open > 0) name = name.left(open).trimmed();
    }
    return name;
}

QString namesOf(std::span<const Column> columns) {
    QStringList names;
    for (const Column& column : columns) names += QString::fromUtf16(column.name);
    return names.join(u", "_s);
}

// The first character outside A to Z and a to z, as a teacher would name it.
std::optional<QString> firstNonLetter(const QString& word) {
    for (qsizetype i = 0; i < word.size(); ++i) {
        const QChar c = word[i];
        if ((c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')) continue;
        if (c == u' ') return u"a space"_s;
        if (c.isHighSurrogate() && i + 1 < word.size()) return quoted(word.mid(i, 2));
        if (!c.isPrint()) return u"a character that cannot be shown"_s;
        return quoted(QString(c));
    }
    return std::nullopt;
}

// A temperature as written in a spreadsheet: digits with an optional sign (the minus sign
// U+2212 too) and decimal point, and "°C" after it if wanted.
std::optional<double> readTemperature(QString text) {
    static const QRegularExpression number(
        u"^([+\\-\u2212]?)\\s*([0-9]{1,6}(\\.[0-9]{1,6})?)\\s*(\u00B0\\s*C?)?$"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const double value = match.captured(2).toDouble();
    return match.captured(1).isEmpty() || match.captured(1) == u"+" ? value : -value;
}

QString celsius(double value) {
    return QString::number(value, 'g', 10).replace(u'-', QChar(0x2212)) + u" \u00B0C"_s;
}

class Checker {
  public:
    Checker(ListKind kind, const CsvTable& table, const CheckOptions& options, CheckedList& out)
        : m_kind(kind), m_design(design(kind)), m_table(table), m_options(options), m_out(out) {
        for (const Column& column : m_design.columns) m_names += QString::fromUtf16(column.name);
    }

    void run() {
        if (!readHeader()) return;
        for (const CsvRow& row : m_table.rows) checkRow(row);
        if (m_kind == ListKind::Sorting) checkSortingColumns();
        const int rows = m_table.dataRows;
        if (rows == 0)
            error(0, u"there are no rows under the header"_s);
        else if (rows < m_options.minimumRows)
            error(0, u"the list has %1 rows; it needs at least %2"_s.arg(rows).arg(
                         m_options.minimumRows));
    }

  private:
    void error(int line, const QString& what) { m_out.errors.push_back({line, what}); }

    // Which field holds each of the kind's columns; false when the rows cannot be read.
    bool readHeader() {
        const int line = m_table.headerLine;
        m_fieldOf.assign(m_design.columns.size(), -1);
        bool usable = true;
        for (qsizetype i = 0; i < m_table.header.size(); ++i) {
            const QString name = columnName(m_table.header[i]);
            if (name.isEmpty()) {
                error(line, u"column %1 of the header has no name"_s.arg(i + 1));
                continue;
            }
            const auto found = std::find_if(
                m_design.columns.begin(), m_design.columns.end(),
                [&](const Column& column) { return name == QString::fromUtf16(column.name); });
            if (found == m_design.columns.end()) {
                error(line, u"%1 is not a column %2 has (%3)"_s.arg(
                                quoted(m_table.header[i]), QString::fromUtf16(m_design.name),
                                namesOf(m_design.columns)));
                continue;
            }
            int& field = m_fieldOf[static_cast<std::size_t>(found - m_design.columns.begin())];
            if (field >= 0) {
                error(line, u"there are two %1 columns"_s.arg(quoted(name)));
                usable = false;
            }
            field = static_cast<int>(i);
        }
        for (std::size_t k = 0; k < m_design.columns.size(); ++k) {
            if (m_design.columns[k].required && m_fieldOf[k] < 0) {
                error(line, u"there is no %1 column, which %2 needs"_s.arg(
                                quoted(QString::fromUtf16(m_design.columns[k].name)),
                                QString::fromUtf16(m_design.name)));
                usable = false;
            }
        }
        m_seen.resize(m_design.columns.size());
        return usable;
    }

    void checkRow(const CsvRow& row) {
        const std::size_t errorsBefore = m_out.errors.size();
        QStringList values;
        for (const int field : m_fieldOf) values += field >= 0 ? row.fields[field] : QString();
        // Read once here for both the check for repeats and the balancing.
        if (m_kind == ListKind::Equations) m_equation = chem::parseEquation(values[0]);
        for (qsizetype k = 0; k < values.size(); ++k) {
            const QString& name = m_names[k];
            if (values[k].isEmpty()) {
                if (m_design.columns[k].required) error(row.line, u"the %1 is missing"_s.arg(name));
            } else if (m_options.textCheck) {
                if (std::optional<QString> reason = m_options.textCheck(name, values[k]))
                    error(row.line, *reason);
            }
        }
        checkRepeats(row.line, values);
        if (m_out.errors.size() != errorsBefore) return;

        std::optional<ListItem> item = readItem(row.line, values);
        if (item && m_out.errors.size() == errorsBefore)
            m_out.entries.push_back({row.line, std::move(*item)});
    }

    // The same row twice, or a value that should be there once ("'copper' is already on line
    // 4" is also what an item sorted into two columns gets).
    void checkRepeats(int line, const QStringList& values) {
        QStringList keys;
        for (qsizetype k = 0; k < values.size(); ++k)
            keys +=
                m_design.columns[k].caseMatters ? keyOf(k, values[k]) : values[k].toCaseFolded();
        const QString whole = keys.join(QChar(0x1F));
        if (const auto earlier = m_rows.constFind(whole); earlier != m_rows.constEnd()) {
            error(line, u"the same as line %1"_s.arg(*earlier));
            return;
        }
        m_rows.insert(whole, line);
        for (qsizetype k = 0; k < values.size(); ++k) {
            if (!m_design.columns[k].key || values[k].isEmpty()) continue;
            QHash<QString, int>& seen = m_seen[k];
            if (const auto earlier = seen.constFind(keys[k]); earlier != seen.constEnd())
                error(line, u"%1 is already on line %2"_s.arg(quoted(values[k])).arg(*earlier));
            else
                seen.insert(keys[k], line);
        }
    }

    // Equations that differ only in spacing, arrow or numbers in front are one equation.
    QString keyOf(qsizetype column, const QString& value) const {
        if (m_kind != ListKind::Equations || column != 0 || !m_equation.equation) return value;
        std::string key;
        for (const chem::Formula& formula : m_equation.equation->reactants)
            key += formula.text() + '+';
        key += '>';
        for (const chem::Formula& formula : m_equation.equation->products)
            key += formula.text() + '+';
        return QString::fromStdString(key);
    }

    std::optional<ListItem> readItem(int line, const QStringList& v) {
        switch (m_kind) {
            case ListKind::Words:
                if (m_options.lettersOnly) {
                    if (const std::optional<QString> bad = firstNonLetter(v[0])) {
                        error(line,
                              u"%1 has %2, which Hangman cannot show (only the letters A "
                              u"to Z)"_s.arg(quoted(v[0]), *bad));
                        return std::nullopt;
                    }
                }
                return WordItem{v[0], v[1]};
            case ListKind::Symbols:
                return readSymbol(line, v[0], v[1]);
            case ListKind::Quiz:
                return QuizItem{v[0], v[1], v[2]};
            case ListKind::FormulaMasses:
                return readFormulaMass(line, v[0]);
            case ListKind::MeltingPoints:
                return readMeltingPoint(line, v[0], v[1], v[2]);
            case ListKind::Equations:
                return readEquation(line, v[0], v[1], m_equation);
            case ListKind::Sorting:
                break;
        }
        return readSorting(v[0], v[1]);
    }

    std::optional<ListItem> readSymbol(int line, const QString& name, const QString& symbol) {
        if (!chem::isElementSymbol(symbol.toStdString())) {
            // "FE" or "fe" for Fe: the letter case is what is wrong.
            const QString fixed = symbol.left(1).toUpper() + symbol.mid(1).toLower();
            if (chem::isElementSymbol(fixed.toStdString()))
                error(line, u"%1 is not an element symbol (it is written %2)"_s.arg(quoted(symbol),
                                                                                    quoted(fixed)));
            else
                error(line, u"%1 is not an element symbol"_s.arg(quoted(symbol)));
            return std::nullopt;
        }
        for (const chem::SchoolElement& element : chem::kSchoolElements) {
            if (name.compare(QLatin1StringView(element.name), Qt::CaseInsensitive) == 0 &&
                symbol != QLatin1StringView(element.symbol)) {
                error(line, u"the symbol for %1 is %2, not %3"_s.arg(
                                name, QLatin1StringView(element.symbol), quoted(symbol)));
                return std::nullopt;
            }
        }
        return SymbolItem{name, symbol};
    }

    std::optional<ListItem> readFormulaMass(int line, const QString& text) {
        chem::FormulaReading reading = chem::readFormula(text);
        if (!reading.formula) {
            error(line, reading.problem);
            return std::nullopt;
        }
        const std::optional<double> mass =
            chem::relativeFormulaMass(*reading.formula, chem::kAllAtomicMasses);
        const std::optional<QString> working =
            chem::massWorking(*reading.formula, chem::kAllAtomicMasses);
        if (!mass || !working) {
            error(line, u"the mass of %1 cannot be worked out"_s.arg(quoted(text)));
            return std::nullopt;
        }
        return FormulaMassItem{std::move(*reading.formula), *mass, *working};
    }

    std::optional<ListItem> readMeltingPoint(int line, const QString& substance,
                                             const QString& melts, const QString& boils) {
        // Absolute zero, to the nearest degree as a class would write it.
        constexpr double kColdest = -273.15;
        constexpr double kHottest = 10000;  // nothing boils much above 6000 °C
        bool good = true;
        const auto read = [&](const QString& text, const char16_t* what) -> double {
            const std::optional<double> value = readTemperature(text);
            if (!value) {
                error(line, u"the %1 %2 is not a number (write it like 1538 or \u221238.8)"_s.arg(
                                QString::fromUtf16(what), quoted(text)));
            } else if (*value < kColdest) {
                error(line, u"the %1 (%2) is below absolute zero (\u2212273 \u00B0C)"_s.arg(
                                QString::fromUtf16(what), celsius(*value)));
            } else if (*value > kHottest) {
                error(line, u"the %1 (%2) is higher than any substance's %1"_s.arg(
                                QString::fromUtf16(what), celsius(*value)));
            } else {
                return *value;
            }
            good = false;
            return 0;
        };
        const double meltingPoint = read(melts, u"melting point");
        const double boilingPoint = read(boils, u"boiling point");
        if (!good) return std::nullopt;
        if (meltingPoint >= boilingPoint) {
            error(line, u"the melting point (%1) must be below the boiling point (%2)"_s.arg(
                            celsius(meltingPoint), celsius(boilingPoint)));
            return std::nullopt;
        }
        // At exactly its melting or boiling point a substance counts in the state it is changing
        // into, as Melting Points counts it: the least warmth finishes the change.
        State state = State::Liquid;
        if (meltingPoint > kRoomTemperature)
            state = State::Solid;
        else if (boilingPoint <= kRoomTemperature)
            state = State::Gas;
        return MeltingPointItem{substance, meltingPoint, boilingPoint, state};
    }

    std::optional<ListItem> readEquation(int line, const QString& text, const QString& words,
                                         chem::EquationReading& reading) {
        if (!reading.equation) {
            error(line, reading.problem);
            return std::nullopt;
        }
        chem::BalanceResult result =
            chem::balance(reading.equation->reactants, reading.equation->products);
        switch (result.outcome) {
            case chem::BalanceOutcome::Balanced:
                return EquationItem{text, words, std::move(reading.equation->reactants),
                                    std::move(reading.equation->products),
                                    std::move(result.coefficients)};
            case chem::BalanceOutcome::CannotBalance:
                error(line, u"%1 cannot be balanced"_s.arg(quoted(text)));
                break;
            case chem::BalanceOutcome::MoreThanOneWay:
                error(line, u"%1 balances in more than one way"_s.arg(quoted(text)));
                break;
            case chem::BalanceOutcome::NeedsLargeNumber:
                error(line, u"%1 needs a number over %2"_s.arg(quoted(text))
                                .arg(chem::kMaxListCoefficient));
                break;
            case chem::BalanceOutcome::OutOfRange:
                error(line, u"%1 needs numbers too large to work out"_s.arg(quoted(text)));
                break;
        }
        return std::nullopt;
    }

    std::optional<ListItem> readSorting(const QString& column, const QString& item) {
        const QString key = column.toCaseFolded();
        auto found = m_sortingColumn.constFind(key);
        if (found == m_sortingColumn.constEnd()) {
            found = m_sortingColumn.insert(key, static_cast<int>(m_out.columns.size()));
            m_out.columns += column;
        }
        return SortingItem{item, *found};
    }

    void checkSortingColumns() {
        const qsizetype count = m_out.columns.size();
        if (count == 0) return;  // no rows, or every one wrong: told already
        constexpr qsizetype kNamed = 4;
        QStringList names;
        for (qsizetype i = 0; i < std::min(count, kNamed); ++i) names += quoted(m_out.columns[i]);
        if (count > kNamed) names += u"\u2026"_s;
        if (count == 1)
            error(0, u"every item is in one column (%1); a sorting board needs two or three"_s.arg(
                         names.join(u", "_s)));
        else if (count > 3)
            error(0, u"the items are in %1 columns (%2); a sorting board has at most three"_s
                         .arg(count)
                         .arg(names.join(u", "_s)));
    }

    ListKind m_kind;
    KindDesign m_design;
    const CsvTable& m_table;
    const CheckOptions& m_options;
    CheckedList& m_out;
    QStringList m_names;               // the kind's columns' names
    chem::EquationReading m_equation;  // the row's equation, for the equations kind
    std::vector<int> m_fieldOf;        // by the kind's column: the field that holds it, or -1
    QHash<QString, int> m_rows;        // whole rows, folded, to the line first seen
    std::vector<QHash<QString, int>> m_seen;  // by column: values that may come once
    QHash<QString, int> m_sortingColumn;      // folded name to index in m_out.columns
};

}  // namespace

QStringList CheckedList::describedErrors() const {
    QStringList described;
    for (const ListError& error : errors) described += describeError(fileName, error);
    return described;
}

CheckedList checkTable(ListKind kind, const QString& fileName, const CsvTable& table,
                       const CheckOptions& options) {
    CheckedList list;
    list.kind = kind;
    list.fileName = fileName;
    list.errors = table.problems;
    if (!table.stopped && table.headerLine > 0) Checker(kind, table, options, list).run();
    std::stable_sort(list.errors.begin(), list.errors.end(),
                     [](const ListError& a, const ListError& b) { return a.line < b.line; });
    // A list with errors is not shown, so nothing in it is offered.
    if (!list.errors.empty()) {
        list.entries.clear();
        list.columns.clear();
    }
    return list;
}

CheckedList checkList(ListKind kind, const QString& fileName, const QByteArray& bytes,
                      const CheckOptions& options) {
    return checkTable(kind, fileName, readCsv(bytes), options);
}

}  // namespace lists
