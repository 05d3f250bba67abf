// Where a screen's lists are kept: the teacher's own, the school's, and a folder the program is
// told of. Only ever reads.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace lists {

// More than a teacher would make for one screen; keeps a crowded folder cheap.
inline constexpr int kMaxListsPerFolder = 200;

enum class ListOrigin { Teacher, School, Given };

struct FoundList {
    QString path;      // absolute
    QString fileName;  // "Year 8 acids.csv"
    ListOrigin origin = ListOrigin::Teacher;
    QString root;  // the folder of folders it was found under
};

// Whose it is and where, short enough for a chooser's row: "Your own: hangman/Acids.csv".
QString whereFrom(const FoundList& list);

struct ListSearch {
    // The teacher's own first (XDG_DATA_HOME), then the school's (XDG_DATA_DIRS, in order), then
    // extraDir's; in each folder by name. A file of the same name in two folders is listed from
    // each, so each path is there to tell them apart.
    std::vector<FoundList> lists;
    // Ready to show, each naming its whole path: a folder that cannot be read, a file too large
    // or not a file at all.
    QStringList problems;
    QStringList refused;  // the lists among the problems (too large, or not a file), by path
};

// One kind of list's folder: the names it goes by, in lower case and taken in any letter case
// ("hangman", and "mixedup" for the other screen that plays it), and folders it shares with
// other kinds, from which only the files belongs() takes are its.
struct ListPlace {
    QStringList names;
    QStringList sharedNames;
    std::function<bool(const QString& path)> belongs;
};

// The folders that hold the folders of lists, in the order they are searched: kindrel/lists
// under each generic data folder, then extraDir.
QStringList listRoots(const QString& extraDir);

// Looks for "*.csv" (any letter case, hidden files left out) in each of the place's folders
// under every root. extraDir may also be one of the place's folders itself. A folder that does
// not exist is not a problem: most schools will have none.
ListSearch findLists(const ListPlace& place, const QString& extraDir = {});

struct ListSurvey {
    QStringList searched;  // "Searched /path", a line for every folder looked in
    QStringList unread;    // every folder or file there that is not read, why and what would be
};

// What a teacher needs to see where her lists went: every folder searched, and everything in
// them that no place reads. suggest names the folders a loose file's columns suit.
ListSurvey surveyLists(const std::vector<ListPlace>& places, const QString& extraDir,
                       const std::function<QStringList(const QString& path)>& suggest);

// The read name nearest to a name that is not read, or empty when none is near.
QString nearestName(const QString& name, const QStringList& names);

struct ListFile {
    QByteArray bytes;
    QString problem;  // empty when the bytes were read; names the whole path
};

// At most kMaxListBytes, and only from a regular file, so a pipe or device named ".csv" cannot
// make the program wait or read without end.
ListFile readListFile(const QString& path);

}  // namespace lists
