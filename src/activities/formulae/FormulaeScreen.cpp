#include "activities/formulae/FormulaeScreen.h"

#include <QFontMetricsF>
#include <iterator>

#include "activities/formulae/FormulaQuestion.h"
#include "forms/Platform.h"
#include "shell/HouseLooks.h"

namespace formulae {

// Up to six lines of question (a long formula takes two), the working on one line and a reason
// beneath it, all clear of the button column.
const quiz::QuizLayout FormulaeScreen::kLayout{
    .question = {480, 1080, 10950, 2940},
    .answer = {480, 4440, 10950, 1080},
    .reason = {480, 5640, 9360, 840},
};

namespace {

// A formula too long for one line breaks after its equals sign, not inside a name
// ("volume of / solution").
QString breakLongFormula(const QString& question) {
    const qsizetype lineEnd = question.indexOf(QLatin1Char('\n'));
    const QFontMetricsF metrics(
        shell::questionLook(FormulaeScreen::kLayout.questionPoints).font.toQFont());
    if (metrics.horizontalAdvance(question.left(lineEnd)) <=
        FormulaeScreen::kLayout.question.toPixels().width())
        return question;
    QString broken = question;
    const qsizetype equals = broken.indexOf(QStringLiteral(" = "));
    if (equals >= 0 && equals < lineEnd) broken.replace(equals, 3, QStringLiteral(" =\n"));
    return broken;
}

}  // namespace

FormulaeScreen::FormulaeScreen(forms::Screens& screens, const shell::ActivityId& id)
    : QuizScreen(screens, id, {}, kLayout) {}

int FormulaeScreen::itemCount() const {
    return static_cast<int>(std::size(kFormulaTemplates));
}

quiz::QuizItem FormulaeScreen::makeItem(int index) {
    const FormulaTemplate& formula = kFormulaTemplates[index];
    quiz::QuizItem item;
    // The deck never hands out the same formula twice running, but this holds whatever asks.
    // Every formula has hundreds of questions, so a second draw is all but certain to do.
    for (int attempt = 0; attempt < 8; ++attempt) {
        item = formulaItem(formula, drawValues(formula, platform().freshSeed()));
        item.question = breakLongFormula(item.question);
        if (item.question != current().question) break;
    }
    return item;
}

}  // namespace formulae
