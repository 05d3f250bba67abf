// Mixing up a word's letters so that they never spell the word.
#pragma once

#include <QString>
#include <optional>
#include <random>

namespace mixedup {

// The word's letters in a mixed-up order: never the word itself and, where some other order
// exists, never `avoid` (the order already on show). Nothing when no order of the letters
// differs from the word (no letters, one letter, or every letter the same). Always ends: a few
// shuffles, then a search through the swaps of two unlike letters.
std::optional<QString> mixLetters(const QString& word, std::mt19937& generator,
                                  const QString& avoid = {});

}  // namespace mixedup
