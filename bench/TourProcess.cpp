// A whole lesson, every screen opened and closed, and a term chosen from the glossary's longest
// list, as one process, for its peak memory.
#include <QApplication>
#include <QKeyEvent>
#include <QThreadPool>

#include "Lesson.h"
#include "Mouse.h"
#include "forms/ComboBox.h"
#include "forms/DropDownList.h"
#include "forms/Font.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "pictures/Memory.h"
#include "program/Program.h"

namespace {

// Letter "P" (44 terms), over the menu the tour holds open: the list opened, scrolled to its
// end, the last term chosen.
bool chooseATerm(forms::Screens& screens) {
    forms::Screen& vocab = screens.show(QStringLiteral("Vocab"));
    testing_support::settle();
    forms::Control* tile = vocab.findControl(QStringLiteral("Label16"));
    auto* list = dynamic_cast<forms::ComboBox*>(vocab.findControl(QStringLiteral("Combo15")));
    if (!tile || !list) return false;
    testing_support::Mouse(vocab).click(testing_support::Mouse::centreOf(*tile));
    testing_support::settle();
    testing_support::Mouse(vocab).click(testing_support::Mouse::centreOf(*list));
    testing_support::settle();
    forms::DropDownList* dropped = list->list();
    if (!dropped) return false;
    for (int key : {Qt::Key_End, Qt::Key_Return}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(dropped, &press);
        testing_support::settle();
    }
    const bool chosen = list->chosenIndex() == list->count() - 1;
    screens.unload(QStringLiteral("Vocab"));
    testing_support::settle();
    return chosen;
}

}  // namespace

// kindrel_tour [FACTOR]: at design size, or at that projector factor.
int main(int argc, char** argv) {
    pictures::returnLargeBlocksToTheSystem();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    forms::registerHouseFonts();
    const forms::Scale scale(argc > 1 ? QString::fromLatin1(argv[1]).toDouble() : 1.0);
    bool allWell = true;
    {
        program::Program lesson;
        lesson.screens().onProgramEnd = [] {};
        lesson.screens().setScale(scale);
        for (const testing_support::LessonStep& step : testing_support::typicalLesson()) {
            allWell = step.act(lesson.screens()) && allWell;
            // Whatever the step shows with every picture in, as the class sees it.
            QThreadPool::globalInstance()->waitForDone();
            testing_support::settle();
        }
    }
    {
        program::Program tour;
        tour.screens().onProgramEnd = [] {};
        tour.screens().setScale(scale);
        allWell =
            testing_support::openAndCloseEach(tour.screens(), tour.screens().definedNames()) &&
            allWell;
        allWell = chooseATerm(tour.screens()) && allWell;
    }
    testing_support::settle();
    return allWell ? 0 : 1;
}
