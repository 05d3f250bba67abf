#include "kit/lists/ListFinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

#include "kit/lists/CsvReader.h"
#include "kit/lists/ListError.h"

using namespace Qt::Literals::StringLiterals;

namespace lists {

namespace {

QString tooLarge(const QString& fileName, qint64 size) {
    return describeError(
        fileName, {0, u"the file is too large for a list (%1 KB; the most is 1,024 KB)"_s.arg(
                          groupedNumber((size + 1023) / 1024))});
}

void searchFolder(const QString& folder, QSet<QString>& searched, ListSearch& search) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        // A link that leads nowhere, or round in a loop, is a mistake worth telling.
        if (info.isSymLink()) search.problems += u"The folder %1 cannot be read."_s.arg(folder);
        return;
    }
    if (!info.isDir()) {
        search.problems += u"%1 is not a folder."_s.arg(folder);
        return;
    }
    const QString canonical = info.canonicalFilePath();
    if (searched.contains(canonical)) return;
    searched.insert(canonical);
    if (!info.isReadable() || !info.isExecutable()) {
        search.problems += u"The folder %1 cannot be read."_s.arg(folder);
        return;
    }

    QDir dir(folder);
    dir.setNameFilters({u"*.csv"_s});
    // System brings in links that lead nowhere and pipes, to be told of rather than passed over.
    dir.setFilter(QDir::Files | QDir::System | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    const QFileInfoList entries = dir.entryInfoList();
    int found = 0;
    for (const QFileInfo& entry : entries) {
        if (entry.isDir()) continue;
        if (found == kMaxListsPerFolder) {
            search.problems +=
                u"The folder %1 has more than %2 lists; only the first %2 are "
                u"offered."_s.arg(folder)
                    .arg(kMaxListsPerFolder);
            break;
        }
        if (!entry.isFile()) {
            search.problems +=
                describeError(entry.fileName(), {0, u"it is not a file that can be read"_s});
            continue;
        }
        if (entry.size() > kMaxListBytes) {
            search.problems += tooLarge(entry.fileName(), entry.size());
            continue;
        }
        search.lists.push_back({entry.absoluteFilePath(), entry.fileName()});
        ++found;
    }
}

}  // namespace

ListSearch findLists(const QString& screenName, const QString& extraDir) {
    ListSearch search;
    // A name from the program, but it becomes part of a path: nothing that could climb out.
    static const QRegularExpression plain(u"^[a-z0-9]+$"_s);
    if (!plain.match(screenName).hasMatch()) {
        search.problems += u"There is no screen called '%1'."_s.arg(screenName);
        return search;
    }
    QSet<QString> searched;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        searchFolder(data + u"/kindrel/lists/"_s + screenName, searched, search);
    if (!extraDir.isEmpty()) searchFolder(extraDir + u'/' + screenName, searched, search);
    return search;
}

ListFile readListFile(const QString& path) {
    ListFile file;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!info.isFile()) {
        file.problem = describeError(name, {0, u"it is not a file that can be read"_s});
        return file;
    }
    if (info.size() > kMaxListBytes) {
        file.problem = tooLarge(name, info.size());
        return file;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.problem = describeError(name, {0, u"the file cannot be opened"_s});
        return file;
    }
    // One byte past the most, so that a file that grew since it was looked at is still refused.
    file.bytes = in.read(kMaxListBytes + 1);
    if (file.bytes.size() > kMaxListBytes) {
        file.problem = tooLarge(name, file.bytes.size());
        file.bytes.clear();
    }
    return file;
}

}  // namespace lists
