#include "activities/symbols/SymbolsScreen.h"

#include <iterator>

#include "forms/Label.h"
#include "kit/chem/SchoolElements.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace symbols {

using namespace forms;

namespace {

// A single name or symbol, so it can be far larger than a sentence.
const quiz::QuizLayout kLayout{
    .question = {480, 1320, 10950, 1560},
    .answer = {480, 3360, 10950, 1560},
    .questionPoints = 54,
    .answerPoints = 54,
};

// On the house button row, midway between exit and the button column.
constexpr TwipRect kDirectionPlace{3975, shell::ButtonRowTop, 3960, shell::ButtonHeight};

}  // namespace

SymbolsScreen::SymbolsScreen(Screens& screens, const shell::ActivityId& id)
    : QuizScreen(screens, id, {}, kLayout),
      lbldirection(add<Label>(QStringLiteral("lbldirection"), kDirectionPlace)),
      m_hover(*this) {
    LabelLook question = shell::questionLook(kLayout.questionPoints);
    LabelLook answer = shell::answerLook(kLayout.answerPoints);
    question.align = answer.align = Align::Centre;
    lblquestion.setLook(question);
    lblanswer.setLook(answer);
    lbldirection.setLook(shell::boxedLook(tahoma(15.75f, true)));
    lbldirection.setCaption(directionCaption(m_direction));
    lbldirection.onClick = [this] { switchDirection(); };
    m_hover.add(lbldirection);
}

QString SymbolsScreen::directionCaption(Direction direction) {
    return direction == Direction::NameToSymbol ? QStringLiteral("Name → Symbol")
                                                : QStringLiteral("Symbol → Name");
}

int SymbolsScreen::itemCount() const {
    return static_cast<int>(std::size(chem::kSchoolElements));
}

quiz::QuizItem SymbolsScreen::makeItem(int index) {
    const chem::SchoolElement& element = chem::kSchoolElements[index];
    // Exactly as the table writes them: "Cl", never "CL".
    const QString name = QString::fromUtf8(element.name);
    const QString symbol = QString::fromUtf8(element.symbol);
    if (m_direction == Direction::SymbolToName) return {symbol, name, {}, {}};
    return {name, symbol, {}, {}};
}

void SymbolsScreen::switchDirection() {
    m_direction =
        m_direction == Direction::NameToSymbol ? Direction::SymbolToName : Direction::NameToSymbol;
    lbldirection.setCaption(directionCaption(m_direction));
    remakeCurrent();
}

}  // namespace symbols
