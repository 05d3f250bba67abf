// Subscript digits for formulas in text.
#include "kit/chem/FormulaText.h"

namespace chem {

namespace {

bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

constexpr char16_t kSubscriptZero = 0x2080;

}  // namespace

QString withSubscripts(QStringView text) {
    QString result;
    result.reserve(text.size());
    bool countMayFollow = false;  // just after a letter, a closing bracket or a count's digit
    for (const QChar c : text) {
        if (isAsciiDigit(c) && countMayFollow) {
            result += QChar(static_cast<char16_t>(kSubscriptZero + (c.unicode() - u'0')));
            continue;
        }
        result += c;
        countMayFollow = isAsciiLetter(c) || c == u')';
    }
    return result;
}

QString withSubscripts(std::string_view utf8) {
    return withSubscripts(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

QString displayFormula(const Formula& formula) {
    return withSubscripts(std::string_view(formula.text()));
}

}  // namespace chem
