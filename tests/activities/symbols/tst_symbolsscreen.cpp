// Chemical Symbols: the direction switch (same element, other side, same deck) and the label
// button that works it.
#include <QtTest>
#include <iterator>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "activities/symbols/SymbolsScreen.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "kit/chem/SchoolElements.h"

using namespace forms;
using symbols::Direction;
using symbols::SymbolsScreen;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

constexpr int kElements = static_cast<int>(std::size(chem::kSchoolElements));

Label& label(SymbolsScreen& screen, const char* name) {
    return *screen.find<Label>(QLatin1String(name));
}

// The screen's own background, clear of every control.
QPoint background() {
    return TwipRect{240, 6000, 15, 15}.toPixels().topLeft();
}

}  // namespace

class SymbolsScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void switchingShowsTheOtherSideOfTheSameElement();
    void switchingKeepsTheDeck_data();
    void switchingKeepsTheDeck();
    void aWholeDeckShowsEverySymbolAsWritten_data();
    void aWholeDeckShowsEverySymbolAsWritten();
    void labelButtonSwitchesAndFollowsTheHoverRule();
    void labelButtonFitsAndKeepsClear();

  private:
    std::unique_ptr<TestProgram> m_program;
    SymbolsScreen* m_screen = nullptr;
};

void SymbolsScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<SymbolsScreen>(QStringLiteral("symbols"));
}

void SymbolsScreenTest::cleanup() {
    m_program.reset();
}

void SymbolsScreenTest::switchingShowsTheOtherSideOfTheSameElement() {
    QCOMPARE(m_screen->direction(), Direction::NameToSymbol);
    const int index = m_screen->currentIndex();
    const chem::SchoolElement& element = chem::kSchoolElements[index];
    QCOMPARE(label(*m_screen, "lblquestion").caption(), QString::fromUtf8(element.name));
    m_screen->reveal();

    m_screen->switchDirection();
    QCOMPARE(m_screen->currentIndex(), index);
    QCOMPARE(label(*m_screen, "lblquestion").caption(), QString::fromUtf8(element.symbol));
    QCOMPARE(label(*m_screen, "lblanswer").caption(), QString::fromUtf8(element.name));
    // The class has not said the name yet.
    QVERIFY(!m_screen->answerShown());

    m_screen->switchDirection();
    QCOMPARE(m_screen->direction(), Direction::NameToSymbol);
    QCOMPARE(label(*m_screen, "lblquestion").caption(), QString::fromUtf8(element.name));
    QCOMPARE(label(*m_screen, "lblanswer").caption(), QString::fromUtf8(element.symbol));
}

void SymbolsScreenTest::switchingKeepsTheDeck_data() {
    QTest::addColumn<int>("shownBefore");
    QTest::newRow("first element") << 1;
    QTest::newRow("mid deck") << 12;
    QTest::newRow("last but one") << kElements - 1;
}

// A deck started afresh by the switch would bring back elements the class has had already.
void SymbolsScreenTest::switchingKeepsTheDeck() {
    QFETCH(int, shownBefore);
    QSet<int> shown{m_screen->currentIndex()};
    while (shown.size() < shownBefore) {
        m_screen->next();
        shown << m_screen->currentIndex();
    }
    QCOMPARE(shown.size(), shownBefore);
    m_screen->switchDirection();
    for (int press = shownBefore; press < kElements; ++press) {
        m_screen->next();
        const int index = m_screen->currentIndex();
        QVERIFY2(!shown.contains(index), chem::kSchoolElements[index].name);
        shown << index;
    }
    QCOMPARE(shown.size(), kElements);
}

void SymbolsScreenTest::aWholeDeckShowsEverySymbolAsWritten_data() {
    QTest::addColumn<Direction>("direction");
    QTest::newRow("symbol to name") << Direction::SymbolToName;
    QTest::newRow("name to symbol") << Direction::NameToSymbol;
}

// What the labels show over a whole deck, letter case and all ("Cl", never "CL").
void SymbolsScreenTest::aWholeDeckShowsEverySymbolAsWritten() {
    QFETCH(Direction, direction);
    if (m_screen->direction() != direction) m_screen->switchDirection();
    QStringList symbolsShown;
    QStringList namesShown;
    // The element drawn on opening is the first of the deck.
    for (int press = 0; press < kElements; ++press) {
        if (press > 0) m_screen->next();
        m_screen->reveal();
        const QString question = label(*m_screen, "lblquestion").caption();
        const QString answer = label(*m_screen, "lblanswer").caption();
        symbolsShown << (direction == Direction::SymbolToName ? question : answer);
        namesShown << (direction == Direction::SymbolToName ? answer : question);
    }
    QStringList symbolsWritten;
    QStringList namesWritten;
    for (const chem::SchoolElement& element : chem::kSchoolElements) {
        symbolsWritten << QString::fromUtf8(element.symbol);
        namesWritten << QString::fromUtf8(element.name);
    }
    symbolsShown.sort();
    symbolsWritten.sort();
    namesShown.sort();
    namesWritten.sort();
    QCOMPARE(symbolsShown, symbolsWritten);
    QCOMPARE(namesShown, namesWritten);
}

void SymbolsScreenTest::labelButtonSwitchesAndFollowsTheHoverRule() {
    Label& button = label(*m_screen, "lbldirection");
    QCOMPARE(button.caption(), SymbolsScreen::directionCaption(Direction::NameToSymbol));
    Mouse mouse(*m_screen);
    mouse.click(Mouse::centreOf(button));
    QCOMPARE(m_screen->direction(), Direction::SymbolToName);
    QCOMPARE(button.caption(), SymbolsScreen::directionCaption(Direction::SymbolToName));
    QVERIFY(button.isOpaque());
    mouse.move(background());
    QVERIFY(!button.isOpaque());
    mouse.move(Mouse::centreOf(button));
    QVERIFY(button.isOpaque());
    mouse.click(Mouse::centreOf(button));
    QCOMPARE(m_screen->direction(), Direction::NameToSymbol);
}

void SymbolsScreenTest::labelButtonFitsAndKeepsClear() {
    const Label& button = label(*m_screen, "lbldirection");
    for (Direction direction : {Direction::NameToSymbol, Direction::SymbolToName}) {
        QVERIFY(captionFits(SymbolsScreen::directionCaption(direction), button.look().font,
                            button.rect(), true));
    }
    const QRect place = button.rect().toPixels();
    for (const char* name :
         {"lblquestion", "lblanswer", "cmdexit", "cmdgo", "cmdsoln", "cmdjotter"}) {
        const Control* other = m_screen->findControl(QLatin1String(name));
        QVERIFY2(other, name);
        QVERIFY2(!place.intersects(other->rect().toPixels()), name);
    }
}

QTEST_MAIN(SymbolsScreenTest)
#include "tst_symbolsscreen.moc"
