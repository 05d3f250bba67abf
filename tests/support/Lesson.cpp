#include "Lesson.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThreadPool>

#include "Mouse.h"
#include "forms/ControlArray.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

namespace testing_support {

namespace {

const QString kTitle = QStringLiteral("Titlefrm");
const QString kFront = QStringLiteral("intro0");
const QString kMenu5 = QStringLiteral("menu5");
const QString kApparatus = QStringLiteral("equipment");
constexpr int kApparatusItems = 10;

// Clicks a control of a screen that is on view.
std::function<bool(forms::Screens&)> click(const QString& screenName, const QString& control,
                                           int index = -1) {
    return [=](forms::Screens& screens) {
        forms::Screen* screen = screens.loaded(screenName);
        if (!screen || !screen->isVisible()) return false;
        forms::Control* target = controlOf(*screen, control, index);
        if (!target) return false;
        Mouse(*screen).click(Mouse::centreOf(*target));
        settle();
        return true;
    };
}

// Name label i goes onto target box i, except that 0, 1 and 2 go round onto 1, 2 and 0.
bool dragTheNames(forms::Screens& screens) {
    forms::Screen* screen = screens.loaded(kApparatus);
    if (!screen || !screen->isVisible()) return false;
    for (int i = 0; i < kApparatusItems; ++i) {
        const int box = i < 3 ? (i + 1) % 3 : i;
        forms::Control* name = controlOf(*screen, QStringLiteral("Label2"), i);
        forms::Control* target = controlOf(*screen, QStringLiteral("Label1"), box);
        if (!name || !target) return false;
        Mouse(*screen).drag(Mouse::centreOf(*name), Mouse::centreOf(*target), 12);
        settle();
    }
    return true;
}

}  // namespace

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QStringList visibleScreens(const forms::Screens& screens) {
    QStringList names;
    for (const QString& name : screens.loadedNames())
        if (screens.loaded(name)->isVisible()) names << name;
    return names;
}

QStringList activityScreens(const forms::Screens& screens) {
    QStringList names;
    for (const QString& name : screens.definedNames()) {
        if (name == kTitle || name == kFront || name == QLatin1String("Grey") ||
            name.startsWith(QLatin1String("menu")))
            continue;
        names << name;
    }
    return names;
}

forms::Control* controlOf(const forms::Screen& screen, const QString& name, int index) {
    if (index < 0) return screen.findControl(name);
    forms::ControlArrayBase* array = screen.findArray(name);
    return array ? array->element(index) : nullptr;
}

std::vector<LessonStep> typicalLesson() {
    const auto start = [](forms::Screens& screens) {
        screens.show(kTitle);
        settle();
        return true;
    };
    return {
        {QStringLiteral("start"), start, {kTitle}},
        {QStringLiteral("OK"), click(kTitle, QStringLiteral("Command1")), {kFront}},
        {QStringLiteral("Menu 5"), click(kFront, QStringLiteral("Label2"), 4), {kMenu5}},
        {QStringLiteral("Laboratory Apparatus"),
         click(kMenu5, QStringLiteral("Label3"), 0),
         {kApparatus, kMenu5}},
        {QStringLiteral("drag the ten names"), dragTheNames, {kApparatus, kMenu5}},
        {QStringLiteral("Check Score"),
         click(kApparatus, QStringLiteral("Label3"), 2),
         {kApparatus, kMenu5}},
        {QStringLiteral("activity exit"), click(kApparatus, QStringLiteral("Label3"), 0), {kMenu5}},
        {QStringLiteral("menu exit"), click(kMenu5, QStringLiteral("Command1")), {kFront}},
        {QStringLiteral("front exit"), click(kFront, QStringLiteral("Command1")), {kTitle}},
        {QStringLiteral("Exit"), click(kTitle, QStringLiteral("Command2")), {}},
    };
}

bool openAndCloseEach(forms::Screens& screens, const QStringList& names) {
    // Held open beneath, so that closing an activity never ends the program.
    screens.show(kMenu5);
    settle();
    bool allWell = true;
    for (const QString& name : names) {
        if (name == kMenu5) continue;
        forms::Screen& screen = screens.show(name);
        // Its first frame, then its pictures in, read on the workers in projector mode while the
        // screen is on view, as the teacher sees it.
        settle();
        QThreadPool::globalInstance()->waitForDone();
        settle();
        allWell = screen.isVisible() && allWell;
        screens.unload(name);
        settle();
        allWell = !screens.isLoaded(name) && allWell;
    }
    return allWell;
}

}  // namespace testing_support
