// Numbers as the quizzes show them.
#pragma once

#include <QString>

namespace quiz {

// A whole number with a true minus sign (U+2212) when it is negative: "−6", never "-6".
inline QString numberText(int number) {
    return number < 0 ? QChar(0x2212) + QString::number(-static_cast<long long>(number))
                      : QString::number(number);
}

}  // namespace quiz
