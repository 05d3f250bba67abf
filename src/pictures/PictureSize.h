// A picture's sizes: the factors it may be drawn at, and its size in the pixels of the designs.
#pragma once

#include <QImage>
#include <QSize>
#include <algorithm>
#include <cmath>

namespace pictures {

// Design size, and the largest factor projector mode draws at.
inline constexpr double kDesignFactor = 1.0;
inline constexpr double kLargestFactor = 4.0;

// Factors outside 1 to 4 taken to the nearer end; what is not a number, to design size.
inline double factorWithin(double factor) {
    return std::isfinite(factor) ? std::clamp(factor, kDesignFactor, kLargestFactor)
                                 : kDesignFactor;
}

// A size in the pixels of the designs at a factor, each side rounded.
inline QSize pixelsAt(QSize designPixels, double factor) {
    return {static_cast<int>(std::lround(designPixels.width() * factor)),
            static_cast<int>(std::lround(designPixels.height() * factor))};
}

// A picture's size in the pixels of the designs: its pixels over the factor it was made for,
// which it carries as its device pixel ratio.
inline QSize designSize(QSize pixels, double ratio) {
    if (ratio == 1.0) return pixels;
    return {static_cast<int>(std::lround(pixels.width() / ratio)),
            static_cast<int>(std::lround(pixels.height() / ratio))};
}
inline QSize designSize(const QImage& picture) {
    return designSize(picture.size(), picture.devicePixelRatio());
}

}  // namespace pictures
