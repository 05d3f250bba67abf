#include "TextFit.h"

#include <QFontMetricsF>

namespace forms {

bool captionFits(const QString& caption, const FontSpec& font, const TwipRect& place, bool border) {
    const QRect pixels = place.toPixels();
    const int inset = border ? 2 : 0;
    const QRectF room(0, 0, pixels.width() - inset, pixels.height() - inset);
    if (room.width() <= 0 || room.height() <= 0) return caption.isEmpty();
    const QFontMetricsF metrics(font.toQFont());
    // Integer pixels, as the label's own drawing wraps.
    const QRectF needed =
        metrics.boundingRect(QRectF(0, 0, static_cast<int>(room.width()), 1e6),
                             Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, caption);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

}  // namespace forms
