#include "program/Program.h"

#include "shell/JotterAccess.h"
#include "shell/LessonTimer.h"
#include "program/ScreenDirectory.h"

namespace program {

Program::Program(std::unique_ptr<forms::Platform> platform)
    : m_platform(platform ? std::move(platform) : std::make_unique<forms::QtPlatform>()),
      m_screens(std::make_unique<forms::Screens>(*m_platform, m_pictures)) {
    defineScreens(*m_screens);
    m_lessonTimer = std::make_unique<shell::LessonTimer>(*m_screens);
    m_jotterAccess = std::make_unique<shell::JotterAccess>(*m_screens);
    m_jotterAccess->offerTimer(m_lessonTimer.get());
}

Program::~Program() = default;

void Program::start() {
    m_screens->show(QStringLiteral("Titlefrm"));
}

}  // namespace program
