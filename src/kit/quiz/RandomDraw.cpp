#include "kit/quiz/RandomDraw.h"

#include <algorithm>
#include <cstdint>
#include <random>

#include "forms/Platform.h"

namespace quiz {

float drawUniform(forms::Platform& platform) {
    const std::uint64_t seed = platform.freshSeed();
    // The seed sequence spreads neighbouring seeds (a counter) across the generator's state.
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    // 24 bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(generator() >> 8) * 0x1p-24f;
}

int drawIndex(forms::Platform& platform, int count) {
    if (count <= 0) return 0;
    const float r = drawUniform(platform);
    // r * count rounds in single precision; for large counts it could reach count itself.
    return std::min(count - 1, static_cast<int>(r * static_cast<float>(count)));
}

}  // namespace quiz
