#include "forms/Scale.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace forms {

Scale::Scale(double factor) : m_factor(pictures::factorWithin(factor)) {}

int Scale::toPixels(float twips) const {
    // At design size exactly the design's own rounding, so that nothing moves by a pixel.
    if (isDesignSize()) return forms::toPixels(twips);
    return static_cast<int>(std::lround(twips * m_factor / kTwipsPerPixel));
}

float Scale::toTwips(double pixels) const {
    if (isDesignSize()) return forms::toTwips(pixels);
    return static_cast<float>(pixels * kTwipsPerPixel / m_factor);
}

QRect Scale::toPixels(const TwipRect& rect) const {
    const int x = toPixels(rect.left);
    const int y = toPixels(rect.top);
    return {x, y, toPixels(rect.left + rect.width) - x, toPixels(rect.top + rect.height) - y};
}

int Scale::pixels(double designPixels) const {
    return std::max(1, static_cast<int>(std::lround(designPixels * m_factor)));
}

QSize Scale::pixels(QSize designPixels) const {
    return pictures::pixelsAt(designPixels, m_factor);
}

double factorToFit(QSizeF display, QSizeF frame) {
    if (frame.isEmpty() || display.isEmpty()) return Scale::kDesignSize;
    const double fit = std::min(display.width() / frame.width(), display.height() / frame.height());
    // Hundredths, rounded down so that the frame always fits; the nudge keeps 1.8 from being
    // read as 1.7999... and rounded down to 1.79.
    const double hundredths = std::floor(fit * 100 + 1e-6) / 100;
    return std::clamp(hundredths, Scale::kDesignSize, Scale::kLargest);
}

namespace {

// The most pixels a control's rounded edges make it larger or smaller than its picture.
constexpr int kRoundingSlack = 2;

bool madeFor(const QImage& picture, const Scale& scale) {
    return std::abs(picture.devicePixelRatio() - scale.factor()) < 1e-6;
}

}  // namespace

void drawPicture(QPainter& painter, QPoint at, const QImage& picture, const Scale& scale) {
    if (picture.isNull()) return;
    const QSize size =
        madeFor(picture, scale) ? picture.size() : scale.pixels(pictures::designSize(picture));
    drawPicture(painter, QRect(at, size), picture, scale);
}

void drawPicture(QPainter& painter, const QRect& target, const QImage& picture,
                 const Scale& scale) {
    if (picture.isNull() || target.isEmpty()) return;
    // Target and source rectangles both given, so that Qt does not apply the picture's ratio.
    if (madeFor(picture, scale)) {
        const QSize off = target.size() - picture.size();
        if (off.isNull() || std::abs(off.width()) > kRoundingSlack ||
            std::abs(off.height()) > kRoundingSlack) {
            painter.drawImage(target, picture, picture.rect());
            return;
        }
        // Off by the pixel or two that rounding a control's edges adds: the picture as it is,
        // its last column and row carried on to the edges. A stretch of the whole would blur
        // nothing but cost several copies of a screen-sized picture at three bytes a pixel.
        const QRect own = QRect(target.topLeft(), picture.size()) & target;
        painter.drawImage(own, picture, QRect(QPoint(0, 0), own.size()));
        if (off.width() > 0)
            painter.drawImage(QRect(own.right() + 1, own.top(), off.width(), own.height()), picture,
                              QRect(picture.width() - 1, 0, 1, own.height()));
        if (off.height() > 0)
            painter.drawImage(QRect(own.left(), own.bottom() + 1, own.width(), off.height()),
                              picture, QRect(0, picture.height() - 1, own.width(), 1));
        if (off.width() > 0 && off.height() > 0)
            painter.drawImage(QRect(own.bottomRight() + QPoint(1, 1), off), picture,
                              QRect(picture.width() - 1, picture.height() - 1, 1, 1));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture, picture.rect());
    painter.restore();
}

void drawPictureArea(QPainter& painter, const QRect& area, const QImage& picture,
                     const Scale& scale) {
    if (picture.isNull()) return;
    if (madeFor(picture, scale)) {
        const QRect part = area & picture.rect();
        if (!part.isEmpty()) painter.drawImage(part, picture, part);
        return;
    }
    painter.save();
    painter.setClipRect(area);
    drawPicture(painter, {0, 0}, picture, scale);
    painter.restore();
}

void drawFocusRing(QPainter& painter, const QRect& area, const Scale& scale) {
    const int line = scale.pixels(2);
    drawOutline(painter, area, line, Qt::black);
    drawOutline(painter, area.adjusted(line, line, -line, -line), line, Qt::white);
}

void drawOutline(QPainter& painter, const QRect& area, int width, const QColor& colour) {
    if (width <= 1) {
        painter.setPen(QPen(colour, 1));
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        return;
    }
    const int w = std::min({width, area.width() / 2, area.height() / 2});
    painter.fillRect(QRect(area.left(), area.top(), area.width(), w), colour);
    painter.fillRect(QRect(area.left(), area.bottom() - w + 1, area.width(), w), colour);
    painter.fillRect(QRect(area.left(), area.top() + w, w, area.height() - 2 * w), colour);
    painter.fillRect(QRect(area.right() - w + 1, area.top() + w, w, area.height() - 2 * w), colour);
    painter.setPen(colour);
}

}  // namespace forms
