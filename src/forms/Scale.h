// How large the screens are drawn: design size, or larger on a projector; twips stay twips.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QSizeF>

#include "forms/Twips.h"
#include "pictures/PictureSize.h"

class QFont;
class QPainter;
class QString;

namespace forms {

// The one place where twips become the pixels on the display, and pointer pixels become twips
// again. At factor 1 a twip is 1/15 of a pixel as the designs were drawn; at 1.8 every screen is
// drawn 1.8 times as large, while every position, size and rule stays in the same twips.
class Scale {
  public:
    static constexpr double kDesignSize = pictures::kDesignFactor;
    static constexpr double kLargest = pictures::kLargestFactor;

    Scale() = default;
    // Factors outside 1 to 4 are taken to the nearer end.
    explicit Scale(double factor);

    double factor() const { return m_factor; }
    bool isDesignSize() const { return m_factor == kDesignSize; }
    bool operator==(const Scale&) const = default;

    int toPixels(float twips) const;
    float toTwips(double pixels) const;
    // Edges are rounded, not the size, so that neighbours that touch in twips touch in pixels.
    QRect toPixels(const TwipRect& rect) const;

    // A length the designs give in pixels (a border, a pen, an inset), never thinner than one.
    int pixels(double designPixels) const;
    QSize pixels(QSize designPixels) const;

  private:
    double m_factor = kDesignSize;
};

// The largest factor at which a screen of `frame` twips fits a display of `display` twips (as
// the platform measures it, 15 to a pixel), in hundredths, within 1 to 4.
double factorToFit(QSizeF display, QSizeF frame);

// Draws a picture with its top-left corner at `at`: as it is when it was made for the scale's
// factor, otherwise smoothly scaled to its design size at that factor.
void drawPicture(QPainter& painter, QPoint at, const QImage& picture, const Scale& scale);
// Draws a picture to fill `target`, a control's area when the picture is the control's size:
// as it is when it was made for the factor at that size; as it is too when the control's rounding
// makes the target a pixel or two larger or smaller, its last column and row carried on to the
// edges or cut off there; stretched when it was made for the factor but differs by more; otherwise
// smoothly scaled.
void drawPicture(QPainter& painter, const QRect& target, const QImage& picture, const Scale& scale);
// The part of a picture made for the scale under `area` (a background's dirty rectangle).
void drawPictureArea(QPainter& painter, const QRect& area, const QImage& picture,
                     const Scale& scale);

// The keyboard's focus ring round a control, inside its area: white over black, so that it shows
// on the house blues, on black labels and on pictures alike; as thick as the factor makes it.
void drawFocusRing(QPainter& painter, const QRect& area, const Scale& scale);

// A rectangle's outline `width` pixels thick, inside the rectangle.
void drawOutline(QPainter& painter, const QRect& area, int width, const QColor& colour);

}  // namespace forms
