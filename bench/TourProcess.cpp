// A whole lesson and then every screen opened and closed, as one process, for its peak memory.
#include <QApplication>

#include "Lesson.h"
#include "forms/Font.h"
#include "forms/Memory.h"
#include "forms/Screens.h"
#include "shell/Program.h"

int main(int argc, char** argv) {
    forms::returnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    forms::registerHouseFonts();
    bool allWell = true;
    {
        shell::Program lesson;
        lesson.screens().onProgramEnd = [] {};
        for (const testing_support::LessonStep& step : testing_support::typicalLesson())
            allWell = step.act(lesson.screens()) && allWell;
    }
    {
        shell::Program tour;
        tour.screens().onProgramEnd = [] {};
        allWell =
            testing_support::openAndCloseEach(tour.screens(), tour.screens().definedNames()) &&
            allWell;
    }
    testing_support::settle();
    return allWell ? 0 : 1;
}
