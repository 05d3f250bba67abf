#include "forms/Font.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

namespace forms {

QFont FontSpec::toQFont(double factor) const {
    QFont font(family);
    // Points at 96 dpi, as the designs were drawn: 1 pt = 4/3 px.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0 * factor))));
    font.setBold(bold);
    font.setStyleHint(family == QLatin1String("Times New Roman") ? QFont::Serif : QFont::SansSerif);
    return font;
}

int registerHouseFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return 0;
    // Only the regular face: Wine's tahomabd.ttf has the regular outlines on wider advances, so
    // "bold" text came out thin. Without it Qt emboldens the regular face, which reads as bold.
    const QString regular = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    return QFile::exists(regular) && QFontDatabase::addApplicationFont(regular) >= 0 ? 1 : 0;
}

}  // namespace forms
