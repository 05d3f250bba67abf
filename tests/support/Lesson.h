// A lesson worked through the real screens with the mouse, for the tour, the soak and benchmarks.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace forms {
class Control;
class Screen;
class Screens;
}  // namespace forms

namespace testing_support {

// Lets the event loop run what is due: posted events, repaints, the freeing of unloaded screens.
void settle();

// The loaded screens that are on view, by name.
QStringList visibleScreens(const forms::Screens& screens);

// Every defined screen but the title, the backdrop, the front screen and the menus.
QStringList activityScreens(const forms::Screens& screens);

// A control by design name, with an index for an element of an array; null when absent.
forms::Control* controlOf(const forms::Screen& screen, const QString& name, int index = -1);

// One thing the teacher does, and the screens on view once it is done.
struct LessonStep {
    QString what;
    // False when the screen or control to work is not there.
    std::function<bool(forms::Screens&)> act;
    QStringList onViewAfter;
};

// The name labels of Laboratory Apparatus are dropped with three of them on each other's boxes.
inline constexpr int kLessonScore = 7;

// From the program's start to "Exit" on the title screen: "OK", "Menu 5", "Laboratory
// Apparatus", the ten names dragged, "Check Score", and the exits back to the title screen.
std::vector<LessonStep> typicalLesson();

// Opens each named screen over a menu held open beneath, lets it paint, and closes it again.
// False when one of them did not come on view or did not go.
bool openAndCloseEach(forms::Screens& screens, const QStringList& names);

}  // namespace testing_support
