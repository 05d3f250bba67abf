// The pointing-hand mouse pointer shown over the glossary's letter tiles.
#pragma once

#include <QCursor>
#include <QImage>

namespace vocab {

// 32 x 32, index finger up; the hot spot is the fingertip.
inline constexpr int kHandPointerSize = 32;
inline constexpr int kHandHotSpotX = 12;
inline constexpr int kHandHotSpotY = 1;

QImage handPointerImage();
QCursor handPointer();

}  // namespace vocab
