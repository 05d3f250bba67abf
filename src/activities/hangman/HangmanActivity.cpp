#include "activities/hangman/HangmanActivity.h"

#include "activities/hangman/HangmanScreen.h"
#include "kit/sheets/ContentSheets.h"
#include "kit/wordgames/Words.h"

namespace hangman {

namespace {

sheets::Worksheet ownSheet() {
    return sheets::letterBoxSheet({}, wordgames::kWordList);
}

}  // namespace

const activities::Activity& activity() {
    static const activities::Activity described{
        "hangman",
        "Hangman",
        activities::listedScreenOf<HangmanScreen>("hangman"),
        {{"hangman", lists::ListKind::Words, &HangmanScreen::listTextCheck}},
        [](std::uint64_t) { return ownSheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(ownSheet());
            // The letters as the game shows them, whatever the case the list was written in.
            for (const lists::ListEntry& entry : list.entries) {
                const auto* item = std::get_if<lists::WordItem>(&entry.item);
                if (!item) continue;
                const wordgames::Word word = wordgames::asPlayed(*item);
                sheet.parts.emplace_back(sheets::LetterBoxes{word.clue, word.word, {}});
            }
            return sheet;
        }};
    return described;
}

}  // namespace hangman
