// Four in a Row's rules on their own: lines in every direction and at every edge, full columns,
// the draw, and nothing dropped where it cannot go.
#include <QtTest>

#include "activities/fourinarow/Grid.h"

using fourinarow::Cell;
using fourinarow::Grid;
using fourinarow::Team;

Q_DECLARE_METATYPE(fourinarow::Team)

namespace {

// "r0 y1 r0": a team's letter and the column it drops into, in playing order. The grid does not
// keep turns, so a test may drop one team twice running.
bool play(Grid& grid, const QString& moves) {
    for (const QString& move : moves.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const Team team = move.front() == QLatin1Char('r') ? Team::Red : Team::Yellow;
        if (!grid.drop(move.mid(1).toInt(), team)) return false;
    }
    return true;
}

// "0,0 1,1": column,row pairs.
std::vector<Cell> cells(const QString& text) {
    std::vector<Cell> result;
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        result.push_back({pair.section(QLatin1Char(','), 0, 0).toInt(),
                          pair.section(QLatin1Char(','), 1, 1).toInt()});
    return result;
}

// A full grid without a line: pairs of columns alternate, and so does every row up a column.
//   yyrryyr
//   rryyrry   (row 0 at the foot)
Team drawnColour(int column, int row) {
    return (column / 2 + row) % 2 == 0 ? Team::Red : Team::Yellow;
}

}  // namespace

class GridTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void lines_data();
    void lines();
    void counterRestsOnTheOneBelow();
    void fullColumnTakesNoCounter();
    void nothingDropsOffTheGridOrForNoTeam();
    void nothingDropsAfterAWinUntilCleared();
    void fullGridWithoutALineIsADraw();
};

void GridTest::lines_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<Team>("winner");
    QTest::addColumn<QString>("winning");
    QTest::newRow("across the foot from the left edge")
        << "r0 y0 r1 y1 r2 y2 r3" << Team::Red << "0,0 1,0 2,0 3,0";
    QTest::newRow("across the top to the right edge")
        << "r3 r3 y3 y3 r3 y4 y4 r4 r4 y4 r5 r5 y5 y5 r5 y6 y6 r6 r6 y6 y3 y4 y5 y6" << Team::Yellow
        << "3,5 4,5 5,5 6,5";
    QTest::newRow("down the left edge") << "r0 y1 r0 y1 r0 y1 r0" << Team::Red << "0,0 0,1 0,2 0,3";
    QTest::newRow("down to the top of the right edge")
        << "y6 y6 r6 r6 r6 r6" << Team::Red << "6,2 6,3 6,4 6,5";
    QTest::newRow("diagonal up from the corner")
        << "r0 y1 r1 y2 y2 r2 y3 y3 y3 r3" << Team::Red << "0,0 1,1 2,2 3,3";
    QTest::newRow("diagonal down to the right edge")
        << "r3 r3 r3 y3 r4 r4 y4 r5 y5 y6" << Team::Yellow << "3,3 4,2 5,1 6,0";
    QTest::newRow("diagonal into the top right corner")
        << "r3 r3 y4 r4 y4 y5 y5 y5 r5 r6 y6 r6 y6 y6 y3 y4 y5 y6" << Team::Yellow
        << "3,2 4,3 5,4 6,5";
    QTest::newRow("diagonal down from the top left corner")
        << "r0 r0 r0 y0 r0 y1 y1 r1 r1 r2 y2 y2 y3 y3 r0 r1 r2 r3" << Team::Red
        << "0,5 1,4 2,3 3,2";
    QTest::newRow("five across, all five marked")
        << "r0 r1 r3 r4 r2" << Team::Red << "0,0 1,0 2,0 3,0 4,0";
    QTest::newRow("across and down at once") << "y0 y0 y0 y1 y1 y1 y2 y2 y2 r3 r3 r3 r0 r1 r2 r3"
                                             << Team::Red << "0,3 1,3 2,3 3,0 3,1 3,2 3,3";
    QTest::newRow("three and a gap") << "r0 r1 r2 r4" << Team::None << "";
    QTest::newRow("broken by the other team") << "r0 r1 r2 y3 r4 r5 r6" << Team::None << "";
    QTest::newRow("no line round the right edge") << "r4 r5 r6 r0" << Team::None << "";
    // Cells stored in one run, column by column or row by row, put the top of one column next to
    // the foot of the next, and the end of one row next to the start of the one above.
    QTest::newRow("no line from one column into the next")
        << "r0 y0 r0 r0 y0 y0 y1 y1" << Team::None << "";
    QTest::newRow("no line from one row into the next") << "r5 r6 y0 y1 r0 r1" << Team::None << "";
}

void GridTest::lines() {
    QFETCH(QString, moves);
    QFETCH(Team, winner);
    QFETCH(QString, winning);
    Grid grid;
    QVERIFY(play(grid, moves));
    QCOMPARE(grid.winner(), winner);
    QCOMPARE(grid.winningCells(), cells(winning));
    QVERIFY(!grid.full());
}

void GridTest::counterRestsOnTheOneBelow() {
    Grid grid;
    QCOMPARE(grid.drop(3, Team::Red), std::optional<int>(0));
    QCOMPARE(grid.drop(3, Team::Yellow), std::optional<int>(1));
    QCOMPARE(grid.drop(4, Team::Yellow), std::optional<int>(0));
    QCOMPARE(grid.at(3, 0), Team::Red);
    QCOMPARE(grid.at(3, 1), Team::Yellow);
    QCOMPARE(grid.at(4, 0), Team::Yellow);
    QCOMPARE(grid.at(3, 2), Team::None);
}

void GridTest::fullColumnTakesNoCounter() {
    Grid grid;
    QVERIFY(play(grid, "r6 y6 r6 y6 r6 y6"));
    QVERIFY(grid.columnFull(6));
    QVERIFY(!grid.drop(6, Team::Red));
    QVERIFY(!grid.drop(6, Team::Yellow));
    QCOMPARE(grid.at(6, Grid::kRows - 1), Team::Yellow);
    QCOMPARE(grid.at(6, Grid::kRows), Team::None);
    // The team chooses another column.
    QCOMPARE(grid.drop(5, Team::Red), std::optional<int>(0));
    QVERIFY(!grid.full());
}

void GridTest::nothingDropsOffTheGridOrForNoTeam() {
    Grid grid;
    QVERIFY(!grid.drop(-1, Team::Red));
    QVERIFY(!grid.drop(Grid::kColumns, Team::Red));
    QVERIFY(!grid.drop(0, Team::None));
    for (int column = 0; column < Grid::kColumns; ++column)
        QCOMPARE(grid.at(column, 0), Team::None);
    QVERIFY(grid.columnFull(-1));
    QVERIFY(grid.columnFull(Grid::kColumns));
}

void GridTest::nothingDropsAfterAWinUntilCleared() {
    Grid grid;
    QVERIFY(play(grid, "r0 y0 r1 y1 r2 y2 r3"));
    QVERIFY(!grid.drop(5, Team::Yellow));
    QVERIFY(!grid.drop(5, Team::Red));
    QCOMPARE(grid.at(5, 0), Team::None);
    QCOMPARE(grid.winner(), Team::Red);

    grid.clear();
    QCOMPARE(grid.winner(), Team::None);
    QVERIFY(grid.winningCells().empty());
    for (int column = 0; column < Grid::kColumns; ++column)
        QCOMPARE(grid.at(column, 0), Team::None);
    QCOMPARE(grid.drop(0, Team::Yellow), std::optional<int>(0));
}

void GridTest::fullGridWithoutALineIsADraw() {
    Grid grid;
    for (int row = 0; row < Grid::kRows; ++row) {
        for (int column = 0; column < Grid::kColumns; ++column) {
            QVERIFY(!grid.full());
            QCOMPARE(grid.drop(column, drawnColour(column, row)), std::optional<int>(row));
            QCOMPARE(grid.winner(), Team::None);
        }
    }
    QVERIFY(grid.full());
    QVERIFY(grid.winningCells().empty());
    for (int column = 0; column < Grid::kColumns; ++column) QVERIFY(!grid.drop(column, Team::Red));
}

QTEST_GUILESS_MAIN(GridTest)
#include "tst_grid.moc"
