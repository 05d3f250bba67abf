// The drawing image: strokes join up, and the rectangle reported covers every pixel changed.
#include <QRandomGenerator>
#include <QtTest>

#include "tools/jotter/DrawingSurface.h"

using jotter::DrawingSurface;

namespace {

constexpr forms::Colour kBackground = forms::rgb(49, 135, 215);
constexpr forms::Colour kInk = forms::rgb(255, 0, 0);

QPointF twips(double x, double y) {
    return {x * 15, y * 15};
}

}  // namespace

class DrawingSurfaceTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void reportedAreaCoversEveryChange_data();
    void reportedAreaCoversEveryChange();
    void shortSegmentsMakeAnUnbrokenStroke();
    void clearAndResizeWipe();
};

void DrawingSurfaceTest::reportedAreaCoversEveryChange_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("writing") << 3;
    QTest::newRow("erasing") << 30;
}

void DrawingSurfaceTest::reportedAreaCoversEveryChange() {
    QFETCH(int, width);
    DrawingSurface surface({200, 120}, kBackground);
    QRandomGenerator random(7);
    surface.moveTo(twips(100, 60));
    for (int i = 0; i < 60; ++i) {
        const QImage before = surface.image();
        const QRect changed =
            surface.lineTo(twips(random.bounded(-20, 220), random.bounded(-20, 140)),
                           i % 2 ? kInk : kBackground, width);
        const QImage& after = surface.image();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (before.pixel(x, y) != after.pixel(x, y) && !changed.contains(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 changed outside").arg(x).arg(y)));
        QVERIFY(surface.image().rect().contains(changed) || changed.isEmpty());
    }
}

void DrawingSurfaceTest::shortSegmentsMakeAnUnbrokenStroke() {
    DrawingSurface surface({200, 200}, kBackground);
    // A zig-zag of short segments, as a quick drag delivers them.
    QList<QPointF> points;
    for (int i = 0; i <= 30; ++i) points << QPointF(20 + i * 5, i % 2 ? 60 : 80);
    surface.moveTo(twips(points[0].x(), points[0].y()));
    for (const QPointF& p : points.mid(1)) surface.lineTo(twips(p.x(), p.y()), kInk, 3);
    // Every point along every segment is inked, corners included.
    for (int i = 1; i < points.size(); ++i) {
        for (double t = 0; t <= 1.0; t += 0.1) {
            const QPointF p = points[i - 1] + (points[i] - points[i - 1]) * t;
            QCOMPARE(surface.image().pixel(p.toPoint()), kInk);
        }
    }
}

void DrawingSurfaceTest::clearAndResizeWipe() {
    DrawingSurface surface({100, 100}, kBackground);
    surface.moveTo(twips(10, 10));
    surface.lineTo(twips(90, 90), kInk, 3);
    QCOMPARE(surface.image().pixel(50, 50), kInk);
    surface.clear();
    QCOMPARE(surface.image().pixel(50, 50), kBackground);
    QCOMPARE(surface.currentPoint(), QPointF(0, 0));
    surface.lineTo(twips(90, 90), kInk, 3);
    surface.resize({50, 300});
    QCOMPARE(surface.image().size(), QSize(50, 300));
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 50; x += 3) QCOMPARE(surface.image().pixel(x, y), kBackground);
}

QTEST_MAIN(DrawingSurfaceTest)
#include "tst_drawingsurface.moc"
