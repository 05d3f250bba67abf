// Mixed Up Words on paper: each word's letters mixed up once from a seed, with its clue.
#pragma once

#include <cstdint>
#include <span>

#include "kit/sheets/Worksheet.h"
#include "kit/wordgames/WordList.h"

namespace mixedup {

sheets::Worksheet worksheet(std::uint64_t seed,
                            std::span<const wordgames::WordClue> words = wordgames::kWordList);

}  // namespace mixedup
