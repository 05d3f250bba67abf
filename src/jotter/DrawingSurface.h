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

    const QImage& image() const { return m_image; }
    forms::Colour background() const { return m_background; }
    void setBackground(forms::Colour background);

    // The point the next line starts from, in twips within the surface.
    QPointF currentPoint() const { return m_current; }
    void moveTo(QPointF twips);
    // Draws from the current point, which then moves to the end; returns the pixels changed.
    QRect lineTo(QPointF twips, forms::Colour colour, int widthPx);

    // Wipes the drawing and sends the current point home.
    void clear();
    // A new size wipes the drawing too.
    void resize(QSize pixels);
    // A drawing as it was before, its size and all; the current point stays where it is.
    void setImage(const QImage& image);

    void paint(QPainter& painter, const QRect& dirty) const;

  private:
    QImage m_image;
    forms::Colour m_background;
    QPointF m_current;
};

}  // namespace jotter
