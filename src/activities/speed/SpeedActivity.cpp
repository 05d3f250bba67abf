#include "activities/speed/SpeedActivity.h"

#include "activities/speed/SpeedQuiz.h"
#include "kit/quiz/QuizScreen.h"
#include "kit/sheets/ContentSheets.h"

namespace speed {

namespace {

sheets::Worksheet ownSheet() {
    return sheets::quizSheet({}, std::span(kSpeedQuiz), 3);
}

}  // namespace

const activities::Activity& activity() {
    static const activities::Activity described{
        "speed",
        "Speed of Reactions",
        activities::quizScreen(kSpeedQuiz, kSpeedLayout, "speed"),
        {{"speed", lists::ListKind::Quiz,
          [](const QString& column, const QString& text) {
              return quiz::QuizScreen::listTextCheck(kSpeedLayout, column, text);
          }}},
        [](std::uint64_t) { return ownSheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(ownSheet());
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* asked = std::get_if<lists::QuizItem>(&entry.item))
                    sheet.parts.emplace_back(
                        sheets::Question{asked->question, asked->answer, asked->reason, {}, 2});
            return sheet;
        }};
    return described;
}

}  // namespace speed
