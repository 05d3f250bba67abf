// Formulas as the class sees them: counts as real subscript digits ("H₂SO₄", "Ca(OH)₂").
#pragma once

#include <QString>
#include <QStringView>
#include <string_view>

#include "kit/chem/Formula.h"

namespace chem {

// The formula's text with every count digit as its subscript digit (U+2080 to U+2089).
QString displayFormula(const Formula& formula);

// Any text with formulas in it, such as "2H2 + O2 → 2H2O": a digit becomes a subscript only
// when it follows a letter (A to Z, a to z) or a closing bracket, or continues such a count,
// so a leading coefficient stays full-size ("2H₂ + O₂ → 2H₂O"). Meant for chemical text:
// "cm3" would come out as "cm₃".
QString withSubscripts(QStringView text);
// The same for UTF-8 text straight from a content table.
QString withSubscripts(std::string_view utf8);

}  // namespace chem
