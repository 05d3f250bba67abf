// Text drawn at the scale from its layout at design size: the glyph renderer of every caption.
#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace forms {

class Scale;

// Draws text laid out in the pixels of the designs (`designArea`, the font at its design size)
// and drawn at the scale, so that it breaks into the same lines and fits the same boxes at any
// factor, with its glyphs drawn at the scaled size rather than enlarged.
void drawDesignText(QPainter& painter, const Scale& scale, const QRectF& designArea, int flags,
                    const QString& text);

}  // namespace forms
