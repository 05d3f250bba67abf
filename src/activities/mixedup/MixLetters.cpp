#include "activities/mixedup/MixLetters.h"

#include <algorithm>

namespace mixedup {

namespace {

// Enough that the search below is all but never needed: even "ATOM" with the order on show
// to avoid is turned down by one shuffle in twelve.
constexpr int kShuffles = 32;

}  // namespace

std::optional<QString> mixLetters(const QString& word, std::mt19937& generator,
                                  const QString& avoid) {
    const bool mixable =
        std::any_of(word.begin(), word.end(), [&word](QChar c) { return c != word.front(); });
    if (!mixable) return std::nullopt;

    // A shuffle that is turned down is simply drawn again, so every acceptable order stays
    // equally likely.
    QString mixed = word;
    for (int attempt = 0; attempt < kShuffles; ++attempt) {
        std::shuffle(mixed.begin(), mixed.end(), generator);
        if (mixed != word && mixed != avoid) return mixed;
    }
    // Swapping two unlike letters always changes the word; only when the one such order is the
    // one on show (a two-letter word) does that order come back.
    std::optional<QString> fallback;
    for (int i = 0; i < word.size(); ++i) {
        for (int j = i + 1; j < word.size(); ++j) {
            if (word[i] == word[j]) continue;
            QString swapped = word;
            std::swap(swapped[i], swapped[j]);
            if (swapped != avoid) return swapped;
            if (!fallback) fallback = swapped;
        }
    }
    return fallback;
}

}  // namespace mixedup
