// Tap-to-place on every labelling board: a tap picks a label up, the next press puts it down
// exactly where the same drag would have, and a drag never leaves one picked.
#include <QApplication>
#include <QtTest>
#include <vector>

#include "Boards.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Scale.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "kit/labelling/SnapRules.h"
#include "program/Activities.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

// A board of two pages, to see a page change drop a pick.
constexpr labelling::BoardItem kPagedItems[] = {
    {"iron", {240, 1800, 2460, 375}, 240, 6000},
    {"copper", {240, 2400, 2460, 375}, 3000, 6000},
};
constexpr const char* kFirstTexts[] = {"iron", "copper"};
constexpr const char* kSecondTexts[] = {"gold", "zinc"};
constexpr labelling::BoardPage kPages[] = {{"Metals", kFirstTexts}, {"More metals", kSecondTexts}};
const labelling::BoardDesign kPagedBoard{
    .items = kPagedItems,
    .font = tahoma(11.25f, true),
    .scoreSuffix = " right",
    .pages = kPages,
    .pageQuestion = {240, 1000, 6000, 500},
};

class PagedBoard : public LabellingBoard {
  public:
    explicit PagedBoard(Screens& screens)
        : LabellingBoard(screens, {QStringLiteral("paged"), QStringLiteral("Paged")}, kPagedBoard) {
    }
};

}  // namespace

class TapToPlaceTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->addShellPictures();
    }
    void cleanup() { m_program.reset(); }

    void tapPlacesAsTheDragWould_data();
    void tapPlacesAsTheDragWould();
    void answerKeyPlacedByTapsAlone_data();
    void answerKeyPlacedByTapsAlone();
    void tapPicksAndShowsIt();
    void tapOnAnotherLabelPicksThatOne();
    void dragNeverLeavesAPick();
    void rightClicksWaitAndStartAgainDropsThePick();
    void pageChangeDropsThePick();

  private:
    LabellingBoard& show(const QString& screen) {
        m_board = &m_program->screens.show<LabellingBoard>(screen);
        m_mouse = std::make_unique<Mouse>(*m_board);
        return *m_board;
    }
    Label& name(int i) const { return (*m_board->array<Label>(QStringLiteral("Label2")))[i]; }
    Label& target(int k) const { return (*m_board->array<Label>(QStringLiteral("Label1")))[k]; }
    Label& home(int k) const { return (*m_board->array<Label>(QStringLiteral("Label4")))[k]; }
    Label& button(int k) const { return (*m_board->array<Label>(QStringLiteral("Label3")))[k]; }
    bool checkScoreShown() const { return button(LabellingBoard::kCheckScore).isVisible(); }
    void tap(QPoint at) { m_mouse->click(at); }
    // A point where label i, dropped with its centre there, is caught by no box, and where a
    // press lands on the board itself rather than on a label or a button.
    std::optional<QPoint> openGround(int i) const;

    std::unique_ptr<TestProgram> m_program;
    LabellingBoard* m_board = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

std::optional<QPoint> TapToPlaceTest::openGround(int i) const {
    std::vector<TwipRect> boxes;
    for (int k = 0; k < m_board->count(); ++k) {
        boxes.push_back(target(k).rect());
        boxes.push_back(home(k).rect());
    }
    const QSize client = m_board->window()->size();
    const Label& label = name(i);
    for (int y = 20; y < client.height() - 20; y += 10) {
        for (int x = 20; x < client.width() - 20; x += 10) {
            const labelling::TwipPoint corner{toTwips(x) - label.width() / 2,
                                              toTwips(y) - label.height() / 2};
            if (labelling::settle(corner, boxes) != corner) continue;
            const Control* under = m_board->controlAt({x, y});
            if (under && (under->name() == QLatin1String("Label2") ||
                          under->name() == QLatin1String("Label3") ||
                          dynamic_cast<const CommandButton*>(under)))
                continue;
            return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void TapToPlaceTest::tapPlacesAsTheDragWould_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("place");
    for (const QString& screen : testing_support::boardScreens())
        for (const char* place : {"target box", "home box", "nowhere"})
            QTest::newRow(qPrintable(screen + QLatin1Char(' ') + QLatin1String(place)))
                << screen << QString::fromLatin1(place);
}

// Every label of the board, taken once by a drag and once by two taps to the same point: a few
// pixels off another item's target box, off another label's home box (moved out of the way), or
// on open ground. Same resting place, same Check Score button.
void TapToPlaceTest::tapPlacesAsTheDragWould() {
    QFETCH(QString, screen);
    QFETCH(QString, place);
    LabellingBoard& board = show(screen);
    const int count = board.count();
    const QPoint nudge(3, 2);
    for (int i = 0; i < count; ++i) {
        const int other = (i + 1) % count;
        const auto prepare = [&]() -> std::optional<QPoint> {
            tap(Mouse::centreOf(button(LabellingBoard::kStartAgain)));
            if (place == QLatin1String("target box")) return Mouse::centreOf(target(other)) + nudge;
            if (place == QLatin1String("home box")) {
                m_mouse->drag(Mouse::centreOf(name(other)), Mouse::centreOf(target(other)));
                return Mouse::centreOf(home(other)) + nudge;
            }
            return openGround(i);
        };
        const auto destination = prepare();
        QVERIFY2(destination, "no open ground on the board");
        m_mouse->drag(Mouse::centreOf(name(i)), *destination);
        const TwipRect dragged = name(i).rect();
        const bool shownAfterDrag = checkScoreShown();
        QCOMPARE(board.picked(), -1);
        // The rows test what they say: the drag snapped there, or stayed unsnapped.
        if (place == QLatin1String("target box")) {
            QCOMPARE(dragged.left, target(other).left());
            QCOMPARE(dragged.top, target(other).top());
        } else if (place == QLatin1String("home box")) {
            QCOMPARE(dragged.left, home(other).left());
            QCOMPARE(dragged.top, home(other).top());
        } else {
            QCOMPARE(dragged.left, toTwips(destination->x()) - dragged.width / 2);
        }

        QVERIFY(prepare() == destination);
        tap(Mouse::centreOf(name(i)));
        QCOMPARE(board.picked(), i);
        tap(*destination);
        QCOMPARE(board.picked(), -1);
        QCOMPARE(name(i).rect(), dragged);
        QCOMPARE(checkScoreShown(), shownAfterDrag);
    }
}

void TapToPlaceTest::answerKeyPlacedByTapsAlone_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<double>("factor");
    // Design size, and projector mode on 1920 x 1080 and 3840 x 2160, where a pixel is fewer twips.
    for (const QString& screen : testing_support::boardScreens())
        for (double factor : {1.0, 1.8, 3.6})
            QTest::newRow(qPrintable(QStringLiteral("%1 at %2").arg(screen).arg(factor)))
                << screen << factor;
}

// The whole board worked with a pen that cannot drag: every label by two taps, then scored.
void TapToPlaceTest::answerKeyPlacedByTapsAlone() {
    QFETCH(QString, screen);
    QFETCH(double, factor);
    m_program->screens.setScale(Scale(factor));
    LabellingBoard& board = show(screen);
    const auto& design = board.design();
    for (int page = 0; page < board.pageCount(); ++page) {
        for (int i = 0; i < board.count(); ++i) {
            QVERIFY(!checkScoreShown());
            tap(Mouse::centreOf(name(i)));
            tap(Mouse::centreOf(target(i)));
            QCOMPARE(name(i).rect(), target(i).rect());
        }
        QVERIFY(checkScoreShown());
        QCOMPARE(board.score(), board.count());
        tap(Mouse::centreOf(button(LabellingBoard::kCheckScore)));
        QCOMPARE(board.find<Label>(QString::fromLatin1(design.message.name))->caption(),
                 LabellingBoard::scoreMessage(board.count(), board.count(),
                                              QString::fromUtf8(design.scoreSuffix)));
        if (board.pageCount() > 1)
            tap(Mouse::centreOf(*board.find<CommandButton>(QStringLiteral("cmdgo"))));
    }
}

void TapToPlaceTest::tapPicksAndShowsIt() {
    show(QStringLiteral("equipment"));
    QCoreApplication::processEvents();
    const QImage before = name(0).widget()->grab().toImage();
    const TwipRect home0 = name(0).rect();

    tap(Mouse::centreOf(name(0)));
    QCOMPARE(m_board->picked(), 0);
    QVERIFY(name(0).isHighlighted());
    const QImage picked = name(0).widget()->grab().toImage();
    // A thick bright frame on every edge; the caption between is as it was.
    const QRgb cyan = qRgb(0, 255, 255);
    for (int d = 0; d < 3; ++d) {
        QCOMPARE(picked.pixel(d, picked.height() / 2), cyan);
        QCOMPARE(picked.pixel(picked.width() - 1 - d, picked.height() / 2), cyan);
        QCOMPARE(picked.pixel(picked.width() / 2, d), cyan);
        QCOMPARE(picked.pixel(picked.width() / 2, picked.height() - 1 - d), cyan);
    }
    QCOMPARE(picked.copy(picked.rect().adjusted(3, 3, -3, -3)),
             before.copy(before.rect().adjusted(3, 3, -3, -3)));

    // Tapped again, it goes down where it lies and looks exactly as before it was picked.
    tap(Mouse::centreOf(name(0)));
    QCOMPARE(m_board->picked(), -1);
    QCOMPARE(name(0).rect(), home0);
    QCOMPARE(name(0).widget()->grab().toImage(), before);
}

// The other label becomes the picked one; the first stays where it lies.
void TapToPlaceTest::tapOnAnotherLabelPicksThatOne() {
    show(QStringLiteral("equipment"));
    tap(Mouse::centreOf(name(0)));
    const TwipRect first = name(0).rect();
    tap(Mouse::centreOf(name(1)));
    QCOMPARE(m_board->picked(), 1);
    QVERIFY(!name(0).isHighlighted());
    QVERIFY(name(1).isHighlighted());
    QCOMPARE(name(0).rect(), first);
    tap(Mouse::centreOf(target(4)));
    QCOMPARE(name(1).left(), target(4).left());
    QCOMPARE(name(0).rect(), first);
}

void TapToPlaceTest::dragNeverLeavesAPick() {
    show(QStringLiteral("equipment"));
    const int distance = QApplication::startDragDistance();

    // The picked label dragged away.
    tap(Mouse::centreOf(name(0)));
    m_mouse->drag(Mouse::centreOf(name(0)), Mouse::centreOf(target(0)));
    QCOMPARE(m_board->picked(), -1);
    QVERIFY(!name(0).isHighlighted());

    // Another label dragged while one is picked: the picked one stays put and is let go.
    tap(Mouse::centreOf(name(1)));
    const TwipRect one = name(1).rect();
    m_mouse->drag(Mouse::centreOf(name(2)), Mouse::centreOf(target(2)));
    QCOMPARE(m_board->picked(), -1);
    QVERIFY(!name(1).isHighlighted());
    QCOMPARE(name(1).rect(), one);

    // Out and back to where it started is a drag all the same.
    const QPoint start = Mouse::centreOf(name(3));
    m_mouse->press(start);
    m_mouse->move(start + QPoint(4 * distance, 0));
    m_mouse->move(start);
    m_mouse->release(start);
    QCOMPARE(m_board->picked(), -1);

    // A wobble short of the drag distance is still a tap (the label's centre jumps to the
    // pointer, as on any move, and the drop rule sends it back to its box).
    const TwipRect homeRect = name(4).rect();
    const QPoint centre = Mouse::centreOf(name(4));
    m_mouse->press(centre);
    m_mouse->move(centre + QPoint(distance - 2, 1));
    m_mouse->release(centre + QPoint(distance - 2, 1));
    QCOMPARE(m_board->picked(), 4);
    QCOMPARE(name(4).rect(), homeRect);
    const QPoint far = centre + QPoint(distance - 2, 1);
    m_mouse->press(far);
    m_mouse->move(far + QPoint(0, distance));
    m_mouse->release(far + QPoint(0, distance));
    QCOMPARE(m_board->picked(), -1);
}

void TapToPlaceTest::rightClicksWaitAndStartAgainDropsThePick() {
    show(QStringLiteral("equipment"));
    tap(Mouse::centreOf(name(5)));
    const TwipRect picked = name(5).rect();
    // The right button keeps its own meaning; the label waits.
    m_mouse->click({733, 67}, Qt::RightButton);
    m_mouse->click(Mouse::centreOf(target(0)), Qt::RightButton);
    QCOMPARE(m_board->picked(), 5);
    QCOMPARE(name(5).rect(), picked);

    // Start Again sends everything home and drops the pick.
    m_mouse->drag(Mouse::centreOf(name(6)), Mouse::centreOf(target(6)));
    tap(Mouse::centreOf(name(5)));
    QCOMPARE(m_board->picked(), 5);
    tap(Mouse::centreOf(button(LabellingBoard::kStartAgain)));
    QCOMPARE(m_board->picked(), -1);
    QVERIFY(!name(5).isHighlighted());
    QCOMPARE(name(5).rect(), home(5).rect());
    QCOMPARE(name(6).rect(), home(6).rect());
    // Open ground next is just open ground: nothing was waiting to go there.
    tap({733, 67});
    QCOMPARE(name(5).rect(), home(5).rect());
}

void TapToPlaceTest::pageChangeDropsThePick() {
    m_program->screens.define(QStringLiteral("paged"),
                              [](Screens& s) { return std::make_unique<PagedBoard>(s); });
    LabellingBoard& board = show(QStringLiteral("paged"));
    tap(Mouse::centreOf(name(1)));
    QCOMPARE(board.picked(), 1);
    tap(Mouse::centreOf(*board.find<CommandButton>(QStringLiteral("cmdgo"))));
    QCOMPARE(board.page(), 1);
    QCOMPARE(board.picked(), -1);
    QVERIFY(!name(1).isHighlighted());
    QCOMPARE(name(1).caption(), QStringLiteral("zinc"));
}

QTEST_MAIN(TapToPlaceTest)
#include "tst_taptoplace.moc"
