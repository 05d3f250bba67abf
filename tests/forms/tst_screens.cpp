// The screen lifecycle and the toolkit's controls: arrays, lookup, mouse delivery, auto-size.
#include <QBackingStore>
#include <QtTest>
#include <stdexcept>

#include "CaptionCheck.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/ReadingOrder.h"
#include "forms/Screens.h"
#include "forms/Timer.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

// A screen that records what its load handler and its controls saw.
class ProbeScreen : public Screen {
  public:
    static inline int loads = 0;
    ProbeScreen(Screens& screens, const QString& name)
        : Screen(screens, name),
          tabs(addArray<Label>(QStringLiteral("Label2"))),
          lone(add<Label>(QStringLiteral("Label1"), {600, 600, 1500, 300})),
          panel(add<Panel>(QStringLiteral("Frame1"), {3000, 3000, 3000, 1500})),
          inPanel(add<Label>(QStringLiteral("cmdexit"), {60, 60, 600, 300}, &panel)) {
        setClientSize(9000, 6000);
        tabs.add(0, {150, 150, 2235, 495});
        tabs[0].setLook({.font = tahoma(18, true), .fore = kYellow, .back = kBlue, .border = true});
        tabs[0].setCaption(QStringLiteral("Menu 1"));
        tabs.onMouseMove = [this](int index, const MouseEvent& e) { moves.push_back({index, e}); };
        tabs.onMouseUp = [this](int index, const MouseEvent&) { releases.push_back(index); };
        tabs.onClick = [this](int index) { clicks.push_back(index); };
    }
    void load() override { ++loads; }

    ControlArray<Label>& tabs;
    Label& lone;
    Panel& panel;
    Label& inPanel;
    std::vector<std::pair<int, MouseEvent>> moves;
    std::vector<int> releases;
    std::vector<int> clicks;
};

}  // namespace

class ScreensTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void referenceLoadsOnceUntilUnloaded();
    void lastUnloadEndsTheProgram();
    void lastScreenOnViewGoingEndsTheProgram();
    void undefinedNameIsAnErrorInEveryBuild();
    void elementNeverLoadedIsAnError();
    void endProgramDiscardsEveryScreen();
    void copiesTakeTheLookOfElementZero();
    void lookupTreatsArraysAsAbsent();
    void panelChildrenHideWithThePanel();
    void buttonHolderGetsMovesAndReleaseOutside();
    void onlyLeftPressAndReleaseInsideIsAClick();
    void autoSizeKeepsLeftAndTopAndFollowsText();
    void outerSizeMapsToClientArea();
    void timerStopsWithItsScreen();
    void screenWhollyBehindAnotherKeepsNoSurface();
    void readingOrderKeepsABoxSetLowerInItsRow_data();
    void readingOrderKeepsABoxSetLowerInItsRow();

  private:
    std::unique_ptr<TestProgram> m_program;
};

void ScreensTest::init() {
    m_program = std::make_unique<TestProgram>(false);
    for (const char* name : {"probe", "other"}) {
        m_program->screens.define(QString::fromLatin1(name), [name](Screens& s) {
            return std::make_unique<ProbeScreen>(s, QString::fromLatin1(name));
        });
    }
    ProbeScreen::loads = 0;
}

void ScreensTest::referenceLoadsOnceUntilUnloaded() {
    Screens& screens = m_program->screens;
    Screen& first = screens.load(QStringLiteral("probe"));
    QCOMPARE(&screens.load(QStringLiteral("probe")), &first);
    screens.show(QStringLiteral("probe"));
    QCOMPARE(ProbeScreen::loads, 1);
    QVERIFY(first.isVisible());
    QCOMPARE(screens.definedNames(),
             (QStringList{QStringLiteral("other"), QStringLiteral("probe")}));

    // A window, or anything inside it, is told to its screen; another window to none.
    auto& probe = static_cast<ProbeScreen&>(first);
    QCOMPARE(screens.holding(probe.window()), &first);
    QCOMPARE(screens.holding(probe.inPanel.widget()), &first);
    QWidget elsewhere;
    QCOMPARE(screens.holding(&elsewhere), nullptr);
    QObject notAWidget;
    QCOMPARE(screens.holding(&notAWidget), nullptr);

    screens.show(QStringLiteral("other"));
    screens.unload(QStringLiteral("probe"));
    QVERIFY(!screens.isLoaded(QStringLiteral("probe")));
    QCOMPARE(screens.holding(probe.window()), nullptr);
    screens.collectUnloaded();
    auto& again = screens.load<ProbeScreen>(QStringLiteral("probe"));
    QCOMPARE(ProbeScreen::loads, 3);
    QCOMPARE(screens.loadCount(QStringLiteral("probe")), 2);
    // A fresh load starts from the design.
    QCOMPARE(again.tabs.count(), 1);
    QCOMPARE(m_program->programEnds, 0);
}

void ScreensTest::lastUnloadEndsTheProgram() {
    Screens& screens = m_program->screens;
    screens.show(QStringLiteral("probe"));
    screens.show(QStringLiteral("other"));
    screens.unload(QStringLiteral("probe"));
    QCOMPARE(m_program->programEnds, 0);
    screens.unload(QStringLiteral("probe"));  // not loaded: nothing happens
    QCOMPARE(m_program->programEnds, 0);
    screens.unload(QStringLiteral("other"));
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(screens.hasEnded());
}

// Hidden screens left loaded could never be brought back: the program ends with the last one on
// view, however it goes, and not while one screen gives way to the next.
void ScreensTest::lastScreenOnViewGoingEndsTheProgram() {
    const QString probe = QStringLiteral("probe");
    const QString other = QStringLiteral("other");
    Screens& screens = m_program->screens;
    screens.load(other);
    screens.show(probe);
    screens.show(other);
    screens.loaded(other)->hide();
    QCOMPARE(m_program->programEnds, 0);  // probe is still on view
    screens.show(other);
    screens.unload(probe);  // a move: the next screen is on view before the last goes
    QCOMPARE(m_program->programEnds, 0);
    screens.load(probe);
    screens.unload(probe);  // never on view: nothing changes
    QCOMPARE(m_program->programEnds, 0);

    screens.load(probe);
    screens.unload(other);
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(screens.loadedNames().isEmpty());

    init();
    Screens& again = m_program->screens;
    again.load(other);
    again.show(probe).hide();
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(again.loadedNames().isEmpty());
}

void ScreensTest::undefinedNameIsAnErrorInEveryBuild() {
    Screens& screens = m_program->screens;
    screens.show(QStringLiteral("probe"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, screens.load(QStringLiteral("nowhere")));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, screens.show(QStringLiteral("nowhere")));
    QCOMPARE(screens.loadedNames(), QStringList{QStringLiteral("probe")});
    QCOMPARE(screens.loadCount(QStringLiteral("nowhere")), 0);
    QCOMPARE(m_program->programEnds, 0);
}

void ScreensTest::elementNeverLoadedIsAnError() {
    auto& probe = m_program->screens.load<ProbeScreen>(QStringLiteral("probe"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, probe.tabs[4]);
    QVERIFY(probe.tabs.at(4) == nullptr);
    probe.tabs.load(4);
    QCOMPARE(probe.tabs[4].index(), 4);
    // Nothing to copy from: an array with no element cannot load one.
    ControlArray<Label>& empty = probe.addArray<Label>(QStringLiteral("Label9"));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, empty.load(1));
    QCOMPARE(empty.count(), 0);
}

void ScreensTest::endProgramDiscardsEveryScreen() {
    Screens& screens = m_program->screens;
    screens.show(QStringLiteral("probe"));
    screens.show(QStringLiteral("other"));
    screens.endProgram();
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(screens.loadedNames().isEmpty());
    screens.endProgram();
    QCOMPARE(m_program->programEnds, 1);
}

void ScreensTest::copiesTakeTheLookOfElementZero() {
    auto& probe = m_program->screens.load<ProbeScreen>(QStringLiteral("probe"));
    Label& copy = probe.tabs.load(3);
    QCOMPARE(copy.look(), probe.tabs[0].look());
    QCOMPARE(copy.caption(), QStringLiteral("Menu 1"));
    QCOMPARE(copy.rect(), probe.tabs[0].rect());
    QCOMPARE(copy.index(), 3);
    QVERIFY(!copy.isVisible());
    // Loading an element that exists gives it back unchanged.
    copy.setCaption(QStringLiteral("Menu 4"));
    QCOMPARE(probe.tabs.load(3).caption(), QStringLiteral("Menu 4"));
    QCOMPARE((std::vector<int>{0, 3}), probe.tabs.indices());
}

void ScreensTest::lookupTreatsArraysAsAbsent() {
    auto& probe = m_program->screens.load<ProbeScreen>(QStringLiteral("probe"));
    QVERIFY(probe.find<Label>(QStringLiteral("Label2")) == nullptr);
    QVERIFY(probe.array<Label>(QStringLiteral("Label2")) == &probe.tabs);
    QCOMPARE(probe.find<Label>(QStringLiteral("Label1")), &probe.lone);
    // Found wherever it sits, inside a panel too; the wrong kind is not found.
    QCOMPARE(probe.find<Label>(QStringLiteral("cmdexit")), &probe.inPanel);
    QVERIFY(probe.find<PictureBox>(QStringLiteral("cmdexit")) == nullptr);
}

void ScreensTest::panelChildrenHideWithThePanel() {
    auto& probe = m_program->screens.show<ProbeScreen>(QStringLiteral("probe"));
    QVERIFY(probe.inPanel.widget()->isVisible());
    probe.panel.setVisible(false);
    QVERIFY(!probe.inPanel.widget()->isVisible());
    QVERIFY(probe.inPanel.isVisible());  // its own flag is untouched
    // Children are placed in the panel's coordinates.
    QCOMPARE(probe.inPanel.widget()->parentWidget(), probe.panel.widget());
    QCOMPARE(probe.inPanel.widget()->pos(), QPoint(4, 4));
}

void ScreensTest::buttonHolderGetsMovesAndReleaseOutside() {
    auto& probe = m_program->screens.show<ProbeScreen>(QStringLiteral("probe"));
    Mouse mouse(probe);
    const QPoint start = Mouse::centreOf(probe.tabs[0]);
    mouse.press(start);
    mouse.move(QPoint(500, 380));  // over the screen's background, far from the tab
    mouse.move(QPoint(-40, -30));  // outside the window altogether
    mouse.release(QPoint(-40, -30));
    QCOMPARE(probe.moves.size(), size_t(2));
    QCOMPARE(probe.moves[0].first, 0);
    QCOMPARE(probe.moves[0].second.button, int(kLeftButton));
    const QPoint tabOrigin = probe.tabs[0].widget()->pos();
    QCOMPARE(probe.moves[1].second.x, toTwips(-40 - tabOrigin.x()));
    QCOMPARE(probe.moves[1].second.y, toTwips(-30 - tabOrigin.y()));
    QCOMPARE(probe.releases, std::vector<int>{0});
    QVERIFY(probe.clicks.empty());  // released outside: not a click
}

void ScreensTest::onlyLeftPressAndReleaseInsideIsAClick() {
    auto& probe = m_program->screens.show<ProbeScreen>(QStringLiteral("probe"));
    Mouse mouse(probe);
    const QPoint at = Mouse::centreOf(probe.tabs[0]);
    mouse.click(at, Qt::RightButton);
    QVERIFY(probe.clicks.empty());
    mouse.click(at);
    QCOMPARE(probe.clicks, std::vector<int>{0});
    // Moving with both buttons held reports both.
    mouse.press(at);
    mouse.press(at, Qt::RightButton);
    mouse.move(at + QPoint(1, 0));
    QCOMPARE(probe.moves.back().second.button, int(kLeftButton | kRightButton));
    mouse.release(at, Qt::RightButton);
    mouse.release(at);
}

void ScreensTest::autoSizeKeepsLeftAndTopAndFollowsText() {
    auto& probe = m_program->screens.load<ProbeScreen>(QStringLiteral("probe"));
    Label& label = probe.lone;
    label.setLook({.font = tahoma(21.75f, true), .autoSize = true});
    label.setCaption(QStringLiteral("Carbon dioxide"));
    QCOMPARE(label.left(), 600.0f);
    QCOMPARE(label.top(), 600.0f);
    // Wide enough for the whole name on one line, which is more than its advances add up to.
    const QString cut = testing_support::captionCut(label);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    const float wide = label.width();
    label.setCaption(QStringLiteral("CO"));
    QVERIFY(label.width() < wide / 3);
    label.setCaption(QString());
    QCOMPARE(label.width(), 0.0f);
}

void ScreensTest::outerSizeMapsToClientArea() {
    auto& probe = m_program->screens.show<ProbeScreen>(QStringLiteral("probe"));
    probe.setWidth(12000);
    probe.setHeight(9000);
    QCOMPARE(probe.clientWidth(), 12000 - kDecorationWidth);
    QCOMPARE(probe.window()->size(), QSize(794, 568));
    probe.setClientSize(5460, 6570);
    QCOMPARE(probe.width(), 5460 + kDecorationWidth);
    QCOMPARE(probe.window()->size(), QSize(364, 438));
}

void ScreensTest::timerStopsWithItsScreen() {
    auto& platform = m_program->platform;
    int ticks = 0;
    {
        Timer timer(platform);
        timer.onTimer = [&] { ++ticks; };
        timer.setInterval(5000);
        timer.setEnabled(true);
        platform.advance(4999);
        QCOMPARE(ticks, 0);
        platform.advance(1);
        QCOMPARE(ticks, 1);
        platform.advance(10000);
        QCOMPARE(ticks, 3);
        timer.setEnabled(false);
        platform.advance(10000);
        QCOMPARE(ticks, 3);
        QCOMPARE(platform.liveTimers(), 1);
    }
    QCOMPARE(platform.liveTimers(), 0);
}

namespace {

bool hasSurface(const Screen& screen) {
    const QBackingStore* store = screen.window()->backingStore();
    return store && store->size() == screen.window()->size();
}

void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

}  // namespace

// A screen opened over another that it hides all of (an activity over its menu) leaves that one
// no surface; the one beneath has it back, drawn whole, as soon as any of it shows again.
void ScreensTest::screenWhollyBehindAnotherKeepsNoSurface() {
    Screens& screens = m_program->screens;
    Screen& below = screens.show(QStringLiteral("probe"));
    settle();
    QVERIFY(hasSurface(below));

    Screen& above = screens.show(QStringLiteral("other"));
    settle();
    QVERIFY(hasSurface(above));
    QVERIFY(!hasSurface(below));

    screens.unload(QStringLiteral("other"));
    settle();
    QVERIFY(below.isVisible());
    QVERIFY(hasSurface(below));
    QVERIFY(!below.hasLetSurfaceGo());

    // Hidden rather than unloaded, the one above uncovers it all the same.
    screens.show(QStringLiteral("other"));
    settle();
    QVERIFY(!hasSurface(below));
    screens.loaded(QStringLiteral("other"))->hide();
    settle();
    QVERIFY(hasSurface(below));
    screens.unload(QStringLiteral("other"));
    settle();

    // A smaller screen on top hides only part of it.
    screens.load(QStringLiteral("other")).setClientSize(3000, 2000);
    screens.show(QStringLiteral("other"));
    settle();
    QVERIFY(hasSurface(below));
}

// Paper numbers a board's boxes and the keyboard and a screen reader walk them in this one order:
// a box set a little lower than its neighbour is read beside it, not after the whole row.
void ScreensTest::readingOrderKeepsABoxSetLowerInItsRow_data() {
    QTest::addColumn<std::vector<TwipRect>>("places");
    QTest::addColumn<std::vector<std::size_t>>("order");
    QTest::newRow("two rows") << std::vector<TwipRect>{{3000, 1000, 900, 400}, {100, 1000, 900, 400},
                                                       {100, 100, 900, 400}}
                              << std::vector<std::size_t>{2, 1, 0};
    QTest::newRow("a third of a box lower") << std::vector<TwipRect>{{100, 230, 900, 400},
                                                                     {2000, 100, 900, 400},
                                                                     {3000, 220, 900, 400}}
                                            << std::vector<std::size_t>{0, 1, 2};
    QTest::newRow("more than half a box lower is the next row")
        << std::vector<TwipRect>{{100, 310, 900, 400}, {2000, 100, 900, 400}}
        << std::vector<std::size_t>{1, 0};
}

void ScreensTest::readingOrderKeepsABoxSetLowerInItsRow() {
    QFETCH(std::vector<TwipRect>, places);
    QFETCH(std::vector<std::size_t>, order);
    QCOMPARE(readingOrder(places), order);
}

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
