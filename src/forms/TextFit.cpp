#include "forms/TextFit.h"

#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace forms {

namespace {

// A list of a thousand rows measures each field against a few boxes: the metrics of a font are
// made once, not for every field.
const QFontMetricsF& metricsOf(const FontSpec& font) {
    thread_local QHash<QString, QFontMetricsF> made;
    const QString key = font.family + QLatin1Char('/') + QString::number(font.points) +
                        (font.bold ? QLatin1String("/b") : QLatin1String("/r"));
    auto it = made.find(key);
    if (it == made.end()) it = made.insert(key, QFontMetricsF(font.toQFont()));
    return *it;
}

// Comfortably one line: no wrapping can follow, so the layout need not be made. The margin
// keeps this from ever deciding a case the full layout would decide otherwise.
constexpr qreal kOneLineMargin = 4;
bool plainlyOneLine(const QString& caption, const QFontMetricsF& metrics, qreal width) {
    return !caption.contains(QLatin1Char('\n')) &&
           metrics.horizontalAdvance(caption) + kOneLineMargin <= width;
}

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
    const QFontMetricsF& metrics = metricsOf(font);
    // Integer pixels, as the label's own drawing wraps.
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, static_cast<int>(room.width()), 1e6),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

TextRoom textRoom(const QString& caption, const FontSpec& font, const TwipRect& place,
                  bool border) {
    const QRectF room = roomOf(place, border);
    const QFontMetricsF& metrics = metricsOf(font);
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
    if (plainlyOneLine(caption, metrics, room.width()) && metrics.height() <= room.height()) {
        result.linesNeeded = caption.isEmpty() ? 0 : 1;
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
