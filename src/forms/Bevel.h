// The raised and sunken edges that desktop buttons, fields and scroll bars are drawn with.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace forms {

// Light top and left, black and shadow bottom and right; fills nothing. Each of the edge's lines
// is `line` pixels wide, one at design size.
void drawRaisedEdge(QPainter& painter, const QRect& area, const QColor& face, int line = 1);
// The two-line hollow of a text field; fills nothing.
void drawSunkenEdge(QPainter& painter, const QRect& area, const QColor& face, int line = 1);
// A solid triangle pointing up or down, centred in the area, for arrow buttons.
void drawArrow(QPainter& painter, const QRect& area, bool up, const QColor& colour);

}  // namespace forms
