#include "forms/TextFit.h"

#include <QFontMetricsF>
#include <cmath>

namespace forms {

namespace {

// The room a label leaves its text: whole pixels, less its border.
QRectF roomOf(const TwipRect& place, bool border) {
    const QRect pixels = place.toPixels();
    const int inset = border ? 2 : 0;
    return {0, 0, static_cast<qreal>(pixels.width() - inset),
            static_cast<qreal>(pixels.height() - inset)};
}

}  // namespace

bool captionFits(const QString& caption, const FontSpec& font, const TwipRect& place, bool border) {
    const QRectF room = roomOf(place, border);
    if (room.width() <= 0 || room.height() <= 0) return caption.isEmpty();
    const QFontMetricsF metrics(font.toQFont());
    // Integer pixels, as the label's own drawing wraps.
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, static_cast<int>(room.width()), 1e6),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

TextRoom textRoom(const QString& caption, const FontSpec& font, const TwipRect& place,
                  bool border) {
    const QRectF room = roomOf(place, border);
    const QFontMetricsF metrics(font.toQFont());
    const qreal line = metrics.lineSpacing();
    TextRoom result;
    result.linesHeld =
        room.height() <= 0
            ? 0
            : static_cast<int>(std::floor((room.height() - metrics.height()) / line)) + 1;
    result.linesHeld = std::max(0, result.linesHeld);
    if (room.width() <= 0) {
        result.wordTooWide = !caption.isEmpty();
        return result;
    }
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, static_cast<int>(room.width()), 1e6),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
    result.wordTooWide = needed.width() > room.width();
    result.linesNeeded =
        needed.height() <= 0
            ? 0
            : static_cast<int>(std::lround((needed.height() - metrics.height()) / line)) + 1;
    // The same measure captionFits makes, so that the two never disagree.
    if (needed.height() > room.height())
        result.linesNeeded = std::max(result.linesNeeded, result.linesHeld + 1);
    else
        result.linesNeeded = std::min(result.linesNeeded, result.linesHeld);
    return result;
}

}  // namespace forms
