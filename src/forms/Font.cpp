#include "forms/Font.h"

#include <QFile>
#include <QFontDatabase>
#include <cmath>
#include <utility>
#include <vector>

namespace forms {

namespace {
// A design family the system lacks, and the installed family drawn in its place.
struct StandIn {
    QString design;
    QString installed;
};

// Set once, while the program starts and before any screen draws; read only after that.
std::vector<StandIn>& standIns() {
    static std::vector<StandIn> table;
    return table;
}

const QString& drawnFamily(const QString& design) {
    for (const StandIn& standIn : standIns())
        if (standIn.design == design) return standIn.installed;
    return design;
}
}  // namespace

QFont FontSpec::toQFont(double factor) const {
    QFont font(drawnFamily(family));
    // Points at 96 dpi, as the designs were drawn: 1 pt = 4/3 px.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 4.0 / 3.0 * factor))));
    font.setBold(bold);
    font.setStyleHint(family == QLatin1String("Times New Roman") ? QFont::Serif : QFont::SansSerif);
    return font;
}

int registerHouseFonts() {
    const QStringList families = QFontDatabase::families();
    // Debian's Liberation fonts are the metric-compatible faces fontconfig draws for Arial and
    // Times New Roman. Named as they are installed, each face is found at once; under the
    // design's name Qt first sorts every installed font into a fallback list, a tenth of the
    // title screen's first paint.
    standIns().clear();
    for (const auto& [design, installed] :
         {std::pair{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")},
          std::pair{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}}) {
        if (!families.contains(design) && families.contains(installed))
            standIns().push_back({design, installed});
    }
    if (families.contains(QStringLiteral("Tahoma"))) return 0;
    // Only the regular face: Wine's tahomabd.ttf has the regular outlines on wider advances, so
    // "bold" text came out thin. Without it Qt emboldens the regular face, which reads as bold.
    const QString regular = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    return QFile::exists(regular) && QFontDatabase::addApplicationFont(regular) >= 0 ? 1 : 0;
}

}  // namespace forms
