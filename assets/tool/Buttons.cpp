#include "Buttons.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "Canvas.h"

namespace assets {

namespace {

constexpr int kWidth = 119;
constexpr int kHeight = 33;
constexpr int kIconBox = 22;

QPen iconPen(qreal width) {
    return QPen(kYellow, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Each icon fills a kIconBox square whose top-left corner is at the origin.
void paintIcon(QPainter& p, ButtonIcon icon) {
    p.setBrush(Qt::NoBrush);
    switch (icon) {
        case ButtonIcon::Exit: {
            p.setPen(iconPen(2.2));
            p.drawPolyline(QPolygonF({{13, 5}, {13, 2}, {21, 2}, {21, 20}, {13, 20}, {13, 17}}));
            p.setBrush(kYellow);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF(
                {{1, 11}, {8, 4.5}, {8, 8.5}, {16, 8.5}, {16, 13.5}, {8, 13.5}, {8, 17.5}}));
            break;
        }
        case ButtonIcon::Next: {
            p.setBrush(kYellow);
            p.setPen(Qt::NoPen);
            p.drawPolygon(QPolygonF(
                {{21, 11}, {12, 2.5}, {12, 7.5}, {2, 7.5}, {2, 14.5}, {12, 14.5}, {12, 19.5}}));
            break;
        }
        case ButtonIcon::Answer: {
            // A lit bulb: the answer comes to light.
            p.setPen(iconPen(2));
            p.drawEllipse(QRectF(5, 1.5, 12, 12));
            p.drawLine(QPointF(8.5, 13), QPointF(8.5, 16));
            p.drawLine(QPointF(13.5, 13), QPointF(13.5, 16));
            p.drawLine(QPointF(8, 17), QPointF(14, 17));
            p.drawLine(QPointF(9, 20), QPointF(13, 20));
            p.setPen(iconPen(1.6));
            p.drawLine(QPointF(1, 7.5), QPointF(3, 7.5));
            p.drawLine(QPointF(19, 7.5), QPointF(21, 7.5));
            p.drawLine(QPointF(3, 1), QPointF(4.5, 2.5));
            p.drawLine(QPointF(19, 1), QPointF(17.5, 2.5));
            break;
        }
        case ButtonIcon::Check: {
            p.setPen(iconPen(3.6));
            p.drawPolyline(QPolygonF({{2.5, 11.5}, {8.5, 18}, {20, 4}}));
            break;
        }
        case ButtonIcon::Jotter: {
            // A pencil writing on a line.
            p.translate(11, 11);
            p.rotate(-45);
            p.setPen(iconPen(1.6));
            p.drawRect(QRectF(-6, -3.2, 14, 6.4));
            p.drawLine(QPointF(5, -3.2), QPointF(5, 3.2));
            p.setBrush(kYellow);
            p.drawPolygon(QPolygonF({{-6, -3.2}, {-11.5, 0}, {-6, 3.2}}));
            p.resetTransform();
            break;
        }
        case ButtonIcon::Scramble: {
            // Two crossing arrows: mixed up.
            p.setPen(iconPen(2.2));
            p.drawPolyline(QPolygonF({{1, 5}, {6, 5}, {14, 17}, {18, 17}}));
            p.drawPolyline(QPolygonF({{1, 17}, {6, 17}, {14, 5}, {18, 5}}));
            p.setPen(Qt::NoPen);
            p.setBrush(kYellow);
            p.drawPolygon(QPolygonF({{22, 5}, {16.5, 1}, {16.5, 9}}));
            p.drawPolygon(QPolygonF({{22, 17}, {16.5, 13}, {16.5, 21}}));
            break;
        }
        case ButtonIcon::List: {
            // Three bulleted lines: a list to choose from.
            for (const double y : {4.0, 11.0, 18.0}) {
                p.setPen(Qt::NoPen);
                p.setBrush(kYellow);
                p.drawEllipse(QPointF(3, y), 2.2, 2.2);
                p.setPen(iconPen(2.2));
                p.drawLine(QPointF(8, y), QPointF(21, y));
            }
            break;
        }
    }
}

}  // namespace

QImage drawButton(const QString& word, ButtonIcon icon, int scale) {
    QImage image = canvas(kWidth * scale, kHeight * scale, kHouseBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, scale);

    const QRectF face(0.5, 0.5, kWidth - 1, kHeight - 1);
    QLinearGradient shade(0, 0, 0, kHeight);
    shade.setColorAt(0, QColor(70, 70, 70));
    shade.setColorAt(0.45, QColor(20, 20, 20));
    shade.setColorAt(1, QColor(0, 0, 0));
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.setBrush(shade);
    p.drawRoundedRect(face, 6, 6);
    p.setPen(QPen(QColor(255, 255, 0, 150), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(face.adjusted(1.5, 1.5, -1.5, -1.5), 5, 5);

    // The arrow of "Next" points on past the word; every other icon leads into it.
    const bool iconAfter = icon == ButtonIcon::Next;
    const int margin = 6;
    const int gap = 5;
    int pixels = 19;
    QFont font = tahoma(pixels, true);
    while (QFontMetrics(font).horizontalAdvance(word) > kWidth - 2 * margin - kIconBox - gap) {
        font = tahoma(--pixels, true);
    }
    const QFontMetrics metrics(font);
    const int textWidth = metrics.horizontalAdvance(word);
    const int total = kIconBox + gap + textWidth;
    const int start = (kWidth - total) / 2;
    const int iconLeft = iconAfter ? start + textWidth + gap : start;
    const int textLeft = iconAfter ? start : start + kIconBox + gap;

    p.save();
    p.translate(iconLeft, (kHeight - kIconBox) / 2.0);
    paintIcon(p, icon);
    p.restore();

    // Outlined as well as filled: a heavier word reads better from the back of the room.
    QPainterPath text;
    const double baseline = (kHeight + metrics.capHeight()) / 2.0;
    text.addText(QPointF(textLeft, baseline), font, word);
    p.setPen(QPen(kYellow, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(kYellow);
    p.drawPath(text);
    return image;
}

namespace {

QImage markBadge(const QColor& ink, const std::function<void(QPainter&)>& paintMark, int scale) {
    QImage image = canvas(40 * scale, 40 * scale, kHouseBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, scale);
    p.setPen(QPen(QColor(20, 20, 20), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(2, 2, 36, 36));
    p.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    paintMark(p);
    return image;
}

}  // namespace

QImage drawTick(int scale) {
    return markBadge(
        QColor(0, 150, 0),
        [](QPainter& p) {
            p.drawPolyline(QPolygonF({{10.5, 20.5}, {17, 27.5}, {29.5, 12}}));
        },
        scale);
}

QImage drawCross(int scale) {
    return markBadge(
        QColor(210, 0, 0),
        [](QPainter& p) {
            p.drawLine(QPointF(13, 13), QPointF(27, 27));
            p.drawLine(QPointF(27, 13), QPointF(13, 27));
        },
        scale);
}

}  // namespace assets
