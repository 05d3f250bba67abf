// Jotter undo and redo: strokes, erasing, Clear and Flip stepped back and forward by key and by
// menu, a new stroke dropping the steps ahead, and the history's bounds.
#include <QMenu>
#include <QRandomGenerator>
#include <QtTest>

#include "Menus.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/Scale.h"
#include "tools/JotterAccess.h"
#include "tools/jotter/DrawingHistory.h"
#include "tools/jotter/JotterScreen.h"

using namespace forms;
using jotter::DrawingHistory;
using jotter::JotterScreen;
using testing_support::closeMenu;
using testing_support::menuEntry;
using testing_support::Mouse;
using testing_support::openMenu;
using testing_support::TestProgram;

namespace {

struct Seen {
    QImage image;
    JotterScreen::Layout layout;
};

// A drawing of the given size that no compression shrinks.
QImage noise(QSize size, quint32 seed) {
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            line[x] = 0xFF000000u | (random.generate() & 0xFFFFFFu);
    }
    return image;
}

}  // namespace

class JotterUndoTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->screens.show(QStringLiteral("Grey"));
        m_jotter = &m_program->screens.show<JotterScreen>(QStringLiteral("notepad"));
        m_mouse = std::make_unique<Mouse>(*m_jotter);
    }
    void cleanup() {
        closeMenu();
        m_mouse.reset();
        m_program.reset();
    }

    void everyKindOfStepGoesBackAndForward();
    void newStrokeAfterUndoDropsTheStepsAhead();
    void nothingDrawnIsNoStep();
    void undoAfterF11ComesBackAtThePresentSize();
    void menuOnTheToolStripOffersUndoAndRedo();
    void historyKeepsTheLatestHundredSteps();
    void historyBytesStayBoundedWithFiftyStepsEvenOfNoise();

  private:
    Seen seen() const { return {m_jotter->drawing().image(), m_jotter->layout()}; }
    void click(const char* button) {
        m_mouse->click(Mouse::centreOf(*m_jotter->find<CommandButton>(QLatin1String(button))));
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(m_jotter->window(), key, modifiers);
    }
    void compareSeen(const Seen& expected) {
        QCOMPARE(m_jotter->layout(), expected.layout);
        QCOMPARE(m_jotter->drawing().image(), expected.image);
        // The window and its strip follow the layout the drawing was made in.
        QCOMPARE(m_jotter->window()->size(), expected.image.size());
        const bool tall = expected.layout == JotterScreen::Layout::Tall;
        QCOMPARE(m_jotter->find<Panel>(QStringLiteral("Frame_portrait"))->isVisible(), tall);
        QCOMPARE(m_jotter->find<Panel>(QStringLiteral("Frame_landscape"))->isVisible(), !tall);
    }

    std::unique_ptr<TestProgram> m_program;
    JotterScreen* m_jotter = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

// A stroke, an erasing stroke, Clear, a stroke, Flip and a stroke in the tall layout: Ctrl+Z
// walks back through each drawing (Flip back to the wide layout with its drawing), then Ctrl+Y
// and Ctrl+Shift+Z walk forward again. Past either end a key changes nothing.
void JotterUndoTest::everyKindOfStepGoesBackAndForward() {
    std::vector<Seen> steps{seen()};
    m_mouse->drag({100, 60}, {300, 100}, 10);
    steps.push_back(seen());
    click("Command5");
    m_mouse->drag({150, 40}, {250, 120}, 10);
    steps.push_back(seen());
    click("Command6");
    steps.push_back(seen());
    m_mouse->drag({50, 150}, {400, 50}, 10);
    steps.push_back(seen());
    click("Command3");
    steps.push_back(seen());
    m_mouse->drag({20, 600}, {150, 700}, 10);
    steps.push_back(seen());
    QCOMPARE(m_jotter->history().undoSteps(), 6);
    for (size_t i = 1; i < steps.size(); ++i) QVERIFY(steps[i].image != steps[i - 1].image);

    const auto penColour = m_jotter->pen().colour();
    for (int i = static_cast<int>(steps.size()) - 2; i >= 0; --i) {
        key(Qt::Key_Z);
        compareSeen(steps[static_cast<size_t>(i)]);
    }
    key(Qt::Key_Z);
    compareSeen(steps.front());
    // Undo is of the drawing, not of the pen.
    QCOMPARE(m_jotter->pen().colour(), penColour);

    for (size_t i = 1; i < steps.size(); ++i) {
        if (i % 2)
            key(Qt::Key_Y);
        else
            key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        compareSeen(steps[i]);
    }
    key(Qt::Key_Y);
    compareSeen(steps.back());
    // Without Ctrl the letters are nobody's.
    key(Qt::Key_Z, Qt::NoModifier);
    compareSeen(steps.back());
}

// A drawing made at design size and undone to after projector mode doubled the screens fills
// the window at its new size, the stroke where it was in the window's twips.
void JotterUndoTest::undoAfterF11ComesBackAtThePresentSize() {
    m_mouse->drag({100, 60}, {300, 60}, 10);
    m_mouse->drag({100, 120}, {300, 120}, 10);
    m_program->screens.setScale(forms::Scale(2.0));
    const QSize window = m_jotter->window()->size();
    QCOMPARE(m_jotter->drawing().image().size(), window);
    key(Qt::Key_Z);
    const QImage undone = m_jotter->drawing().image();
    QCOMPARE(undone.size(), window);
    const QRgb background = undone.pixel(10, 10);
    QVERIFY(undone.pixel(400, 120) != background);  // the first stroke, twice as far in
    QCOMPARE(undone.pixel(400, 240), background);   // the undone one, gone
    key(Qt::Key_Y);
    QCOMPARE(m_jotter->drawing().image().size(), window);
    QVERIFY(m_jotter->drawing().image().pixel(400, 240) != background);
}

void JotterUndoTest::newStrokeAfterUndoDropsTheStepsAhead() {
    m_mouse->drag({100, 60}, {300, 60}, 10);
    const Seen first = seen();
    m_mouse->drag({100, 120}, {300, 120}, 10);
    m_mouse->drag({100, 180}, {300, 180}, 10);
    key(Qt::Key_Z);
    key(Qt::Key_Z);
    compareSeen(first);
    QCOMPARE(m_jotter->history().redoSteps(), 2);

    m_mouse->drag({400, 30}, {400, 200}, 10);
    const Seen fresh = seen();
    QCOMPARE(m_jotter->history().redoSteps(), 0);
    key(Qt::Key_Y);
    compareSeen(fresh);
    key(Qt::Key_Z);
    compareSeen(first);
}

// A press without a move, erasing bare surface, Clear of a clean page: no step to undo.
void JotterUndoTest::nothingDrawnIsNoStep() {
    m_mouse->click({200, 100});
    click("Command5");
    m_mouse->drag({100, 60}, {300, 60}, 10);
    click("Command6");
    QCOMPARE(m_jotter->history().undoSteps(), 0);
    // A stroke still being drawn is ended by the key, and undone.
    click("Command2");
    const Seen blank = seen();
    m_mouse->press({100, 60});
    m_mouse->move({200, 60});
    key(Qt::Key_Z);
    compareSeen(blank);
    m_mouse->release({200, 60});
}

// The menu opens from the tool strip: a right click anywhere on it, or a pen held still on its
// own background; never on the surface, where both buttons already mean something.
void JotterUndoTest::menuOnTheToolStripOffersUndoAndRedo() {
    tools::JotterAccess access(m_program->screens);
    auto& strip = *m_jotter->find<Panel>(QStringLiteral("Frame_landscape"));
    const QPoint stripBackground = Mouse::pixelOf(strip, 9870, 100);
    QCOMPARE(m_jotter->controlAt(stripBackground), &strip);

    m_mouse->click(stripBackground, Qt::RightButton);
    QMenu* menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("Undo\tCtrl+Z"));
    QVERIFY(!menuEntry(*menu, QStringLiteral("Undo"))->isEnabled());
    QVERIFY(!menuEntry(*menu, QStringLiteral("Redo"))->isEnabled());
    QVERIFY(!menuEntry(*menu, QStringLiteral("Jotter")));
    closeMenu();

    const Seen blank = seen();
    m_mouse->drag({100, 60}, {300, 60}, 10);
    const Seen drawn = seen();
    m_mouse->click(Mouse::centreOf(*m_jotter->find<CommandButton>(QStringLiteral("Command2"))),
                   Qt::RightButton);
    QVERIFY(openMenu());
    menuEntry(*openMenu(), QStringLiteral("Undo"))->trigger();
    compareSeen(blank);
    closeMenu();

    m_mouse->press(stripBackground);
    m_program->platform.advance(tools::JotterAccess::kHoldMs);
    QVERIFY(openMenu());
    m_mouse->release(stripBackground);
    QVERIFY(menuEntry(*openMenu(), QStringLiteral("Redo"))->isEnabled());
    menuEntry(*openMenu(), QStringLiteral("Redo"))->trigger();
    compareSeen(drawn);
    closeMenu();

    // A pen held on a button is about to press it, and on the surface about to draw.
    for (const QPoint at :
         {Mouse::centreOf(*m_jotter->find<CommandButton>(QStringLiteral("Command2"))),
          QPoint(200, 100)}) {
        m_mouse->press(at);
        m_program->platform.advance(2 * tools::JotterAccess::kHoldMs);
        QVERIFY(!openMenu());
        m_mouse->release(at);
    }
    m_mouse->click({200, 100}, Qt::RightButton);
    QVERIFY(!openMenu());
}

void JotterUndoTest::historyKeepsTheLatestHundredSteps() {
    DrawingHistory history;
    QImage image(64, 32, QImage::Format_RGB32);
    image.fill(Qt::blue);
    history.start(image, 0);
    const int steps = DrawingHistory::kMaxSteps + 30;
    std::vector<QImage> drawn;
    for (int i = 0; i < steps; ++i) {
        image.setPixel(i % 64, i / 64, qRgb(255, 255, i % 256));
        QVERIFY(history.record(image, 0));
        drawn.push_back(image);
    }
    QCOMPARE(history.undoSteps(), DrawingHistory::kMaxSteps);
    std::optional<DrawingHistory::State> state;
    for (int i = 0; i < DrawingHistory::kMaxSteps; ++i) state = history.undo();
    QVERIFY(state);
    QCOMPARE(state->image, drawn[static_cast<size_t>(steps - 1 - DrawingHistory::kMaxSteps)]);
    QVERIFY(!history.undo());
    QCOMPARE(history.redoSteps(), DrawingHistory::kMaxSteps);
}

// Noise at the size of the largest surface (the tall layout) is the worst a drawing can be.
void JotterUndoTest::historyBytesStayBoundedWithFiftyStepsEvenOfNoise() {
    click("Command3");
    const QSize largest = m_jotter->drawing().image().size();
    QVERIFY(largest.width() * largest.height() >= 661 * 244);
    DrawingHistory history;
    history.start(noise(largest, 0), 1);
    const QImage fiftiethBack = noise(largest, 10);
    for (quint32 i = 1; i <= 60; ++i) {
        history.record(noise(largest, i), 1);
        QVERIFY(history.bytes() <= DrawingHistory::kMaxBytes);
    }
    QVERIFY2(history.undoSteps() >= 50, qPrintable(QString::number(history.undoSteps())));
    std::optional<DrawingHistory::State> state;
    for (int i = 0; i < 50; ++i) state = history.undo();
    QVERIFY(state);
    QCOMPARE(state->image, fiftiethBack);
}

QTEST_MAIN(JotterUndoTest)
#include "tst_jotterundo.moc"
