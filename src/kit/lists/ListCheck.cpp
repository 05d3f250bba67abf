// Each kind's columns and checks. Every row is checked, so that one reading of the errors is
// enough to put the whole list right.
#include "kit/lists/ListCheck.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "kit/chem/Elements.h"
#include "kit/chem/Equation.h"
#include "kit/chem/EquationText.h"
#include "kit/chem/FormulaMass.h"

using namespace Qt::Literals::StringLiterals;

namespace lists {

namespace {

struct Column {
    const char16_t* name;
    bool required;
    bool caseMatters;  // for telling a repeat: "CO" and "Co" are different formulas
    bool key;          // a value that may appear only once in the list
    bool temperature = false;  // its header may give the unit: °C, K or °F
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
                                      {u"melting point", true, false, false, true},
                                      {u"boiling point", true, false, false, true}};
constexpr Column kEquationColumns[] = {{u"equation", true, true, true},
                                       {u"word equation", false, false, false}};
constexpr Column kSortingColumns[] = {{u"column", true, false, false},
                                      {u"item", true, false, true}};

KindDesign design(ListKind kind);

// "word", "melting point": a name some kind of list gives a column.
bool isAnyKindsColumn(const QString& name) {
    using enum ListKind;
    for (const ListKind kind :
         {Words, Symbols, Quiz, FormulaMasses, MeltingPoints, Equations, Sorting})
        for (const Column& column : design(kind).columns)
            if (name == QStringView(column.name)) return true;
    return false;
}

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

// Where the unit in brackets at the end of a header starts, or -1 when it has none.
qsizetype unitBracket(const QString& simplified) {
    return simplified.endsWith(u')') ? std::max<qsizetype>(simplified.lastIndexOf(u'('), -1) : -1;
}

// "melting point" from "Melting  Point (°C)".
QString columnName(const QString& header) {
    QString name = header.simplified().toLower();
    if (const qsizetype open = unitBracket(name); open > 0) name = name.left(open).trimmed();
    return name;
}

// "°C" from "Melting point (°C)"; empty when the header gives none.
QString columnUnit(const QString& header) {
    const QString name = header.simplified();
    const qsizetype open = unitBracket(name);
    return open > 0 ? name.mid(open + 1, name.size() - open - 2).trimmed() : QString();
}

QString latin(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

// Unstated reads as °C: the unit the screen shows and the class learns in.
enum class Unit { Unstated, Celsius, Kelvin, Fahrenheit };

// "°C", "C", "degrees C", "Celsius", "K", "kelvin", "°F", "Fahrenheit" and the like, in any
// letter case; nullopt for anything else.
std::optional<Unit> unitNamed(QString text) {
    text = text.toLower();
    text.remove(u' ').remove(QChar(0x00B0)).remove(QChar(0x00BA));  // degree, and º typed for it
    for (const char16_t* word : {u"degrees", u"degree", u"deg"})
        if (text.startsWith(QStringView(word))) text.remove(0, QStringView(word).size());
    if (text.isEmpty()) return Unit::Unstated;  // a bare "°"
    if (text == u"c" || text == u"celsius" || text == u"centigrade" || text == u"\u2103")
        return Unit::Celsius;
    if (text == u"k" || text == u"kelvin" || text == u"kelvins") return Unit::Kelvin;
    if (text == u"f" || text == u"fahrenheit" || text == u"\u2109") return Unit::Fahrenheit;
    return std::nullopt;
}

QString unitSymbol(Unit unit) {
    switch (unit) {
        case Unit::Kelvin:
            return u"K"_s;
        case Unit::Fahrenheit:
            return u"\u00B0F"_s;
        case Unit::Unstated:
        case Unit::Celsius:
            break;
    }
    return u"\u00B0C"_s;
}

// A temperature as written in a spreadsheet: digits with an optional sign (the minus sign
// U+2212 too) and decimal point, and its unit after it if wanted.
struct Temperature {
    double value = 0;  // in its own unit
    int places = 0;    // decimal places written
    Unit unit = Unit::Unstated;
};

// decimalComma: "38,8" is 38.8, as a file separated by semicolons or tabs writes it where the
// comma is the decimal mark.
std::optional<Temperature> readTemperature(QString text, bool decimalComma) {
    if (decimalComma && text.count(u',') == 1) text.replace(u',', u'.');
    static const QRegularExpression number(
        u"^([+\\-\u2212]?)\\s*([0-9]{1,6}(\\.([0-9]{1,6}))?)\\s*(.{0,12})$"_s);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const std::optional<Unit> unit = unitNamed(match.captured(5));
    if (!unit) return std::nullopt;
    const double value = match.captured(2).toDouble();
    return Temperature{match.captured(1).isEmpty() || match.captured(1) == u"+" ? value : -value,
                       static_cast<int>(match.captured(4).size()), *unit};
}

// The temperature in °C, to as many places as the conversion needs and no more: kelvin are
// exact to two places more than 273.15 has (54.36 K is -218.79 °C); a degree Fahrenheit is
// five ninths of one Celsius, so one place more than written keeps its precision (-361.82 °F
// is -218.789 °C) without a string of nines the screen would show.
double inCelsius(const Temperature& t) {
    const auto rounded = [](double value, int places) {
        const double scale = std::pow(10.0, places);
        return std::round(value * scale) / scale;
    };
    switch (t.unit) {
        case Unit::Kelvin:
            return rounded(t.value - 273.15, std::max(t.places, 2));
        case Unit::Fahrenheit:
            return rounded((t.value - 32) * 5 / 9, t.places + 1);
        case Unit::Unstated:
        case Unit::Celsius:
            break;
    }
    return t.value;
}

// "−300 °C", "54.36 K": as the teacher wrote it, with a true minus sign.
QString written(double value, Unit unit) {
    return QString::number(value, 'g', 10).replace(u'-', QChar(0x2212)) + u' ' +
           unitSymbol(unit);
}

class Checker {
  public:
    Checker(ListKind kind, const CsvTable& table, const CheckOptions& options, CheckedList& out)
        : m_kind(kind), m_design(design(kind)), m_table(table), m_options(options), m_out(out) {
        for (const Column& column : m_design.columns) m_names += QString::fromUtf16(column.name);
    }

    void run() {
        int rows = m_table.dataRows;
        if (m_kind == ListKind::Sorting && isColumnLayout()) {
            rows = readColumnLayout();
        } else {
            if (!readHeader()) return;
            for (const CsvRow& row : m_table.rows) checkRow(row);
        }
        if (m_kind == ListKind::Sorting) checkSortingColumns();
        if (rows == 0)
            error(0, u"there are no rows under the header"_s);
        else if (rows < m_options.minimumRows)
            error(0, u"the list has %1 rows; it needs at least %2"_s.arg(rows).arg(
                         m_options.minimumRows));
    }

  private:
    void error(int line, const QString& what) { m_out.errors.push_back({line, what}); }

    // "Metal", "Non-metal" over the items: a header of two or more names, none of them a
    // column of any kind of list, so that a words list is never taken for a sorting board.
    bool isColumnLayout() const {
        const QStringList& header = m_table.header;
        return header.size() >= 2 &&
               std::none_of(header.begin(), header.end(), [](const QString& name) {
                   return name.isEmpty() || isAnyKindsColumn(columnName(name));
               });
    }

    // Each cell with text in it is one item of its column, checked as a row of column and item.
    // Returns how many rows that makes, with those the reader refused, for the count of rows.
    int readColumnLayout() {
        m_fieldOf = {0, 1};
        m_unitOf.assign(2, Unit::Unstated);
        m_seen.resize(2);
        int items = m_table.dataRows - static_cast<int>(m_table.rows.size());
        for (const CsvRow& row : m_table.rows) {
            for (qsizetype i = 0; i < row.fields.size(); ++i) {
                if (row.fields[i].isEmpty()) continue;
                checkRow({row.line, {m_table.header[i], row.fields[i]}});
                ++items;
            }
        }
        return items;
    }

    // Which field holds each of the kind's columns; false when the rows cannot be read.
    bool readHeader() {
        const int line = m_table.headerLine;
        m_fieldOf.assign(m_design.columns.size(), -1);
        m_unitOf.assign(m_design.columns.size(), Unit::Unstated);
        bool usable = true;
        QStringList ignored;
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
                ignored += quoted(m_table.header[i]);
                continue;
            }
            const auto k = static_cast<std::size_t>(found - m_design.columns.begin());
            if (found->temperature && !readUnit(line, m_table.header[i], m_unitOf[k]))
                usable = false;
            int& field = m_fieldOf[k];
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
        if (ignored.size() == 1)
            m_out.notes.push_back(
                {line,
                 u"the column %1 is not one %2 uses (%3), so it is "
                 u"ignored"_s.arg(ignored.front(), QString::fromUtf16(m_design.name),
                                  namesOf(m_design.columns))});
        else if (ignored.size() > 1)
            m_out.notes.push_back(
                {line,
                 u"the columns %1 are not ones %2 uses (%3), so they are "
                 u"ignored"_s.arg(ignored.join(u", "_s), QString::fromUtf16(m_design.name),
                                  namesOf(m_design.columns))});
        m_seen.resize(m_design.columns.size());
        return usable;
    }

    // A temperature column's unit; false, told, when it is none this list reads, since its
    // numbers cannot then be read as any temperature at all.
    bool readUnit(int line, const QString& header, Unit& unit) {
        const QString text = columnUnit(header);
        if (text.isEmpty()) return true;
        if (const std::optional<Unit> named = unitNamed(text)) {
            unit = *named;
            return true;
        }
        error(line, u"%1 is not a unit %2 reads: write (\u00B0C), (K) or (\u00B0F) after the "
                    u"column's name, or no unit for \u00B0C"_s.arg(quoted(text),
                                                                QString::fromUtf16(m_design.name)));
        return false;
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

    // Equations that differ only in spacing, arrow or numbers in front are one equation, and
    // a hydrate is one formula whichever dot it is written with.
    QString keyOf(qsizetype column, const QString& value) const {
        if (m_kind == ListKind::FormulaMasses && column == 0) {
            const chem::FormulaReading reading = chem::readFormula(value);
            return reading.formula ? QString::fromStdString(reading.formula->text()) : value;
        }
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
                return readMeltingPoint(line, v[0], v[1], v[2], m_unitOf[1], m_unitOf[2]);
            case ListKind::Equations:
                return readEquation(line, v[0], v[1], m_equation);
            case ListKind::Sorting:
                break;
        }
        return readSorting(v[0], v[1]);
    }

    // Checked against every element, in either spelling where pupils meet two. Each message
    // gives the right answer, so the line can be put right from it alone.
    std::optional<ListItem> readSymbol(int line, const QString& name, const QString& symbol) {
        const chem::Element* named = chem::elementNamed(name.toStdString());
        const QString lowerName = name.toLower();
        const auto answer = [](const chem::Element& element) {
            return latin(element.symbol) + u" is "_s + latin(element.name).toLower();
        };
        const chem::Element* element = chem::elementWithSymbol(symbol.toStdString());
        if (!element) {
            // "FE" or "fe" for Fe: the letter case is what is wrong.
            const QString fixed = symbol.left(1).toUpper() + symbol.mid(1).toLower();
            QString what = u"%1 is not an element symbol"_s.arg(quoted(symbol));
            if (chem::isElementSymbol(fixed.toStdString()))
                what += u" (it is written %1)"_s.arg(quoted(fixed));
            else if (named)
                what += u"; %1 is %2"_s.arg(lowerName, latin(named->symbol));
            error(line, what);
            return std::nullopt;
        }
        if (!named) {
            error(line, u"%1 is not the name of an element; %2"_s.arg(lowerName, answer(*element)));
            return std::nullopt;
        }
        if (named != element) {
            // "manganese is Mn; Mg is magnesium"
            error(line, u"%1 is %2; %3"_s.arg(lowerName, latin(named->symbol), answer(*element)));
            return std::nullopt;
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
                                             const QString& melts, const QString& boils,
                                             Unit meltsUnit, Unit boilsUnit) {
        // Absolute zero, to the nearest degree as a class would write it.
        constexpr double kColdest = -273.15;
        constexpr double kHottest = 10000;  // nothing boils much above 6000 °C
        bool good = true;
        struct Read {
            double celsius = 0;
            QString written;
        };
        const auto read = [&](const QString& text, const char16_t* what, Unit column) -> Read {
            const QString name = QString::fromUtf16(what);
            std::optional<Temperature> t = readTemperature(text, m_table.delimiter != u',');
            if (!t) {
                error(line, u"the %1 %2 is not a number (write it like 1538 or \u221238.8)"_s.arg(
                                name, quoted(text)));
                good = false;
                return {};
            }
            // A unit by the number and another in the header: which was meant is anyone's guess.
            if (t->unit != Unit::Unstated && column != Unit::Unstated && t->unit != column) {
                error(line, u"the %1 %2 is in %3, but the column's header says %4: write the "
                            u"unit once, in the header"_s.arg(name, quoted(text),
                                                              unitSymbol(t->unit),
                                                              unitSymbol(column)));
                good = false;
                return {};
            }
            if (t->unit == Unit::Unstated) t->unit = column;
            const Read value{inCelsius(*t), written(t->value, t->unit)};
            if (value.celsius < kColdest) {
                const QString zero = t->unit == Unit::Kelvin       ? u"0 K"_s
                                     : t->unit == Unit::Fahrenheit ? u"\u2212459.67 \u00B0F"_s
                                                                   : u"\u2212273 \u00B0C"_s;
                error(line, u"the %1 (%2) is below absolute zero (%3)"_s.arg(name, value.written,
                                                                             zero));
            } else if (value.celsius > kHottest) {
                error(line, u"the %1 (%2) is higher than any substance's %1"_s.arg(
                                name, value.written));
            } else {
                return value;
            }
            good = false;
            return {};
        };
        const Read melting = read(melts, u"melting point", meltsUnit);
        const Read boiling = read(boils, u"boiling point", boilsUnit);
        if (!good) return std::nullopt;
        const double meltingPoint = melting.celsius;
        const double boilingPoint = boiling.celsius;
        if (meltingPoint >= boilingPoint) {
            error(line, u"the melting point (%1) must be below the boiling point (%2)"_s.arg(
                            melting.written, boiling.written));
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
                return EquationItem{text,
                                    words,
                                    std::move(reading.equation->reactants),
                                    std::move(reading.equation->products),
                                    std::move(result.coefficients),
                                    std::move(reading.equation->reactantStates),
                                    std::move(reading.equation->productStates)};
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
    std::vector<Unit> m_unitOf;        // by the kind's column: a temperature's unit
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

QStringList CheckedList::describedNotes() const {
    QStringList described;
    for (const ListError& note : notes) described += describeError(fileName, note);
    return described;
}

CheckedList checkTable(ListKind kind, const QString& fileName, const CsvTable& table,
                       const CheckOptions& options) {
    CheckedList list;
    list.kind = kind;
    list.fileName = fileName;
    list.errors = table.problems;
    list.notes = table.notes;
    if (!table.stopped && table.headerLine > 0) Checker(kind, table, options, list).run();
    const auto byLine = [](const ListError& a, const ListError& b) { return a.line < b.line; };
    std::stable_sort(list.errors.begin(), list.errors.end(), byLine);
    std::stable_sort(list.notes.begin(), list.notes.end(), byLine);
    // A list with errors is not shown, so nothing in it is offered.
    if (!list.errors.empty()) {
        list.entries.clear();
        list.columns.clear();
    }
    return list;
}

namespace {

// The file read as a list of that kind: a title row above its header skipped.
CsvTable readAs(ListKind kind, const QByteArray& bytes) {
    QStringList names;
    for (const Column& column : design(kind).columns) names += QString::fromUtf16(column.name);
    return readCsv(bytes, [&names](const QString& header) {
        return names.contains(columnName(header));
    });
}

}  // namespace

CheckedList checkList(ListKind kind, const QString& fileName, const QByteArray& bytes,
                      const CheckOptions& options) {
    return checkTable(kind, fileName, readAs(kind, bytes), options);
}

bool headerSuits(ListKind kind, const QByteArray& bytes) {
    CsvTable table = readAs(kind, bytes);
    if (table.stopped || table.headerLine <= 0) return false;
    table.rows.clear();
    table.problems.clear();
    const CheckedList checked = checkTable(kind, {}, table);
    return std::none_of(checked.errors.begin(), checked.errors.end(),
                        [&](const ListError& error) { return error.line == table.headerLine; });
}

}  // namespace lists
