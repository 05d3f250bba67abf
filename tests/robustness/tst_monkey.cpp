// A seeded monkey: thousands of random clicks, drags, hovers, key presses, title-bar closes and
// waits over every screen, with nothing crashing, hanging or left behind. KINDREL_SOAK_SEED repeats
// a run; KINDREL_SOAK_STEPS makes it longer.
#include <QApplication>
#include <QWindow>
#include <QtTest>
#include <random>

#include "Lesson.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "shell/JotterAccess.h"
#include "program/ScreenDirectory.h"

using namespace testing_support;

namespace {

constexpr int kDefaultSteps = 5000;
constexpr int kStepsPerEpisode = 50;
// Pop-up menus and list drop-downs that come and go on top of the screens' own widgets.
constexpr qsizetype kPopupSlack = 64;

quint64 seedToUse() {
    bool ok = false;
    const quint64 given = qEnvironmentVariable("KINDREL_SOAK_SEED").toULongLong(&ok);
    return ok ? given : QRandomGenerator::system()->generate64();
}

int stepsToRun() {
    bool ok = false;
    const int given = qEnvironmentVariableIntValue("KINDREL_SOAK_STEPS", &ok);
    return ok && given > 0 ? given : kDefaultSteps;
}

const int kKeys[] = {
    Qt::Key_Tab,  Qt::Key_Backtab,   Qt::Key_Return, Qt::Key_Space,  Qt::Key_Escape,   Qt::Key_Up,
    Qt::Key_Down, Qt::Key_Left,      Qt::Key_Right,  Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home,
    Qt::Key_End,  Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_F2,     Qt::Key_F4,       Qt::Key_A,
    Qt::Key_C,    Qt::Key_M,         Qt::Key_Z,      Qt::Key_0,      Qt::Key_7,        Qt::Key_J};

// Qt makes one desktop widget when a pop-up first asks where the screen is, and keeps it.
qsizetype liveWidgets() {
    const QWidgetList all = QApplication::allWidgets();
    return std::count_if(all.begin(), all.end(),
                         [](const QWidget* w) { return w->windowType() != Qt::Desktop; });
}

// One program at a time, as the real one is put together, on the shared fake platform.
struct Run {
    Run(FakePlatform& platform, forms::Pictures& pictures) : screens(platform, pictures) {
        program::defineScreens(screens);
        screens.onProgramEnd = [this] { ended = true; };
        access = std::make_unique<shell::JotterAccess>(screens);
    }
    forms::Screens screens;
    std::unique_ptr<shell::JotterAccess> access;
    bool ended = false;
};

class Monkey {
  public:
    Monkey(quint64 seed, TestProgram& program) : m_random(seed), m_program(program) {}

    // One random act on a random screen on view; a description of it for failure messages.
    QString step(Run& run) {
        const QStringList onView = visibleScreens(run.screens);
        if (onView.isEmpty()) return QStringLiteral("nothing on view");
        const QString& name = onView[pick(onView.size())];
        forms::Screen* screen = run.screens.loaded(name);
        const int roll = pick(100);
        QString what;
        if (roll < 33) {
            const QPoint at = pointOn(*screen);
            what = QStringLiteral("click %1,%2").arg(at.x()).arg(at.y());
            Mouse(*screen).click(at);
        } else if (roll < 37) {
            const QPoint at = pointOn(*screen);
            what = QStringLiteral("right click %1,%2").arg(at.x()).arg(at.y());
            Mouse(*screen).click(at, Qt::RightButton);
        } else if (roll < 58) {
            what = drag(run, name, *screen);
        } else if (roll < 76) {
            what = hover(run, name, *screen);
        } else if (roll < 86) {
            const int key = kKeys[pick(int(std::size(kKeys)))];
            const Qt::KeyboardModifiers modifiers =
                pick(8) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            what = QStringLiteral("key %1 modifiers %2").arg(key, 0, 16).arg(int(modifiers));
            QTest::keyClick(keyTarget(*screen), Qt::Key(key), modifiers);
        } else if (roll < 92) {
            // The Jotter's own keys, often enough that it is open over other screens.
            const bool f2 = pick(2) == 0;
            what = f2 ? QStringLiteral("F2") : QStringLiteral("Ctrl+J");
            QTest::keyClick(keyTarget(*screen), f2 ? Qt::Key_F2 : Qt::Key_J,
                            f2 ? Qt::NoModifier : Qt::ControlModifier);
        } else if (roll < 96) {
            // The title bar's close button, as the window system delivers it.
            what = QStringLiteral("title-bar close");
            screen->window()->windowHandle()->close();
        } else {
            const int ms = pick(6000);
            what = QStringLiteral("wait %1 ms").arg(ms);
            m_program.platform.advance(ms);
        }
        settle();
        return QStringLiteral("%1 on %2").arg(what, name);
    }

    int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

  private:
    static QWidget* keyTarget(const forms::Screen& screen) {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup;
        if (QWidget* focus = screen.window()->focusWidget()) return focus;
        return screen.window();
    }

    // Mostly somewhere on a widget of the screen, so that controls get worked; now and then a
    // little outside the window.
    QPoint pointOn(const forms::Screen& screen) {
        QWidget* window = screen.window();
        const QList<QWidget*> children = window->findChildren<QWidget*>();
        if (!children.isEmpty() && pick(4) != 0) {
            QWidget* child = children[pick(int(children.size()))];
            if (child->isVisible()) {
                const QPoint inside(pick(qMax(1, child->width())), pick(qMax(1, child->height())));
                return child->mapTo(window, inside);
            }
        }
        const int margin = pick(10) == 0 ? 40 : 0;
        return {pick(window->width() + 2 * margin) - margin,
                pick(window->height() + 2 * margin) - margin};
    }

    static bool stillOnView(Run& run, const QString& name, const forms::Screen* screen) {
        return run.screens.loaded(name) == screen && screen->isVisible();
    }

    QString drag(Run& run, const QString& name, forms::Screen& screen) {
        Mouse mouse(screen);
        const Qt::MouseButton button = pick(6) == 0 ? Qt::RightButton : Qt::LeftButton;
        QPoint at = pointOn(screen);
        const QString what = QStringLiteral("drag from %1,%2").arg(at.x()).arg(at.y());
        mouse.press(at, button);
        const int moves = 1 + pick(12);
        for (int i = 0; i < moves && stillOnView(run, name, &screen); ++i) {
            at = pointOn(screen);
            mouse.move(at);
        }
        if (stillOnView(run, name, &screen)) mouse.release(at, button);
        return what + QStringLiteral(" to %1,%2").arg(at.x()).arg(at.y());
    }

    QString hover(Run& run, const QString& name, forms::Screen& screen) {
        Mouse mouse(screen);
        const int moves = 1 + pick(8);
        for (int i = 0; i < moves && stillOnView(run, name, &screen); ++i)
            mouse.move(pointOn(screen));
        return QStringLiteral("hover");
    }

    std::mt19937_64 m_random;
    TestProgram& m_program;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void randomWorkOnEveryScreen();
};

void MonkeyTest::randomWorkOnEveryScreen() {
    const quint64 seed = seedToUse();
    const int steps = stepsToRun();
    qInfo("monkey: KINDREL_SOAK_SEED=%llu KINDREL_SOAK_STEPS=%d", seed, steps);
    const auto failure = [seed](int step, const QString& what) {
        return QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(what).toLocal8Bit();
    };

    TestProgram program(false);
    QVERIFY(program.addProgramPictures());
    const qsizetype widgetsBefore = liveWidgets();

    // The most widgets the program can have: every screen loaded at once.
    qsizetype widgetBound = 0;
    QStringList starts{QStringLiteral("Titlefrm")};
    {
        Run all(program.platform, program.pictures);
        for (const QString& name : all.screens.definedNames()) all.screens.load(name);
        widgetBound = liveWidgets() + kPopupSlack;
        starts << all.screens.definedNames();
    }
    settle();

    Monkey monkey(seed, program);
    QSet<QString> seen;
    int episodes = 0;
    int loads = 0;
    for (int step = 0; step < steps;) {
        // Each episode starts on the next screen in turn; the title screen first.
        const QString start = starts[episodes % starts.size()];
        ++episodes;
        {
            Run run(program.platform, program.pictures);
            run.screens.show(start);
            settle();
            for (int inEpisode = 0; inEpisode < kStepsPerEpisode && step < steps && !run.ended;
                 ++inEpisode, ++step) {
                for (const QString& name : visibleScreens(run.screens)) seen.insert(name);
                const QString what = monkey.step(run);
                QVERIFY2(liveWidgets() <= widgetBound, failure(step, what).constData());
                // A program that runs on with nothing on view can no longer be ended.
                QVERIFY2(
                    run.ended || !visibleScreens(run.screens).isEmpty(),
                    failure(step, what + QStringLiteral(": nothing left on view")).constData());
            }
            for (const QString& name : run.screens.definedNames())
                loads += run.screens.loadCount(name);
        }
        settle();
        QVERIFY2(
            liveWidgets() == widgetsBefore,
            failure(step, QStringLiteral("widgets left behind after the episode")).constData());
        QVERIFY2(program.platform.liveTimers() == 0,
                 failure(step, QStringLiteral("timers left behind after the episode")).constData());
    }
    if (steps >= kDefaultSteps) {
        for (const QString& name : starts)
            QVERIFY2(seen.contains(name),
                     failure(steps, name + QStringLiteral(" never on view")).constData());
    }
    qInfo("monkey: %d steps in %d episodes, %d screen loads, %lld screens on view", steps, episodes,
          loads, qlonglong(seen.size()));
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
