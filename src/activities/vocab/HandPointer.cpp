#include "activities/vocab/HandPointer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QTransform>

namespace vocab {

namespace {

QPainterPath roundedBox(qreal x, qreal y, qreal w, qreal h, qreal r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

}  // namespace

QImage handPointerImage() {
    QImage image(kHandPointerSize, kHandPointerSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);

    // The index finger is centred on the hot spot's pixel, its outline's top row at the hot spot.
    QPainterPath hand = roundedBox(kHandHotSpotX - 2.5, kHandHotSpotY + 0.5, 6, 16, 3);
    hand = hand.united(roundedBox(15.5, 10.5, 4.5, 9, 2.2));  // folded middle finger
    hand = hand.united(roundedBox(20, 11.5, 4.5, 9, 2.2));    // ring finger
    hand = hand.united(roundedBox(24.5, 13, 4, 8, 2));        // little finger
    hand = hand.united(roundedBox(9.5, 16, 19, 10, 3));       // palm
    hand = hand.united(roundedBox(11.5, 24, 15, 6.5, 1.5));   // wrist
    QTransform thumbTilt;
    thumbTilt.translate(10, 21);
    thumbTilt.rotate(40);
    hand = hand.united(thumbTilt.map(roundedBox(-9, -2.2, 10, 4.4, 2.2)));
    hand = hand.simplified();

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases between the folded fingers.
    painter.drawLine(QPointF(15.5, 13), QPointF(15.5, 18));
    painter.drawLine(QPointF(20.5, 14), QPointF(20.5, 19));
    painter.drawLine(QPointF(24.5, 15.5), QPointF(24.5, 19.5));
    return image;
}

QCursor handPointer() {
    return QCursor(QPixmap::fromImage(handPointerImage()), kHandHotSpotX, kHandHotSpotY);
}

}  // namespace vocab
