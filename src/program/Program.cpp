#include "program/Program.h"

#include "program/Printing.h"
#include "program/ProjectorMode.h"
#include "program/ScreenDirectory.h"
#include "shell/TitleScreen.h"
#include "tools/JotterAccess.h"
#include "tools/LessonTimer.h"

namespace program {

Program::Program(std::unique_ptr<forms::Platform> platform)
    : m_platform(platform ? std::move(platform) : std::make_unique<forms::QtPlatform>()),
      m_screens(std::make_unique<forms::Screens>(*m_platform, m_pictures)) {
    defineScreens(*m_screens);
    m_lessonTimer = std::make_unique<tools::LessonTimer>(*m_screens);
    m_jotterAccess = std::make_unique<tools::JotterAccess>(*m_screens);
    m_jotterAccess->offerTimer(m_lessonTimer.get());
    m_jotterAccess->offerPrinting([](forms::Screen& screen) { printScreen(screen); });
}

Program::~Program() = default;

void Program::prepare(const Options& options) {
    if (m_projectorMode) return;
    m_projectorMode = std::make_unique<ProjectorMode>(*m_screens, options);
    shell::TitleScreen::prefetchPictures(*m_screens);
}

void Program::start(const Options& options) {
    prepare(options);
    m_screens->show(QStringLiteral("Titlefrm"));
}

}  // namespace program
