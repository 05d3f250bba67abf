#include "activities/hangman/HangmanActivity.h"

#include "activities/hangman/HangmanScreen.h"
#include "kit/sheets/ContentSheets.h"

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
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* word = std::get_if<lists::WordItem>(&entry.item))
                    sheet.parts.emplace_back(sheets::LetterBoxes{word->clue, word->word, {}});
            return sheet;
        }};
    return described;
}

}  // namespace hangman
