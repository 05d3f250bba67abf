// Fonts named as the designs name them, sized in pixels so that layout does not follow the dpi.
#pragma once

#include <QFont>
#include <QString>

namespace forms {

struct FontSpec {
    QString family = QStringLiteral("Tahoma");
    float points = 8.25f;
    bool bold = false;

    // At `factor` times the design size, for what is laid out in display pixels (a drop-down's
    // rows); what is laid out in twips measures the design size and is drawn scaled.
    QFont toQFont(double factor = 1.0) const;
    bool operator==(const FontSpec&) const = default;
};

inline FontSpec tahoma(float points, bool bold = false) {
    return {QStringLiteral("Tahoma"), points, bold};
}
inline FontSpec arial(float points, bool bold = false) {
    return {QStringLiteral("Arial"), points, bold};
}
inline FontSpec timesNewRoman(float points, bool bold = false) {
    return {QStringLiteral("Times New Roman"), points, bold};
}

// Makes Tahoma available from Debian's fonts-wine when the system has none of its own, and has
// Arial and Times New Roman asked for by the Liberation faces drawn in their place where the
// system lacks them. Returns the number of font files registered.
int registerHouseFonts();

}  // namespace forms
