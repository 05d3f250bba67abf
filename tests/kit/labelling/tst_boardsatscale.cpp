// Every labelling board played through the same pointer path, given in twips, at design size and
// in projector mode: the labels come to rest in the same twips and score the same.
#include <QtTest>
#include <vector>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Label.h"
#include "forms/Scale.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "program/Activities.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

struct Played {
    std::vector<QPointF> placements;  // each name label's corner, twips
    int score = 0;
    QString message;
    bool checkShown = false;
};

QPointF centre(const Control& control) {
    return {control.left() + control.width() / 2, control.top() + control.height() / 2};
}

// Each name label picked up by its centre and dropped on the centre of a box: its own for most,
// every third swapped with the next, so that the score is not simply full marks and every box
// ends with a label. Positions in the
// client area's twips, sent as the pixels of the factor.
Played play(const QString& screen, double factor) {
    TestProgram program;
    program.addProgramPictures();
    program.screens.setScale(Scale(factor));
    auto& board = program.screens.show<LabellingBoard>(screen);
    const Scale& scale = board.scale();
    const auto pixel = [&scale](QPointF twips) {
        return QPoint(scale.toPixels(float(twips.x())), scale.toPixels(float(twips.y())));
    };
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    auto& boxes = *board.array<Label>(QStringLiteral("Label1"));
    const int count = board.count();
    Mouse mouse(board);
    for (int i = 0; i < count; ++i) {
        const bool swapsForward = i % 3 == 2 && i + 1 < count;
        const bool swapsBack = i % 3 == 0 && i > 0;
        const int box = swapsForward ? i + 1 : swapsBack ? i - 1 : i;
        const QPointF from = centre(names[i]);
        // Off the box's centre by a little, as a hand drops it.
        const QPointF to = centre(boxes[box]) + QPointF(37.5, -22.5);
        mouse.press(pixel(from));
        for (int step = 1; step <= 12; ++step) mouse.move(pixel(from + (to - from) * step / 12.0));
        mouse.release(pixel(to));
    }
    Played played;
    for (int i = 0; i < count; ++i) played.placements.emplace_back(names[i].left(), names[i].top());
    played.score = board.score();
    auto& buttons = *board.array<Label>(QStringLiteral("Label3"));
    played.checkShown = buttons[LabellingBoard::kCheckScore].isVisible();
    if (played.checkShown) {
        mouse.click(pixel(centre(buttons[LabellingBoard::kCheckScore])));
        played.message =
            board.find<Label>(QString::fromLatin1(board.design().message.name))->caption();
    }
    return played;
}

}  // namespace

class BoardsAtScaleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void samePlacementsAndScore_data();
    void samePlacementsAndScore();
};

void BoardsAtScaleTest::samePlacementsAndScore_data() {
    QTest::addColumn<QString>("screen");
    TestProgram program;
    program.addShellPictures();
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        if (dynamic_cast<LabellingBoard*>(&program.screens.load(name)))
            QTest::newRow(activity.screen) << name;
    }
}

void BoardsAtScaleTest::samePlacementsAndScore() {
    QFETCH(QString, screen);
    const Played design = play(screen, 1.0);
    // The path does what it says at design size: every label on a box, the score counted.
    QVERIFY(design.checkShown);
    QVERIFY(design.score > 0);
    QVERIFY(!design.message.isEmpty());
    for (double factor : {1.8, 2.7}) {
        const Played scaled = play(screen, factor);
        QCOMPARE(scaled.placements, design.placements);
        QCOMPARE(scaled.score, design.score);
        QCOMPARE(scaled.checkShown, design.checkShown);
        QCOMPARE(scaled.message, design.message);
    }
}

QTEST_MAIN(BoardsAtScaleTest)
#include "tst_boardsatscale.moc"
