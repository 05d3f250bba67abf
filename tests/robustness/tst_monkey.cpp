// A seeded monkey over the whole program: random clicks, drags, hovers, keys, title-bar closes and
// waits, with every activity opened from its menu, taps that place labels, labels carried by keys
// and left by every other way, the remote's keys, the Jotter by every way in and its undo, the
// lesson timer, teachers' lists chosen (a timer running or not), F11, and every third episode a
// screen reader's questions asked of every window. No warning from Qt is let pass.
// KINDREL_SOAK_SEED repeats a run; KINDREL_SOAK_STEPS sets its length.
#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <random>

#include "Lesson.h"
#include "Mouse.h"
#include "ScreenReader.h"
#include "TestProgram.h"
#include "forms/Accessible.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "tools/ListChooser.h"
#include "program/Activities.h"
#include "program/Program.h"
#include "program/ScreenDirectory.h"
#include "program/TeacherLists.h"
#include "shell/ScreenNames.h"
#include "shell/Texts.h"
#include "tools/jotter/JotterScreen.h"

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

// Over 100,000 events, every start screen a dozen times, in about 20 s; scripts/soak.sh and
// scripts/sanitize.sh run longer soaks.
constexpr int kDefaultSteps = 30000;
constexpr int kStepsPerEpisode = 50;
// Pop-up menus, list drop-downs and the lesson timer, which come and go on top of the screens'
// own widgets.
constexpr qsizetype kPopupSlack = 64;
// The longest a key is waited for where it must reach the program before the next.
constexpr int kKeyWaitMs = 500;
// A 1920 x 1080 display, on which F11 draws the screens 1.8 times as large.
const QSizeF kDisplayTwips{1920 * 15, 1080 * 15};

const QString kTitle = QString::fromLatin1(shell::kTitleScreen);
const QString kJotter = QString::fromLatin1(shell::kJotterScreen);

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

// A presentation remote's buttons and the keys that stand for them.
const int kRemoteKeys[] = {Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Right,
                           Qt::Key_Left,     Qt::Key_Space,  Qt::Key_Escape};

// Qt makes one desktop widget when a pop-up first asks where the screen is, and keeps it.
qsizetype liveWidgets() {
    const QWidgetList all = QApplication::allWidgets();
    return std::count_if(all.begin(), all.end(),
                         [](const QWidget* w) { return w->windowType() != Qt::Desktop; });
}

// Forwards to the one fake platform the soak shares, so that each episode's program owns a
// platform while the clock and the count of live timers span the whole soak.
class SharedPlatform final : public forms::Platform {
  public:
    explicit SharedPlatform(FakePlatform& fake) : m_fake(fake) {}
    QSizeF displaySize() const override { return m_fake.displaySize(); }
    void setBusyPointer(bool on) override { m_fake.setBusyPointer(on); }
    bool openUrl(const QString& url) override { return m_fake.openUrl(url); }
    std::int64_t clockMs() const override { return m_fake.clockMs(); }
    std::uint64_t freshSeed() override { return m_fake.freshSeed(); }
    std::unique_ptr<forms::PlatformTimer> createTimer() override { return m_fake.createTimer(); }
    // Nothing to keep on top offscreen; the fake's list would only grow.
    void keepOnTop(QWidget*) override {}

  private:
    FakePlatform& m_fake;
};

// The whole program as main() puts it together (timer, Jotter access, projector mode), started
// on its title screen, reading the pictures from the working directory.
struct Run {
    explicit Run(FakePlatform& platform) : program(std::make_unique<SharedPlatform>(platform)) {
        program.screens().onProgramEnd = [this] { ended = true; };
        program.start();
    }
    forms::Screens& screens() { return program.screens(); }
    program::Program program;
    bool ended = false;
};

// What the monkey got done, counted only where the program visibly answered.
struct Tally {
    QMap<QString, int> openedFromMenu;  // activity screen -> times its menu entry opened it
    QMap<QString, int> jotterOpenedBy;  // way in -> times it opened the Jotter
    int picksByTap = 0;
    int placedByTap = 0;
    int remoteKeys = 0;
    int undone = 0;
    int redone = 0;
    int timersStarted = 0;
    int timerTaps = 0;
    int rescaledByF11 = 0;
    int carriedByKeys = 0;
    QMap<QString, int> carryLeftBy;  // what came after a label carried by keys -> times
    int listsChosen = 0;
    int listsChosenWithTimer = 0;
    qint64 readerQuestions = 0;
    int titleBarCloses = 0;
    qint64 events = 0;
};

const program::Activity* activityNamed(const QString& name) {
    for (const program::Activity& activity : program::activities())
        if (name == QLatin1String(activity.screen)) return &activity;
    return nullptr;
}

bool onView(forms::Screens& screens, const QString& name) {
    const forms::Screen* screen = screens.loaded(name);
    return screen && screen->isVisible();
}

// The lesson timer's window: the one top-level widget on view that is neither a screen nor a
// pop-up.
QWidget* timerWindow(forms::Screens& screens) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible() || qobject_cast<QMenu*>(widget) ||
            widget->windowType() == Qt::Popup)
            continue;
        bool isScreen = false;
        for (const QString& name : screens.loadedNames())
            isScreen = isScreen || screens.loaded(name)->window() == widget;
        if (!isScreen) return widget;
    }
    return nullptr;
}

class Monkey {
  public:
    Monkey(quint64 seed, FakePlatform& platform, Tally& tally)
        : m_random(seed), m_platform(platform), m_tally(tally) {}

    // Clicks an activity's entry on its menu, as the teacher opens it; true when it came on view.
    bool openFromMenu(Run& run, const program::Activity& activity) {
        forms::Screen* menu = run.screens().loaded(shell::menuScreenName(activity.menu));
        forms::Control* entry =
            menu ? controlOf(*menu, QStringLiteral("Label3"), activity.entry) : nullptr;
        if (!menu || !menu->isVisible() || !entry || !entry->isVisible()) return false;
        Mouse(*menu).click(Mouse::centreOf(*entry));
        m_tally.events += 2;
        settle();
        if (!onView(run.screens(), QString::fromLatin1(activity.screen))) return false;
        ++m_tally.openedFromMenu[QString::fromLatin1(activity.screen)];
        return true;
    }

    // One random act on a random screen on view; a description of it for failure messages.
    QString step(Run& run) {
        const QStringList shown = visibleScreens(run.screens());
        if (shown.isEmpty()) return QStringLiteral("nothing on view");
        const QString& name = shown[pick(shown.size())];
        forms::Screen* screen = run.screens().loaded(name);
        const int roll = pick(1000);
        QString what;
        if (roll < 270) {
            const QPoint at = pointOn(*screen);
            what = QStringLiteral("click %1,%2").arg(at.x()).arg(at.y());
            Mouse(*screen).click(at);
            m_tally.events += 2;
        } else if (roll < 300) {
            const QPoint at = pointOn(*screen);
            what = QStringLiteral("right click %1,%2").arg(at.x()).arg(at.y());
            Mouse(*screen).click(at, Qt::RightButton);
            m_tally.events += 2;
        } else if (roll < 460) {
            what = drag(run, name, *screen);
        } else if (roll < 580) {
            what = hover(run, name, *screen);
        } else if (roll < 620) {
            what = carryByKeys(run, name, *screen);
        } else if (roll < 700) {
            const int key = kKeys[pick(int(std::size(kKeys)))];
            const Qt::KeyboardModifiers modifiers =
                pick(8) == 0 ? Qt::ControlModifier : Qt::NoModifier;
            what = QStringLiteral("key %1 modifiers %2").arg(key, 0, 16).arg(int(modifiers));
            QTest::keyClick(keyTarget(*screen), Qt::Key(key), modifiers);
            m_tally.events += 2;
        } else if (roll < 760) {
            const int key = kRemoteKeys[pick(int(std::size(kRemoteKeys)))];
            what = QStringLiteral("remote key %1").arg(key, 0, 16);
            QTest::keyClick(keyTarget(*screen), Qt::Key(key));
            m_tally.events += 2;
            ++m_tally.remoteKeys;
        } else if (roll < 820) {
            what = openJotter(run, name, *screen);
        } else if (roll < 850) {
            what = undoOnJotter(run);
        } else if (roll < 885) {
            what = tapToPlace(run, name, *screen);
        } else if (roll < 900) {
            what = chooseList(run, name, *screen);
        } else if (roll < 925) {
            what = openEntry(run);
        } else if (roll < 935) {
            what = lessonTimer(run, *screen);
        } else if (roll < 942) {
            what = QStringLiteral("F11");
            const QSize before = screen->window()->size();
            QTest::keyClick(keyTarget(*screen), Qt::Key_F11);
            m_tally.events += 2;
            settle();
            if (stillOnView(run, name, screen) && screen->window()->size() != before)
                ++m_tally.rescaledByF11;
        } else if (roll < 972) {
            // The title bar's close button, as the window system delivers it.
            what = QStringLiteral("title-bar close");
            screen->window()->windowHandle()->close();
            ++m_tally.events;
            ++m_tally.titleBarCloses;
        } else {
            const int ms = pick(6000);
            what = QStringLiteral("wait %1 ms").arg(ms);
            m_platform.advance(ms);
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
        return run.screens().loaded(name) == screen && screen->isVisible();
    }

    QString drag(Run& run, const QString& name, forms::Screen& screen) {
        Mouse mouse(screen);
        const Qt::MouseButton button = pick(6) == 0 ? Qt::RightButton : Qt::LeftButton;
        QPoint at = pointOn(screen);
        const QString what = QStringLiteral("drag from %1,%2").arg(at.x()).arg(at.y());
        mouse.press(at, button);
        ++m_tally.events;
        const int moves = 1 + pick(12);
        for (int i = 0; i < moves && stillOnView(run, name, &screen); ++i) {
            at = pointOn(screen);
            mouse.move(at);
            ++m_tally.events;
        }
        if (stillOnView(run, name, &screen)) {
            mouse.release(at, button);
            ++m_tally.events;
        }
        return what + QStringLiteral(" to %1,%2").arg(at.x()).arg(at.y());
    }

    QString hover(Run& run, const QString& name, forms::Screen& screen) {
        Mouse mouse(screen);
        const int moves = 1 + pick(8);
        for (int i = 0; i < moves && stillOnView(run, name, &screen); ++i) {
            mouse.move(pointOn(screen));
            ++m_tally.events;
        }
        return QStringLiteral("hover");
    }

    // Clicks an entry of a menu on view, one whose activity has been opened least so far.
    QString openEntry(Run& run) {
        const program::Activity* chosen = nullptr;
        for (const program::Activity& activity : program::activities()) {
            if (!onView(run.screens(), shell::menuScreenName(activity.menu))) continue;
            const int opened = m_tally.openedFromMenu.value(QString::fromLatin1(activity.screen));
            if (!chosen ||
                opened < m_tally.openedFromMenu.value(QString::fromLatin1(chosen->screen)))
                chosen = &activity;
        }
        if (!chosen) return QStringLiteral("no menu on view to open an entry of");
        openFromMenu(run, *chosen);
        return QStringLiteral("menu %1 entry %2").arg(chosen->menu).arg(chosen->entry);
    }

    // F2, Ctrl+J, the screen's Jotter button, or "Jotter" on the house menu of its background.
    QString openJotter(Run& run, const QString& name, forms::Screen& screen) {
        const bool wasOpen = onView(run.screens(), kJotter);
        QString way;
        switch (pick(4)) {
            case 0:
                way = QStringLiteral("F2");
                QTest::keyClick(keyTarget(screen), Qt::Key_F2);
                m_tally.events += 2;
                break;
            case 1:
                way = QStringLiteral("Ctrl+J");
                QTest::keyClick(keyTarget(screen), Qt::Key_J, Qt::ControlModifier);
                m_tally.events += 2;
                break;
            case 2:
                way = QStringLiteral("cmdjotter");
                if (forms::Control* button = screen.findControl(QStringLiteral("cmdjotter"));
                    button && button->isVisible()) {
                    Mouse(screen).click(Mouse::centreOf(*button));
                    m_tally.events += 2;
                }
                break;
            default:
                way = QStringLiteral("house menu");
                houseMenuJotter(run, name, screen);
                break;
        }
        settle();
        if (!wasOpen && onView(run.screens(), kJotter)) ++m_tally.jotterOpenedBy[way];
        return QStringLiteral("Jotter by ") + way;
    }

    // A right click on a few places of the screen until one offers the house menu, then its
    // "Jotter" clicked.
    void houseMenuJotter(Run& run, const QString& name, forms::Screen& screen) {
        for (int attempt = 0; attempt < 8 && stillOnView(run, name, &screen); ++attempt) {
            const QPoint at = pick(2) == 0 ? QPoint(pick(screen.window()->width()),
                                                    pick(screen.window()->height()))
                                           : pointOn(screen);
            Mouse(screen).click(at, Qt::RightButton);
            m_tally.events += 2;
            settle();
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) continue;
            for (QAction* action : menu->actions()) {
                if (!action->text().startsWith(QLatin1String("Jotter"))) continue;
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                m_tally.events += 2;
                return;
            }
            menu->close();
        }
    }

    // A stroke now and then, and Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z on the Jotter when it is open.
    QString undoOnJotter(Run& run) {
        auto* jotter = dynamic_cast<jotter::JotterScreen*>(run.screens().loaded(kJotter));
        if (!jotter || !jotter->isVisible()) return QStringLiteral("undo with no Jotter open");
        if (pick(2) == 0) {
            QWidget* window = jotter->window();
            Mouse(*jotter).drag({pick(window->width()), pick(window->height())},
                                {pick(window->width()), pick(window->height())}, 4);
            m_tally.events += 6;
            settle();
            if (!onView(run.screens(), kJotter)) return QStringLiteral("stroke on the Jotter");
        }
        const int undoBefore = jotter->history().undoSteps();
        const int redoBefore = jotter->history().redoSteps();
        const int which = pick(3);
        QWidget* target = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                            : jotter->window();
        if (which == 0)
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        else if (which == 1)
            QTest::keyClick(target, Qt::Key_Y, Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        m_tally.events += 2;
        settle();
        if (onView(run.screens(), kJotter)) {
            if (jotter->history().undoSteps() == undoBefore - 1) ++m_tally.undone;
            if (jotter->history().redoSteps() == redoBefore - 1 && redoBefore > 0) ++m_tally.redone;
        }
        return QStringLiteral("Jotter key %1").arg(which);
    }

    // On a labelling board: a tap on a name label picks it up, a tap on a box or anywhere on
    // the board puts it down there.
    QString tapToPlace(Run& run, const QString& name, forms::Screen& screen) {
        auto* board = dynamic_cast<labelling::LabellingBoard*>(&screen);
        forms::ControlArrayBase* names = screen.findArray(QStringLiteral("Label2"));
        forms::ControlArrayBase* boxes = screen.findArray(QStringLiteral("Label1"));
        if (!board || !names || !boxes) return QStringLiteral("no board to tap on");
        const std::vector<int> indices = names->indices();
        const int i = indices[size_t(pick(int(indices.size())))];
        forms::Control* label = names->element(i);
        if (!label->isVisible()) return QStringLiteral("hidden name label");
        Mouse(screen).click(Mouse::centreOf(*label));
        m_tally.events += 2;
        settle();
        if (!stillOnView(run, name, &screen) || board->picked() != i)
            return QStringLiteral("tap on name %1 picked nothing").arg(i);
        ++m_tally.picksByTap;
        const std::vector<int> targets = boxes->indices();
        forms::Control* box = boxes->element(targets[size_t(pick(int(targets.size())))]);
        const QPoint at =
            pick(3) != 0 && box->isVisible() ? Mouse::centreOf(*box) : pointOn(screen);
        Mouse(screen).click(at);
        m_tally.events += 2;
        settle();
        if (stillOnView(run, name, &screen) && board->picked() == -1) ++m_tally.placedByTap;
        return QStringLiteral("tap name %1 then %2,%3").arg(i).arg(at.x()).arg(at.y());
    }

    // On a labelling board: Tab round to a name label, Enter or Space to pick it up, the arrows
    // to carry it, then anything at all: Enter to put it down, Escape, Tab, the pointer, F11,
    // the timer, the list chooser or the Jotter.
    QString carryByKeys(Run& run, const QString& name, forms::Screen& screen) {
        auto* board = dynamic_cast<labelling::LabellingBoard*>(&screen);
        forms::ControlArrayBase* names = screen.findArray(QStringLiteral("Label2"));
        if (!board || !names) return QStringLiteral("no board to carry on");
        std::vector<forms::Control*> labels;
        for (forms::Control* control : board->focusChain())
            for (int i : names->indices())
                if (names->element(i) == control) labels.push_back(control);
        if (labels.empty()) return QStringLiteral("no name label on the keyboard's round");
        const forms::Control* label = labels[size_t(pick(int(labels.size())))];
        // What comes after the carry may close the screen, the label with it.
        const QString labelName = label->name();
        // With a screen reader's bridge on, a key reaches the program only once the bus has
        // answered for it: each is waited for until it has done what it does.
        const auto gone = [&] { return !stillOnView(run, name, &screen); };
        const int wait = QAccessible::isActive() ? kKeyWaitMs : 0;
        for (size_t n = 0; n <= board->focusChain().size() && !gone() &&
                           screen.window()->focusWidget() != label->widget();
             ++n) {
            const QWidget* before = screen.window()->focusWidget();
            QTest::keyClick(keyTarget(screen), Qt::Key_Tab);
            m_tally.events += 2;
            static_cast<void>(QTest::qWaitFor(
                [&] { return gone() || screen.window()->focusWidget() != before; }, wait));
        }
        if (gone()) return QStringLiteral("tabbed away");
        QTest::keyClick(keyTarget(screen), pick(2) == 0 ? Qt::Key_Return : Qt::Key_Space);
        m_tally.events += 2;
        static_cast<void>(
            QTest::qWaitFor([&] { return gone() || board->carried() != -1; }, wait));
        settle();
        if (!stillOnView(run, name, &screen) || board->carried() == -1)
            return QStringLiteral("Enter on %1 carried nothing").arg(labelName);
        ++m_tally.carriedByKeys;
        static const Qt::Key kCarryKeys[] = {Qt::Key_Up,   Qt::Key_Down,     Qt::Key_Left,
                                             Qt::Key_Right, Qt::Key_PageDown, Qt::Key_PageUp};
        for (int n = pick(8); n > 0 && stillOnView(run, name, &screen); --n) {
            QTest::keyClick(keyTarget(screen), kCarryKeys[pick(int(std::size(kCarryKeys)))]);
            m_tally.events += 2;
        }
        if (!stillOnView(run, name, &screen)) return QStringLiteral("carried off the screen");
        QString then;
        switch (pick(9)) {
            case 0:
                then = QStringLiteral("Enter");
                QTest::keyClick(keyTarget(screen), Qt::Key_Return);
                break;
            case 1:
                then = QStringLiteral("Escape");
                QTest::keyClick(keyTarget(screen), Qt::Key_Escape);
                break;
            case 2:
                then = QStringLiteral("Tab");
                QTest::keyClick(keyTarget(screen), Qt::Key_Tab);
                break;
            case 3:
                then = QStringLiteral("pointer");
                Mouse(screen).click(pointOn(screen));
                break;
            case 4:
                then = QStringLiteral("drag");
                drag(run, name, screen);
                break;
            case 5:
                then = QStringLiteral("F11");
                QTest::keyClick(keyTarget(screen), Qt::Key_F11);
                break;
            case 6:
                then = QStringLiteral("timer");
                lessonTimer(run, screen);
                break;
            case 7:
                then = QStringLiteral("list");
                chooseList(run, name, screen);
                break;
            default:
                then = QStringLiteral("Jotter");
                openJotter(run, name, screen);
                break;
        }
        m_tally.events += 2;
        settle();
        ++m_tally.carryLeftBy[then];
        return QStringLiteral("carry %1 by keys, then %2").arg(labelName, then);
    }

    // On an activity that plays teachers' lists: the List button or L, then a row of the
    // chooser by pointer or by the arrows and Enter, now and then with the lesson timer running.
    QString chooseList(Run& run, const QString& name, forms::Screen& screen) {
        const program::ListUse* use = program::listUseOf(name);
        forms::Control* button = screen.findControl(QStringLiteral("cmdlist"));
        if (!use || !button || !button->isVisible())
            return QStringLiteral("no lists for ") + name;
        if (pick(2) == 0 && !timerWindow(run.screens())) lessonTimer(run, screen);
        if (!stillOnView(run, name, &screen)) return QStringLiteral("timer took the screen");
        if (pick(2) == 0)
            Mouse(screen).click(Mouse::centreOf(*button));
        else
            QTest::keyClick(keyTarget(screen), Qt::Key_L);
        m_tally.events += 2;
        settle();
        auto* chooser = dynamic_cast<tools::ListChooser*>(
            run.screens().loaded(QString::fromLatin1(program::kChooserScreen)));
        if (!chooser || !chooser->isVisible()) return QStringLiteral("the chooser did not open");
        const int rows = int(chooser->rows().size());
        const int row = pick(rows);
        // The chooser goes once a list is chosen.
        const bool playable = chooser->rows()[size_t(row)].playable;
        if (pick(2) == 0) {
            chooser->showPage(row / tools::ListChooser::kRowsPerPage);
            Mouse(*chooser).click(Mouse::centreOf(
                (*chooser->array<forms::Label>(QStringLiteral("lbllist")))
                    [row % tools::ListChooser::kRowsPerPage]));
        } else {
            for (int n = 0; n < row; ++n) QTest::keyClick(keyTarget(*chooser), Qt::Key_Down);
            QTest::keyClick(keyTarget(*chooser), Qt::Key_Return);
        }
        m_tally.events += 2 * (row + 1);
        settle();
        const QString folder = QString::fromLatin1(use->folder);
        const bool chosen = onView(run.screens(), name) &&
                            !onView(run.screens(), QString::fromLatin1(program::kChooserScreen)) &&
                            playable;
        if (chosen) {
            ++m_tally.listsChosen;
            if (timerWindow(run.screens())) ++m_tally.listsChosenWithTimer;
        }
        return QStringLiteral("list %1 of %2 chosen for %3").arg(row).arg(rows).arg(folder);
    }

    // Ctrl+T and one of the durations it offers, or a tap on the countdown (pause, go on, or
    // its close box).
    QString lessonTimer(Run& run, forms::Screen& screen) {
        if (QWidget* timer = timerWindow(run.screens()); timer && pick(2) == 0) {
            QTest::mouseClick(timer, Qt::LeftButton, {},
                              {pick(timer->width()), pick(timer->height())});
            m_tally.events += 2;
            ++m_tally.timerTaps;
            return QStringLiteral("tap on the timer");
        }
        QTest::keyClick(keyTarget(screen), Qt::Key_T, Qt::ControlModifier);
        m_tally.events += 2;
        settle();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || menu->actions().isEmpty()) return QStringLiteral("Ctrl+T offered nothing");
        QAction* choice = menu->actions()[pick(int(menu->actions().size()))];
        // The menu goes once chosen from, its entries with it.
        const QString chosen = choice->text();
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(choice).center());
        m_tally.events += 2;
        settle();
        if (timerWindow(run.screens())) ++m_tally.timersStarted;
        return QStringLiteral("Ctrl+T, ") + chosen;
    }

    std::mt19937_64 m_random;
    FakePlatform& m_platform;
    Tally& m_tally;
};

}  // namespace

// The offscreen platform says, on every raise (the Jotter and the timer come forward often) and
// every pop-up's keyboard grab, that it cannot; so many lines would crowd out the soak's report.
// Any other warning (an object used after it went, a painter misused) fails the soak.
QtMessageHandler g_passOn = nullptr;
QStringList g_warnings;
void keepWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if ((type == QtWarningMsg || type == QtCriticalMsg) &&
        !message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        g_warnings += message;
    g_passOn(type, context, message);
}

class MonkeyTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        g_passOn = qInstallMessageHandler(keepWarnings);
        // As main() does: the screens' own answers to a reader.
        forms::installAccessibility(QString::fromLatin1(shell::kProductTitle));
        // Nothing of the machine's: the lists are the examples the package installs and one
        // that cannot be read, given as --lists gives them.
        qputenv("XDG_DATA_HOME", (m_data.path() + u"/home"_s).toUtf8());
        qputenv("XDG_DATA_DIRS", (m_data.path() + u"/dirs"_s).toUtf8());
        const QString examples = QFileInfo(qEnvironmentVariable("KINDREL_MANIFEST")).dir().path() +
                                 u"/../packaging/lists"_s;
        for (const QFileInfo& folder : QDir(examples).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QVERIFY(QDir(m_lists.path()).mkpath(folder.fileName()));
            for (const QFileInfo& list : QDir(folder.filePath()).entryInfoList(QDir::Files))
                QVERIFY(QFile::copy(list.filePath(),
                                    m_lists.filePath(folder.fileName() + u'/' + list.fileName())));
        }
        QFile broken(m_lists.filePath(u"hangman/Broken.csv"_s));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write(QByteArray("\x00\xff\xfe,,\n\x80", 7));
        // A dialog the program opens (the print preview, "nothing to print") waits for a person:
        // the monkey closes it as one would, so that a dialog is never left on view.
        auto* closer = new QTimer(this);
        connect(closer, &QTimer::timeout, this, [] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else if (modal)
                modal->close();
        });
        closer->start(20);
    }
    void randomWorkOnEveryScreen();

  private:
    QTemporaryDir m_data;
    QTemporaryDir m_lists;
};

void MonkeyTest::randomWorkOnEveryScreen() {
    const quint64 seed = seedToUse();
    const int steps = stepsToRun();
    qInfo("monkey: KINDREL_SOAK_SEED=%llu KINDREL_SOAK_STEPS=%d", seed, steps);
    const auto failure = [seed](int step, const QString& what) {
        return QStringLiteral("seed %1, step %2: %3").arg(seed).arg(step).arg(what).toLocal8Bit();
    };

    TestProgram pictures(false);
    QVERIFY(pictures.addProgramPictures());
    // The program reads its pictures from the working directory, as it does when installed.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(pictures.folder.path()));
    FakePlatform& platform = pictures.platform;
    platform.display = kDisplayTwips;
    const qsizetype widgetsBefore = liveWidgets();

    // The most widgets the program can have: every screen loaded at once.
    qsizetype widgetBound = 0;
    QStringList starts;
    {
        Run all(platform);
        starts = all.screens().definedNames();
        for (const QString& name : starts) all.screens().load(name);
        widgetBound = liveWidgets() + kPopupSlack;
    }
    settle();
    starts.removeAll(kTitle);
    starts.prepend(kTitle);

    Tally tally;
    Monkey monkey(seed, platform, tally);
    QSet<QString> seen;
    int episodes = 0;
    int loads = 0;
    for (int step = 0; step < steps;) {
        // Each episode starts on the next screen in turn, the title screen first; an activity
        // is opened from its menu.
        const QString start = starts[episodes % starts.size()];
        ++episodes;
        {
            Run run(platform);
            run.program.lists().setExtraDir(m_lists.path());
            const bool reading = episodes % 3 == 0;
            settle();
            if (start != kTitle) {
                const program::Activity* activity = activityNamed(start);
                run.screens().show(activity ? shell::menuScreenName(activity->menu) : start);
                run.screens().unload(kTitle);
                settle();
                if (activity)
                    QVERIFY2(monkey.openFromMenu(run, *activity),
                             failure(step, start + QStringLiteral(" did not open from its menu"))
                                 .constData());
            }
            for (int inEpisode = 0; inEpisode < kStepsPerEpisode && step < steps && !run.ended;
                 ++inEpisode, ++step) {
                for (const QString& name : visibleScreens(run.screens())) seen.insert(name);
                const QString what = monkey.step(run);
                QVERIFY2(liveWidgets() <= widgetBound, failure(step, what).constData());
                QVERIFY2(g_warnings.isEmpty(),
                         failure(step, what + QStringLiteral(": ") + g_warnings.join(u"; "))
                             .constData());
                if (reading) tally.readerQuestions += readEveryWindow();
                // A program that runs on with nothing on view can no longer be ended.
                QVERIFY2(
                    run.ended || !visibleScreens(run.screens()).isEmpty(),
                    failure(step, what + QStringLiteral(": nothing left on view")).constData());
            }
            for (const QString& name : run.screens().definedNames())
                loads += run.screens().loadCount(name);
        }
        settle();
        QVERIFY2(
            liveWidgets() == widgetsBefore,
            failure(step, QStringLiteral("widgets left behind after the episode")).constData());
        QVERIFY2(platform.liveTimers() == 0,
                 failure(step, QStringLiteral("timers left behind after the episode")).constData());
    }
    QVERIFY(QDir::setCurrent(before));
    qInfo("monkey: %d steps, %lld events in %d episodes, %d screen loads, %lld screens on view",
          steps, tally.events, episodes, loads, qlonglong(seen.size()));
    qInfo(
        "monkey: Jotter opened by F2 %d, Ctrl+J %d, its button %d, the house menu %d; %d undone,"
        " %d redone; %d labels picked and %d placed by taps; %d remote keys; %d timers started,"
        " %d taps on one; %d rescales by F11; %d title-bar closes",
        tally.jotterOpenedBy.value(QStringLiteral("F2")),
        tally.jotterOpenedBy.value(QStringLiteral("Ctrl+J")),
        tally.jotterOpenedBy.value(QStringLiteral("cmdjotter")),
        tally.jotterOpenedBy.value(QStringLiteral("house menu")), tally.undone, tally.redone,
        tally.picksByTap, tally.placedByTap, tally.remoteKeys, tally.timersStarted, tally.timerTaps,
        tally.rescaledByF11, tally.titleBarCloses);
    QStringList leftBy;
    for (auto it = tally.carryLeftBy.cbegin(); it != tally.carryLeftBy.cend(); ++it)
        leftBy += QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    qInfo("monkey: %d labels carried by keys, then %s; %d lists chosen, %d with the timer running;"
          " %lld objects read by the screen reader",
          tally.carriedByKeys, qPrintable(leftBy.join(u", ")), tally.listsChosen,
          tally.listsChosenWithTimer, tally.readerQuestions);

    // A short soak (under the sanitizers, valgrind or the bridge) proves too little to check its
    // reach.
    if (steps < kDefaultSteps) return;
    for (const program::Activity& activity : program::activities()) {
        const QString name = QString::fromLatin1(activity.screen);
        QVERIFY2(tally.openedFromMenu.value(name) > 0,
                 failure(steps, name + QStringLiteral(" never opened from its menu")).constData());
    }
    for (const QString& name : starts)
        QVERIFY2(seen.contains(name),
                 failure(steps, name + QStringLiteral(" never on view")).constData());
    for (const char* way : {"F2", "Ctrl+J", "cmdjotter", "house menu"})
        QVERIFY2(tally.jotterOpenedBy.value(QLatin1String(way)) > 0,
                 failure(steps, QStringLiteral("the Jotter never opened by ") + way).constData());
    QVERIFY2(tally.undone > 0 && tally.redone > 0, "Jotter undo or redo never took a step");
    QVERIFY2(tally.placedByTap > 0, "no label placed by taps");
    QVERIFY2(tally.timersStarted > 0, "the lesson timer never started");
    QVERIFY2(tally.rescaledByF11 > 0, "F11 never changed a screen's size");
    QVERIFY2(tally.readerQuestions > 0, "the screen reader read nothing");
    // The suite's soak is to be at least a hundred thousand events long, and to reach every
    // state a label carried by keys can be left in.
    QVERIFY2(tally.events >= 100'000, qPrintable(QStringLiteral("only %1 events").arg(tally.events)));
    for (const char* then : {"Enter", "Escape", "Tab", "pointer", "F11", "timer", "list"})
        QVERIFY2(tally.carryLeftBy.value(QLatin1String(then)) > 0,
                 qPrintable(QStringLiteral("no label carried by keys then left by ") + then));
    QVERIFY2(tally.listsChosenWithTimer > 0, "no list chosen while the timer ran");
}

QTEST_MAIN(MonkeyTest)
#include "tst_monkey.moc"
