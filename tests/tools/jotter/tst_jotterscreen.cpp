// The Jotter window: its size, strips and palettes, drawing through the real window, flips.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "shell/HouseStyle.h"
#include "tools/jotter/JotterScreen.h"
#include "tools/jotter/Palette.h"

using namespace forms;
using jotter::JotterScreen;
using jotter::kPalette;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

constexpr Colour kBackground = shell::ScreenBlue;

// Pixels of the drawing that are not the background.
int inkedPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != kBackground) ++count;
    return count;
}

QRgb inkAt(const JotterScreen& jotter, QPoint at) {
    return jotter.drawing().image().pixel(at);
}

}  // namespace

class JotterScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void opensAtItsOwnSizeOnTop();
    void buttons_data();
    void buttons();
    void paletteSquares_data();
    void paletteSquares();
    void squareClickedSetsThePen();
    void leftDragDrawsFromTheCurrentPoint();
    void otherButtonsOnlyMoveTheCurrentPoint();
    void stripsAndButtonsDrawNothing();
    void eraseDrawsWideInTheBackground();
    void clearWipesAndSendsThePointHome();
    void flipsResizeWipeAndKeepThePen();
    void drawingIsRepaintedFromItsImage();
    void exitUnloadsAndReopeningStartsFresh();

  private:
    JotterScreen& open() {
        return m_program->screens.show<JotterScreen>(QStringLiteral("notepad"));
    }
    template <class T>
    T& control(const char* name) {
        return *m_program->screens.loaded(QStringLiteral("notepad"))
                    ->find<T>(QString::fromLatin1(name));
    }
    void click(const char* button) {
        JotterScreen& jotter = open();
        Mouse(jotter).click(Mouse::centreOf(control<CommandButton>(button)));
    }

    std::unique_ptr<TestProgram> m_program;
};

void JotterScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    // The Jotter opens over whatever is being taught; closing it must not end the program.
    m_program->screens.show(QStringLiteral("Grey"));
}

void JotterScreenTest::cleanup() {
    m_program.reset();
}

void JotterScreenTest::opensAtItsOwnSizeOnTop() {
    JotterScreen& jotter = open();
    QCOMPARE(jotter.caption(), QStringLiteral("Jotter"));
    QCOMPARE(jotter.clientWidth(), 9915.0f);
    QCOMPARE(jotter.clientHeight(), 3660.0f);
    QCOMPARE(jotter.window()->minimumSize(), jotter.window()->maximumSize());
    QCOMPARE(jotter.drawing().image().size(), jotter.window()->size());
    QCOMPARE(m_program->platform.topmost, std::vector<QWidget*>{jotter.window()});
    QCOMPARE(jotter.backColour(), kBackground);

    auto& wide = control<Panel>("Frame_landscape");
    auto& tall = control<Panel>("Frame_portrait");
    QCOMPARE(wide.rect(), (TwipRect{0, 2910, 9920, 750}));
    QCOMPARE(tall.rect(), (TwipRect{3165, 0, 1035, 5250}));
    QVERIFY(wide.isVisible());
    QVERIFY(!tall.isVisible());
    QCOMPARE(wide.backColour(), kBackground);
    QCOMPARE(tall.backColour(), kBackground);
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[14]));
    QCOMPARE(jotter.pen().width(), 3);
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);
}

void JotterScreenTest::buttons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<TwipRect>("rect");
    QTest::addColumn<Colour>("face");
    const QString wide = QStringLiteral("Frame_landscape");
    const QString tall = QStringLiteral("Frame_portrait");
    QTest::newRow("Command1") << "Command1" << wide << "Exit" << TwipRect{60, 180, 930, 480}
                              << rgb(255, 224, 192);
    QTest::newRow("Command2") << "Command2" << wide << "Write" << TwipRect{1120, 180, 930, 480}
                              << rgb(255, 255, 192);
    QTest::newRow("Command5") << "Command5" << wide << "Erase" << TwipRect{2180, 180, 930, 480}
                              << rgb(192, 192, 0);
    QTest::newRow("Command6") << "Command6" << wide << "Clear" << TwipRect{3240, 180, 930, 480}
                              << rgb(255, 192, 128);
    QTest::newRow("Command3") << "Command3" << wide << "Flip" << TwipRect{4305, 180, 585, 480}
                              << rgb(128, 128, 255);
    QTest::newRow("Command9") << "Command9" << tall << "Exit" << TwipRect{60, 180, 930, 480}
                              << rgb(255, 224, 192);
    QTest::newRow("Command10") << "Command10" << tall << "Write" << TwipRect{60, 705, 930, 480}
                               << rgb(255, 255, 192);
    QTest::newRow("Command8") << "Command8" << tall << "Erase" << TwipRect{60, 1230, 930, 480}
                              << rgb(192, 192, 0);
    QTest::newRow("Command7") << "Command7" << tall << "Clear" << TwipRect{60, 1755, 930, 480}
                              << rgb(255, 192, 128);
    QTest::newRow("Command4") << "Command4" << tall << "Flip" << TwipRect{60, 2280, 930, 480}
                              << rgb(128, 128, 255);
}

void JotterScreenTest::buttons() {
    QFETCH(QString, name);
    QFETCH(QString, strip);
    QFETCH(QString, caption);
    QFETCH(TwipRect, rect);
    QFETCH(Colour, face);
    open();
    auto& button = control<CommandButton>(name.toLatin1().constData());
    QCOMPARE(button.caption(), caption);
    QCOMPARE(button.rect(), rect);
    QCOMPARE(QColor(button.backColour()), QColor(face));
    QCOMPARE(button.widget()->parentWidget(),
             control<Panel>(strip.toLatin1().constData()).widget());
    // A stray Enter or Space must not press Exit and lose the drawing: no button takes focus.
    QCOMPARE(button.widget()->focusPolicy(), Qt::NoFocus);
}

void JotterScreenTest::paletteSquares_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<TwipRect>("wide");
    QTest::addColumn<TwipRect>("tall");
    // A row of 16 from 5010 to 9585; two columns of 8, 290 apart, the second 400 to the right.
    for (int i = 0; i < 16; ++i) {
        QTest::addRow("square %d", i)
            << i << TwipRect{5010.0f + 305 * i, 285, 240, 240}
            << TwipRect{180.0f + 400 * (i / 8), 2820.0f + 290 * (i % 8), 240, 240};
    }
}

void JotterScreenTest::paletteSquares() {
    QFETCH(int, index);
    QFETCH(TwipRect, wide);
    QFETCH(TwipRect, tall);
    JotterScreen& jotter = open();
    for (const auto& [name, rect] : {std::pair{"Label1", wide}, std::pair{"Label11", tall}}) {
        Label& square = (*jotter.array<Label>(QString::fromLatin1(name)))[index];
        QCOMPARE(square.rect(), rect);
        QCOMPARE(QColor(square.look().back), QColor(kPalette[index]));
        QVERIFY(square.isOpaque());
        QVERIFY(!square.look().border);
        QVERIFY(square.caption().isEmpty());
    }
}

void JotterScreenTest::squareClickedSetsThePen() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    click("Command5");  // erasing
    mouse.click(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label1")))[4]));
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[4]));
    QCOMPARE(jotter.pen().width(), 3);
    click("Command3");  // the tall strip's palette does the same
    mouse.click(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label11")))[9]));
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[9]));
    QCOMPARE(QColor(jotter.pen().savedColour()), QColor(kPalette[9]));
}

void JotterScreenTest::leftDragDrawsFromTheCurrentPoint() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.drag({100, 60}, {300, 60}, 20);
    const QRgb yellow = kPalette[14];
    for (int x : {100, 150, 200, 250, 300}) QCOMPARE(inkAt(jotter, {x, 60}), yellow);
    // Three pixels wide across the stroke.
    QCOMPARE(inkAt(jotter, {200, 59}), yellow);
    QCOMPARE(inkAt(jotter, {200, 61}), yellow);
    QCOMPARE(inkAt(jotter, {200, 63}), kBackground);
    QCOMPARE(jotter.drawing().currentPoint(), QPointF(toTwips(300), toTwips(60)));

    // A press moves the current point; the next line starts there, not where the last ended.
    mouse.press({400, 150});
    mouse.move({450, 100});
    mouse.release({450, 100});
    QCOMPARE(inkAt(jotter, {425, 125}), yellow);
    QCOMPARE(inkAt(jotter, {350, 80}), kBackground);
}

void JotterScreenTest::otherButtonsOnlyMoveTheCurrentPoint() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.press({50, 40}, Qt::RightButton);
    QCOMPARE(jotter.drawing().currentPoint(), QPointF(toTwips(50), toTwips(40)));
    mouse.move({250, 120});
    mouse.release({250, 120}, Qt::RightButton);
    mouse.drag({60, 150}, {300, 30}, 10, Qt::MiddleButton);
    // The left button together with another draws nothing either, nor does a bare move.
    mouse.press({400, 40});
    mouse.press({400, 40}, Qt::RightButton);
    mouse.move({500, 120});
    mouse.release({500, 120}, Qt::RightButton);
    mouse.release({500, 120});
    mouse.move({200, 100});
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);

    // A right press is still a place to start from.
    mouse.press({20, 20}, Qt::RightButton);
    mouse.release({20, 20}, Qt::RightButton);
    mouse.press({20, 20});
    mouse.move({40, 20});
    mouse.release({40, 20});
    QCOMPARE(inkAt(jotter, {30, 20}), kPalette[14]);
}

void JotterScreenTest::stripsAndButtonsDrawNothing() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    auto& strip = control<Panel>("Frame_landscape");
    mouse.drag(Mouse::pixelOf(strip, 9000, 100), Mouse::pixelOf(strip, 6000, -1500), 10);
    mouse.drag(Mouse::centreOf(control<CommandButton>("Command2")), {300, 40}, 10);
    mouse.drag(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label1")))[3]), {300, 90});
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);

    // A stroke begun on the surface goes on behind the strip.
    mouse.drag({30, 150}, Mouse::pixelOf(strip, 300, 400), 10);
    QCOMPARE(inkAt(jotter, Mouse::pixelOf(strip, 300, 400)), kPalette[14]);
}

void JotterScreenTest::eraseDrawsWideInTheBackground() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    for (int y = 40; y <= 100; y += 2) mouse.drag({100, y}, {300, y}, 4);
    QCOMPARE(inkAt(jotter, {200, 70}), kPalette[14]);
    click("Command5");
    QCOMPARE(jotter.pen().width(), 30);
    mouse.drag({150, 70}, {250, 70}, 10);
    // Thirty pixels wide, in the background colour.
    for (int y : {57, 70, 83}) QCOMPARE(inkAt(jotter, {200, y}), kBackground);
    QCOMPARE(inkAt(jotter, {200, 40}), kPalette[14]);
    QCOMPARE(inkAt(jotter, {200, 100}), kPalette[14]);
    click("Command2");
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[14]));
}

void JotterScreenTest::clearWipesAndSendsThePointHome() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.click(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label1")))[12]));
    mouse.drag({100, 60}, {300, 100}, 10);
    QVERIFY(inkedPixels(jotter.drawing().image()) > 0);
    click("Command6");
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);
    QCOMPARE(jotter.drawing().currentPoint(), QPointF(0, 0));
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[12]));
}

void JotterScreenTest::flipsResizeWipeAndKeepThePen() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.click(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label1")))[2]));
    mouse.drag({100, 60}, {300, 100}, 10);
    click("Command5");
    const float left = jotter.left();
    const float top = jotter.top();

    click("Command3");
    QCOMPARE(jotter.width(), 4000.0f);
    QCOMPARE(jotter.height(), 12000.0f);
    QCOMPARE(jotter.left(), left);
    QCOMPARE(jotter.top(), top);
    auto& tall = control<Panel>("Frame_portrait");
    auto& wide = control<Panel>("Frame_landscape");
    QCOMPARE(tall.rect(), (TwipRect{2885, 0, 1035, 5250}));
    QVERIFY(tall.isVisible());
    QVERIFY(!wide.isVisible());
    QCOMPARE(jotter.drawing().image().size(), jotter.window()->size());
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);
    QCOMPARE(jotter.drawing().currentPoint(), QPointF(0, 0));
    QVERIFY(jotter.pen().isErasing());
    QCOMPARE(QColor(jotter.pen().savedColour()), QColor(kPalette[2]));

    click("Command10");
    mouse.drag({20, 600}, {150, 700}, 10);
    QVERIFY(inkedPixels(jotter.drawing().image()) > 0);
    click("Command4");
    QCOMPARE(jotter.width(), 10000.0f);
    QCOMPARE(jotter.height(), 4140.0f);
    QVERIFY(wide.isVisible());
    QVERIFY(!tall.isVisible());
    QCOMPARE(wide.rect(), (TwipRect{0, 2910, 9920, 750}));
    QCOMPARE(jotter.drawing().image().size(), jotter.window()->size());
    QCOMPARE(inkedPixels(jotter.drawing().image()), 0);
    QCOMPARE(QColor(jotter.pen().colour()), QColor(kPalette[2]));
    QCOMPARE(jotter.pen().width(), 3);
}

void JotterScreenTest::drawingIsRepaintedFromItsImage() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.drag({100, 60}, {300, 60}, 20);
    jotter.window()->hide();
    jotter.window()->show();
    const QImage shown = jotter.window()->grab().toImage();
    QCOMPARE(shown.pixel(200, 60), kPalette[14]);
    QCOMPARE(shown.pixel(200, 120), kBackground);
}

void JotterScreenTest::exitUnloadsAndReopeningStartsFresh() {
    JotterScreen& jotter = open();
    Mouse mouse(jotter);
    mouse.click(Mouse::centreOf((*jotter.array<Label>(QStringLiteral("Label1")))[0]));
    mouse.drag({100, 60}, {300, 60}, 20);
    click("Command3");
    click("Command9");
    QVERIFY(!m_program->screens.isLoaded(QStringLiteral("notepad")));
    m_program->screens.collectUnloaded();

    JotterScreen& again = open();
    QCOMPARE(again.clientWidth(), 9915.0f);
    QVERIFY(control<Panel>("Frame_landscape").isVisible());
    QCOMPARE(QColor(again.pen().colour()), QColor(kPalette[14]));
    QCOMPARE(inkedPixels(again.drawing().image()), 0);
    Mouse(again).click(Mouse::centreOf(control<CommandButton>("Command1")));
    QVERIFY(!m_program->screens.isLoaded(QStringLiteral("notepad")));
    QVERIFY(m_program->screens.loaded(QStringLiteral("Grey"))->isVisible());
    QCOMPARE(m_program->programEnds, 0);
}

QTEST_MAIN(JotterScreenTest)
#include "tst_jotterscreen.moc"
