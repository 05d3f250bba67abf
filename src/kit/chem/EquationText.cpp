// Reading formulas and equations as typed, and saying what is wrong in a teacher's words.
#include "kit/chem/EquationText.h"

#include <QStringList>
#include <algorithm>
#include <string>
#include <string_view>

#include "kit/chem/Elements.h"

using namespace Qt::Literals::StringLiterals;

namespace chem {

namespace {

// Long text cut short, so that a message stays readable whatever was typed.
QString quoted(QStringView text) {
    constexpr qsizetype kLongest = 40;
    if (text.size() <= kLongest) return u'\'' + text.toString() + u'\'';
    return u'\'' + text.left(kLongest).toString() + u"\u2026'"_s;
}

bool isAsciiUpper(QChar c) {
    return c >= u'A' && c <= u'Z';
}
bool isAsciiLower(QChar c) {
    return c >= u'a' && c <= u'z';
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The character at pos as the reader should see it: a pair of surrogates stays whole, and a
// character that cannot be shown is given by its number.
QString characterAt(QStringView text, qsizetype pos) {
    const QChar c = text[pos];
    if (c.isHighSurrogate() && pos + 1 < text.size() && text[pos + 1].isLowSurrogate())
        return u'\'' + text.mid(pos, 2).toString() + u'\'';
    if (!c.isPrint() || c.isSurrogate())
        return u"a character (U+"_s +
               QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0') + u')';
    return u'\'' + QString(c) + u'\'';
}

// "." or a middle dot between the parts of a hydrate ("CuSO4·5H2O"): the dot operator and the
// bullet operator look the same in a spreadsheet, so they count too.
bool isHydrateDot(QChar c) {
    return c == u'.' || c == QChar(0x00B7) || c == QChar(0x22C5) || c == QChar(0x2219);
}

// A count after a symbol or a closing bracket, moving pos past it; the problem, if any.
QString countProblem(QStringView text, qsizetype& pos) {
    if (pos >= text.size() || !isAsciiDigit(text[pos])) return {};
    if (text[pos] == u'0') return quoted(text) + u" has a number starting with 0"_s;
    int value = 0;
    for (; pos < text.size() && isAsciiDigit(text[pos]); ++pos) {
        value = value * 10 + (text[pos].unicode() - u'0');
        if (value > kMaxWrittenCount)
            return quoted(text) + u" has a number over %1"_s.arg(kMaxWrittenCount);
    }
    return {};
}

// Walks the text as parseFormula does and names the first thing it would refuse; empty when
// the only fault left is too many atoms.
QString firstProblem(QStringView text) {
    std::vector<bool> groupHasAtoms{false};
    bool afterDot = false;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (isAsciiUpper(c)) {
            const qsizetype length = pos + 1 < text.size() && isAsciiLower(text[pos + 1]) ? 2 : 1;
            const QString symbol = text.mid(pos, length).toString();
            if (!isElementSymbol(symbol.toStdString()))
                return quoted(symbol) + u" is not an element symbol"_s;
            pos += length;
            groupHasAtoms.back() = true;
            if (QString problem = countProblem(text, pos); !problem.isEmpty()) return problem;
        } else if (isAsciiLower(c)) {
            return quoted(QString(c)) +
                   u" is not an element symbol (a symbol starts with a capital letter)"_s;
        } else if (isAsciiDigit(c)) {
            return quoted(text) + u" has a number where an element symbol should be"_s;
        } else if (c == u'(') {
            if (std::ssize(groupHasAtoms) > kMaxBracketDepth)
                return quoted(text) + u" has brackets more than %1 deep"_s.arg(kMaxBracketDepth);
            groupHasAtoms.push_back(false);
            ++pos;
        } else if (c == u')') {
            if (groupHasAtoms.size() == 1)
                return quoted(text) + u" has a ')' with no '(' before it"_s;
            if (!groupHasAtoms.back())
                return quoted(text) + u" has brackets with nothing in them"_s;
            groupHasAtoms.pop_back();
            groupHasAtoms.back() = true;
            ++pos;
            if (QString problem = countProblem(text, pos); !problem.isEmpty()) return problem;
        } else if (isHydrateDot(c)) {
            if (groupHasAtoms.size() > 1)
                return quoted(text) +
                       u" has a dot inside brackets; a hydrate's dot goes "
                       u"between its parts, as in CuSO4.5H2O"_s;
            if (!groupHasAtoms.front())
                return quoted(text) + u" has a dot with no formula before it"_s;
            groupHasAtoms.front() = false;
            afterDot = true;
            ++pos;
            if (QString problem = countProblem(text, pos); !problem.isEmpty()) return problem;
        } else if (c.isSpace()) {
            QString joined = text.toString();
            joined.remove(u' ');
            if (readFormula(joined).formula)
                return quoted(text) + u" has a space in it: write it "_s + quoted(joined);
            return quoted(text) + u" has a space in it: write a formula without spaces"_s;
        } else if (c == u'[' || c == u']' || c == u'{' || c == u'}') {
            return quoted(text) + u" has "_s + characterAt(text, pos) +
                   u": use round brackets ( ) in a formula"_s;
        } else if (c >= QChar(0x2080) && c <= QChar(0x2089)) {
            return quoted(text) + u" has "_s + characterAt(text, pos) +
                   u": type the small numbers as ordinary digits"_s;
        } else {
            return quoted(text) + u" has "_s + characterAt(text, pos) +
                   u", which cannot be in a formula"_s;
        }
    }
    if (groupHasAtoms.size() > 1) return quoted(text) + u" has a '(' that is never closed"_s;
    if (!groupHasAtoms.front() && afterDot)
        return quoted(text) + u" has no formula after its dot"_s;
    if (!groupHasAtoms.front()) return quoted(text) + u" has no element symbol in it"_s;
    return {};
}

// The formula after any number written in front of it.
QStringView withoutCoefficient(QStringView term) {
    qsizetype pos = 0;
    while (pos < term.size() && isAsciiDigit(term[pos])) ++pos;
    if (pos == 0) return term;
    return term.mid(pos).trimmed();
}

// Finds the one arrow; false with the problem when there is none or more than one. "->",
// "-->" and longer, "=", "==>", "=>", "→" and "⟶" are each an arrow; dashes alone are not.
bool findArrow(QStringView text, qsizetype& at, qsizetype& length, QString& problem) {
    int arrows = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype found = 0;
        if (text[i] == u'-' || text[i] == u'=') {
            qsizetype end = i;
            bool equals = true;
            for (; end < text.size() && (text[end] == u'-' || text[end] == u'='); ++end)
                equals = equals && text[end] == u'=';
            if (end < text.size() && text[end] == u'>')
                found = end + 1 - i;
            else if (equals)
                found = end - i;
            else
                continue;
        } else if (text[i] == QChar(0x2192) || text[i] == QChar(0x27F6)) {
            found = 1;
        }
        if (found == 0) continue;
        if (++arrows > 1) {
            problem = u"there is more than one arrow"_s;
            return false;
        }
        at = i;
        length = found;
        i += found - 1;
    }
    if (arrows == 0) problem = u"there is no arrow (write -> between the two sides)"_s;
    return arrows == 1;
}

// The state symbol at the end of a term, "(s)", "(l)", "(g)" or "(aq)", with the space before
// it, moved from term to state; nothing when it has none. Lower case only: "(S)" is sulfur.
void takeState(QStringView& term, QString& state) {
    for (const QStringView symbol : {u"(s)", u"(l)", u"(g)", u"(aq)"}) {
        if (term.endsWith(symbol) && term.size() > symbol.size()) {
            state = symbol.toString();
            term = term.chopped(symbol.size()).trimmed();
            return;
        }
    }
}

// "MgO -> MgO", "H2 + O2 -> O2 + 2H2": the same formulas, in any order or number, each side.
bool sameFormulas(const std::vector<Formula>& left, const std::vector<Formula>& right) {
    const auto texts = [](const std::vector<Formula>& side) {
        std::vector<std::string> texts;
        for (const Formula& formula : side) texts.push_back(formula.text());
        std::sort(texts.begin(), texts.end());
        texts.erase(std::unique(texts.begin(), texts.end()), texts.end());
        return texts;
    };
    return texts(left) == texts(right);
}

}  // namespace

FormulaReading readFormula(QStringView text) {
    FormulaReading reading;
    if (text.isEmpty()) {
        reading.problem = u"a formula is missing"_s;
        return reading;
    }
    // A std::string, not a QByteArray: a short formula then fits without an allocation.
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(text.size()));
    bool readable = true;
    for (const QChar c : text) {
        if (isHydrateDot(c)) {
            ascii += c == u'.' ? "." : "\xC2\xB7";
            continue;
        }
        if (c.unicode() >= 0x80) {
            readable = false;
            break;
        }
        ascii += static_cast<char>(c.unicode());
    }
    if (readable) {
        reading.formula = parseFormula(ascii);
        if (reading.formula) return reading;
    }
    reading.problem = firstProblem(text);
    if (reading.problem.isEmpty())
        reading.problem = quoted(text) + u" has more than a million atoms of one element"_s;
    return reading;
}

EquationReading parseEquation(QStringView text) {
    EquationReading reading;
    qsizetype arrowAt = 0, arrowLength = 0;
    if (!findArrow(text, arrowAt, arrowLength, reading.problem)) return reading;

    if (text.count(u'+') + 2 > kMaxEquationFormulas) {
        reading.problem = u"there are more than %1 formulas"_s.arg(kMaxEquationFormulas);
        return reading;
    }

    ParsedEquation equation;
    QStringList problems;
    const auto readSide = [&](QStringView side, std::vector<Formula>& formulas,
                              std::vector<QString>& states, const QString& where) {
        for (const QStringView term : side.split(u'+')) {
            QStringView written = withoutCoefficient(term.trimmed());
            QString state;
            takeState(written, state);
            if (written.isEmpty()) {
                problems += u"a formula is missing "_s + where;
                continue;
            }
            // "O2 - CO2": the usual cause is a sign mistyped, not a formula.
            if (written.contains(u' ') && !readFormula(written.toString().remove(u' ')).formula) {
                problems += quoted(written) +
                            u" is not one formula: put + between two formulas, and -> between "
                            u"the two sides"_s;
                continue;
            }
            FormulaReading formula = readFormula(written);
            if (formula.formula) {
                formulas.push_back(std::move(*formula.formula));
                states.push_back(state);
            } else {
                problems += formula.problem;
            }
        }
    };
    readSide(text.left(arrowAt), equation.reactants, equation.reactantStates,
             u"before the arrow"_s);
    readSide(text.mid(arrowAt + arrowLength), equation.products, equation.productStates,
             u"after the arrow"_s);
    problems.removeDuplicates();
    if (!problems.isEmpty()) {
        // A few are enough to set a line right; the rest would bury them.
        constexpr qsizetype kShown = 3;
        const qsizetype more = problems.size() - kShown;
        if (more > 0) problems.resize(kShown);
        reading.problem = problems.join(u"; "_s);
        if (more > 0) reading.problem += u"; and %1 more"_s.arg(more);
        return reading;
    }
    if (sameFormulas(equation.reactants, equation.products)) {
        reading.problem = u"the two sides of the arrow are the same, so nothing reacts"_s;
        return reading;
    }
    reading.equation = std::move(equation);
    return reading;
}

}  // namespace chem
