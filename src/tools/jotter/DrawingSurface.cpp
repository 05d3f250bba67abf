#include "tools/jotter/DrawingSurface.h"

#include <QPainter>
#include <QPen>
#include <QRegion>
#include <cmath>

#include "forms/Twips.h"

namespace jotter {

namespace {

// The centre of the pixel under a twip position, so that odd pen widths cover whole pixels.
QPointF pixelCentre(QPointF twips, double factor) {
    return {twips.x() / forms::kTwipsPerPixel * factor + 0.5,
            twips.y() / forms::kTwipsPerPixel * factor + 0.5};
}

}  // namespace

DrawingSurface::DrawingSurface(QSize pixels, forms::Colour background) : m_background(background) {
    resize(pixels);
}

void DrawingSurface::setBackground(forms::Colour background) {
    m_background = background;
}

void DrawingSurface::moveTo(QPointF twips) {
    m_current = twips;
}

QRect DrawingSurface::lineTo(QPointF twips, forms::Colour colour, int widthPx) {
    const QPointF from = pixelCentre(m_current, m_factor);
    const QPointF to = pixelCentre(twips, m_factor);
    m_current = twips;
    const qreal width = widthPx * m_factor;
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Round ends make the short segments of a stroke join without notches or gaps.
        painter.setPen(QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(from, to);
    }
    const int reach = static_cast<int>(std::ceil(width)) / 2 + 2;
    return QRectF(from, to)
        .normalized()
        .toAlignedRect()
        .adjusted(-reach, -reach, reach, reach)
        .intersected(m_image.rect());
}

void DrawingSurface::clear() {
    m_image.fill(QColor(m_background));
    m_current = {0, 0};
}

void DrawingSurface::resize(QSize pixels) {
    m_image = QImage(pixels.expandedTo({1, 1}), QImage::Format_RGB32);
    clear();
}

void DrawingSurface::setImage(const QImage& image, double factor) {
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_factor = factor;
}

void DrawingSurface::rescale(double factor, QSize pixels) {
    const double grow = factor / m_factor;
    m_factor = factor;
    pixels = pixels.expandedTo({1, 1});
    if (pixels == m_image.size() && grow == 1.0) return;
    QImage kept(pixels, QImage::Format_RGB32);
    kept.fill(QColor(m_background));
    {
        // Each stroke to the same twips as before; where the window now shows more than was
        // drawn on, the background.
        QPainter painter(&kept);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(0, 0, m_image.width() * grow, m_image.height() * grow), m_image);
    }
    m_image = std::move(kept);
}

void DrawingSurface::paint(QPainter& painter, const QRect& dirty) const {
    const QRect inside = dirty & m_image.rect();
    if (!inside.isEmpty()) painter.drawImage(inside.topLeft(), m_image, inside);
    // Should the window ever be larger than the image, the background shows there.
    const QRegion outside = QRegion(dirty) - QRegion(m_image.rect());
    for (const QRect& part : outside) painter.fillRect(part, QColor(m_background));
}

}  // namespace jotter
