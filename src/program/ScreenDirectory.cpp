#include "program/ScreenDirectory.h"

#include <memory>

#include "forms/Screens.h"
#include "tools/ListChooser.h"
#include "program/Activities.h"
#include "program/TeacherLists.h"
#include "shell/BackdropScreen.h"
#include "shell/FrontScreen.h"
#include "shell/MenuScreen.h"
#include "shell/ScreenNames.h"
#include "shell/TitleScreen.h"
#include "tools/jotter/JotterScreen.h"

namespace program {

namespace {

template <class T>
forms::Screens::Factory factory() {
    return [](forms::Screens& screens) { return std::make_unique<T>(screens); };
}

}  // namespace

namespace {

// The chooser for the activity it was last opened for: the program's own list first, then every
// list found, read and checked now.
std::unique_ptr<forms::Screen> makeChooser(forms::Screens& screens, TeacherLists& lists) {
    const QString screen = lists.chooserFor();
    const ListUse* use = listUseOf(screen);
    const Activity* activity = activityOf(screen);
    const QString caption = activity ? QString::fromUtf8(activity->caption) : QString();
    const QString folder = use ? QString::fromLatin1(use->folder) : QString();
    FolderLists found = use ? lists.readAll(folder) : FolderLists{};
    const QString inForce = lists.inForcePath(folder);
    const QString gaveWay = lists.gaveWay(folder);
    std::vector<tools::ChooserRow> rows;
    rows.push_back(
        {QStringLiteral("The program's own"),
         gaveWay.isEmpty() ? QStringLiteral("The list %1 came with.").arg(caption) : gaveWay,
         true,
         inForce.isEmpty(),
         {}});
    // Two lists of one title (the teacher's and the school's, or two letter cases) say whose
    // each is, or the rows would read the same.
    QStringList titles;
    for (const lists::CheckedList& list : found.checked) titles += list.title().toCaseFolded();
    for (size_t i = 0; i < found.checked.size(); ++i) {
        const lists::CheckedList& list = found.checked[i];
        QString note;
        if (list.sound()) {
            note = list.entries.size() == 1 ? QStringLiteral("1 row")
                                            : QStringLiteral("%1 rows").arg(list.entries.size());
        } else {
            const lists::ListError& first = list.errors.front();
            note = first.line > 0 ? QStringLiteral("Line %1: %2").arg(first.line).arg(first.what)
                                  : first.what.left(1).toUpper() + first.what.mid(1);
        }
        const bool shared = titles.count(titles[static_cast<qsizetype>(i)]) > 1;
        rows.push_back({list.title(), note, list.sound(), found.search.lists[i].path == inForce,
                        shared ? lists::whereFrom(found.search.lists[i]) : QString()});
    }
    const shell::ActivityId id{QString::fromLatin1(kChooserScreen),
                               QStringLiteral("Lists for %1").arg(caption)};
    auto paths = std::make_shared<std::vector<QString>>();
    auto checked = std::make_shared<std::vector<lists::CheckedList>>(std::move(found.checked));
    for (const lists::FoundList& file : found.search.lists) paths->push_back(file.path);
    return std::make_unique<tools::ListChooser>(
        screens, id, std::move(rows), [&screens, &lists, screen, folder, paths, checked](int row) {
            // Shown for no activity (only ever by a test walking every screen): nothing to set.
            if (folder.isEmpty()) {
                screens.unload(QString::fromLatin1(kChooserScreen));
                return;
            }
            if (row == 0)
                lists.setInForce(folder, {}, nullptr);
            else
                lists.setInForce(
                    folder, (*paths)[static_cast<size_t>(row - 1)],
                    std::make_unique<lists::CheckedList>((*checked)[static_cast<size_t>(row - 1)]));
            // The activity is made afresh with the list chosen, over its menu.
            screens.unload(QString::fromLatin1(kChooserScreen));
            screens.unload(screen);
            screens.show(screen);
        });
}

}  // namespace

void defineScreens(forms::Screens& screens, TeacherLists* lists) {
    using shell::kBackdropScreen;
    using shell::kFrontScreen;
    using shell::kJotterScreen;
    using shell::kTitleScreen;
    screens.define(QString::fromLatin1(kTitleScreen), factory<shell::TitleScreen>());
    screens.define(QString::fromLatin1(kFrontScreen), factory<shell::FrontScreen>());
    for (const shell::MenuDesign& menu : menus()) {
        screens.define(shell::menuScreenName(menu.number), [&menu](forms::Screens& s) {
            return std::make_unique<shell::MenuScreen>(s, menu);
        });
    }
    screens.define(QString::fromLatin1(kBackdropScreen), factory<shell::BackdropScreen>());

    for (const Activity& activity : activities()) {
        if (!activity.make) continue;
        const shell::ActivityId id{QString::fromUtf8(activity.screen),
                                   QString::fromUtf8(activity.caption)};
        screens.define(id.screen, [&activity, id, lists](forms::Screens& s) {
            if (!lists) return activity.make(s, id, {});
            shell::ActivityId shown = id;
            // Each list in force read again as the activity opens, so that it plays the file as
            // it is now: once for each folder it plays from.
            auto refreshed = std::make_shared<QStringList>();
            const auto current = [lists, refreshed](const QString& folder) {
                if (!refreshed->contains(folder)) {
                    refreshed->append(folder);
                    lists->refresh(folder);
                }
                return lists->inForce(folder);
            };
            if (const ListUse* use = listUseOf(id.screen)) {
                const QString folder = QString::fromLatin1(use->folder);
                if (const lists::CheckedList* list = current(folder))
                    shown.listTitle = list->title();
                // Only where there is more than its own to choose from, or a list that gave way
                // to tell of: without lists the screen is as it always was.
                if (!lists->find(folder).lists.empty() || !lists->gaveWay(folder).isEmpty())
                    shown.chooseList = [lists, &s, screen = id.screen] {
                        lists->openChooser(s, screen);
                    };
            }
            return activity.make(s, shown, [current](const char* folder) {
                return current(QString::fromLatin1(folder));
            });
        });
    }
    if (lists) {
        screens.define(QString::fromLatin1(kChooserScreen),
                       [lists](forms::Screens& s) { return makeChooser(s, *lists); });
    }
    for (const Activity& activity : activities())
        for (const activities::Activity::MoreScreen& more : activity.description.moreScreens)
            screens.define(QString::fromLatin1(more.screen), more.make);
    // Opened from any screen while teaching.
    screens.define(QString::fromLatin1(kJotterScreen), factory<jotter::JotterScreen>());
}

}  // namespace program
