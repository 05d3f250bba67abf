#include "activities/mixedup/MixedUpActivity.h"

#include <random>

#include "activities/mixedup/MixLetters.h"
#include "activities/mixedup/MixedUpScreen.h"
#include "activities/mixedup/MixedUpSheet.h"
#include "kit/wordgames/Words.h"

namespace mixedup {

const activities::Activity& activity() {
    static const activities::Activity described{
        "mixedup",
        "Mixed Up Words",
        activities::listedScreenOf<MixedUpScreen>("hangman"),
        {{"hangman", lists::ListKind::Words, &MixedUpScreen::listTextCheck}},
        [](std::uint64_t seed) { return worksheet(seed); },
        [](const lists::CheckedList& list, std::uint64_t seed) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet(seed));
            std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                                   static_cast<std::uint32_t>(seed >> 32)};
            std::mt19937 generator(sequence);
            for (const lists::ListEntry& entry : list.entries) {
                const auto* item = std::get_if<lists::WordItem>(&entry.item);
                if (!item) continue;
                const wordgames::Word word = wordgames::asPlayed(*item);
                sheet.parts.emplace_back(sheets::LetterBoxes{
                    word.clue, word.word, mixLetters(word.word, generator).value_or(word.word)});
            }
            return sheet;
        }};
    return described;
}

}  // namespace mixedup
