// Where the Jotter stands on a display too short for its tall layout: its whole drawing area on
// the display at design size and in projector mode, and drawn on to its very bottom.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Scale.h"
#include "shell/HouseStyle.h"
#include "tools/jotter/JotterScreen.h"

using namespace forms;
using jotter::JotterScreen;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

constexpr QSize kDisplay(1366, 768);

int inkedPixelsInRows(const QImage& image, int from, int to) {
    int count = 0;
    for (int y = from; y < to; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != shell::ScreenBlue) ++count;
    return count;
}

}  // namespace

class JotterPlacementTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void wholeDrawingAreaOnTheDisplay_data();
    void wholeDrawingAreaOnTheDisplay();
    void designSizeWhereTheDisplayHoldsIt();
};

void JotterPlacementTest::wholeDrawingAreaOnTheDisplay_data() {
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("tall");
    // 1.28 is what --fit gives on this display.
    for (double factor : {1.0, 1.28, 1.8}) {
        QTest::addRow("%g wide", factor) << factor << false;
        QTest::addRow("%g tall", factor) << factor << true;
    }
}

void JotterPlacementTest::wholeDrawingAreaOnTheDisplay() {
    QFETCH(double, factor);
    QFETCH(bool, tall);
    TestProgram program;
    program.platform.display = QSizeF(toTwips(kDisplay.width()), toTwips(kDisplay.height()));
    program.screens.setScale(Scale(factor));
    program.screens.show(QStringLiteral("Grey"));
    auto& jotter = program.screens.show<JotterScreen>(QStringLiteral("notepad"));
    Mouse mouse(jotter);
    if (tall) mouse.click(Mouse::centreOf(*jotter.find<CommandButton>(QStringLiteral("Command3"))));
    QCOMPARE(jotter.height(), tall ? 12000.0f : 4140.0f);

    const QRect client = jotter.window()->geometry();
    QVERIFY2(QRect(QPoint(0, 0), kDisplay).contains(client),
             qPrintable(QStringLiteral("%1,%2 %3x%4")
                            .arg(client.x())
                            .arg(client.y())
                            .arg(client.width())
                            .arg(client.height())));
    // As wide as the factor makes it, and as tall as the display leaves room for below a title
    // bar, or its design size.
    const Scale scale(factor);
    QCOMPARE(client.width(), scale.toPixels(jotter.clientWidth()));
    QVERIFY(client.height() <= scale.toPixels(jotter.clientHeight()));
    QVERIFY(client.height() >= std::min(scale.toPixels(jotter.clientHeight()),
                                        kDisplay.height() - scale.toPixels(480)));
    QCOMPARE(jotter.drawing().image().size(), client.size());

    // A stroke along the bottom of the drawing area, above the wide layout's tools, lands there.
    const int bottom = tall ? client.height() - 4 : scale.toPixels(2910) - 4;
    mouse.drag({10, bottom}, {client.width() / 4, bottom}, 10);
    QVERIFY(inkedPixelsInRows(jotter.drawing().image(), bottom - 4, bottom + 4) > 0);
}

// On a display that holds it, nothing moves: the tall Jotter keeps its design size and place.
void JotterPlacementTest::designSizeWhereTheDisplayHoldsIt() {
    TestProgram program;
    program.platform.display = QSizeF(toTwips(1920), toTwips(1080));
    program.screens.show(QStringLiteral("Grey"));
    auto& jotter = program.screens.show<JotterScreen>(QStringLiteral("notepad"));
    const QPoint wideAt = jotter.window()->pos();
    QCOMPARE(wideAt, QPoint(toPixels(jotter.left()), toPixels(jotter.top())));
    Mouse(jotter).click(Mouse::centreOf(*jotter.find<CommandButton>(QStringLiteral("Command3"))));
    QCOMPARE(jotter.window()->size(), QSize(toPixels(4000 - 90), toPixels(12000 - 480)));
    QCOMPARE(jotter.window()->pos(), wideAt);
}

QTEST_MAIN(JotterPlacementTest)
#include "tst_jotterplacement.moc"
