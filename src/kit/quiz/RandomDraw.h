// Independent random draws for the quizzes: a fresh seed before every draw.
#pragma once

namespace forms {
class Platform;
}

namespace quiz {

// A uniform single-precision number in [0, 1). The generator is re-seeded from the platform's
// fresh seed each time, so two draws in quick succession are still independent.
float drawUniform(forms::Platform& platform);

// A whole number from 0 to count - 1, each equally likely: the integer part of r * count.
int drawIndex(forms::Platform& platform, int count);

}  // namespace quiz
