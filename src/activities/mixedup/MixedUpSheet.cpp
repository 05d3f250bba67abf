#include "activities/mixedup/MixedUpSheet.h"

#include <random>

#include "activities/mixedup/MixLetters.h"

namespace mixedup {

sheets::Worksheet worksheet(std::uint64_t seed, std::span<const wordgames::WordClue> words) {
    sheets::Worksheet sheet{QStringLiteral("Mixed Up Words"),
                            QStringLiteral("Unmix the letters to find the word that fits the "
                                           "clue, a letter to a box."),
                            false,
                            {}};
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    for (const wordgames::WordClue& entry : words) {
        const QString word = QString::fromUtf8(entry.word);
        sheet.parts.emplace_back(sheets::LetterBoxes{QString::fromUtf8(entry.clue), word,
                                                     mixLetters(word, generator).value_or(word)});
    }
    return sheet;
}

}  // namespace mixedup
