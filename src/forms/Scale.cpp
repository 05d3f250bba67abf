#include "forms/Scale.h"

#include <QCache>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace forms {

Scale::Scale(double factor)
    : m_factor(std::isfinite(factor) ? std::clamp(factor, kDesignSize, kLargest) : kDesignSize) {}

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
    return {static_cast<int>(std::lround(designPixels.width() * m_factor)),
            static_cast<int>(std::lround(designPixels.height() * m_factor))};
}

double factorToFit(QSizeF display, QSizeF frame) {
    if (frame.isEmpty() || display.isEmpty()) return Scale::kDesignSize;
    const double fit = std::min(display.width() / frame.width(), display.height() / frame.height());
    // Hundredths, rounded down so that the frame always fits; the nudge keeps 1.8 from being
    // read as 1.7999... and rounded down to 1.79.
    const double hundredths = std::floor(fit * 100 + 1e-6) / 100;
    return std::clamp(hundredths, Scale::kDesignSize, Scale::kLargest);
}

QSize designSize(const QImage& picture) {
    const double ratio = picture.devicePixelRatio();
    if (ratio == 1.0) return picture.size();
    return {static_cast<int>(std::lround(picture.width() / ratio)),
            static_cast<int>(std::lround(picture.height() / ratio))};
}

namespace {

bool madeFor(const QImage& picture, const Scale& scale) {
    return std::abs(picture.devicePixelRatio() - scale.factor()) < 1e-6;
}

}  // namespace

void drawPicture(QPainter& painter, QPoint at, const QImage& picture, const Scale& scale) {
    if (picture.isNull()) return;
    const QSize size = madeFor(picture, scale) ? picture.size() : scale.pixels(designSize(picture));
    drawPicture(painter, QRect(at, size), picture, scale);
}

void drawPicture(QPainter& painter, const QRect& target, const QImage& picture,
                 const Scale& scale) {
    if (picture.isNull() || target.isEmpty()) return;
    // Target and source rectangles both given, so that Qt does not apply the picture's ratio.
    if (madeFor(picture, scale)) {
        painter.drawImage(target, picture, picture.rect());
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

namespace {

// The outlines of text laid out as QPainter::drawText lays it out in a rectangle (line by line at
// whole pixels, each line aligned across, the block aligned down), for the flags the controls
// use: alignment and word wrap.
QPainterPath textOutlines(const QFont& font, const QSizeF& area, int flags, QString text) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode((flags & Qt::TextWordWrap) ? QTextOption::WordWrap
                                                  : QTextOption::ManualWrap);
    layout.setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();
    const qreal lineWidth =
        (flags & Qt::TextWordWrap) ? std::max<qreal>(0, area.width()) : 0x01000000;
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
        if (height >= area.height()) break;
    }
    layout.endLayout();
    qreal down = 0;
    if (flags & Qt::AlignBottom)
        down = area.height() - height;
    else if (flags & Qt::AlignVCenter)
        down = (area.height() - height) / 2;
    std::vector<QPainterPath> glyphOutlines;
    int points = 0;
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        qreal across = 0;
        if (flags & Qt::AlignRight)
            across = area.width() - line.horizontalAdvance();
        else if (flags & Qt::AlignHCenter)
            across = (area.width() - line.horizontalAdvance()) / 2;
        for (const QGlyphRun& run : line.glyphRuns()) {
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> at = run.positions();
            for (qsizetype g = 0; g < glyphs.size(); ++g) {
                glyphOutlines.push_back(run.rawFont().pathForGlyph(glyphs[g]).translated(
                    at[g] + QPointF(across, down)));
                points += glyphOutlines.back().elementCount();
            }
        }
    }
    // Room for every point at once: grown glyph by glyph, a path holds up to twice what it uses.
    QPainterPath outlines;
    outlines.reserve(points);
    outlines.setFillRule(Qt::WindingFill);
    for (const QPainterPath& glyph : glyphOutlines) outlines.addPath(glyph);
    return outlines;
}

// What a kept outline costs for each of its points: the path's own and the copy the painter
// makes, once, to fill it.
constexpr qsizetype kOutlineBytesPerPoint = sizeof(QPainterPath::Element) + 3 * sizeof(qreal);
// One screen's bold captions take a few hundred kilobytes of outlines, whatever the factor, since
// they are kept at design size: enough for the screens on view and the last few, where a count
// of 512 captions let the outlines of every screen of a lesson pile up to some 5 MiB.
constexpr qsizetype kKeptOutlineBytes = qsizetype{1} << 20;

}  // namespace

void drawDesignText(QPainter& painter, const Scale& scale, const QRectF& designArea, int flags,
                    const QString& text) {
    if (scale.isDesignSize()) {
        painter.drawText(designArea.toRect(), flags, text);
        return;
    }
    painter.save();
    // One transform for every control, so that each font's glyphs are drawn once per factor.
    painter.scale(scale.factor(), scale.factor());
    if (!painter.font().bold()) {
        painter.drawText(designArea, flags, text);
        painter.restore();
        return;
    }
    // Qt draws a bold made from the regular face (Tahoma's, from Wine) regular when its glyphs
    // are scaled, though bold in outline: bold text is filled from its outlines, kept for the
    // next repaint.
    static QCache<QString, QPainterPath> kept(kKeptOutlineBytes);
    const QString key = painter.font().key() + QLatin1Char('|') + QString::number(flags) +
                        QLatin1Char('|') + QString::number(designArea.width()) + QLatin1Char('x') +
                        QString::number(designArea.height()) + QLatin1Char('|') + text;
    const QPainterPath* outlines = kept.object(key);
    QPainterPath made;
    if (!outlines) {
        made = textOutlines(painter.font(), designArea.size(), flags, text);
        // Shared with the cache, which refuses (and deletes) one larger than it may hold.
        kept.insert(key, new QPainterPath(made), made.elementCount() * kOutlineBytesPerPoint);
        outlines = &made;
    }
    painter.setClipRect(designArea, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outlines->translated(designArea.topLeft()), painter.pen().brush());
    painter.restore();
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
