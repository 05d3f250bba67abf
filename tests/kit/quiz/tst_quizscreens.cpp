// Every quiz of the program through the quiz mechanism: the deck, the reveal, the way back, and
// every question, answer and reason whole in its place at its type.
#include <QtTest>
#include <set>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/quiz/QuizScreen.h"
#include "program/Activities.h"
#include "shell/ScreenNames.h"

using namespace forms;
using quiz::QuizScreen;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

// A quiz of the mechanism's own, so that it is tested whatever quizzes the program has.
constexpr quiz::QuizRow kSampleRows[] = {
    {"Which gas do plants give off in sunlight?", "Oxygen", "It comes from splitting water."},
    {"What is the symbol for iron?", "Fe"},
    {"What colour does universal indicator turn in a strong acid?", "Red"},
};
const QString kSample = QStringLiteral("samplequiz");

// Every quiz of the activities table by its screen name, and the sample.
QStringList quizScreens() {
    QStringList names{kSample};
    TestProgram program;
    program.addShellPictures();
    for (const program::Activity& activity : program::activities()) {
        if (!activity.make) continue;
        const QString name = QString::fromUtf8(activity.screen);
        if (dynamic_cast<QuizScreen*>(&program.screens.load(name))) names << name;
    }
    return names;
}

void defineSample(TestProgram& program) {
    program.screens.define(kSample, [](Screens& s) {
        return std::make_unique<QuizScreen>(s, shell::ActivityId{kSample, QStringLiteral("Sample")},
                                            kSampleRows);
    });
}

CommandButton& button(Screen& screen, const char* name) {
    return *screen.find<CommandButton>(QString::fromLatin1(name));
}

}  // namespace

class QuizScreensTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->addShellPictures();
        defineSample(*m_program);
    }
    void cleanup() { m_program.reset(); }

    void everyQuiz_data() {
        QTest::addColumn<QString>("screen");
        for (const QString& name : quizScreens()) QTest::newRow(qPrintable(name)) << name;
    }

    // Next draws from the deck: nothing repeats within a deck or twice running, and the answer
    // stays hidden until the answer button.
    void drawsFollowTheDeckAndWaitForTheAnswer_data() { everyQuiz_data(); }
    void drawsFollowTheDeckAndWaitForTheAnswer() {
        QFETCH(QString, screen);
        auto& quiz = m_program->screens.show<QuizScreen>(screen);
        Mouse mouse(quiz);
        const int count = quiz.itemCount();
        QVERIFY(count > 0);
        QVERIFY(!quiz.answerShown());
        QString last = quiz.current().question;
        // The load drew the first item of the first deck.
        std::set<int> deck{quiz.currentIndex()};
        for (int draw = 1; draw < 3 * count; ++draw) {
            mouse.click(Mouse::centreOf(button(quiz, "cmdgo")));
            QVERIFY2(!quiz.answerShown(), "an answer showed before the answer button");
            QVERIFY2(quiz.current().question != last, qPrintable(quiz.current().question));
            last = quiz.current().question;
            if (draw % count == 0) deck.clear();
            QVERIFY2(deck.insert(quiz.currentIndex()).second, "an item came back within its deck");
            if (draw % 5 == 0) {
                mouse.click(Mouse::centreOf(button(quiz, "cmdsoln")));
                QVERIFY(quiz.answerShown());
                const auto* answer = quiz.find<Label>(QStringLiteral("lblanswer"));
                const auto* reason = quiz.find<Label>(QStringLiteral("lblreason"));
                QCOMPARE(answer->caption(), quiz.current().answer);
                QCOMPARE(reason->isVisible(), !quiz.current().reason.isEmpty());
                quiz.hideAnswer();
                QVERIFY(!answer->isVisible() && !reason->isVisible());
            }
        }
    }

    // Legible from the back of the room: every text whole in its place, the question at 21.75 pt
    // bold or larger, the answer green, and nothing running under the house buttons.
    void everyItemFitsItsPlace_data() { everyQuiz_data(); }
    void everyItemFitsItsPlace() {
        QFETCH(QString, screen);
        auto& quiz = m_program->screens.load<QuizScreen>(screen);
        const auto& question = *quiz.find<Label>(QStringLiteral("lblquestion"));
        const auto& answer = *quiz.find<Label>(QStringLiteral("lblanswer"));
        const auto& reason = *quiz.find<Label>(QStringLiteral("lblreason"));
        QVERIFY(question.look().font.bold && question.look().font.points >= 21.75f);
        QCOMPARE(answer.look().fore, kGreen);
        for (const Label* text : {&question, &answer, &reason}) {
            for (const char* name : {"cmdgo", "cmdsoln", "cmdjotter", "cmdexit"}) {
                const TwipRect& place = text->rect();
                const TwipRect& buttonPlace = button(quiz, name).rect();
                const bool apart =
                    place.right() <= buttonPlace.left || buttonPlace.right() <= place.left ||
                    place.bottom() <= buttonPlace.top || buttonPlace.bottom() <= place.top;
                QVERIFY2(apart, qPrintable(text->name() + QStringLiteral(" under ") + name));
            }
        }
        // Generated quizzes make an item afresh each time: many draws stand for them.
        const int draws = std::max(quiz.itemCount(), 300);
        for (int i = 0; i < draws; ++i) {
            const quiz::QuizItem item = quiz.makeItem(i % quiz.itemCount());
            QVERIFY(!item.question.isEmpty() && !item.answer.isEmpty());
            QVERIFY2(captionFits(item.question, question.look().font, question.rect()),
                     qPrintable(item.question));
            QVERIFY2(captionFits(item.answer, answer.look().font, answer.rect()),
                     qPrintable(item.answer));
            QVERIFY2(captionFits(item.reason, reason.look().font, reason.rect()),
                     qPrintable(item.reason));
        }
    }

    // Exit gives the menu back; the Jotter button opens the Jotter.
    void exitAndJotter_data() { everyQuiz_data(); }
    void exitAndJotter() {
        QFETCH(QString, screen);
        Screen& menu = m_program->screens.show(shell::menuScreenName(1));
        auto& quiz = m_program->screens.show<QuizScreen>(screen);
        Mouse mouse(quiz);
        mouse.click(Mouse::centreOf(button(quiz, "cmdjotter")));
        QVERIFY(m_program->screens.isLoaded(QString::fromLatin1(shell::kJotterScreen)));
        mouse.click(Mouse::centreOf(button(quiz, "cmdexit")));
        QVERIFY(!m_program->screens.isLoaded(screen));
        QVERIFY(menu.isVisible());
    }

    // A presentation remote's one forward button walks the starter: reveal, next, reveal...; back
    // hides the answer again; Escape is exit.
    void remoteKeysWalkTheQuiz_data() { everyQuiz_data(); }
    void remoteKeysWalkTheQuiz() {
        QFETCH(QString, screen);
        auto& quiz = m_program->screens.show<QuizScreen>(screen);
        QWidget* window = quiz.window();
        const QString first = quiz.current().question;
        QTest::keyClick(window, Qt::Key_PageDown);
        QVERIFY(quiz.answerShown());
        QCOMPARE(quiz.current().question, first);
        QTest::keyClick(window, Qt::Key_Left);
        QVERIFY(!quiz.answerShown());
        QTest::keyClick(window, Qt::Key_Space);
        QVERIFY(quiz.answerShown());
        QTest::keyClick(window, Qt::Key_Right);
        QVERIFY(!quiz.answerShown());
        QVERIFY(quiz.current().question != first);
        QTest::keyClick(window, Qt::Key_PageUp);
        QVERIFY(!quiz.answerShown());
        // With a modifier held the keys are not the remote's.
        QTest::keyClick(window, Qt::Key_PageDown, Qt::ControlModifier);
        QVERIFY(!quiz.answerShown());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(!m_program->screens.isLoaded(screen));
    }

  private:
    std::unique_ptr<TestProgram> m_program;
};

QTEST_MAIN(QuizScreensTest)
#include "tst_quizscreens.moc"
