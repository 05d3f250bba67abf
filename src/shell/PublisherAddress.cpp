#include "shell/PublisherAddress.h"

namespace shell {

namespace {
const QString kSchemeMark = QStringLiteral("://");
}

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

}  // namespace shell
