// Four in a Row as the teacher plays it: turns, Correct and Wrong, columns clicked, a win, a draw,
// and every question of the three pools fitting its place.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/fourinarow/GridView.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"

using namespace forms;
using fourinarow::Cell;
using fourinarow::FourInARowScreen;
using fourinarow::Grid;
using fourinarow::GridView;
using fourinarow::Team;
using fourinarow::TurnQuestions;
using Stage = fourinarow::FourInARowScreen::Stage;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kScreen = QStringLiteral("fourinarow");

bool fits(const Label& label) {
    return captionFits(label.caption(), label.look().font, label.rect(), label.look().border);
}

}  // namespace

class FourInARowScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void redStartsAndTheTurnShowsInItsColour();
    void wrongPassesTheTurnAtOnce();
    void aCounterOnlyAfterCorrect();
    void fullColumnLeavesTheTeamToChooseAnother();
    void fourInALineWins();
    void fullGridIsADraw();
    void newGameClearsAndTheOtherTeamStarts();
    void nextAsksTheSameTeamAnother();
    void bothTeamsGetEveryKindOfQuestion();
    void remoteKeysOnlyShowAndHideTheAnswer();
    void questionsFit_data();
    void questionsFit();

  private:
    Label& label(const char* name) const { return *m_screen->find<Label>(QLatin1String(name)); }
    GridView& view() const { return *m_screen->find<GridView>(QStringLiteral("grdboard")); }
    void clickLabel(const char* name) { m_mouse->click(Mouse::centreOf(label(name))); }
    void clickButton(const char* name) {
        m_mouse->click(Mouse::centreOf(*m_screen->find<CommandButton>(QLatin1String(name))));
    }
    // Near the top of the column, where a teacher reaches without looking for the free cell.
    void clickColumn(int column) {
        const QPointF at = view().cellCentre({column, Grid::kRows - 1});
        m_mouse->click(
            Mouse::pixelOf(view(), static_cast<float>(at.x()), static_cast<float>(at.y())));
    }
    // Correct, then the column; Wrong first while the other team is on turn.
    void play(Team team, int column) {
        if (m_screen->turn() != team) clickLabel("lblwrong");
        clickLabel("lblcorrect");
        clickColumn(column);
    }
    // Alternate teams from Red: "0101" is Red 0, Yellow 1, Red 0, Yellow 1.
    void playAlternately(const char* columns) {
        Team team = Team::Red;
        for (const char* c = columns; *c; ++c) {
            QCOMPARE(m_screen->turn(), team);
            play(team, *c - '0');
            team = team == Team::Red ? Team::Yellow : Team::Red;
        }
    }
    int counters() const {
        int n = 0;
        for (int c = 0; c < Grid::kColumns; ++c)
            for (int r = 0; r < Grid::kRows; ++r) n += m_screen->grid().at(c, r) != Team::None;
        return n;
    }
    QColor pixel(Cell cell, double dxPx) {
        const QPointF centre = view().cellCentre(cell);
        const QImage image = view().widget()->grab().toImage();
        return image.pixelColor(QPoint(qRound(centre.x() / kTwipsPerPixel + dxPx),
                                       qRound(centre.y() / kTwipsPerPixel)));
    }

    std::unique_ptr<TestProgram> m_program;
    FourInARowScreen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void FourInARowScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<FourInARowScreen>(kScreen);
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void FourInARowScreenTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void FourInARowScreenTest::redStartsAndTheTurnShowsInItsColour() {
    QCOMPARE(m_screen->turn(), Team::Red);
    QCOMPARE(m_screen->stage(), Stage::Asking);
    QCOMPARE(label("lblturn").caption(), QStringLiteral("Red's turn"));
    QCOMPARE(QColor(label("lblturn").look().back), GridView::teamColour(Team::Red));
    QVERIFY(!label("lblquestion").caption().isEmpty());
    QVERIFY(!label("lblanswer").isVisible());
    clickButton("cmdsoln");
    QVERIFY(label("lblanswer").isVisible());
    QCOMPARE(label("lblanswer").caption(), m_screen->question().answer);
    for (const char* name : {"lblturn", "lblhint", "lblcorrect", "lblwrong", "lblnewgame"})
        QVERIFY2(fits(label(name)), name);
}

void FourInARowScreenTest::wrongPassesTheTurnAtOnce() {
    const QString asked = label("lblquestion").caption();
    clickLabel("lblwrong");
    QCOMPARE(m_screen->turn(), Team::Yellow);
    QCOMPARE(m_screen->stage(), Stage::Asking);
    QCOMPARE(label("lblturn").caption(), QStringLiteral("Yellow's turn"));
    QCOMPARE(QColor(label("lblturn").look().back), GridView::teamColour(Team::Yellow));
    QVERIFY(label("lblquestion").caption() != asked);
    QVERIFY(!label("lblanswer").isVisible());
    QVERIFY(fits(label("lblhint")));
    QCOMPARE(counters(), 0);
    clickLabel("lblwrong");
    QCOMPARE(m_screen->turn(), Team::Red);
}

void FourInARowScreenTest::aCounterOnlyAfterCorrect() {
    clickColumn(3);
    QCOMPARE(counters(), 0);
    QCOMPARE(m_screen->turn(), Team::Red);

    clickLabel("lblcorrect");
    QCOMPARE(m_screen->stage(), Stage::Dropping);
    QVERIFY(label("lblanswer").isVisible());
    QVERIFY(!label("lblcorrect").isVisible() && !label("lblwrong").isVisible());
    QCOMPARE(view().chooser(), Team::Red);
    QVERIFY(fits(label("lblhint")));
    // Neither answer button nor next changes anything while the team chooses.
    const QString asked = label("lblquestion").caption();
    clickButton("cmdgo");
    QCOMPARE(label("lblquestion").caption(), asked);

    clickColumn(3);
    QCOMPARE(m_screen->grid().at(3, 0), Team::Red);
    QCOMPARE(counters(), 1);
    QCOMPARE(m_screen->turn(), Team::Yellow);
    QCOMPARE(m_screen->stage(), Stage::Asking);
    QCOMPARE(view().chooser(), Team::None);
    QVERIFY(label("lblcorrect").isVisible() && label("lblwrong").isVisible());
    // One counter per right answer.
    clickColumn(4);
    QCOMPARE(counters(), 1);
    // Over the board's edge but not on it: nothing.
    clickLabel("lblcorrect");
    m_mouse->click(Mouse::pixelOf(view(), view().width() - 15, view().height() / 2) +
                   QPoint(40, 0));
    QCOMPARE(counters(), 1);
    clickColumn(3);
    QCOMPARE(m_screen->grid().at(3, 1), Team::Yellow);
}

void FourInARowScreenTest::fullColumnLeavesTheTeamToChooseAnother() {
    playAlternately("222222");
    QVERIFY(m_screen->grid().columnFull(2));
    QCOMPARE(m_screen->turn(), Team::Red);
    clickLabel("lblcorrect");
    clickColumn(2);
    QCOMPARE(counters(), 6);
    QCOMPARE(m_screen->turn(), Team::Red);
    QCOMPARE(m_screen->stage(), Stage::Dropping);
    QVERIFY(label("lblhint").caption().contains(QStringLiteral("full")));
    QVERIFY(fits(label("lblhint")));
    clickColumn(5);
    QCOMPARE(m_screen->grid().at(5, 0), Team::Red);
    QCOMPARE(m_screen->turn(), Team::Yellow);
}

void FourInARowScreenTest::fourInALineWins() {
    playAlternately("0101010");
    QCOMPARE(m_screen->stage(), Stage::Over);
    QCOMPARE(label("lblturn").caption(), QStringLiteral("Red wins!"));
    QCOMPARE(QColor(label("lblturn").look().back), GridView::teamColour(Team::Red));
    QCOMPARE(m_screen->grid().winningCells().size(), size_t{4});
    QVERIFY(!label("lblcorrect").isVisible() && !label("lblwrong").isVisible());
    QVERIFY(!label("lblquestion").isVisible());
    QVERIFY(label("lblnewgame").isVisible());

    // The four are ringed: a ring round the centre of a winning counter, none on the others.
    const double radius = (view().cellCentre({1, 0}).x() - view().cellCentre({0, 0}).x()) /
                          kTwipsPerPixel * 0.40 * 0.55;
    QCOMPARE(pixel({0, 3}, radius), QColor(Qt::white));
    QCOMPARE(pixel({0, 3}, 0), GridView::teamColour(Team::Red));
    QCOMPARE(pixel({1, 2}, radius), GridView::teamColour(Team::Yellow));

    // The game is over: no counters, no questions.
    clickColumn(4);
    QCOMPARE(counters(), 7);
    clickButton("cmdsoln");
    QVERIFY(!label("lblanswer").isVisible());
}

void FourInARowScreenTest::fullGridIsADraw() {
    // Every counter where the other team's would block it: no line anywhere.
    playAlternately("000000111111422222233333344444555556666665");
    QVERIFY(m_screen->grid().full());
    QCOMPARE(m_screen->grid().winner(), Team::None);
    QCOMPARE(m_screen->stage(), Stage::Over);
    QCOMPARE(label("lblturn").caption(), QStringLiteral("A draw!"));
    QVERIFY(fits(label("lblturn")));
}

void FourInARowScreenTest::newGameClearsAndTheOtherTeamStarts() {
    playAlternately("0101010");
    clickLabel("lblnewgame");
    QCOMPARE(counters(), 0);
    QCOMPARE(m_screen->stage(), Stage::Asking);
    QCOMPARE(m_screen->turn(), Team::Yellow);
    QVERIFY(m_screen->grid().winningCells().empty());
    QVERIFY(label("lblquestion").isVisible());
    QVERIFY(label("lblcorrect").isVisible());
    QCOMPARE(pixel({0, 3}, 0), GridView::teamColour(Team::None));
    // New Game in the middle of a game starts afresh too.
    play(Team::Yellow, 6);
    clickLabel("lblnewgame");
    QCOMPARE(counters(), 0);
    QCOMPARE(m_screen->turn(), Team::Red);
}

void FourInARowScreenTest::nextAsksTheSameTeamAnother() {
    const QString asked = label("lblquestion").caption();
    clickButton("cmdsoln");
    clickButton("cmdgo");
    QCOMPARE(m_screen->turn(), Team::Red);
    QVERIFY(label("lblquestion").caption() != asked);
    QVERIFY(!label("lblanswer").isVisible());
}

void FourInARowScreenTest::bothTeamsGetEveryKindOfQuestion() {
    QSet<int> kinds[2];
    for (int turn = 0; turn < 2 * TurnQuestions::kPoolCount; ++turn) {
        const Team team = m_screen->turn();
        QCOMPARE(label("lblquestion").caption(), m_screen->question().question);
        const QString question = m_screen->question().question;
        const int kind = question.startsWith(QStringLiteral("What is the symbol")) ? 0
                         : question.contains(QStringLiteral("formula mass"))       ? 1
                                                                                   : 2;
        kinds[team == Team::Red ? 0 : 1].insert(kind);
        clickLabel("lblwrong");
    }
    QCOMPARE(kinds[0].size(), TurnQuestions::kPoolCount);
    QCOMPARE(kinds[1].size(), TurnQuestions::kPoolCount);
}

void FourInARowScreenTest::remoteKeysOnlyShowAndHideTheAnswer() {
    QWidget* window = m_screen->window();
    const QString asked = m_screen->question().question;
    QTest::keyClick(window, Qt::Key_PageDown);
    QVERIFY(label("lblanswer").isVisible());
    QTest::keyClick(window, Qt::Key_PageDown);
    QVERIFY(label("lblanswer").isVisible());
    QCOMPARE(m_screen->question().question, asked);
    QCOMPARE(m_screen->turn(), Team::Red);
    QCOMPARE(m_screen->stage(), Stage::Asking);
    QTest::keyClick(window, Qt::Key_Left);
    QVERIFY(!label("lblanswer").isVisible());
}

void FourInARowScreenTest::questionsFit_data() {
    QTest::addColumn<int>("pool");
    QTest::addColumn<int>("index");
    for (int pool = 0; pool < TurnQuestions::kPoolCount; ++pool)
        for (int i = 0; i < TurnQuestions::count(pool); ++i)
            QTest::addRow("%d-%d", pool, i) << pool << i;
}

void FourInARowScreenTest::questionsFit() {
    QFETCH(int, pool);
    QFETCH(int, index);
    const fourinarow::TurnQuestion item = TurnQuestions::make(pool, index);
    QVERIFY(!item.question.isEmpty());
    QVERIFY(!item.answer.isEmpty());
    QVERIFY2(captionFits(item.question, tahoma(FourInARowScreen::kQuestionPoints, true),
                         FourInARowScreen::kQuestionPlace),
             qPrintable(item.question));
    QVERIFY2(captionFits(item.answer, tahoma(FourInARowScreen::kAnswerPoints, true),
                         FourInARowScreen::kAnswerPlace),
             qPrintable(item.answer));
    // Formulas with real subscripts, never typed digits.
    if (pool == TurnQuestions::Masses) {
        const QString formula =
            item.question.section(QStringLiteral(" of "), 1).section(QLatin1Char('?'), 0, 0);
        for (const QChar c : formula)
            QVERIFY2(!c.isDigit() || c.unicode() >= 0x2080, qPrintable(formula));
    }
}

QTEST_MAIN(FourInARowScreenTest)
#include "tst_fourinarowscreen.moc"
