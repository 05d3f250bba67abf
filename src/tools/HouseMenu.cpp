#include "tools/HouseMenu.h"

#include <QFontMetrics>
#include <QMenu>
#include <algorithm>
#include <cmath>

#include "forms/Font.h"
#include "forms/Scale.h"
#include "shell/HouseStyle.h"

namespace tools {

using namespace shell;

QMenu* houseMenu(QWidget* parent, const forms::Scale& scale) {
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QFont font = forms::tahoma(15.75f, true).toQFont(scale.factor());
    menu->setFont(font);
    const int lineHeight = QFontMetrics(font).height();
    const int buttonHeight = scale.toPixels(ButtonHeight);
    const int across = scale.pixels(12);
    const int down = std::max(scale.pixels(2), (buttonHeight - lineHeight + 1) / 2 + 1);
    const int border = scale.pixels(2);
    const QColor yellow(TitleYellow);
    const QColor black(TitleBlack);
    // Submenus are the menu's children and take the same sheet.
    menu->setStyleSheet(
        QStringLiteral("QMenu { background-color: %1; color: %2; border: %3px solid %2;"
                       " font-family: \"%4\"; font-weight: bold; font-size: %5px; }"
                       " QMenu::item { padding: %6px %7px; background-color: transparent; }"
                       " QMenu::item:selected { background-color: %2; color: %1; }"
                       " QMenu::item:disabled { color: gray; }"
                       " QMenu::separator { height: %3px; background: %2; }")
            .arg(black.name(), yellow.name())
            .arg(border)
            .arg(font.family())
            .arg(font.pixelSize())
            .arg(down)
            .arg(across));
    return menu;
}

}  // namespace tools
