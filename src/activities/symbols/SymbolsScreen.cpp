#include "activities/symbols/SymbolsScreen.h"

#include <iterator>

#include "forms/Label.h"
#include "kit/chem/SchoolElements.h"
#include "kit/lists/ListCheck.h"
#include "kit/lists/RoomCheck.h"
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

SymbolsScreen::SymbolsScreen(Screens& screens, const shell::ActivityId& id,
                             const lists::CheckedList* list)
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
    if (list) {
        for (const lists::ListEntry& entry : list->entries)
            if (const auto* item = std::get_if<lists::SymbolItem>(&entry.item))
                m_elements.push_back({item->name, item->symbol});
    }
    if (m_elements.empty()) {
        // Exactly as the table writes them: "Cl", never "CL".
        for (const chem::SchoolElement& element : chem::kSchoolElements)
            m_elements.push_back(
                {QString::fromUtf8(element.name), QString::fromUtf8(element.symbol)});
    }
}

// Either is asked and either is the answer, so each must fit both places.
std::optional<QString> SymbolsScreen::listTextCheck(const QString& column, const QString& text) {
    const QString what = QStringLiteral("the ") + column;
    return lists::firstOf(
        lists::tooLongFor(what, text, tahoma(kLayout.questionPoints, true), kLayout.question),
        lists::tooLongFor(what, text, tahoma(kLayout.answerPoints, true), kLayout.answer));
}

QString SymbolsScreen::directionCaption(Direction direction) {
    return direction == Direction::NameToSymbol ? QStringLiteral("Name → Symbol")
                                                : QStringLiteral("Symbol → Name");
}

int SymbolsScreen::itemCount() const {
    return static_cast<int>(m_elements.size());
}

quiz::QuizItem SymbolsScreen::makeItem(int index) {
    const auto& [name, symbol] = m_elements[static_cast<size_t>(index)];
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
