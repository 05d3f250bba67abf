#include "program/TeacherLists.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <algorithm>

#include "forms/Screens.h"
#include "kit/lists/RoomCheck.h"
#include "program/Activities.h"

using namespace Qt::Literals::StringLiterals;

namespace program {

namespace {

// Every activity's use of a folder, in menu order: each has its say on every list there.
std::vector<const activities::ListUse*> usesOf(const QString& folder) {
    std::vector<const activities::ListUse*> uses;
    for (const Activity& activity : activities())
        for (const activities::ListUse& use : activity.description.lists)
            if (folder == QLatin1StringView(use.folder)) uses.push_back(&use);
    return uses;
}

std::vector<ListUse> makeListUses() {
    std::vector<ListUse> uses;
    for (const Activity& activity : activities())
        if (const activities::ListUse* use = activity.description.chosenList())
            uses.push_back({activity.screen, use->folder, use->kind});
    return uses;
}

}  // namespace

const std::vector<ListUse>& listUses() {
    static const std::vector<ListUse> uses = makeListUses();
    return uses;
}

const ListUse* listUseOf(const QString& screen) {
    for (const ListUse& use : listUses())
        if (screen == QLatin1StringView(use.screen)) return &use;
    return nullptr;
}

QStringList listFolders() {
    QStringList folders;
    for (const ListUse& use : listUses())
        if (!folders.contains(QLatin1StringView(use.folder)))
            folders += QString::fromLatin1(use.folder);
    return folders;
}

namespace {

std::vector<ListUse> makeSharedListUses() {
    std::vector<ListUse> uses;
    for (const Activity& activity : activities())
        for (const activities::ListUse& use : activity.description.lists)
            if (!use.chosenHere) uses.push_back({activity.screen, use.folder, use.kind});
    return uses;
}

}  // namespace

const std::vector<ListUse>& sharedListUses() {
    static const std::vector<ListUse> uses = makeSharedListUses();
    return uses;
}

namespace {

lists::ListKind kindOf(const QString& folder) {
    const std::vector<const activities::ListUse*> uses = usesOf(folder);
    return uses.empty() ? lists::ListKind::Words : uses.front()->kind;
}

// The checker's own reading of the header decides, so that a file is taken as a kind exactly
// when that kind's check would find its columns.
bool fileSuits(lists::ListKind kind, const QString& path) {
    const lists::ListFile read = lists::readListFile(path);
    return read.problem.isEmpty() && lists::headerSuits(kind, read.bytes);
}

lists::CheckedList checkBytes(const QString& folder, const lists::FoundList& file,
                              const lists::ListFile& read) {
    const std::vector<const activities::ListUse*> uses = usesOf(folder);
    const lists::ListKind kind = kindOf(folder);
    if (!read.problem.isEmpty()) {
        lists::CheckedList failed;
        failed.kind = kind;
        failed.fileName = file.fileName;
        // The reader's message names the file already; the error is what follows its path.
        const QString prefix = file.path + u": "_s;
        failed.errors.push_back(
            {0, read.problem.startsWith(prefix) ? read.problem.mid(prefix.size()) : read.problem});
        return failed;
    }
    lists::CheckOptions options;
    options.lettersOnly = kind == lists::ListKind::Words;
    options.textCheck = [&uses](const QString& column, const QString& text) {
        for (const activities::ListUse* use : uses)
            if (use->textCheck)
                if (std::optional<QString> reason = use->textCheck(column, text)) return reason;
        return std::optional<QString>();
    };
    lists::CheckedList checked = lists::checkList(kind, file.fileName, read.bytes, options);
    for (const activities::ListUse* use : uses) {
        if (!checked.sound() || !use->limits) continue;
        checked.errors = use->limits(checked);
        if (!checked.errors.empty()) {
            checked.entries.clear();
            checked.columns.clear();
        }
    }
    return checked;
}

QByteArray digestOf(const QByteArray& bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

}  // namespace

lists::ListPlace listPlaceOf(const QString& folder) {
    lists::ListPlace place;
    place.names += folder;
    for (const ListUse& use : listUses())
        if (folder == QLatin1StringView(use.folder) && !place.names.contains(use.screen))
            place.names += QString::fromLatin1(use.screen);
    for (const ListUse& use : sharedListUses())
        if (folder == QLatin1StringView(use.folder))
            place.sharedNames += QString::fromLatin1(use.screen);
    if (!place.sharedNames.isEmpty()) {
        const lists::ListKind kind = kindOf(folder);
        place.belongs = [kind](const QString& path) { return fileSuits(kind, path); };
    }
    return place;
}

QStringList foldersSuiting(const QString& path) {
    const lists::ListFile read = lists::readListFile(path);
    QStringList folders;
    if (!read.problem.isEmpty()) return folders;
    for (const QString& folder : listFolders())
        if (lists::headerSuits(kindOf(folder), read.bytes)) folders += folder;
    return folders;
}

lists::CheckedList checkListFile(const QString& folder, const lists::FoundList& file) {
    return checkBytes(folder, file, lists::readListFile(file.path));
}

QStringList ListsReport::lines() const {
    const int faulty = checked - sound;
    return searched + unread + faults +
           QStringList{u"%1 list%2 checked: %3 sound, %4 with errors"_s.arg(checked)
                           .arg(checked == 1 ? "" : "s")
                           .arg(sound)
                           .arg(faulty)};
}

TeacherLists::TeacherLists(QString extraDir) : m_extraDir(std::move(extraDir)) {}

lists::ListSearch TeacherLists::find(const QString& folder) const {
    return lists::findLists(listPlaceOf(folder), m_extraDir);
}

FolderLists TeacherLists::readAll(const QString& folder) const {
    FolderLists found{find(folder), {}};
    for (const lists::FoundList& file : found.search.lists)
        found.checked.push_back(checkListFile(folder, file));
    return found;
}

const lists::CheckedList* TeacherLists::inForce(const QString& folder) const {
    const auto it = m_inForce.find(folder);
    return it == m_inForce.end() ? nullptr : it->second.list.get();
}

QString TeacherLists::inForcePath(const QString& folder) const {
    const auto it = m_inForce.find(folder);
    return it == m_inForce.end() ? QString() : it->second.path;
}

void TeacherLists::setInForce(const QString& folder, const QString& path,
                              std::unique_ptr<lists::CheckedList> list) {
    m_gaveWay.erase(folder);
    if (!list) {
        m_inForce.erase(folder);
        return;
    }
    // Read again for its digest only: a change made since it was checked shows at the next
    // refresh as a change, which reads and checks it afresh.
    const lists::ListFile read = lists::readListFile(path);
    m_inForce[folder] = {path, std::move(list), digestOf(read.bytes)};
}

bool TeacherLists::refresh(const QString& folder) {
    const auto it = m_inForce.find(folder);
    if (it == m_inForce.end()) return false;
    InForce& current = it->second;
    const QString title = current.list->title();
    lists::FoundList file;
    file.path = current.path;
    file.fileName = current.list->fileName;
    QString why;
    if (!QFileInfo::exists(current.path)) {
        why = u"%1 was deleted or moved (%2), so the program's own list plays again."_s.arg(
            title, current.path);
    } else {
        const lists::ListFile read = lists::readListFile(current.path);
        const QByteArray digest = digestOf(read.bytes);
        if (read.problem.isEmpty() && digest == current.digest) return false;
        lists::CheckedList checked = checkBytes(folder, file, read);
        if (checked.sound()) {
            current.list = std::make_shared<const lists::CheckedList>(std::move(checked));
            current.digest = digest;
            return true;
        }
        why =
            u"%1 was changed and cannot be used now, so the program's own list plays again. "
            u"%2"_s.arg(title, checked.describedErrors().constFirst());
    }
    m_inForce.erase(it);
    m_gaveWay[folder] = why;
    return true;
}

QString TeacherLists::gaveWay(const QString& folder) const {
    const auto it = m_gaveWay.find(folder);
    return it == m_gaveWay.end() ? QString() : it->second;
}

void TeacherLists::openChooser(forms::Screens& screens, const QString& screen) {
    const ListUse* use = listUseOf(screen);
    if (!use) return;
    m_chooserFor = screen;
    const QString chooser = QString::fromLatin1(kChooserScreen);
    if (screens.isLoaded(chooser)) screens.unload(chooser);
    // What is under the chooser plays what the chooser says is in use.
    if (refresh(QString::fromLatin1(use->folder)) && screens.isLoaded(screen)) {
        screens.unload(screen);
        screens.show(screen);
    }
    screens.show(chooser);
}

ListsReport TeacherLists::checkEverything() const {
    ListsReport report;
    std::vector<lists::ListPlace> places;
    for (const QString& folder : listFolders()) places.push_back(listPlaceOf(folder));
    const lists::ListSurvey survey = lists::surveyLists(places, m_extraDir, foldersSuiting);
    report.searched = survey.searched;
    report.unread = survey.unread;
    QStringList refused;
    for (const QString& folder : listFolders()) {
        const FolderLists found = readAll(folder);
        report.faults += found.search.problems;
        refused += found.search.refused;
        for (size_t i = 0; i < found.checked.size(); ++i) {
            ++report.checked;
            if (found.checked[i].sound()) ++report.sound;
            const QString& path = found.search.lists[i].path;
            for (const lists::ListError& error : found.checked[i].errors)
                report.faults +=
                    error.line > 0 ? u"%1, line %2: %3"_s.arg(path).arg(error.line).arg(error.what)
                                   : u"%1: %2"_s.arg(path, error.what);
        }
    }
    // A shared folder is searched for each kind it holds.
    report.faults.removeDuplicates();
    refused.removeDuplicates();
    report.checked += static_cast<int>(refused.size());
    return report;
}

std::optional<lists::CheckedList> TeacherLists::listCalled(const QString& screen,
                                                           const QString& title, QString* why,
                                                           QString* path) const {
    const ListUse* use = listUseOf(screen);
    if (!use) {
        *why = QStringLiteral("%1 plays only its own list").arg(screen);
        return std::nullopt;
    }
    const FolderLists found = readAll(QString::fromLatin1(use->folder));
    QStringList titles;
    std::vector<size_t> matches;
    for (size_t i = 0; i < found.checked.size(); ++i) {
        titles += found.checked[i].title();
        if (found.checked[i].title().compare(title, Qt::CaseInsensitive) == 0) matches.push_back(i);
    }
    if (matches.size() > 1) {
        QStringList paths;
        for (const size_t i : matches) paths += found.search.lists[i].path;
        *why = QStringLiteral("%1 lists are called '%2': %3; rename one of them")
                   .arg(matches.size())
                   .arg(title, paths.mid(0, paths.size() - 1).join(QStringLiteral(", ")) +
                                   QStringLiteral(" and ") + paths.last());
        return std::nullopt;
    }
    if (matches.size() == 1) {
        const lists::CheckedList& list = found.checked[matches.front()];
        if (!list.sound()) {
            *why = QStringLiteral("the list '%1' cannot be used: %2")
                       .arg(title, list.describedErrors().constFirst());
            return std::nullopt;
        }
        if (path) *path = found.search.lists[matches.front()].path;
        return list;
    }
    *why = titles.isEmpty() ? QStringLiteral("there are no lists for %1").arg(screen)
                            : QStringLiteral("there is no list called '%1' for %2; there are %3")
                                  .arg(title, screen, titles.join(QStringLiteral(", ")));
    return std::nullopt;
}

}  // namespace program
