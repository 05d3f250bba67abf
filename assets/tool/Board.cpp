#include "Board.h"

#include "WmfWriter.h"

namespace assets {

QByteArray boardMetafile() {
    // Logical units are twips.
    pictures::WmfWriter w(QRect(0, 0, 1500, 1080), 1440);
    w.setBkMode(pictures::wmf::Transparent);

    const int outline = w.createPen(QColor(60, 35, 10), 15);
    const int wood = w.createBrush(QColor(150, 95, 45));
    w.selectObject(outline);
    w.selectObject(wood);
    w.roundRect(QRect(0, 0, 1500, 960), 120, 120);

    const int slate = w.createBrush(QColor(30, 90, 60));
    w.selectObject(slate);
    w.rectangle(QRect(90, 90, 1320, 780));

    // The chalk tray, with a stick of chalk on it.
    const int darkWood = w.createBrush(QColor(110, 65, 25));
    w.selectObject(darkWood);
    w.rectangle(QRect(30, 930, 1440, 120));
    const int chalkFill = w.createBrush(QColor(250, 250, 240));
    w.selectObject(chalkFill);
    w.rectangle(QRect(1080, 960, 240, 60));

    // A water molecule and its formula in chalk.
    const int chalk = w.createPen(QColor(240, 240, 230), 40);
    const int hollow = w.createNullBrush();
    w.selectObject(chalk);
    w.selectObject(hollow);
    w.moveTo(QPoint(420, 360));
    w.lineTo(QPoint(270, 600));
    w.moveTo(QPoint(420, 360));
    w.lineTo(QPoint(570, 600));
    w.selectObject(w.createBrush(QColor(230, 90, 90)));
    w.ellipse(QRect(300, 240, 240, 240));
    w.selectObject(chalkFill);
    w.ellipse(QRect(185, 530, 170, 170));
    w.ellipse(QRect(485, 530, 170, 170));
    w.selectObject(hollow);
    // H
    w.polyline(QPolygon({QPoint(780, 300), QPoint(780, 560)}));
    w.polyline(QPolygon({QPoint(940, 300), QPoint(940, 560)}));
    w.polyline(QPolygon({QPoint(780, 430), QPoint(940, 430)}));
    // a small 2
    w.polyline(QPolygon({QPoint(985, 520), QPoint(1010, 495), QPoint(1050, 495), QPoint(1070, 520),
                         QPoint(1060, 550), QPoint(985, 620), QPoint(1075, 620)}));
    // O
    w.ellipse(QRect(1120, 300, 190, 260));
    // and an underline
    w.polyline(QPolygon({QPoint(770, 700), QPoint(1320, 680)}));
    w.deleteObject(chalk);
    return w.toBytes();
}

}  // namespace assets
