// The Mixed Up Words screen: tiles never in the word's order, scramble, answer, next.
#include <QtTest>
#include <algorithm>
#include <set>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "activities/mixedup/MixedUpScreen.h"
#include "forms/CommandButton.h"
#include "kit/wordgames/WordList.h"
#include "shell/HouseStyle.h"

using namespace forms;
using mixedup::MixedUpScreen;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

QString sorted(QString letters) {
    std::sort(letters.begin(), letters.end());
    return letters;
}

}  // namespace

class MixedUpScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void everyWordIsDealtMixedUp();
    void scrambleMixesAgainIntoAnotherOrder();
    void answerGivesTheWordAndItsClue();
    void everyWordAndClueFits_data();
    void everyWordAndClueFits();

  private:
    Label& tile(int i) const { return (*m_screen->array<Label>(QStringLiteral("lbltile")))[i]; }
    Label& label(const char* name) const { return *m_screen->find<Label>(QLatin1String(name)); }
    CommandButton& button(const char* name) const {
        return *m_screen->find<CommandButton>(QLatin1String(name));
    }
    QString word() const {
        return QString::fromLatin1(wordgames::kWordList[m_screen->wordIndex()].word);
    }
    void click(const char* name) { m_mouse->click(Mouse::centreOf(button(name))); }
    // The tiles on show, left to right, as the class reads them.
    QString tilesOnShow() const {
        std::vector<const Label*> shown;
        for (int i = 0; i < wordgames::longestWord(); ++i)
            if (tile(i).isVisible()) shown.push_back(&tile(i));
        std::sort(shown.begin(), shown.end(),
                  [](const Label* a, const Label* b) { return a->left() < b->left(); });
        QString letters;
        for (const Label* t : shown) letters += t->caption();
        return letters;
    }

    std::unique_ptr<TestProgram> m_program;
    MixedUpScreen* m_screen = nullptr;
    std::unique_ptr<Mouse> m_mouse;
};

void MixedUpScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_screen = &m_program->screens.show<MixedUpScreen>(QStringLiteral("mixedup"));
    m_mouse = std::make_unique<Mouse>(*m_screen);
}

void MixedUpScreenTest::cleanup() {
    m_mouse.reset();
    m_program.reset();
}

void MixedUpScreenTest::everyWordIsDealtMixedUp() {
    QCOMPARE(m_screen->caption(), QStringLiteral("Mixed Up Words"));
    QCOMPARE(m_screen->backColour(), shell::ScreenBlue);
    const int count = static_cast<int>(std::size(wordgames::kWordList));
    // Two decks: every word once in each, and never two running.
    std::set<int> dealt;
    int last = -1;
    for (int draw = 0; draw < 2 * count; ++draw) {
        if (draw > 0) click("cmdgo");
        QVERIFY(m_screen->wordIndex() != last);
        last = m_screen->wordIndex();
        if (draw < count) dealt.insert(last);
        const QString letters = tilesOnShow();
        QVERIFY2(letters != word(), qPrintable(letters));
        QCOMPARE(sorted(letters), sorted(word()));
        QCOMPARE(m_screen->tileOrder(), letters);
        QVERIFY(!m_screen->answerShown());
        QVERIFY(!label("lblclue").isVisible());
        for (int i = 0; i < word().size(); ++i)
            QCOMPARE(tile(i).rect(), MixedUpScreen::tilePlace(i, static_cast<int>(word().size())));
    }
    QCOMPARE(static_cast<int>(dealt.size()), count);
}

void MixedUpScreenTest::scrambleMixesAgainIntoAnotherOrder() {
    // The shortest word has the fewest orders, so the one on show comes up most often there.
    while (word().size() > 4) click("cmdgo");
    for (int press = 0; press < 300; ++press) {
        const QString before = tilesOnShow();
        click("cmdscramble");
        const QString after = tilesOnShow();
        QVERIFY2(after != before, qPrintable(after));
        QVERIFY2(after != word(), qPrintable(after));
        QCOMPARE(sorted(after), sorted(word()));
        if (press == 200) click("cmdgo");
    }
}

void MixedUpScreenTest::answerGivesTheWordAndItsClue() {
    click("cmdsoln");
    QVERIFY(m_screen->answerShown());
    QCOMPARE(label("lblanswer").caption(), word());
    QVERIFY(label("lblclue").isVisible());
    QCOMPARE(label("lblclue").caption(),
             QString::fromUtf8(wordgames::kWordList[m_screen->wordIndex()].clue));
    QCOMPARE(label("lblanswer").look().fore, forms::kGreen);
    // Mixing again leaves the answer where it is; the next word hides it.
    click("cmdscramble");
    QVERIFY(m_screen->answerShown());
    click("cmdgo");
    QVERIFY(!m_screen->answerShown());
    QVERIFY(!label("lblclue").isVisible());
    QCOMPARE(label("lblanswer").caption(), word());
}

void MixedUpScreenTest::everyWordAndClueFits_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("clue");
    for (const wordgames::WordClue& entry : wordgames::kWordList)
        QTest::newRow(entry.word) << QString::fromLatin1(entry.word)
                                  << QString::fromUtf8(entry.clue);
}

void MixedUpScreenTest::everyWordAndClueFits() {
    QFETCH(QString, word);
    QFETCH(QString, clue);
    const int length = static_cast<int>(word.size());
    for (int i = 0; i < length; ++i) {
        QVERIFY2(captionFits(QString(word[i]), MixedUpScreen::kTileFont,
                             MixedUpScreen::tilePlace(i, length), true),
                 qPrintable(QString(word[i])));
    }
    QVERIFY(captionFits(word, tahoma(MixedUpScreen::kAnswerPoints, true), MixedUpScreen::kAnswer));
    QVERIFY(captionFits(clue, tahoma(MixedUpScreen::kCluePoints, true), MixedUpScreen::kClue));
}

QTEST_MAIN(MixedUpScreenTest)
#include "tst_mixedupscreen.moc"
