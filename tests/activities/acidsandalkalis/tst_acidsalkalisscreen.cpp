// Acids and Alkalis: its equations and title at load, overlapping home zones, its score text.
#include <QRawFont>
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "forms/Shape.h"
#include "kit/labelling/LabellingBoard.h"
#include "shell/HouseStyle.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

class AcidsAlkalisScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void equations_data();
    void equations();
    void termsAndTheirHomeGrid();
    void titleInstructionAndScoreText();
    void overlappingHomeZonesGoByItemOrder();
    void wrongBlanksArePlacedButNotCorrect();
    void scoreTextShowsUntilStartAgain();

  private:
    ControlArray<Label>& labels(const char* name) const {
        return *m_screen->array<Label>(QString::fromLatin1(name));
    }
    Label& label(const char* name) const {
        return *m_screen->find<Label>(QString::fromLatin1(name));
    }
    void drop(int term, int blank) {
        m_mouse->drag(Mouse::centreOf(labels("Label2")[term]),
                      Mouse::centreOf(labels("Label1")[blank]));
    }
    void checkScore() {
        m_mouse->click(Mouse::centreOf(labels("Label3")[LabellingBoard::kCheckScore]));
    }

    std::unique_ptr<TestProgram> m_program;
    Screen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void AcidsAlkalisScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_screen = &m_program->screens.show(QStringLiteral("acidsandalkalis"));
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void AcidsAlkalisScreenTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void AcidsAlkalisScreenTest::equations_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("before");
    QTest::addColumn<float>("beforeLeft");
    QTest::addColumn<QString>("after");
    QTest::addColumn<float>("afterLeft");
    QTest::addColumn<int>("blank");
    QTest::newRow("0") << 0 << "hydrochloric acid  +  sodium hydroxide" << 240.f << "+ water"
                       << 10440.f << 1;
    QTest::newRow("1") << 1 << "sulphuric acid  +  potassium hydroxide" << 240.f << "+ water"
                       << 10440.f << 0;
    QTest::newRow("2") << 2 << "nitric acid     + " << 240.f << "calcium nitrate    +   water"
                       << 7440.f << 2;
    QTest::newRow("3") << 3 << "+  calcium hydroxide" << 3120.f << "calcium chloride   +  water"
                       << 7440.f << 4;
    QTest::newRow("4") << 4 << "nitric acid    +     potassium hydroxide" << 240.f << "+ water"
                       << 10440.f << 3;
    QTest::newRow("5") << 5 << "sulphuric acid  +" << 240.f << "sodium sulphate   +  water"
                       << 7440.f << 5;
}

void AcidsAlkalisScreenTest::equations() {
    QFETCH(int, row);
    QFETCH(QString, before);
    QFETCH(float, beforeLeft);
    QFETCH(QString, after);
    QFETCH(float, afterLeft);
    QFETCH(int, blank);
    const float top = 1200.f + 840 * row;
    const Label& left = labels("Label5")[row];
    const Label& right = labels("Label6")[row];
    QCOMPARE(left.caption(), before);
    QCOMPARE(right.caption(), after);
    QCOMPARE(left.top(), top);
    QCOMPARE(right.top(), top);
    QCOMPARE(left.left(), beforeLeft);
    QCOMPARE(right.left(), afterLeft);
    QCOMPARE(left.look().align, row == 3 ? Align::Right : Align::Left);
    // Nothing overlaps the arrow or the blank.
    const Label& arrow = labels("Label7")[row];
    QVERIFY(left.rect().right() <= arrow.left() && arrow.rect().right() <= right.left());
    const Label& box = labels("Label1")[blank];
    QCOMPARE(box.top(), top);
    QVERIFY(!box.rect().toPixels().intersects(left.rect().toPixels()));
    QVERIFY(!box.rect().toPixels().intersects(right.rect().toPixels()));
    QCOMPARE(arrow.caption(), QStringLiteral("\u2192"));
    QCOMPARE(arrow.left(), 6660.f);
    QVERIFY(QRawFont::fromFont(arrow.look().font.toQFont()).supportsCharacter(QChar(0x2192)));
}

void AcidsAlkalisScreenTest::termsAndTheirHomeGrid() {
    QCOMPARE(m_screen->caption(), QStringLiteral("Acids and Alkalis"));
    QCOMPARE(m_screen->backColour(), shell::DeepBlue);
    const QStringList terms{"potassium sulphate", "sodium chloride",   "calcium hydroxide",
                            "potassium nitrate",  "hydrochloric acid", "sodium hydroxide"};
    const QPointF targets[] = {{7440, 2040}, {7440, 1200}, {3120, 2880},
                               {7440, 4560}, {120, 3720},  {3120, 5400}};
    const QPointF homes[] = {{7560, 7320}, {4560, 6720}, {1560, 6720},
                             {1560, 7320}, {7560, 6720}, {4560, 7320}};
    const QObjectList stacking = m_screen->window()->children();
    for (int i = 0; i < 6; ++i) {
        const Label& name = labels("Label2")[i];
        QCOMPARE(name.caption(), terms[i]);
        QCOMPARE(name.rect(), (TwipRect{float(homes[i].x()), float(homes[i].y()), 2880, 495}));
        QCOMPARE(labels("Label4")[i].rect(), name.rect());
        const Label& box = labels("Label1")[i];
        QCOMPARE(box.rect(), (TwipRect{float(targets[i].x()), float(targets[i].y()), 2880, 495}));
        QCOMPARE(box.caption(), QString());
        // Above every other element of the screen.
        QVERIFY(stacking.indexOf(name.widget()) >= stacking.size() - 6);
    }
}

void AcidsAlkalisScreenTest::titleInstructionAndScoreText() {
    QCOMPARE(label("Label8").caption(), QStringLiteral("Acid  +  Alkali"));
    QCOMPARE(label("Label11").caption(), QStringLiteral("Salt  +  Water"));
    QCOMPARE(label("Label12").caption(), QStringLiteral("\u2192"));
    QCOMPARE(label("Label12").rect(), (TwipRect{5400, -60, 720, 885}));
    const auto* frame = m_screen->find<Shape>(QStringLiteral("Shape1"));
    QVERIFY(frame);
    QCOMPARE(frame->rect(), (TwipRect{2040, 120, 7455, 735}));

    const Label& instruction = label("Label9");
    QCOMPARE(instruction.caption(), QStringLiteral("Drag the labels into the correct boxes."));
    QCOMPARE(instruction.look().fore, fromBgr(0x00FFFF80));
    QCOMPARE(instruction.rect(), (TwipRect{120, 7920, 2625, 585}));

    const Label& score = label("Label10");
    QVERIFY(!score.isVisible());
    QCOMPARE(score.rect(), (TwipRect{3720, 6060, 4545, 585}));
}

void AcidsAlkalisScreenTest::overlappingHomeZonesGoByItemOrder() {
    // At 4000, 6720 the calcium hydroxide label lies in the zones of its own home box (1560)
    // and of the sodium chloride one (4560). Item 1's box is tried first, and from there item
    // 2's no longer catches it.
    Label& term = labels("Label2")[2];
    // The sodium chloride label away in its blank, so that its home box is free.
    drop(1, 1);
    term.move(4000, 6720);
    m_mouse->click(Mouse::pixelOf(term, 150, 150));
    QCOMPARE(term.left(), 4560.f);
    QCOMPARE(term.top(), 6720.f);
}

void AcidsAlkalisScreenTest::wrongBlanksArePlacedButNotCorrect() {
    // Hydrochloric acid into the blank of row 0, and every other term one blank along.
    for (int i = 0; i < 6; ++i) drop(i, (i + 1) % 6);
    QCOMPARE(labels("Label2")[4].rect(), labels("Label1")[5].rect());
    QVERIFY(labels("Label3")[LabellingBoard::kCheckScore].isVisible());
    checkScore();
    QCOMPARE(label("Label10").caption(), QStringLiteral(" 0 out of 6 scored "));
    QVERIFY(label("Label10").isVisible());
}

void AcidsAlkalisScreenTest::scoreTextShowsUntilStartAgain() {
    for (int i = 0; i < 6; ++i) drop(i, i);
    checkScore();
    QCOMPARE(label("Label10").caption(), QStringLiteral(" 6 out of 6 scored "));
    QVERIFY(label("Label10").isVisible());

    m_mouse->click(Mouse::centreOf(labels("Label3")[LabellingBoard::kStartAgain]));
    QVERIFY(!label("Label10").isVisible());
    QVERIFY(!labels("Label3")[LabellingBoard::kCheckScore].isVisible());
    for (int i = 0; i < 6; ++i) drop(i, i < 2 ? 1 - i : i);
    checkScore();
    QCOMPARE(label("Label10").caption(), QStringLiteral(" 4 out of 6 scored "));
    QVERIFY(label("Label10").isVisible());
}

QTEST_MAIN(AcidsAlkalisScreenTest)
#include "tst_acidsalkalisscreen.moc"
