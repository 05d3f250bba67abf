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
    // A teacher's list in force prints as it plays.
    m_jotterAccess->offerPrinting([this](forms::Screen& screen) {
        const ListUse* use = listUseOf(screen.name());
        printScreen(screen, use ? m_lists->inForce(QString::fromLatin1(use->folder)) : nullptr);
    });
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
    QString why;
    QString path;
    std::optional<lists::CheckedList> list = m_lists->listCalled(screen, title, &why, &path);
    if (!list) return why;
    m_lists->setInForce(QString::fromLatin1(listUseOf(screen)->folder), path,
                        std::make_unique<lists::CheckedList>(std::move(*list)));
    return {};
}

}  // namespace program
