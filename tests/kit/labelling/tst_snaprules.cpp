// The drop test on its own: strict bounds, single-precision half bounds, order of the boxes.
#include <QtTest>

#include "kit/labelling/SnapRules.h"

using forms::TwipRect;
using labelling::TwipPoint;

Q_DECLARE_METATYPE(TwipRect)

class SnapRulesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void zoneBounds_data();
    void zoneBounds();
    void laterBoxesSeeTheSnappedCorner();
};

void SnapRulesTest::zoneBounds_data() {
    QTest::addColumn<TwipRect>("box");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::addColumn<bool>("caught");

    // An apparatus target box: the zone is (-990, 2700) across and (1792.5, 2355) down.
    const TwipRect box{240, 1980, 2460, 375};
    QTest::newRow("on the box") << box << 240.f << 1980.f << true;
    QTest::newRow("left edge at T.Left - T.Width/2") << box << -990.f << 2000.f << false;
    QTest::newRow("one twip inside the left bound") << box << -989.f << 2000.f << true;
    QTest::newRow("left edge at T.Left + T.Width") << box << 2700.f << 2000.f << false;
    QTest::newRow("one twip inside the right bound") << box << 2699.f << 2000.f << true;
    QTest::newRow("top at T.Top - T.Height/2") << box << 1000.f << 1792.5f << false;
    QTest::newRow("one twip inside the top bound") << box << 1000.f << 1793.5f << true;
    QTest::newRow("top at T.Top + T.Height") << box << 1000.f << 2355.f << false;
    QTest::newRow("one twip inside the bottom bound") << box << 1000.f << 2354.f << true;
    QTest::newRow("inside across, above the zone") << box << 1000.f << 1500.f << false;

    // Far out, where floats are whole numbers: T.Left - T.Width/2 is exactly 16777213.5, which
    // single precision rounds up to 16777214. A label there is on the bound, so not caught.
    const TwipRect far{16777216, 16777216, 5, 5};
    QTest::newRow("half bound rounded up, across") << far << 16777214.f << 16777216.f << false;
    QTest::newRow("half bound rounded up, down") << far << 16777216.f << 16777214.f << false;
    QTest::newRow("one past the rounded bound") << far << 16777215.f << 16777215.f << true;
}

void SnapRulesTest::zoneBounds() {
    QFETCH(TwipRect, box);
    QFETCH(float, left);
    QFETCH(float, top);
    QFETCH(bool, caught);
    QCOMPARE(labelling::inSnapZone({left, top}, box), caught);
    const TwipRect boxes[] = {box};
    const TwipPoint expected = caught ? TwipPoint{box.left, box.top} : TwipPoint{left, top};
    QCOMPARE(labelling::settle({left, top}, boxes), expected);
}

void SnapRulesTest::laterBoxesSeeTheSnappedCorner() {
    // The overlapping home boxes of the neutralisation board, in item order: item 1's box (4560)
    // is tried before item 2's (1560). 4000 lies in both zones; after snapping to 4560 it lies
    // outside item 2's zone, so it stays at 4560.
    const TwipRect item1{4560, 6720, 2880, 495};
    const TwipRect item2{1560, 6720, 2880, 495};
    const TwipRect inItemOrder[] = {item1, item2};
    QCOMPARE(labelling::settle({4000, 6720}, inItemOrder), (TwipPoint{4560, 6720}));
    const TwipRect reversed[] = {item2, item1};
    QCOMPARE(labelling::settle({4000, 6720}, reversed), (TwipPoint{1560, 6720}));

    // A later box that catches the snapped corner overrides the earlier snap.
    const TwipRect first{0, 0, 2460, 375};
    const TwipRect second{-1000, 0, 2460, 375};
    const TwipRect chain[] = {first, second};
    QCOMPARE(labelling::settle({1500, 100}, chain), (TwipPoint{-1000, 0}));

    // No box catches it: it stays where it was dropped.
    QCOMPARE(labelling::settle({5000, 5000}, chain), (TwipPoint{5000, 5000}));
}

QTEST_MAIN(SnapRulesTest)
#include "tst_snaprules.moc"
