#include "shell/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "shell/HouseStyle.h"

namespace shell {

namespace {

QIcon drawIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath flask;
    flask.moveTo(12, 3);
    flask.lineTo(20, 3);
    flask.lineTo(20, 12);
    flask.lineTo(29, 28);
    flask.lineTo(3, 28);
    flask.lineTo(12, 12);
    flask.closeSubpath();
    painter.fillPath(flask, QColor(HouseBlue));
    QPainterPath liquid;
    liquid.moveTo(8.5, 19);
    liquid.lineTo(23.5, 19);
    liquid.lineTo(29, 28);
    liquid.lineTo(3, 28);
    liquid.closeSubpath();
    painter.fillPath(liquid, QColor(TitleYellow));
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPath(flask);
    return QIcon(pixmap);
}

}  // namespace

// A conical flask in the house colours, 32 x 32, few colours as a small icon wants. Drawn once:
// the window system's copy of an icon is cached by the icon, so each title screen shown must
// give the same one. Kept until the program ends.
QIcon appIcon() {
    static const QIcon* const icon = new QIcon(drawIcon());
    return *icon;
}

}  // namespace shell
