#include "jotter/DrawingSurface.h"

#include <QPainter>
#include <QPen>
#include <QRegion>

#include "forms/Twips.h"

namespace jotter {

namespace {

// The centre of the pixel under a twip position, so that odd pen widths cover whole pixels.
QPointF pixelCentre(QPointF twips) {
    return {twips.x() / forms::kTwipsPerPixel + 0.5, twips.y() / forms::kTwipsPerPixel + 0.5};
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
    const QPointF from = pixelCentre(m_current);
    const QPointF to = pixelCentre(twips);
    m_current = twips;
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing);
        // Round ends make the short segments of a stroke join without notches or gaps.
        painter.setPen(QPen(QColor(colour), widthPx, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(from, to);
    }
    const int reach = widthPx / 2 + 2;
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

void DrawingSurface::setImage(const QImage& image) {
    m_image = image.convertToFormat(QImage::Format_RGB32);
}

void DrawingSurface::paint(QPainter& painter, const QRect& dirty) const {
    const QRect inside = dirty & m_image.rect();
    if (!inside.isEmpty()) painter.drawImage(inside.topLeft(), m_image, inside);
    // Should the window ever be larger than the image, the background shows there.
    const QRegion outside = QRegion(dirty) - QRegion(m_image.rect());
    for (const QRect& part : outside) painter.fillRect(part, QColor(m_background));
}

}  // namespace jotter
