// Every activity that is not a board, finished with keys alone (the boards have their own walk):
// each answer revealed by Tab and Enter, every Hangman word called by typing, every equation
// balanced by its digits, a game of Four in a Row won, every glossary group opened by its letter.
#include <QtTest>
#include <set>

#include "TestProgram.h"
#include "activities/equations/ChemicalEquations.h"
#include "activities/equations/EquationsScreen.h"
#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/hangman/HangmanScreen.h"
#include "activities/vocab/GlossaryCatalogue.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/DropDownList.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/wordgames/WordList.h"
#include "program/Activities.h"
#include "shell/AnswerStep.h"

using namespace forms;
using testing_support::TestProgram;

namespace {

void tabTo(Screen& screen, const Control& control) {
    for (std::size_t n = 0; n <= screen.focusChain().size(); ++n) {
        if (screen.window()->focusWidget() == control.widget()) return;
        QTest::keyClick(screen.window(), Qt::Key_Tab);
    }
    QFAIL(qPrintable(control.name() + " is not on the keyboard's round"));
}

// Tab to it and Enter, as a pupil at the keyboard would click it.
void press(Screen& screen, const Control& control) {
    tabTo(screen, control);
    QTest::keyClick(screen.window()->focusWidget(), Qt::Key_Return);
}

// A key to whatever has the focus, or to the screen.
void type(Screen& screen, int key) {
    QWidget* to = screen.window()->focusWidget();
    QTest::keyClick(to ? to : screen.window(), static_cast<Qt::Key>(key));
}

}  // namespace

class KeysAloneTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->screens.show(QStringLiteral("Grey"));
    }
    void cleanup() { m_program.reset(); }

    void everyAnswerRevealedByTabAndEnter_data();
    void everyAnswerRevealedByTabAndEnter();
    void everyHangmanWordCalledByTyping();
    void everyEquationBalancedByItsDigits();
    void fourInARowWonByKeys();
    void everyGlossaryGroupOpenedByItsLetter();

  private:
    std::unique_ptr<TestProgram> m_program;
};

void KeysAloneTest::everyAnswerRevealedByTabAndEnter_data() {
    QTest::addColumn<QString>("screen");
    TestProgram probe;
    probe.screens.show(QStringLiteral("Grey"));
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        Screen& screen = probe.screens.show(name);
        if (screen.find<CommandButton>(QStringLiteral("cmdsoln")) &&
            dynamic_cast<shell::AnswerStep*>(&screen))
            QTest::newRow(activity.screen) << name;
        probe.screens.unload(name);
    }
}

// Twelve items in turn: Answer shows each, Next moves on.
void KeysAloneTest::everyAnswerRevealedByTabAndEnter() {
    QFETCH(QString, screen);
    Screen& shown = m_program->screens.show(screen);
    auto& step = dynamic_cast<shell::AnswerStep&>(shown);
    const auto* answer = shown.find<CommandButton>(QStringLiteral("cmdsoln"));
    const auto* next = shown.find<CommandButton>(QStringLiteral("cmdgo"));
    for (int item = 0; item < 12; ++item) {
        press(shown, *answer);
        const auto* answerText = shown.find<Label>(QStringLiteral("lblanswer"));
        QVERIFY2(step.answerShown() || (answerText && answerText->isVisible()),
                 qPrintable(QStringLiteral("item %1").arg(item)));
        if (!next) break;
        press(shown, *next);
    }
    QVERIFY(m_program->screens.keyboardInUse());
}

void KeysAloneTest::everyHangmanWordCalledByTyping() {
    auto& hangman = m_program->screens.show<hangman::HangmanScreen>(QStringLiteral("hangman"));
    std::set<int> called;
    const int words = static_cast<int>(std::size(wordgames::kWordList));
    for (int n = 0; n < words; ++n) {
        const QString word = hangman.game().word();
        for (QChar letter : word)
            if (letter.isLetter()) type(hangman, Qt::Key_A + (letter.toUpper().unicode() - u'A'));
        QVERIFY2(hangman.game().solved(), qPrintable(word));
        called.insert(hangman.wordIndex());
        // The remote's forward, from the keyboard: on to the next word.
        type(hangman, Qt::Key_PageDown);
    }
    QCOMPARE(static_cast<int>(called.size()), words);
}

void KeysAloneTest::everyEquationBalancedByItsDigits() {
    auto& screen = m_program->screens.show<equations::EquationsScreen>(QStringLiteral("equations"));
    auto& numbers = *screen.array<Label>(QStringLiteral("lblnumber"));
    const auto* check = screen.find<CommandButton>(QStringLiteral("cmdcheckit"));
    const auto& message = *screen.find<Label>(QStringLiteral("lblmessage"));
    for (int index = 0; index < std::ssize(equations::kChemicalEquations); ++index) {
        screen.showEquation(index);
        const auto& row = equations::kChemicalEquations[static_cast<size_t>(index)];
        for (int term = 0; term < screen.equation().termCount(); ++term) {
            tabTo(screen, numbers[term]);
            // Up and Down first, to see them count round, then the digit itself.
            type(screen, Qt::Key_Down);
            QCOMPARE(numbers[term].caption(),
                     QString::number(equations::EquationsScreen::kHighestNumber));
            type(screen, Qt::Key_Up);
            QCOMPARE(numbers[term].caption(), QStringLiteral("1"));
            type(screen, Qt::Key_0 + row.answer[static_cast<size_t>(term)]);
        }
        press(screen, *check);
        QCOMPARE(message.caption(), QStringLiteral("Balanced, in the smallest numbers."));
    }
}

void KeysAloneTest::fourInARowWonByKeys() {
    auto& game =
        m_program->screens.show<fourinarow::FourInARowScreen>(QStringLiteral("fourinarow"));
    const auto& correct = *game.find<Label>(QStringLiteral("lblcorrect"));
    const auto& turn = *game.find<Label>(QStringLiteral("lblturn"));
    // Whoever starts takes column 1 four times; the other, column 2 three times, by the arrows.
    const QString starter = turn.caption().section(QLatin1Char('\''), 0, 0);
    for (int move = 0; move < 7; ++move) {
        press(game, correct);
        if (move % 2 == 0) {
            type(game, Qt::Key_1);
        } else {
            type(game, Qt::Key_Left);  // the middle column first: the fourth
            type(game, Qt::Key_Left);
            type(game, Qt::Key_Return);
        }
    }
    QCOMPARE(turn.caption(), starter + QStringLiteral(" wins!"));
}

void KeysAloneTest::everyGlossaryGroupOpenedByItsLetter() {
    Screen& vocab = m_program->screens.show(QStringLiteral("Vocab"));
    const auto& shownTerm = *vocab.find<Label>(QStringLiteral("Label55"));
    const auto& groups = vocab::glossaryGroups();
    for (int group = 1; group <= std::ssize(groups); ++group) {
        const std::string_view caption = groups[static_cast<size_t>(group - 1)].tileCaption;
        const QString letter =
            QString::fromUtf8(caption.data(), std::ssize(caption)).trimmed().left(1);
        type(vocab, Qt::Key_A + (letter[0].unicode() - u'A'));
        auto& list = *vocab.find<ComboBox>(QStringLiteral("Combo%1").arg(group));
        QVERIFY2(list.isVisible(), qPrintable(letter));
        QCOMPARE(vocab.window()->focusWidget(), list.widget());
        type(vocab, Qt::Key_Return);
        QVERIFY(list.isDroppedDown());
        QTest::keyClick(list.list(), Qt::Key_Down);
        QTest::keyClick(list.list(), Qt::Key_Return);
        QCOMPARE(shownTerm.caption(), list.items().first());
    }
}

QTEST_MAIN(KeysAloneTest)
#include "tst_keysalone.moc"
