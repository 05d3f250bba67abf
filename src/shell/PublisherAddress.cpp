#include "shell/PublisherAddress.h"

#include <QFontMetricsF>

#include "forms/Twips.h"

namespace shell {

namespace {
const QString kSchemeMark = QStringLiteral("://");
constexpr float kSmallestAddressPoints = 8.25f;
}  // namespace

QString shownAddress(const QString& address) {
    const QString trimmed = address.trimmed();
    const qsizetype mark = trimmed.indexOf(kSchemeMark);
    return mark < 0 ? trimmed : trimmed.mid(mark + kSchemeMark.size());
}

QString openedAddress(const QString& address) {
    QString trimmed = address.trimmed();
    if (trimmed.contains(kSchemeMark)) return trimmed;
    return QStringLiteral("https://") + trimmed;
}

// Stepping down rather than letting the label break the address at a hyphen.
forms::FontSpec addressFont(const QString& shown, float labelWidth) {
    forms::FontSpec font = forms::arial(12, true);
    const double room = forms::toPixels(labelWidth) - 6;  // border and a little air
    while (font.points > kSmallestAddressPoints &&
           QFontMetricsF(font.toQFont()).horizontalAdvance(shown) > room)
        font.points -= 0.75f;
    return font;
}

}  // namespace shell
