#include "kit/lists/ListError.h"

#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace lists {

QString listTitle(const QString& fileName) {
    // Either separator: a school share's paths may come from Windows.
    const qsizetype slash = std::max(fileName.lastIndexOf(u'/'), fileName.lastIndexOf(u'\\'));
    QString title = fileName.mid(slash + 1);
    if (title.endsWith(u".csv"_s, Qt::CaseInsensitive) && title.size() > 4) title.chop(4);
    return title;
}

QString describeError(const QString& fileName, const ListError& error) {
    if (error.line <= 0) return listTitle(fileName) + u": "_s + error.what;
    return listTitle(fileName) + u", line %1: "_s.arg(error.line) + error.what;
}

QString groupedNumber(qint64 number) {
    // The C locale leaves out the separator unless told; its separator is the comma.
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    return locale.toString(number);
}

}  // namespace lists
