// The Hangman screen worked with the pointer: letter buttons, blanks, the drawing, answer, next.
#include <QPaintEvent>
#include <QtTest>
#include <set>

#include "Mouse.h"
#include "PaintSpy.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "activities/hangman/HangmanScreen.h"
#include "forms/CommandButton.h"
#include "kit/wordgames/WordList.h"
#include "shell/HouseStyle.h"

using namespace forms;
using hangman::GallowsDrawing;
using hangman::HangmanScreen;
using hangman::LetterBlank;
using testing_support::Mouse;
using testing_support::PaintSpy;
using testing_support::TestProgram;

namespace {

QString lettersNotIn(const QString& word) {
    QString absent;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        if (!word.contains(QChar(c))) absent += QChar(c);
    return absent;
}

bool intersects(const TwipRect& a, const TwipRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

class HangmanScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void lettersStandInTwoRowsClearOfEverythingElse();
    void rightLettersFillTheirBlanksAndEveryLetterCountsOnce();
    void wrongLettersDrawAStageEachAndTheTenthGivesTheWordAway();
    void aSolvedWordSaysWellDoneAndLettersStop();
    void answerGivesTheWordAndItsClueAndLettersStop();
    void nextDealsEveryWordOnceEachAFreshGame();
    void aLetterRepaintsOnlyWhatItChanges();
    void everyClueFits_data();
    void everyClueFits();
    void everyLetterFitsItsButtonAndTheNarrowestBlank();

  private:
    Label& letter(QChar c) const {
        return (*m_screen->array<Label>(QStringLiteral("lblletter")))[c.unicode() - u'A'];
    }
    LetterBlank& blank(int i) const {
        return (*m_screen->array<LetterBlank>(QStringLiteral("lblblank")))[i];
    }
    GallowsDrawing& gallows() const {
        return *m_screen->find<GallowsDrawing>(QStringLiteral("picgallows"));
    }
    Label& label(const char* name) const { return *m_screen->find<Label>(QLatin1String(name)); }
    CommandButton& button(const char* name) const {
        return *m_screen->find<CommandButton>(QLatin1String(name));
    }
    QString word() const {
        return QString::fromLatin1(wordgames::kWordList[m_screen->wordIndex()].word);
    }
    bool isUsed(QChar c) const { return letter(c).look().fore == HangmanScreen::kUsedLetter; }
    void click(QChar c) { m_mouse->click(Mouse::centreOf(letter(c))); }
    void click(const char* name) { m_mouse->click(Mouse::centreOf(button(name))); }
    QString blanksShown() const {
        QString shown;
        for (int i = 0; i < word().size(); ++i)
            shown += blank(i).letter().isNull() ? QLatin1Char('_') : blank(i).letter();
        return shown;
    }
    // Pixels of the drawing that are not the screen's blue.
    int drawnPixels() const {
        QCoreApplication::processEvents();
        const QImage shot = m_screen->window()->grab(gallows().rect().toPixels()).toImage();
        int drawn = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixel(x, y) != shell::ScreenBlue) ++drawn;
        return drawn;
    }
    // A word just dealt: its blanks in place and empty, nothing drawn, every letter free.
    void verifyFreshGame() {
        const int length = static_cast<int>(word().size());
        for (int i = 0; i < wordgames::longestWord(); ++i) {
            QCOMPARE(blank(i).isVisible(), i < length);
            if (i < length) QCOMPARE(blank(i).rect(), HangmanScreen::blankPlace(i, length));
        }
        QCOMPARE(blanksShown(), QString(length, QLatin1Char('_')));
        QCOMPARE(gallows().stage(), 0);
        QCOMPARE(drawnPixels(), 0);
        for (char16_t c = u'A'; c <= u'Z'; ++c) QVERIFY(!isUsed(QChar(c)));
        QVERIFY(!label("lblmessage").isVisible());
        QVERIFY(!label("lblclue").isVisible());
    }

    std::unique_ptr<TestProgram> m_program;
    HangmanScreen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void HangmanScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<HangmanScreen>(QStringLiteral("hangman"));
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void HangmanScreenTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void HangmanScreenTest::lettersStandInTwoRowsClearOfEverythingElse() {
    QCOMPARE(m_screen->backColour(), shell::ScreenBlue);
    std::vector<std::pair<QString, TwipRect>> others;
    for (const char* name : {"cmdexit", "cmdjotter", "cmdgo", "cmdsoln", "lbltitle", "picgallows",
                             "lblmessage", "lblclue"}) {
        others.emplace_back(QLatin1String(name),
                            m_screen->findControl(QLatin1String(name))->rect());
    }
    // The blanks of every length of word, each inside the row's bounds.
    for (int length = 1; length <= wordgames::longestWord(); ++length) {
        for (int i = 0; i < length; ++i) {
            const TwipRect place = HangmanScreen::blankPlace(i, length);
            QVERIFY(place.left >= HangmanScreen::kBlankRow.left);
            QVERIFY(place.right() <= HangmanScreen::kBlankRow.right());
            if (i > 0) QVERIFY(place.left > HangmanScreen::blankPlace(i - 1, length).right());
            others.emplace_back(QStringLiteral("blank %1 of %2").arg(i).arg(length), place);
        }
    }

    std::set<float> rows;
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const Label& button = letter(QChar(c));
        QCOMPARE(button.caption(), QString(QChar(c)));
        rows.insert(button.top());
        // Inside the client area, clear of the house buttons, the texts and one another.
        QVERIFY(button.left() >= 0 && button.rect().right() <= m_screen->clientWidth());
        QVERIFY(button.top() >= 0 && button.rect().bottom() <= m_screen->clientHeight());
        for (const auto& [name, place] : others)
            QVERIFY2(!intersects(button.rect(), place), qPrintable(name));
        others.emplace_back(button.caption(), button.rect());
    }
    QCOMPARE(rows.size(), size_t{2});
    QCOMPARE(letter(QLatin1Char('M')).top(), letter(QLatin1Char('A')).top());
    QCOMPARE(letter(QLatin1Char('N')).left(), letter(QLatin1Char('A')).left());
}

void HangmanScreenTest::rightLettersFillTheirBlanksAndEveryLetterCountsOnce() {
    verifyFreshGame();
    // A word with a letter that comes more than once.
    const auto repeatIn = [](const QString& w) {
        return std::find_if(w.begin(), w.end(), [&w](QChar c) { return w.count(c) > 1; });
    };
    while (repeatIn(word()) == word().end()) click("cmdgo");
    const QString w = word();
    const QChar repeated = *repeatIn(w);
    const QChar wrong = lettersNotIn(w).front();

    click(repeated);
    QVERIFY(isUsed(repeated));
    for (int i = 0; i < w.size(); ++i) {
        QCOMPARE(blank(i).letter(), w[i] == repeated ? repeated : QChar());
        if (w[i] == repeated) QCOMPARE(blank(i).colour(), shell::TitleYellow);
    }
    click(wrong);
    QVERIFY(isUsed(wrong));
    const QString shown = blanksShown();
    click(wrong);
    click(repeated);
    QCOMPARE(gallows().stage(), 1);
    QCOMPARE(blanksShown(), shown);
}

void HangmanScreenTest::wrongLettersDrawAStageEachAndTheTenthGivesTheWordAway() {
    const QString w = word();
    const QString wrong = lettersNotIn(w);
    click(w.front());
    int before = drawnPixels();
    for (int stage = 1; stage <= GallowsDrawing::kStages; ++stage) {
        QVERIFY(blanksShown().contains(QLatin1Char('_')));
        click(wrong[stage - 1]);
        QCOMPARE(gallows().stage(), stage);
        // Every stage adds strokes of its own, inside the drawing's box.
        const int drawn = drawnPixels();
        QVERIFY2(drawn > before + 50, qPrintable(QStringLiteral("stage %1").arg(stage)));
        before = drawn;
    }
    QCOMPARE(blanksShown(), w);
    // Letters found stay yellow; the rest come in the answer's green.
    for (int i = 0; i < w.size(); ++i) {
        QCOMPARE(blank(i).colour(),
                 w[i] == w.front() ? shell::TitleYellow : HangmanScreen::kGivenAway);
    }
    QVERIFY(!label("lblmessage").isVisible());

    const QChar unused =
        *std::find_if(w.begin(), w.end(), [&w](QChar c) { return c != w.front(); });
    click(unused);
    click(wrong[GallowsDrawing::kStages]);
    QVERIFY(!isUsed(unused));
    QVERIFY(!isUsed(wrong[GallowsDrawing::kStages]));
    QCOMPARE(gallows().stage(), GallowsDrawing::kStages);
}

void HangmanScreenTest::aSolvedWordSaysWellDoneAndLettersStop() {
    const QString w = word();
    click(lettersNotIn(w).front());
    QString called;
    for (const QChar c : w) {
        if (called.contains(c)) continue;
        QVERIFY(!label("lblmessage").isVisible());
        click(c);
        called += c;
    }
    QVERIFY(label("lblmessage").isVisible());
    QCOMPARE(label("lblmessage").caption(), QStringLiteral("Well done!"));
    QCOMPARE(blanksShown(), w);
    for (int i = 0; i < w.size(); ++i) QCOMPARE(blank(i).colour(), shell::TitleYellow);

    const QChar after = lettersNotIn(w)[1];
    click(after);
    QCOMPARE(gallows().stage(), 1);
    QVERIFY(!isUsed(after));
}

void HangmanScreenTest::answerGivesTheWordAndItsClueAndLettersStop() {
    const QString w = word();
    click(w.back());
    click("cmdsoln");
    QCOMPARE(blanksShown(), w);
    QVERIFY(label("lblclue").isVisible());
    QCOMPARE(label("lblclue").caption(),
             QString::fromUtf8(wordgames::kWordList[m_screen->wordIndex()].clue));
    QVERIFY(!label("lblmessage").isVisible());
    const QChar wrong = lettersNotIn(w).front();
    click(wrong);
    QCOMPARE(gallows().stage(), 0);
    QVERIFY(!isUsed(wrong));
}

void HangmanScreenTest::nextDealsEveryWordOnceEachAFreshGame() {
    const int count = static_cast<int>(std::size(wordgames::kWordList));
    std::set<int> dealt{m_screen->wordIndex()};
    for (int i = 1; i < count; ++i) {
        // Half played, lost, then the answer asked for, before the next word.
        for (const QChar c : lettersNotIn(word()).left(i % 12)) click(c);
        if (i % 3 == 0) click("cmdsoln");
        const int before = m_screen->wordIndex();
        click("cmdgo");
        QVERIFY(m_screen->wordIndex() != before);
        dealt.insert(m_screen->wordIndex());
        verifyFreshGame();
    }
    QCOMPARE(static_cast<int>(dealt.size()), count);
    // The new word is played from the start.
    click(word().front());
    QCOMPARE(blank(0).letter(), word().front());
}

void HangmanScreenTest::aLetterRepaintsOnlyWhatItChanges() {
    const QString w = word();
    QCoreApplication::processEvents();
    PaintSpy spy(m_screen->window());

    const QChar right = w.back();
    click(right);
    QRegion allowed = letter(right).rect().toPixels();
    for (int i = 0; i < w.size(); ++i)
        if (w[i] == right) allowed += blank(i).rect().toPixels();
    spy.painted = QRegion();
    QCoreApplication::processEvents();
    QVERIFY(!spy.painted.isEmpty());
    QCOMPARE(spy.painted - allowed, QRegion());

    const QChar wrong = lettersNotIn(w).front();
    click(wrong);
    spy.painted = QRegion();
    QCoreApplication::processEvents();
    const QRect drawing = gallows().rect().toPixels();
    QCOMPARE(spy.painted - (QRegion(letter(wrong).rect().toPixels()) + drawing), QRegion());
    // Only the new stage's part of the drawing.
    QVERIFY(!(spy.painted & drawing).isEmpty());
    QVERIFY((spy.painted & drawing) != QRegion(drawing));

    click(wrong);
    spy.painted = QRegion();
    QCoreApplication::processEvents();
    QVERIFY(spy.painted.isEmpty());
}

void HangmanScreenTest::everyClueFits_data() {
    QTest::addColumn<QString>("clue");
    for (const wordgames::WordClue& entry : wordgames::kWordList)
        QTest::newRow(entry.word) << QString::fromUtf8(entry.clue);
}

void HangmanScreenTest::everyClueFits() {
    QFETCH(QString, clue);
    QVERIFY(captionFits(clue, tahoma(HangmanScreen::kCluePoints, true), HangmanScreen::kClue));
    QCOMPARE(label("lblclue").rect(), HangmanScreen::kClue);
}

void HangmanScreenTest::everyLetterFitsItsButtonAndTheNarrowestBlank() {
    const TwipRect narrowest = HangmanScreen::blankPlace(0, wordgames::longestWord());
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const QString text(QChar{c});
        QVERIFY2(captionFits(text, HangmanScreen::kLetterFont, letter(QChar(c)).rect(), true),
                 qPrintable(text));
        QVERIFY2(captionFits(text, HangmanScreen::kBlankFont, narrowest), qPrintable(text));
    }
    QVERIFY(
        captionFits(QStringLiteral("Well done!"), tahoma(36, true), label("lblmessage").rect()));
}

QTEST_MAIN(HangmanScreenTest)
#include "tst_hangmanscreen.moc"
