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

QString tooLarge(const QString& path, qint64 size) {
    return u"%1: the file is too large for a list (%2 KB; the most is 1,024 KB)"_s.arg(
        path, groupedNumber((size + 1023) / 1024));
}

QString notAFile(const QString& path) {
    return u"%1: it is not a file that can be read"_s.arg(path);
}

bool isList(const QFileInfo& entry) {
    return entry.fileName().endsWith(u".csv"_s, Qt::CaseInsensitive) && entry.fileName().size() > 4;
}

// Hidden entries are the system's or an editor's (.DS_Store, a lock file), never a teacher's list.
QFileInfoList entriesOf(const QString& folder) {
    QDir dir(folder);
    // System brings in links that lead nowhere and pipes, to be told of rather than passed over.
    dir.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    return dir.entryInfoList();
}

struct Root {
    QString path;
    ListOrigin origin;
};

std::vector<Root> roots(const QString& extraDir) {
    std::vector<Root> found;
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (qsizetype i = 0; i < data.size(); ++i)
        found.push_back(
            {data[i] + u"/kindrel/lists"_s, i == 0 ? ListOrigin::Teacher : ListOrigin::School});
    // Whole paths in every message, however --lists was typed.
    if (!extraDir.isEmpty())
        found.push_back(
            {QDir::cleanPath(QFileInfo(extraDir).absoluteFilePath()), ListOrigin::Given});
    return found;
}

class Finder {
  public:
    Finder(const ListPlace& place, ListSearch& search) : m_place(place), m_search(search) {}

    void searchRoot(const Root& root, bool isExtra) {
        const QFileInfo info(root.path);
        // --lists may name one of the place's folders itself.
        if (isExtra && info.isDir()) {
            const QString own = info.fileName().toLower();
            if (m_place.names.contains(own)) return searchFolder(root.path, root, false);
            if (m_place.sharedNames.contains(own)) return searchFolder(root.path, root, true);
        }
        if (!info.isDir()) return;
        for (const QFileInfo& entry : entriesOf(root.path)) {
            const QString name = entry.fileName().toLower();
            if (m_place.names.contains(name))
                searchFolder(entry.filePath(), root, false);
            else if (m_place.sharedNames.contains(name))
                searchFolder(entry.filePath(), root, true);
        }
    }

  private:
    void searchFolder(const QString& folder, const Root& root, bool shared) {
        const QFileInfo info(folder);
        if (!info.exists()) {
            // A link that leads nowhere, or round in a loop, is a mistake worth telling.
            if (info.isSymLink())
                m_search.problems += u"The folder %1 cannot be read."_s.arg(folder);
            return;
        }
        if (!info.isDir()) {
            m_search.problems += u"%1 is not a folder."_s.arg(folder);
            return;
        }
        const QString canonical = info.canonicalFilePath();
        if (m_searched.contains(canonical)) return;
        m_searched.insert(canonical);
        if (!info.isReadable() || !info.isExecutable()) {
            m_search.problems += u"The folder %1 cannot be read."_s.arg(folder);
            return;
        }
        int found = 0;
        for (const QFileInfo& entry : entriesOf(folder)) {
            if (entry.isDir() || !isList(entry)) continue;
            if (found == kMaxListsPerFolder) {
                m_search.problems +=
                    u"The folder %1 has more than %2 lists; only the first %2 are "
                    u"offered."_s.arg(folder)
                        .arg(kMaxListsPerFolder);
                break;
            }
            const QString path = entry.absoluteFilePath();
            if (!entry.isFile()) {
                m_search.problems += notAFile(path);
                m_search.refused += path;
                continue;
            }
            if (entry.size() > kMaxListBytes) {
                m_search.problems += tooLarge(path, entry.size());
                m_search.refused += path;
                continue;
            }
            // A folder several kinds share holds this kind's lists among others'.
            if (shared && (!m_place.belongs || !m_place.belongs(path))) continue;
            m_search.lists.push_back({path, entry.fileName(), root.origin, root.path});
            ++found;
        }
    }

    const ListPlace& m_place;
    ListSearch& m_search;
    QSet<QString> m_searched;
};

int editDistance(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<size_t>(b.size()) + 1);
    for (size_t j = 0; j < row.size(); ++j) row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<size_t>(j)];
            row[static_cast<size_t>(j)] = std::min({above + 1, row[static_cast<size_t>(j - 1)] + 1,
                                                    diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

QString listName(const QFileInfo& file) {
    // "words.txt" and "words.csv.txt" both become "words.csv".
    QString base = file.fileName();
    const qsizetype dot = base.lastIndexOf(u'.');
    if (dot > 0) base.truncate(dot);
    return base.endsWith(u".csv"_s, Qt::CaseInsensitive) ? base : base + u".csv"_s;
}

class Surveyor {
  public:
    Surveyor(const std::vector<ListPlace>& places,
             const std::function<QStringList(const QString&)>& suggest, ListSurvey& survey)
        : m_places(places), m_suggest(suggest), m_survey(survey) {
        for (const ListPlace& place : places)
            for (const QString& name : place.names + place.sharedNames)
                if (!m_names.contains(name)) m_names += name;
    }

    void surveyRoot(const QString& root, bool isExtra) {
        const QFileInfo info(root);
        if (!info.exists()) {
            m_survey.searched += u"Searched %1: there is no such folder"_s.arg(root);
            return;
        }
        if (!info.isDir()) {
            m_survey.searched += u"Searched %1: it is not a folder"_s.arg(root);
            return;
        }
        if (isExtra && m_names.contains(info.fileName().toLower())) {
            m_survey.searched += u"Searched %1, as the folder %2"_s.arg(root, info.fileName());
            surveyFolder(root);
            return;
        }
        m_survey.searched += u"Searched %1"_s.arg(root);
        for (const QFileInfo& entry : entriesOf(root)) {
            const QString path = entry.filePath();
            const QString name = entry.fileName();
            if (m_names.contains(name.toLower())) {
                if (entry.isDir()) {
                    m_survey.searched += u"Searched %1"_s.arg(path);
                    surveyFolder(path);
                }
            } else if (entry.isDir()) {
                const QString nearest = nearestName(name, m_names);
                m_survey.unread +=
                    nearest.isEmpty()
                        ? u"%1 is not read: no activity reads a folder of that name; the "
                          u"folders read are %2"_s.arg(path, m_names.join(u", "_s))
                        : u"%1 is not read: no activity reads a folder of that name; the nearest "
                          u"that is read is %2"_s.arg(path, QDir(root).filePath(nearest));
            } else {
                const QString list = listName(entry);
                const QStringList suits =
                    isList(entry) && entry.isFile() ? m_suggest(path) : QStringList();
                QStringList places;
                for (const QString& folder : suits)
                    places += QDir(root).filePath(folder + u'/' + list);
                m_survey.unread +=
                    u"%1 is not read: a list goes in the folder of the activity that plays it, "_s
                        .arg(path) +
                    (places.isEmpty() ? u"one of %1"_s.arg(m_names.join(u", "_s))
                                      : u"such as %1"_s.arg(places.join(u" or "_s)));
            }
        }
    }

  private:
    void surveyFolder(const QString& folder) {
        const QString own = QFileInfo(folder).fileName().toLower();
        for (const QFileInfo& entry : entriesOf(folder)) {
            const QString path = entry.filePath();
            if (entry.isDir()) {
                m_survey.unread +=
                    u"%1 is not read: folders inside an activity's folder are not searched; "
                    u"its lists belong in %2"_s.arg(path, folder);
            } else if (!isList(entry)) {
                m_survey.unread +=
                    u"%1 is not read: only .csv files are lists (saved from the "
                    u"spreadsheet as %2)"_s.arg(path, listName(entry));
            } else if (entry.isFile() && !belongsToOne(own, path)) {
                const QStringList suits = m_suggest(path);
                m_survey.unread +=
                    u"%1 is not read: its columns are those of none of the lists this folder "
                    u"holds"_s.arg(path) +
                    (suits.isEmpty()
                         ? QString()
                         : u"; it belongs in %1"_s.arg(
                               QDir(QFileInfo(folder).path()).filePath(suits.constFirst())));
            }
        }
    }

    // A file in a folder of one kind is that kind's; in a shared one, only if a kind takes it.
    bool belongsToOne(const QString& folder, const QString& path) const {
        bool shared = false;
        for (const ListPlace& place : m_places) {
            if (place.names.contains(folder)) return true;
            if (!place.sharedNames.contains(folder)) continue;
            shared = true;
            if (place.belongs && place.belongs(path)) return true;
        }
        return !shared;
    }

    const std::vector<ListPlace>& m_places;
    const std::function<QStringList(const QString&)>& m_suggest;
    ListSurvey& m_survey;
    QStringList m_names;
};

}  // namespace

QString whereFrom(const FoundList& list) {
    const QString where = QFileInfo(QFileInfo(list.path).path()).fileName() + u'/' + list.fileName;
    switch (list.origin) {
        case ListOrigin::Teacher:
            return u"Your own: "_s + where;
        case ListOrigin::School:
            return u"The school's: "_s + where;
        case ListOrigin::Given:
            break;
    }
    // The folder --lists named may be the activity's own.
    const QString root = QFileInfo(list.root).fileName();
    return QFileInfo(list.path).path() == list.root ? u"From "_s + where
                                                    : u"From %1: %2"_s.arg(root, where);
}

QStringList listRoots(const QString& extraDir) {
    QStringList paths;
    for (const Root& root : roots(extraDir)) paths += root.path;
    return paths;
}

ListSearch findLists(const ListPlace& place, const QString& extraDir) {
    ListSearch search;
    // Names from the program, but they become part of a path: nothing that could climb out.
    static const QRegularExpression plain(u"^[a-z0-9]+$"_s);
    for (const QString& name : place.names + place.sharedNames) {
        if (!plain.match(name).hasMatch()) {
            search.problems += u"There is no screen called '%1'."_s.arg(name);
            return search;
        }
    }
    Finder finder(place, search);
    const std::vector<Root> all = roots(extraDir);
    for (size_t i = 0; i < all.size(); ++i)
        finder.searchRoot(all[i], !extraDir.isEmpty() && i + 1 == all.size());
    return search;
}

ListSurvey surveyLists(const std::vector<ListPlace>& places, const QString& extraDir,
                       const std::function<QStringList(const QString& path)>& suggest) {
    ListSurvey survey;
    Surveyor surveyor(places, suggest, survey);
    const std::vector<Root> all = roots(extraDir);
    for (size_t i = 0; i < all.size(); ++i)
        surveyor.surveyRoot(all[i].path, !extraDir.isEmpty() && i + 1 == all.size());
    return survey;
}

QString nearestName(const QString& name, const QStringList& names) {
    const QString folded = name.toLower();
    QString nearest;
    int best = 0;
    for (const QString& candidate : names) {
        const int distance = editDistance(folded, candidate);
        if (nearest.isEmpty() || distance < best) {
            nearest = candidate;
            best = distance;
        }
    }
    // Near enough to be a slip ("hangmen", "mixed up", "four in a row"), not another word.
    return best <= std::max<qsizetype>(2, folded.size() / 3) ? nearest : QString();
}

ListFile readListFile(const QString& path) {
    ListFile file;
    const QFileInfo info(path);
    if (!info.isFile()) {
        file.problem = notAFile(path);
        return file;
    }
    if (info.size() > kMaxListBytes) {
        file.problem = tooLarge(path, info.size());
        return file;
    }
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        file.problem = u"%1: the file cannot be opened"_s.arg(path);
        return file;
    }
    // One byte past the most, so that a file that grew since it was looked at is still refused.
    file.bytes = in.read(kMaxListBytes + 1);
    if (file.bytes.size() > kMaxListBytes) {
        file.problem = tooLarge(path, file.bytes.size());
        file.bytes.clear();
    }
    return file;
}

}  // namespace lists
