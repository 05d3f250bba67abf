#include "forms/Font.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>

namespace forms {

QFont FontSpec::toQFont() const {
    QFont font(family);
    // Points at 96 dpi, as the designs were drawn: 1 pt = 4/3 px.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0))));
    font.setBold(bold);
    font.setStyleHint(family == QLatin1String("Times New Roman") ? QFont::Serif : QFont::SansSerif);
    return font;
}

int registerHouseFonts() {
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return 0;
    int registered = 0;
    for (const char* path :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(QString::fromLatin1(path)) &&
            QFontDatabase::addApplicationFont(QString::fromLatin1(path)) >= 0) {
            ++registered;
        }
    }
    return registered;
}

}  // namespace forms
