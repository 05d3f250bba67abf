// Fair Experiments through its screen: each investigation scored by its own key, next and back
// round.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "activities/fairtests/FairTestsBoard.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"
#include "shell/ScreenNames.h"

using namespace forms;
using fairtests::kFairTestsBoard;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const int kCount = static_cast<int>(kFairTestsBoard.items.size());
const int kPages = static_cast<int>(kFairTestsBoard.pages.size());

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

QString scored(int score) {
    return LabellingBoard::scoreMessage(score, kCount, text(kFairTestsBoard.scoreSuffix));
}

int group(int item) {
    return kFairTestsBoard.groups[static_cast<size_t>(item)];
}

// The next box of the same column, round to its first: with four boxes to keep the same, every
// one of those labels lands on another label's box.
int rotatedBox(int item) {
    for (int step = 1; step <= kCount; ++step) {
        const int box = (item + step) % kCount;
        if (group(box) == group(item)) return box;
    }
    return item;
}

int firstOfGroup(int wanted) {
    for (int i = 0; i < kCount; ++i) {
        if (group(i) == wanted) return i;
    }
    return -1;
}

}  // namespace

class FairTestsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void eachPageScoresItsOwnKeyAndStartsAgainInPlace_data();
    void eachPageScoresItsOwnKeyAndStartsAgainInPlace();
    void nextSendsLabelsHomeAndComesRoundToTheFirst();
    void remoteMovesOnEvenWithTheJotterUp();

  private:
    Label& name(int i) const { return (*m_board->array<Label>(QStringLiteral("Label2")))[i]; }
    Label& box(int k) const { return (*m_board->array<Label>(QStringLiteral("Label1")))[k]; }
    Label& home(int i) const { return (*m_board->array<Label>(QStringLiteral("Label4")))[i]; }
    Label& button(int k) const { return (*m_board->array<Label>(QStringLiteral("Label3")))[k]; }
    Label& message() const { return *m_board->find<Label>(QStringLiteral("lblmessage")); }
    Label& question() const { return *m_board->find<Label>(QStringLiteral("lblquestion")); }
    void next() { m_mouse->click(Mouse::centreOf(*m_board->find<CommandButton>("cmdgo"))); }
    void drop(int label, int onBox) {
        m_mouse->drag(Mouse::centreOf(name(label)), Mouse::centreOf(box(onBox)));
    }
    void checkScore() { m_mouse->click(Mouse::centreOf(button(LabellingBoard::kCheckScore))); }
    // The question and every label read as the page gives them, every label at home.
    void verifyPageAtHome(int page) const;

    std::unique_ptr<TestProgram> m_program;
    LabellingBoard* m_board = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void FairTestsTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_board = &m_program->screens.show<LabellingBoard>(QStringLiteral("fairtests"));
    m_mouse = std::make_unique<Mouse>(*m_board);
}

void FairTestsTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void FairTestsTest::verifyPageAtHome(int page) const {
    const labelling::BoardPage& shown = kFairTestsBoard.pages[static_cast<size_t>(page)];
    QCOMPARE(m_board->page(), page);
    QCOMPARE(question().caption(), text(shown.question));
    QVERIFY(question().isVisible());
    for (int i = 0; i < kCount; ++i) {
        QCOMPARE(name(i).caption(), text(shown.texts[static_cast<size_t>(i)]));
        QCOMPARE(name(i).rect(), home(i).rect());
    }
    QVERIFY(!button(LabellingBoard::kCheckScore).isVisible());
    QCOMPARE(message().caption(), text(kFairTestsBoard.message.text));
}

void FairTestsTest::eachPageScoresItsOwnKeyAndStartsAgainInPlace_data() {
    QTest::addColumn<int>("page");
    for (int page = 0; page < kPages; ++page)
        QTest::newRow(kFairTestsBoard.pages[static_cast<size_t>(page)].question) << page;
}

void FairTestsTest::eachPageScoresItsOwnKeyAndStartsAgainInPlace() {
    QFETCH(int, page);
    for (int press = 0; press < page; ++press) next();
    verifyPageAtHome(page);

    // Within a column any box will do, so the kept-the-same labels all on each other's boxes
    // still score in full.
    for (int i = 0; i < kCount; ++i) drop(i, rotatedBox(i));
    QVERIFY(button(LabellingBoard::kCheckScore).isVisible());
    checkScore();
    QCOMPARE(message().caption(), scored(kCount));

    // What is changed and what is measured, swapped: both wrong, the rest still right.
    const int change = firstOfGroup(fairtests::kChange);
    const int measure = firstOfGroup(fairtests::kMeasure);
    drop(change, measure);
    drop(measure, change);
    checkScore();
    QCOMPARE(message().caption(), scored(kCount - 2));

    // Start Again keeps the investigation on view.
    m_mouse->click(Mouse::centreOf(button(LabellingBoard::kStartAgain)));
    verifyPageAtHome(page);
}

void FairTestsTest::nextSendsLabelsHomeAndComesRoundToTheFirst() {
    for (int page = 0; page < kPages; ++page) {
        verifyPageAtHome(page);
        for (int i = 0; i < kCount; ++i) drop(i, i);
        checkScore();
        QCOMPARE(message().caption(), scored(kCount));
        next();
    }
    verifyPageAtHome(0);
}

// Page Down is Next, on the board and with the Jotter open over it, whose key it is not: the
// teacher need not put the remote down to click the board. Escape stays the Jotter's own.
void FairTestsTest::remoteMovesOnEvenWithTheJotterUp() {
    QTest::keyClick(m_board->window(), Qt::Key_PageDown);
    verifyPageAtHome(1);
    Screen& jotter = m_program->screens.show(QString::fromLatin1(shell::kJotterScreen));
    QTest::keyClick(jotter.window(), Qt::Key_PageDown);
    verifyPageAtHome(2);
    QTest::keyClick(jotter.window(), Qt::Key_Right);
    verifyPageAtHome(0);
    QTest::keyClick(jotter.window(), Qt::Key_Escape);
    QVERIFY(m_program->screens.isLoaded(QStringLiteral("fairtests")));
}

QTEST_MAIN(FairTestsTest)
#include "tst_fairtests.moc"
