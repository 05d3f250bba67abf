// Colours as 24-bit RGB; the designs also write them as the toolkit value &H00BBGGRR.
#pragma once

#include <QColor>
#include <cstdint>

namespace forms {

using Colour = QRgb;

inline constexpr Colour rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

// &H00BBGGRR as the form designs write it.
inline constexpr Colour fromBgr(std::uint32_t value) {
    return qRgb(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kYellow = rgb(255, 255, 0);
inline constexpr Colour kGreen = rgb(0, 255, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);
// The toolkit's standard panel and button face colour.
inline constexpr Colour kButtonFace = rgb(240, 240, 240);

}  // namespace forms
