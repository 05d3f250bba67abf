// The running program: the platform, the picture files and the screens, started on the title.
#pragma once

#include <memory>

#include "forms/Platform.h"
#include "forms/Screens.h"
#include "pictures/Pictures.h"
#include "program/Options.h"

namespace tools {
class JotterAccess;
class LessonTimer;
}  // namespace tools

namespace program {

class ProjectorMode;
class TeacherLists;

class Program {
  public:
    // The real desktop, unless a test hands in its own platform.
    explicit Program(std::unique_ptr<forms::Platform> platform = nullptr);
    ~Program();

    forms::Platform& platform() { return *m_platform; }
    pictures::Pictures& pictures() { return m_pictures; }
    forms::Screens& screens() { return *m_screens; }

    // Sets the size the options ask for and starts reading the title's picture on a worker
    // thread, to be ready when the title first paints: what is left to do before that (the
    // house fonts) goes on meanwhile.
    void prepare(const Options& options = {});
    // Loads and shows the title screen, prepared first if it was not; nothing else runs before
    // it. With an activity to open, that activity over its menu instead.
    void start(const Options& options = {});

    // Puts a teacher's list in force for an activity, by its title; why it cannot be, naming
    // the lists there are, or empty when it is.
    QString chooseList(const QString& screen, const QString& title);
    TeacherLists& lists() { return *m_lists; }

    // Null before start().
    ProjectorMode* projectorMode() const { return m_projectorMode.get(); }

  private:
    std::unique_ptr<forms::Platform> m_platform;
    pictures::Pictures m_pictures;
    std::unique_ptr<forms::Screens> m_screens;
    std::unique_ptr<TeacherLists> m_lists;
    std::unique_ptr<tools::LessonTimer> m_lessonTimer;
    std::unique_ptr<tools::JotterAccess> m_jotterAccess;
    std::unique_ptr<ProjectorMode> m_projectorMode;
};

}  // namespace program
