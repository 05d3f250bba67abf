// Where a screen's lists are kept: the teacher's own, the school's, and a folder the program is
// told of. Only ever reads.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace lists {

// More than a teacher would make for one screen; keeps a crowded folder cheap.
inline constexpr int kMaxListsPerFolder = 200;

struct FoundList {
    QString path;      // absolute
    QString fileName;  // "Year 8 acids.csv"
};

struct ListSearch {
    // The teacher's own first (XDG_DATA_HOME), then the school's (XDG_DATA_DIRS, in order), then
    // extraDir's; in each folder by name. A file of the same name in two folders is listed from
    // each, so each path is there to tell them apart.
    std::vector<FoundList> lists;
    // Ready to show: a folder that cannot be read, a file too large or not a file at all.
    QStringList problems;
};

// Looks for "*.csv" (any letter case, hidden files left out) in kindrel/lists/<screenName>/
// under each generic data folder, and in extraDir/<screenName>/ when extraDir is given. A folder
// that does not exist is not a problem: most schools will have none.
ListSearch findLists(const QString& screenName, const QString& extraDir = {});

struct ListFile {
    QByteArray bytes;
    QString problem;  // empty when the bytes were read
};

// At most kMaxListBytes, and only from a regular file, so a pipe or device named ".csv" cannot
// make the program wait or read without end.
ListFile readListFile(const QString& path);

}  // namespace lists
