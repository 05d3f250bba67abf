#include "program/TeacherLists.h"

#include <QFileInfo>

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

lists::CheckedList checkListFile(const QString& folder, const lists::FoundList& file) {
    const std::vector<const activities::ListUse*> uses = usesOf(folder);
    const lists::ListKind kind = uses.empty() ? lists::ListKind::Words : uses.front()->kind;
    const lists::ListFile read = lists::readListFile(file.path);
    if (!read.problem.isEmpty()) {
        lists::CheckedList failed;
        failed.kind = kind;
        failed.fileName = file.fileName;
        // The reader's message names the file already; the error is what follows its name.
        const QString prefix = lists::listTitle(file.fileName) + u": "_s;
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

TeacherLists::TeacherLists(QString extraDir) : m_extraDir(std::move(extraDir)) {}

lists::ListSearch TeacherLists::find(const QString& folder) const {
    return lists::findLists(folder, m_extraDir);
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
    if (!list) {
        m_inForce.erase(folder);
        return;
    }
    m_inForce[folder] = {path, std::move(list)};
}

void TeacherLists::openChooser(forms::Screens& screens, const QString& screen) {
    const ListUse* use = listUseOf(screen);
    if (!use) return;
    m_chooserFor = screen;
    const QString chooser = QString::fromLatin1(kChooserScreen);
    if (screens.isLoaded(chooser)) screens.unload(chooser);
    screens.show(chooser);
}

QStringList TeacherLists::checkEverything(int* count) const {
    QStringList report;
    int checked = 0;
    for (const QString& folder : listFolders()) {
        const FolderLists found = readAll(folder);
        report += found.search.problems;
        for (size_t i = 0; i < found.checked.size(); ++i) {
            ++checked;
            const QString& path = found.search.lists[i].path;
            for (const lists::ListError& error : found.checked[i].errors)
                report += error.line > 0
                              ? u"%1, line %2: %3"_s.arg(path).arg(error.line).arg(error.what)
                              : u"%1: %2"_s.arg(path, error.what);
        }
    }
    if (count) *count = checked;
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
    for (size_t i = 0; i < found.checked.size(); ++i) {
        const lists::CheckedList& list = found.checked[i];
        titles += list.title();
        if (list.title().compare(title, Qt::CaseInsensitive) != 0) continue;
        if (!list.sound()) {
            *why = QStringLiteral("the list '%1' cannot be used: %2")
                       .arg(title, list.describedErrors().constFirst());
            return std::nullopt;
        }
        if (path) *path = found.search.lists[i].path;
        return list;
    }
    *why = titles.isEmpty() ? QStringLiteral("there are no lists for %1").arg(screen)
                            : QStringLiteral("there is no list called '%1' for %2; there are %3")
                                  .arg(title, screen, titles.join(QStringLiteral(", ")));
    return std::nullopt;
}

}  // namespace program
