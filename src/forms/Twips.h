// Twip geometry: every position is kept in twips as the designs give it; pixels are derived.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

namespace forms {

inline constexpr float kTwipsPerPixel = 15.0f;  // 1440 twips per inch at 96 dpi

inline int toPixels(float twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline float toTwips(double pixels) {
    return static_cast<float>(pixels * kTwipsPerPixel);
}

struct TwipRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    bool operator==(const TwipRect&) const = default;

    // Edges are rounded, not the size, so that neighbours that touch in twips touch in pixels.
    QRect toPixels() const {
        const int x = forms::toPixels(left);
        const int y = forms::toPixels(top);
        return {x, y, forms::toPixels(left + width) - x, forms::toPixels(top + height) - y};
    }
};

}  // namespace forms
