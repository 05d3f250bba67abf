#include "program/Program.h"

#include "program/Activities.h"
#include "program/Printing.h"
#include "program/ProjectorMode.h"
#include "program/ScreenDirectory.h"
#include "program/TeacherLists.h"
#include "shell/ScreenNames.h"
#include "shell/TitleScreen.h"
#include "tools/JotterAccess.h"
#include "tools/LessonTimer.h"

namespace program {

Program::Program(std::unique_ptr<forms::Platform> platform)
    : m_platform(platform ? std::move(platform) : std::make_unique<forms::QtPlatform>()),
      m_screens(std::make_unique<forms::Screens>(*m_platform, m_pictures)),
      m_lists(std::make_unique<TeacherLists>()) {
    defineScreens(*m_screens, m_lists.get());
    m_lessonTimer = std::make_unique<tools::LessonTimer>(*m_screens);
    m_jotterAccess = std::make_unique<tools::JotterAccess>(*m_screens);
    m_jotterAccess->offerTimer(m_lessonTimer.get());
    m_jotterAccess->offerPrinting([](forms::Screen& screen) { printScreen(screen); });
}

Program::~Program() = default;

void Program::prepare(const Options& options) {
    if (m_projectorMode) return;
    m_projectorMode = std::make_unique<ProjectorMode>(*m_screens, options);
    m_lists->setExtraDir(options.listsDir);
    if (options.openScreen.isEmpty()) shell::TitleScreen::prefetchPictures(*m_screens);
}

void Program::start(const Options& options) {
    prepare(options);
    for (const Activity& activity : activities()) {
        if (options.openScreen != QLatin1StringView(activity.screen)) continue;
        m_screens->show(shell::menuScreenName(activity.menu));
        m_screens->show(options.openScreen);
        return;
    }
    m_screens->show(QString::fromLatin1(shell::kTitleScreen));
}

QString Program::chooseList(const QString& screen, const QString& title) {
    const ListUse* use = listUseOf(screen);
    if (!use) return QStringLiteral("%1 plays only its own list").arg(screen);
    const QString folder = QString::fromLatin1(use->folder);
    const FolderLists found = m_lists->readAll(folder);
    QStringList titles;
    for (size_t i = 0; i < found.checked.size(); ++i) {
        const lists::CheckedList& list = found.checked[i];
        titles += list.title();
        if (list.title().compare(title, Qt::CaseInsensitive) != 0) continue;
        if (!list.sound())
            return QStringLiteral("the list '%1' cannot be used: %2")
                .arg(title, list.describedErrors().constFirst());
        m_lists->setInForce(folder, found.search.lists[i].path,
                            std::make_unique<lists::CheckedList>(list));
        return {};
    }
    return titles.isEmpty() ? QStringLiteral("there are no lists for %1").arg(screen)
                            : QStringLiteral("there is no list called '%1' for %2; there are %3")
                                  .arg(title, screen, titles.join(QStringLiteral(", ")));
}

}  // namespace program
