#include "activities/fourinarow/FourInARowActivity.h"

#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/fourinarow/TurnQuestions.h"

namespace fourinarow {

namespace {

using Reason = std::optional<QString>;

// The folders its pools are drawn from. The list chosen for each is asked here too, so each of
// its fields must fit the question box.
constexpr char kSymbols[] = "symbols";
constexpr char kMasses[] = "atomicmass";
constexpr char kWords[] = "hangman";

Reason symbolCheck(const QString& column, const QString& text) {
    return FourInARowScreen::questionCheck(column == QLatin1String("name")
                                               ? TurnQuestions::symbolQuestion(text, {})
                                               : TurnQuestions::symbolQuestion({}, text));
}

Reason massCheck(const QString&, const QString& text) {
    if (const std::optional<TurnQuestion> asked = TurnQuestions::massQuestion(text))
        return FourInARowScreen::questionCheck(*asked);
    return std::nullopt;
}

Reason wordCheck(const QString& column, const QString& text) {
    if (column == QLatin1String("clue"))
        return FourInARowScreen::questionCheck(TurnQuestions::wordQuestion({}, text));
    if (column == QLatin1String("word"))
        return FourInARowScreen::questionCheck(TurnQuestions::wordQuestion(text, {}));
    return std::nullopt;
}

}  // namespace

const activities::Activity& activity() {
    static const activities::Activity described{
        "fourinarow",
        "Four in a Row",
        [](forms::Screens& screens, const shell::ActivityId& id, const activities::ListOf& listOf) {
            const auto of = [&listOf](const char* folder) {
                return listOf ? listOf(folder) : nullptr;
            };
            return std::make_unique<FourInARowScreen>(
                screens, id, TurnLists{of(kSymbols), of(kMasses), of(kWords)});
        },
        {{kSymbols, lists::ListKind::Symbols, &symbolCheck, {}, false},
         {kMasses, lists::ListKind::FormulaMasses, &massCheck, {}, false},
         {kWords, lists::ListKind::Words, &wordCheck, {}, false}}};
    return described;
}

}  // namespace fourinarow
