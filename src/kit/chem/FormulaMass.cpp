// Formula masses from the atom counts.
#include "kit/chem/FormulaMass.h"

#include <QStringList>
#include <cmath>

#include "kit/chem/FormulaText.h"

using namespace Qt::Literals::StringLiterals;

namespace chem {

std::optional<double> relativeAtomicMass(std::string_view symbol,
                                         std::span<const AtomicMass> table) {
    for (const AtomicMass& row : table)
        if (row.symbol == symbol) return row.mass;
    return std::nullopt;
}

std::optional<double> relativeFormulaMass(const Formula& formula,
                                          std::span<const AtomicMass> table) {
    double total = 0;
    for (const AtomCount& atom : formula.atoms()) {
        const std::optional<double> mass = relativeAtomicMass(atom.symbol, table);
        if (!mass) return std::nullopt;
        total += atom.count * *mass;
    }
    return total;
}

std::optional<QString> massWorking(const Formula& formula, std::span<const AtomicMass> table) {
    const std::optional<double> total = relativeFormulaMass(formula, table);
    if (!total) return std::nullopt;

    QStringList terms;
    for (const AtomCount& atom : formula.atoms()) {
        const QString mass = formatMass(*relativeAtomicMass(atom.symbol, table));
        terms += atom.count == 1 ? mass : QString::number(atom.count) + u" \u00D7 "_s + mass;
    }
    QString working = displayFormula(formula) + u" = "_s + terms.join(u" + "_s);
    // "C = 12 = 12" says nothing twice.
    if (formula.atoms().size() > 1 || formula.atoms().front().count > 1)
        working += u" = "_s + formatMass(*total);
    return working;
}

QString formatMass(double mass) {
    // Every mass here is a whole number of tenths give or take the rounding of the sum, and
    // written out from the tenths it is the same as below at a fraction of the cost, which a
    // teacher's list of a thousand formulas notices. The rounding allowed, a millionth of a
    // millionth of the mass, is well inside the half a unit in the twelfth figure that decides
    // the figures below; above 1e11 twelve figures no longer reach the tenths.
    const double tenths = std::round(mass * 10);
    if (mass >= 1e-4 && mass < 1e11 && std::abs(mass * 10 - tenths) <= 1e-12 * mass) {
        const auto whole = static_cast<qint64>(tenths);
        QString text = QString::number(whole / 10);
        if (whole % 10 != 0) text += u'.' + QString::number(whole % 10);
        return text;
    }
    // Twelve significant figures hide any rounding in the sum and never turn to an exponent for
    // a mass this module can produce.
    return QString::number(mass, 'g', 12);
}

}  // namespace chem
