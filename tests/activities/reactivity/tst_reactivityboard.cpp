// Reactivity Sequence: the column of boxes reads the series from its marked top to its bottom.
#include <QtTest>
#include <algorithm>
#include <numeric>
#include <vector>

#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"

using namespace forms;

class ReactivityBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void columnReadsTheSeriesFromMostToLeastReactive();
};

// Read off the board as the class sees it: each box's answer, sorted by the box's height on the
// screen, against the series as the school books give it.
void ReactivityBoardTest::columnReadsTheSeriesFromMostToLeastReactive() {
    testing_support::TestProgram program;
    auto& board =
        static_cast<labelling::LabellingBoard&>(program.screens.show(QStringLiteral("reactivity")));
    auto& boxes = *board.array<Label>(QStringLiteral("Label1"));
    auto& names = *board.array<Label>(QStringLiteral("Label2"));
    std::vector<int> byHeight(static_cast<size_t>(board.count()));
    std::iota(byHeight.begin(), byHeight.end(), 0);
    std::ranges::sort(byHeight, {}, [&](int k) { return boxes[k].top(); });

    QStringList series;
    for (int k : byHeight) {
        QCOMPARE(boxes[k].left(), boxes[byHeight.front()].left());
        series << names[k].caption();
    }
    QCOMPARE(series, (QStringList{"potassium", "sodium", "calcium", "magnesium", "aluminium",
                                  "zinc", "iron", "copper", "silver", "gold"}));

    // The ends are marked level with the first and last boxes.
    auto* ends = board.array<Label>(QStringLiteral("Label6"));
    QVERIFY(ends);
    const auto endAt = [&](int k) {
        for (int e = 0; e < 2; ++e)
            if ((*ends)[e].top() == boxes[k].top()) return (*ends)[e].caption();
        return QString();
    };
    QCOMPARE(endAt(byHeight.front()), QStringLiteral("most reactive"));
    QCOMPARE(endAt(byHeight.back()), QStringLiteral("least reactive"));
}

QTEST_MAIN(ReactivityBoardTest)
#include "tst_reactivityboard.moc"
