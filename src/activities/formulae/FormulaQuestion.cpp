#include "activities/formulae/FormulaQuestion.h"

#include <algorithm>
#include <random>

#include "kit/quiz/QuizText.h"

namespace formulae {

namespace {

using quiz::numberText;

QChar operationSign(Operation operation) {
    switch (operation) {
        case Operation::Divide:
            return QChar(0x00F7);
        case Operation::Multiply:
            return QChar(0x00D7);
        case Operation::Subtract:
            break;
    }
    return QChar(0x2212);
}

QString name(const Quantity& quantity) {
    return QString::fromUtf8(quantity.name);
}

QString withUnit(int number, const Quantity& quantity) {
    return numberText(number) + QLatin1Char(' ') + QString::fromUtf8(quantity.unit);
}

int draw(const Values& values, std::mt19937& generator) {
    std::uniform_int_distribution<int> index(0, valueCount(values) - 1);
    return valueAt(values, index(generator));
}

}  // namespace

int valueCount(const Values& values) {
    return values.listed.empty() ? values.high - values.low + 1
                                 : static_cast<int>(values.listed.size());
}

int valueAt(const Values& values, int index) {
    return values.listed.empty() ? values.low + index : values.listed[static_cast<size_t>(index)];
}

FormulaValues drawValues(const FormulaTemplate& formula, std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    const int drawn = draw(formula.drawn, generator);
    Values seconds = formula.secondValues;
    // Only a divide works the first value out as a product; every drawn value has at least one
    // second value within the bound, which the template's tests hold it to.
    if (formula.firstAtMost > 0 && formula.operation == Operation::Divide && drawn > 0 &&
        seconds.listed.empty())
        seconds.high = std::max(seconds.low, std::min(seconds.high, formula.firstAtMost / drawn));
    const int second = draw(seconds, generator);
    switch (formula.operation) {
        case Operation::Divide:
            return {drawn * second, second, drawn};
        case Operation::Multiply:
            return {drawn, second, drawn * second};
        case Operation::Subtract:
            break;
    }
    return {second + drawn, second, drawn};
}

quiz::QuizItem formulaItem(const FormulaTemplate& formula, const FormulaValues& values) {
    const QString result = name(formula.result);
    const QString sign = operationSign(formula.operation);
    const QString question =
        QStringLiteral("%1 = %2 %3 %4\n\n%2 = %5\n%4 = %6\n%1 = ?")
            .arg(result, name(formula.first), sign, name(formula.second),
                 withUnit(values.first, formula.first), withUnit(values.second, formula.second));
    const QString answer =
        QStringLiteral("%1 = %2 %3 %4 = %5")
            .arg(result, numberText(values.first), sign, numberText(values.second),
                 withUnit(values.result, formula.result));
    QString reason;
    if (formula.reasons) {
        const SignReasons& reasons = *formula.reasons;
        reason = QString::fromUtf8(values.result < 0    ? reasons.negative
                                   : values.result == 0 ? reasons.zero
                                                        : reasons.positive);
    }
    return {question, answer, reason, {}};
}

}  // namespace formulae
