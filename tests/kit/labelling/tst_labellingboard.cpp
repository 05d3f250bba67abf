// The labelling board driven by real pointer events: drag, drop, completeness, score, hover, exit.
#include <QPaintEvent>
#include <QtTest>

#include "Mouse.h"
#include "PaintSpy.h"
#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::PaintSpy;
using testing_support::TestProgram;

namespace {

// The smallest sorting board: two groups of two, scored into a label of its own.
constexpr labelling::BoardItem kSortItems[] = {
    {"iron", {240, 240, 2460, 375}, 240, 6000},
    {"copper", {240, 840, 2460, 375}, 3000, 6000},
    {"oxygen", {6000, 240, 2460, 375}, 6000, 6000},
    {"carbon", {6000, 840, 2460, 375}, 240, 6600},
};
constexpr int kSortGroups[] = {0, 0, 1, 1};

const labelling::BoardDesign kSortBoard{
    .items = kSortItems,
    .font = tahoma(11.25f, true),
    .scoreSuffix = " right",
    .groups = kSortGroups,
    .message = {"Label5", {240, 7200, 7000, 500}, {.font = tahoma(12)}, "", true},
    .houseButtons = false,
};

class SortingBoard : public LabellingBoard {
  public:
    explicit SortingBoard(Screens& screens)
        : LabellingBoard(screens, {QStringLiteral("sorting"), QStringLiteral("Sorting")},
                         kSortBoard) {}
};

}  // namespace

class LabellingBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void centreFollowsThePointerWithLeftAlone();
    void otherButtonStatesDoNotDragButStillDrop();
    void labelHeldKeepsMovesAndReleaseOutsideTheWindow();
    void stackingStaysAsLoaded();
    void checkScoreWaitsForAllAndThenStays();
    void startAgainSendsEveryLabelHome();
    void hoverFillsUntilTheBackgroundIsCrossed();
    void exitUnloadsAndReopeningStartsFresh();
    void draggingRepaintsOnlyWhereTheLabelWas();
    void sortingBoardAcceptsAnyBoxOfTheGroup();
    void sortingBoardTapOnATakenBoxSendsTheOtherHome();
    void sortingBoxEarnsOneMarkHoweverManyLabelsItHolds();

  private:
    Label& name(int i) const { return (*m_screen->array<Label>(QStringLiteral("Label2")))[i]; }
    Label& target(int i) const { return (*m_screen->array<Label>(QStringLiteral("Label1")))[i]; }
    Label& button(int k) const { return (*m_screen->array<Label>(QStringLiteral("Label3")))[k]; }
    Label& message() const { return *m_screen->find<Label>(QStringLiteral("Label5")); }
    void dropOnTarget(int label, int box) {
        m_mouse->drag(Mouse::centreOf(name(label)), Mouse::centreOf(target(box)));
    }
    void clickButton(int k) { m_mouse->click(Mouse::centreOf(button(k))); }
    SortingBoard& showSortingBoard() {
        m_program->screens.define(QStringLiteral("sorting"),
                                  [](Screens& s) { return std::make_unique<SortingBoard>(s); });
        return m_program->screens.show<SortingBoard>(QStringLiteral("sorting"));
    }
    void placeAll() {
        for (int i = 0; i < 10; ++i) dropOnTarget(i, i);
    }

    std::unique_ptr<TestProgram> m_program;
    Screen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

// Far from every target box and home box of the apparatus board (over a picture).
constexpr QPoint kOpenGround{300, 212};
// The screen's own background, beside the thermometer picture.
constexpr QPoint kBackground{733, 67};
const TwipRect kFunnelHome{8760, 2760, 2460, 375};

void LabellingBoardTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_screen = &m_program->screens.show(QStringLiteral("equipment"));
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void LabellingBoardTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void LabellingBoardTest::centreFollowsThePointerWithLeftAlone() {
    const QPoint start = Mouse::centreOf(name(0));
    m_mouse->press(start);
    for (int step = 1; step <= 9; ++step) {
        const QPoint pointer = start + QPoint(-40 * step, step);
        m_mouse->move(pointer);
        // Centred on the pointer after every move, without creeping a pixel either way.
        QCOMPARE(name(0).left(), 15.f * pointer.x() - 1230);
        QCOMPARE(name(0).top(), 15.f * pointer.y() - 187.5f);
    }
    m_mouse->move(kOpenGround);
    m_mouse->release(kOpenGround);
    QCOMPARE(name(0).rect(), (TwipRect{3270, 2992.5f, 2460, 375}));
}

void LabellingBoardTest::otherButtonStatesDoNotDragButStillDrop() {
    const QPoint centre = Mouse::centreOf(name(0));
    m_mouse->drag(centre, kOpenGround, 4, Qt::RightButton);
    QCOMPARE(name(0).rect(), kFunnelHome);

    m_mouse->press(centre);
    m_mouse->press(centre, Qt::RightButton);
    m_mouse->move(kOpenGround);
    QCOMPARE(name(0).rect(), kFunnelHome);
    m_mouse->release(kOpenGround, Qt::RightButton);
    m_mouse->release(kOpenGround);
    QCOMPARE(name(0).rect(), kFunnelHome);

    // Releasing the right button runs the drop: a label near a box snaps onto it.
    name(0).move(target(3).left() + 100, target(3).top() - 150);
    m_mouse->click(Mouse::centreOf(name(0)), Qt::RightButton);
    QCOMPARE(name(0).left(), target(3).left());
    QCOMPARE(name(0).top(), target(3).top());
}

void LabellingBoardTest::labelHeldKeepsMovesAndReleaseOutsideTheWindow() {
    // The way out crosses a picture and the other name labels; none of them takes the drag.
    const QPoint outside{-100, -50};
    m_mouse->drag(Mouse::centreOf(name(0)), outside, 12);
    QCOMPARE(name(0).left(), -100 * 15 - 1230.f);
    QCOMPARE(name(0).top(), -50 * 15 - 187.5f);
    for (int i = 1; i < 10; ++i) QCOMPARE(name(i).left(), 8760.f);
    QVERIFY(!name(0).widget()->geometry().intersects(m_screen->window()->rect()));
    QVERIFY(!button(LabellingBoard::kCheckScore).isVisible());

    clickButton(LabellingBoard::kStartAgain);
    QCOMPARE(name(0).rect(), kFunnelHome);
}

void LabellingBoardTest::stackingStaysAsLoaded() {
    const QObjectList loaded = m_screen->window()->children();
    const qsizetype lowestName = loaded.indexOf(name(0).widget());
    for (int i = 0; i < 10; ++i) QVERIFY(loaded.indexOf(name(i).widget()) >= lowestName);
    // Every name label is above every target box, home box, picture, text and button.
    QCOMPARE(lowestName, loaded.size() - 10);

    m_mouse->drag(Mouse::centreOf(name(4)), Mouse::centreOf(target(5)) - QPoint(0, 60));
    dropOnTarget(2, 2);
    QCOMPARE(m_screen->window()->children(), loaded);
}

void LabellingBoardTest::checkScoreWaitsForAllAndThenStays() {
    for (int i = 0; i < 9; ++i) dropOnTarget(i, i);
    m_mouse->drag(Mouse::centreOf(name(9)), kOpenGround);
    QVERIFY(!button(LabellingBoard::kCheckScore).isVisible());
    dropOnTarget(9, 9);
    QVERIFY(button(LabellingBoard::kCheckScore).isVisible());

    m_mouse->drag(Mouse::centreOf(name(3)), kOpenGround);
    QVERIFY(button(LabellingBoard::kCheckScore).isVisible());
    clickButton(LabellingBoard::kCheckScore);
    QCOMPARE(message().caption(), QStringLiteral(" 9 out of 10 correct"));
    // Still movable; a second click scores the positions as they are now.
    dropOnTarget(3, 3);
    clickButton(LabellingBoard::kCheckScore);
    QCOMPARE(message().caption(), QStringLiteral(" 10 out of 10 correct"));
}

void LabellingBoardTest::startAgainSendsEveryLabelHome() {
    placeAll();
    m_mouse->drag(Mouse::centreOf(name(6)), {-200, 700});
    clickButton(LabellingBoard::kCheckScore);
    clickButton(LabellingBoard::kStartAgain);
    auto& homes = *m_screen->array<Label>(QStringLiteral("Label4"));
    for (int i = 0; i < 10; ++i) QCOMPARE(name(i).rect(), homes[i].rect());
    QVERIFY(!button(LabellingBoard::kCheckScore).isVisible());
    QCOMPARE(message().caption(), QStringLiteral("Label these pieces of laboratory apparatus"));
}

void LabellingBoardTest::hoverFillsUntilTheBackgroundIsCrossed() {
    auto opaque = [this] {
        return QList<bool>{button(0).isOpaque(), button(1).isOpaque(), button(2).isOpaque()};
    };
    QCOMPARE(opaque(), (QList<bool>{true, true, true}));
    m_mouse->move(Mouse::centreOf(button(1)));
    m_mouse->move(Mouse::centreOf(target(0)));
    QCOMPARE(opaque(), (QList<bool>{true, true, true}));
    m_mouse->move(kBackground);
    QCOMPARE(opaque(), (QList<bool>{false, false, false}));
    m_mouse->move(Mouse::centreOf(button(0)));
    QCOMPARE(opaque(), (QList<bool>{true, false, false}));
    // Off the button onto a picture or a label: it stays filled.
    m_mouse->move(Mouse::centreOf(*m_screen->array<Label>(QStringLiteral("Label4"))->at(9)));
    m_mouse->move(Mouse::centreOf(name(6)));
    QCOMPARE(opaque(), (QList<bool>{true, false, false}));
}

void LabellingBoardTest::exitUnloadsAndReopeningStartsFresh() {
    // Something else on view, or the exit would rightly end the program.
    m_program->screens.show(QStringLiteral("Grey"));
    placeAll();
    clickButton(LabellingBoard::kCheckScore);
    clickButton(LabellingBoard::kExit);
    QVERIFY(!m_program->screens.isLoaded(QStringLiteral("equipment")));
    QCOMPARE(m_program->programEnds, 0);
    m_program->screens.collectUnloaded();

    m_screen = &m_program->screens.show(QStringLiteral("equipment"));
    QCOMPARE(name(0).rect(), kFunnelHome);
    QCOMPARE(name(0).caption(), QStringLiteral("Funnel"));
    QVERIFY(!button(LabellingBoard::kCheckScore).isVisible());
    QCOMPARE(message().caption(), QStringLiteral("Label these pieces of laboratory apparatus"));
}

void LabellingBoardTest::draggingRepaintsOnlyWhereTheLabelWas() {
    QCoreApplication::processEvents();
    PaintSpy spy(m_screen->window());
    QPoint pointer = Mouse::centreOf(name(5));
    m_mouse->press(pointer);
    // Across the pictures at full rate, a few pixels a move.
    for (int step = 0; step < 40; ++step) {
        const QRect before = name(5).widget()->geometry();
        pointer += QPoint(-13, step % 2 ? -3 : -4);
        m_mouse->move(pointer);
        spy.painted = QRegion();
        QCoreApplication::processEvents();
        QVERIFY(!spy.painted.isEmpty());
        const QRegion moved = QRegion(before) + name(5).widget()->geometry();
        QCOMPARE(spy.painted - moved, QRegion());
    }
    m_mouse->release(pointer);
}

void LabellingBoardTest::sortingBoardAcceptsAnyBoxOfTheGroup() {
    auto& board = showSortingBoard();
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    auto& targets = *board.array<Label>(QStringLiteral("Label1"));
    Mouse mouse(board);
    // Iron and oxygen on the other box of their own group; copper and carbon swap columns.
    const int boxOf[] = {1, 2, 3, 0};
    for (int i = 0; i < 4; ++i)
        mouse.drag(Mouse::centreOf(names[i]), Mouse::centreOf(targets[boxOf[i]]));
    QVERIFY(
        board.array<Label>(QStringLiteral("Label3"))->at(LabellingBoard::kCheckScore)->isVisible());
    mouse.click(Mouse::centreOf((*board.array<Label>(QStringLiteral("Label3")))[2]));
    QCOMPARE(board.find<Label>(QStringLiteral("Label5"))->caption(),
             QStringLiteral(" 2 out of 4 right"));
}

void LabellingBoardTest::sortingBoardTapOnATakenBoxSendsTheOtherHome() {
    auto& board = showSortingBoard();
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    auto& targets = *board.array<Label>(QStringLiteral("Label1"));
    auto& homes = *board.array<Label>(QStringLiteral("Label4"));
    Mouse mouse(board);
    mouse.drag(Mouse::centreOf(names[0]), Mouse::centreOf(targets[0]));
    // Copper picked up by a tap and put down by a tap just below iron, in the same box's reach.
    mouse.click(Mouse::centreOf(names[1]));
    QCOMPARE(board.picked(), 1);
    const QRect iron = names[0].widget()->geometry();
    mouse.click(QPoint(iron.center().x(), iron.bottom() + 4));
    QCOMPARE(board.picked(), -1);
    QCOMPARE(names[1].rect(), targets[0].rect());
    QCOMPARE(names[0].rect(), homes[0].rect());
    QCOMPARE(board.score(), 1);
}

void LabellingBoardTest::sortingBoxEarnsOneMarkHoweverManyLabelsItHolds() {
    auto& board = showSortingBoard();
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    auto& targets = *board.array<Label>(QStringLiteral("Label1"));
    // No drop leaves two labels on one box any more; set so by hand, both metals on one metal
    // box still earn it one mark, and the other metal box none.
    names[0].move(targets[0].left(), targets[0].top());
    names[1].move(targets[0].left(), targets[0].top());
    QCOMPARE(board.score(), 1);
}

QTEST_MAIN(LabellingBoardTest)
#include "tst_labellingboard.moc"
