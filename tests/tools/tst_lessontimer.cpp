// The lesson timer on a clock the test moves: countdown, pause, the last ten seconds, the end,
// screens changing beneath it, its place on the display and the ways of starting it.
#include <QMenu>
#include <QtTest>

#include "Menus.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "forms/Screen.h"
#include "shell/HouseStyle.h"
#include "tools/JotterAccess.h"
#include "tools/LessonTimer.h"

using namespace forms;
using testing_support::closeMenu;
using testing_support::menuEntry;
using testing_support::Mouse;
using testing_support::openMenu;
using testing_support::TestProgram;
using tools::LessonTimer;

namespace {

using State = LessonTimer::State;

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) ++count;
    return count;
}

// The house buttons of a shown screen, in display pixels.
std::vector<QRect> houseButtons(const Screen& screen) {
    std::vector<const Control*> buttons;
    for (const char* name : {"cmdexit", "cmdgo", "cmdsoln", "cmdjotter", "cmdcheckit",
                             "cmdscramble", "imgtick", "imgcross"})
        if (const Control* button = screen.findControl(QString::fromLatin1(name)))
            buttons.push_back(button);
    if (const auto* labels = screen.array<Label>(QStringLiteral("Label3")))
        for (int k : labels->indices()) buttons.push_back(labels->at(k));
    std::vector<QRect> places;
    for (const Control* button : buttons)
        if (button->isVisible())
            places.push_back(
                QRect(button->widget()->mapToGlobal(QPoint()), button->widget()->size()));
    return places;
}

}  // namespace

class LessonTimerTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->addShellPictures();
        m_program->screens.show(QStringLiteral("Grey"));
        m_timer = std::make_unique<LessonTimer>(m_program->screens);
    }
    void cleanup() {
        closeMenu();
        m_timer.reset();
        m_program.reset();
    }

    void noWindowUntilOneIsWanted();
    void countsDownToTimesUpOnThePlatformClock();
    void lastTenSecondsShowInAnotherColour();
    void clickPausesAndResumes();
    void closedByItsBoxOrItsMenu();
    void keepsTimeWhileScreensChangeAndGoesWithTheProgram();
    void cornerClearOfTheHouseButtons_data();
    void cornerClearOfTheHouseButtons();
    void growsWithTheScreensInProjectorMode();
    void offeredByCtrlTAndTheHouseMenu();
    void teachingMenusGrowWithTheScreens_data();
    void teachingMenusGrowWithTheScreens();

  private:
    void advance(std::int64_t ms) { m_program->platform.advance(ms); }
    QImage shown() const { return m_timer->window()->grab().toImage(); }
    void clickTimer(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(m_timer->window(), button, {}, at);
    }
    QPoint middle() const { return m_timer->window()->rect().center() + QPoint(0, 10); }

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<LessonTimer> m_timer;
};

// The program's start builds no timer window, nor does working a timer that was never started:
// most lessons never use it, and measuring its large digits costs a millisecond.
void LessonTimerTest::noWindowUntilOneIsWanted() {
    const auto timerWindows = [] {
        int count = 0;
        for (const QWidget* window : QApplication::topLevelWidgets())
            count += window->objectName() == QLatin1String("lessontimer");
        return count;
    };
    QCOMPARE(timerWindows(), 0);
    m_timer->pauseOrResume();
    m_timer->close();
    advance(LessonTimer::kTickMs);
    QCOMPARE(timerWindows(), 0);
    QCOMPARE(m_timer->state(), State::Off);
    m_timer->start(1);
    QCOMPARE(timerWindows(), 1);
    QVERIFY(m_timer->window()->isVisible());
    QCOMPARE(m_timer->text(), QStringLiteral("1:00"));
}

void LessonTimerTest::countsDownToTimesUpOnThePlatformClock() {
    QVERIFY(!m_timer->window()->isVisible());
    QCOMPARE(m_program->platform.topmost, std::vector<QWidget*>{m_timer->window()});
    m_timer->start(5);
    QVERIFY(m_timer->window()->isVisible());
    QCOMPARE(m_timer->text(), QStringLiteral("5:00"));
    advance(999);
    QCOMPARE(m_timer->text(), QStringLiteral("5:00"));
    advance(1);
    QCOMPARE(m_timer->text(), QStringLiteral("4:59"));
    advance(239'000);
    QCOMPARE(m_timer->text(), QStringLiteral("1:00"));
    advance(58'000);
    QCOMPARE(m_timer->text(), QStringLiteral("0:02"));
    QCOMPARE(m_timer->state(), State::Running);
    advance(1'999);
    QCOMPARE(m_timer->text(), QStringLiteral("0:01"));
    QCOMPARE(m_timer->state(), State::Running);
    advance(LessonTimer::kTickMs);
    QCOMPARE(m_timer->state(), State::Finished);
    QCOMPARE(m_timer->text(), QStringLiteral("Time's up!"));

    // It stays until clicked, however long the class takes to notice.
    advance(10 * 60'000);
    QVERIFY(m_timer->window()->isVisible());
    QCOMPARE(m_timer->text(), QStringLiteral("Time's up!"));
    clickTimer(middle());
    QCOMPARE(m_timer->state(), State::Off);
    QVERIFY(!m_timer->window()->isVisible());
    QCOMPARE(m_program->platform.activeTimers(), 0);

    // Started again it counts afresh; a new choice replaces a running countdown.
    m_timer->start(1);
    advance(20'000);
    m_timer->start(10);
    QCOMPARE(m_timer->text(), QStringLiteral("10:00"));
}

void LessonTimerTest::lastTenSecondsShowInAnotherColour() {
    const QRgb yellow = shell::TitleYellow;
    m_timer->start(1);
    advance(49'999);
    QCOMPARE(m_timer->text(), QStringLiteral("0:11"));
    QVERIFY(!m_timer->isWarning());
    const QImage before = shown();
    QVERIFY(pixelsOf(before, yellow) > 100);
    advance(1);
    QCOMPARE(m_timer->text(), QStringLiteral("0:10"));
    QVERIFY(m_timer->isWarning());
    const QImage warning = shown();
    QCOMPARE(pixelsOf(warning, yellow), 0);
    // The new colour is one colour, used as much as the yellow was.
    const QRgb corner = warning.pixel(1, warning.height() / 2);
    QVERIFY(corner != yellow && qRed(corner) > 200);
    QVERIFY(pixelsOf(warning, corner) > 100);
    advance(10'000);
    QCOMPARE(m_timer->text(), QStringLiteral("Time's up!"));
    QVERIFY(pixelsOf(shown(), corner) > 100);
    QCOMPARE(pixelsOf(shown(), yellow), 0);
}

void LessonTimerTest::clickPausesAndResumes() {
    m_timer->start(2);
    advance(30'000);
    QCOMPARE(m_timer->text(), QStringLiteral("1:30"));
    const QImage running = shown();
    clickTimer(middle());
    QCOMPARE(m_timer->state(), State::Paused);
    // Paused shows differently, and time stands still.
    QVERIFY(shown() != running);
    advance(5 * 60'000);
    QCOMPARE(m_timer->text(), QStringLiteral("1:30"));
    QCOMPARE(m_timer->state(), State::Paused);
    clickTimer(middle());
    QCOMPARE(m_timer->state(), State::Running);
    advance(1'000);
    QCOMPARE(m_timer->text(), QStringLiteral("1:29"));
    // Paused within the last ten seconds it keeps their colour and still does not finish.
    advance(80'000);
    clickTimer(middle());
    QCOMPARE(m_timer->text(), QStringLiteral("0:09"));
    QVERIFY(m_timer->isWarning());
    advance(60'000);
    QCOMPARE(m_timer->state(), State::Paused);
    clickTimer(middle());
    advance(9'000);
    QCOMPARE(m_timer->state(), State::Finished);
}

void LessonTimerTest::closedByItsBoxOrItsMenu() {
    m_timer->start(3);
    const QRect window = m_timer->window()->rect();
    // The close box sits in the top right corner.
    clickTimer(window.topRight() + QPoint(-12, 12));
    QCOMPARE(m_timer->state(), State::Off);
    QVERIFY(!m_timer->window()->isVisible());

    m_timer->start(3);
    QContextMenuEvent request(QContextMenuEvent::Mouse, middle(),
                              m_timer->window()->mapToGlobal(middle()));
    QCoreApplication::sendEvent(m_timer->window(), &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    menuEntry(*menu, QStringLiteral("Pause"))->trigger();
    QCOMPARE(m_timer->state(), State::Paused);
    closeMenu();
    QCoreApplication::sendEvent(m_timer->window(), &request);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QVERIFY(menuEntry(*menu, QStringLiteral("Go on")));
    menuEntry(*menu, QStringLiteral("Close timer"))->trigger();
    QCOMPARE(m_timer->state(), State::Off);
    QVERIFY(!m_timer->window()->isVisible());
}

void LessonTimerTest::keepsTimeWhileScreensChangeAndGoesWithTheProgram() {
    Screens& screens = m_program->screens;
    m_timer->start(2);
    for (const char* name : {"Titlefrm", "intro0", "menu2", "molecules", "menu5", "equipment"}) {
        screens.show(QString::fromLatin1(name));
        advance(10'000);
        if (QLatin1String(name) != QLatin1String("menu5"))
            screens.unload(QString::fromLatin1(name));
        screens.collectUnloaded();
        advance(5'000);
    }
    QCOMPARE(m_timer->text(), QStringLiteral("0:30"));
    QVERIFY(m_timer->window()->isVisible());

    // Not a screen: with the last screen gone the program ends, timer or no timer, and the
    // timer goes with it.
    for (const QString& name : screens.loadedNames()) screens.unload(name);
    QCOMPARE(m_program->programEnds, 1);
    advance(LessonTimer::kTickMs);
    QVERIFY(!m_timer->window()->isVisible());
    QCOMPARE(m_timer->state(), State::Off);
}

void LessonTimerTest::cornerClearOfTheHouseButtons_data() {
    QTest::addColumn<QSize>("display");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("fitted");
    for (const bool fitted : {false, true})
        for (const QSize display : {QSize(1024, 768), QSize(1280, 800), QSize(1366, 768),
                                    QSize(1920, 1080), QSize(3840, 2160)})
            for (const char* screen : {"molecules", "equipment"})
                QTest::newRow(qPrintable(QStringLiteral("%1x%2 %3%4")
                                             .arg(display.width())
                                             .arg(display.height())
                                             .arg(QLatin1String(screen))
                                             .arg(fitted ? QStringLiteral(" fitted") : QString())))
                    << display << QString::fromLatin1(screen) << fitted;
}

// Whether or not the window manager frames the screen (a title bar moves its buttons down), the
// countdown covers none of them, and stays whole on the display.
void LessonTimerTest::cornerClearOfTheHouseButtons() {
    QFETCH(QSize, display);
    QFETCH(QString, screen);
    QFETCH(bool, fitted);
    m_program->platform.display = {toTwips(display.width()), toTwips(display.height())};
    const Scale scale(
        fitted ? factorToFit(m_program->platform.display, {shell::FrameWidth, shell::FrameHeight})
               : Scale::kDesignSize);
    m_program->screens.setScale(scale);
    const Screen& shownScreen = m_program->screens.show(screen);
    m_timer->start(10);
    const QRect timer = m_timer->window()->geometry();
    QVERIFY(QRect(QPoint(), display).contains(timer));
    const std::vector<QRect> buttons = houseButtons(shownScreen);
    QVERIFY(buttons.size() >= 2);
    for (const QRect& button : buttons) {
        QVERIFY(!button.intersects(timer));
        QVERIFY(!button.translated(3, 29).intersects(timer));
    }
    // Beside a fitted screen where the strip beside it is wider than the countdown, covering none
    // of it. (At 1920 x 1080 the strip is a few pixels short: the countdown overlaps the frame.)
    if (fitted && display.width() >= 2560)
        QVERIFY(!timer.intersects(shownScreen.window()->geometry()));
    // Above the screen where there is room, clear of its title bar and its window buttons; a
    // fitted screen leaves none.
    if (!fitted && display.height() >= 768)
        QVERIFY(!timer.intersects(shownScreen.window()->geometry()));
}

// As readable beside a screen at twice its size as beside one at design size, and F11 while it
// runs brings it along at its next tick.
void LessonTimerTest::growsWithTheScreensInProjectorMode() {
    m_program->platform.display = {toTwips(3840), toTwips(2160)};
    m_timer->start(3);
    const QSize designSize = m_timer->window()->size();
    const QImage design = shown();
    const int digitInk = pixelsOf(design, QColor(shell::TitleYellow).rgb());
    QVERIFY(digitInk > 0);

    m_program->screens.setScale(Scale(2.0));
    advance(LessonTimer::kTickMs);
    const QSize twice = m_timer->window()->size();
    QVERIFY2(std::abs(twice.width() - 2 * designSize.width()) <= 4 &&
                 std::abs(twice.height() - 2 * designSize.height()) <= 4,
             qPrintable(QStringLiteral("%1x%2 from %3x%4")
                            .arg(twice.width())
                            .arg(twice.height())
                            .arg(designSize.width())
                            .arg(designSize.height())));
    // The digits' ink grows with their area, not only the window around them.
    const int twiceInk = pixelsOf(shown(), QColor(shell::TitleYellow).rgb());
    QVERIFY2(twiceInk > 3 * digitInk,
             qPrintable(QStringLiteral("%1 from %2").arg(twiceInk).arg(digitInk)));
    QVERIFY(QRect(QPoint(), QSize(3840, 2160)).contains(m_timer->window()->geometry()));
    QCOMPARE(m_timer->text(), QStringLiteral("3:00"));
}

void LessonTimerTest::offeredByCtrlTAndTheHouseMenu() {
    m_program->addPicture(QStringLiteral("Images/lab.jpg"), {800, 582});
    tools::JotterAccess access(m_program->screens);
    access.offerTimer(m_timer.get());
    Screen& safety = m_program->screens.show(QStringLiteral("safety"));

    QTest::keyClick(safety.window(), Qt::Key_T, Qt::ControlModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList offered;
    for (QAction* action : menu->actions()) offered << action->text();
    QCOMPARE(offered, (QStringList{"Timer: 1 minute", "Timer: 2 minutes", "Timer: 3 minutes",
                                   "Timer: 5 minutes", "Timer: 10 minutes"}));
    menu->actions().at(1)->trigger();
    QCOMPARE(m_timer->text(), QStringLiteral("2:00"));
    closeMenu();

    Mouse(safety).click({400, 300}, Qt::RightButton);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
             QStringLiteral("Jotter"));
    QAction* timer = menuEntry(*menu, QStringLiteral("Timer"));
    QVERIFY(timer && timer->menu());
    QCOMPARE(timer->menu()->actions().size(), 5);
    menuEntry(*timer->menu(), QStringLiteral("5 minutes"))->trigger();
    QCOMPARE(m_timer->text(), QStringLiteral("5:00"));
    QVERIFY(safety.isVisible());
}

void LessonTimerTest::teachingMenusGrowWithTheScreens_data() {
    QTest::addColumn<double>("factor");
    QTest::newRow("design size") << 1.0;
    QTest::newRow("1920 x 1080") << 1.8;
    QTest::newRow("3840 x 2160") << 3.6;
}

// The chooser, the house menu with its Timer submenu and the timer's own menu: each entry at
// least as tall as a house button and its type as large as the boards' buttons', at the
// screens' factor, in the house's yellow on black, for a pen at the board and the back row.
void LessonTimerTest::teachingMenusGrowWithTheScreens() {
    QFETCH(double, factor);
    m_program->platform.display = {toTwips(3840), toTwips(2160)};
    m_program->addPicture(QStringLiteral("Images/lab.jpg"), {800, 582});
    const Scale scale(factor);
    m_program->screens.setScale(scale);
    tools::JotterAccess access(m_program->screens);
    access.offerTimer(m_timer.get());
    Screen& safety = m_program->screens.show(QStringLiteral("safety"));
    const int buttonHeight = scale.toPixels(shell::ButtonHeight);
    const int typeHeight = static_cast<int>(std::lround(15.75 * 4 / 3 * factor));

    const auto verifyHouseLook = [&](QMenu& menu) {
        QCOMPARE(menu.font().pixelSize(), typeHeight);
        QVERIFY(menu.font().bold());
        for (QAction* action : menu.actions()) {
            if (action->isSeparator()) continue;
            QVERIFY2(menu.actionGeometry(action).height() >= buttonHeight,
                     qPrintable(action->text()));
        }
        const QImage drawn = menu.grab().toImage();
        const int yellow = pixelsOf(drawn, QColor(shell::TitleYellow).rgb());
        const int black = pixelsOf(drawn, QColor(shell::TitleBlack).rgb());
        QVERIFY(yellow > 0);
        QVERIFY2(black > drawn.width() * drawn.height() / 3, "black ground");
    };

    QTest::keyClick(safety.window(), Qt::Key_T, Qt::ControlModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    verifyHouseLook(*menu);
    closeMenu();

    Mouse(safety).click(scale.toPixels(TwipRect{6000, 4500, 15, 15}).topLeft(), Qt::RightButton);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    verifyHouseLook(*menu);
    QAction* timer = menuEntry(*menu, QStringLiteral("Timer"));
    QVERIFY(timer && timer->menu());
    timer->menu()->ensurePolished();
    timer->menu()->adjustSize();
    verifyHouseLook(*timer->menu());
    closeMenu();

    m_timer->start(1);
    QContextMenuEvent request(QContextMenuEvent::Mouse, middle(),
                              m_timer->window()->mapToGlobal(middle()));
    QApplication::sendEvent(m_timer->window(), &request);
    menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    verifyHouseLook(*menu);
}

QTEST_MAIN(LessonTimerTest)
#include "tst_lessontimer.moc"
