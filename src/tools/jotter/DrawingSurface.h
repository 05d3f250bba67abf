// What has been drawn on the Jotter, kept in an image so that it survives being covered.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QSize>

#include "forms/Colour.h"

class QPainter;

namespace jotter {

class DrawingSurface {
  public:
    DrawingSurface(QSize pixels, forms::Colour background);

    // Display pixels to a pixel of the designs: strokes are drawn at the display's resolution,
    // their positions and widths scaled by it.
    double factor() const { return m_factor; }
    // A new factor and size keeps what was drawn, enlarged or reduced to fit.
    void rescale(double factor, QSize pixels);

    const QImage& image() const { return m_image; }
    forms::Colour background() const { return m_background; }
    void setBackground(forms::Colour background);

    // The point the next line starts from, in twips within the surface.
    QPointF currentPoint() const { return m_current; }
    void moveTo(QPointF twips);
    // Draws from the current point, which then moves to the end; returns the pixels changed. The
    // width is in the pixels of the designs.
    QRect lineTo(QPointF twips, forms::Colour colour, int widthPx);

    // Wipes the drawing and sends the current point home.
    void clear();
    // A new size wipes the drawing too.
    void resize(QSize pixels);
    // A drawing as it was before, its size and all, drawn at `factor` (`rescale` brings it to
    // the present one); the current point stays where it is.
    void setImage(const QImage& image, double factor);

    void paint(QPainter& painter, const QRect& dirty) const;

  private:
    QImage m_image;
    forms::Colour m_background;
    QPointF m_current;
    double m_factor = 1.0;
};

}  // namespace jotter
