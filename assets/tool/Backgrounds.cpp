#include "Backgrounds.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "Canvas.h"

namespace assets {

QImage drawFrontBackground(int scale) {
    constexpr int kWidth = 800, kHeight = 600;
    QImage image = canvas(kWidth * scale, kHeight * scale, kScreenBlue);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawAtScale(p, scale);

    // A soft light in the middle, no stronger than the texts over it can bear.
    QRadialGradient glow(QPointF(400, 300), 520);
    glow.setColorAt(0, QColor(255, 255, 255, 22));
    glow.setColorAt(1, QColor(0, 0, 40, 18));
    p.fillRect(QRect(0, 0, kWidth, kHeight), glow);

    // Flat-topped hexagons sharing edges, like the carbon rings of graphite.
    const double side = 34;
    const double h = std::sqrt(3.0) * side;
    p.setPen(QPen(QColor(255, 255, 255, 30), 2));
    p.setBrush(Qt::NoBrush);
    for (int col = -1; col * 1.5 * side < kWidth + side; ++col) {
        for (int row = -1; row * h < kHeight + h; ++row) {
            const QPointF centre(col * 1.5 * side, row * h + (col % 2 != 0 ? h / 2 : 0));
            QPolygonF ring;
            for (int k = 0; k < 6; ++k) {
                const double a = k * 3.14159265358979323846 / 3;
                ring << centre + QPointF(side * std::cos(a), side * std::sin(a));
            }
            p.drawPolygon(ring);
        }
    }
    // Atoms at a sprinkling of the corners, in a fixed pattern.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 38));
    for (int col = -1; col * 1.5 * side < kWidth + side; ++col) {
        for (int row = -1; row * h < kHeight + h; ++row) {
            if ((col * 7 + row * 3) % 5 != 0) continue;
            const QPointF centre(col * 1.5 * side, row * h + (col % 2 != 0 ? h / 2 : 0));
            p.drawEllipse(centre + QPointF(side, 0), 5.5, 5.5);
        }
    }
    // Two large glass outlines, fainter than the rings, low on the screen where no text stands.
    p.setPen(QPen(QColor(255, 255, 255, 34), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 10));
    QPainterPath conical;
    conical.moveTo(230, 330);
    conical.lineTo(230, 400);
    conical.lineTo(160, 520);
    conical.quadTo(154, 534, 170, 534);
    conical.lineTo(350, 534);
    conical.quadTo(366, 534, 360, 520);
    conical.lineTo(290, 400);
    conical.lineTo(290, 330);
    p.drawPath(conical);
    p.drawRoundedRect(QRectF(222, 318, 76, 14), 5, 5);
    QPainterPath roundBottom;
    roundBottom.moveTo(478, 380);
    roundBottom.lineTo(478, 431);
    // The bulb: radius 65 about (490, 495), open where the neck (24 wide) joins it.
    roundBottom.arcTo(QRectF(425, 430, 130, 130), 100.6, 338.8);
    roundBottom.lineTo(502, 380);
    p.drawPath(roundBottom);
    p.drawRoundedRect(QRectF(470, 370, 40, 12), 4, 4);
    return image;
}

}  // namespace assets
