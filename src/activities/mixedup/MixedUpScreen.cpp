#include "activities/mixedup/MixedUpScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "activities/mixedup/MixLetters.h"
#include "forms/CommandButton.h"
#include "forms/Platform.h"
#include "kit/wordgames/LetterRow.h"
#include "kit/wordgames/WordList.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace mixedup {

using namespace forms;

namespace {

shell::ActivityFrame mixedUpFrame() {
    return {.back = shell::ScreenBlue, .next = true, .answer = true, .scramble = true};
}

std::mt19937 freshGenerator(Platform& platform) {
    const std::uint64_t seed = platform.freshSeed();
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    return std::mt19937(sequence);
}

LabelLook centred(LabelLook look) {
    look.align = Align::Centre;
    return look;
}

}  // namespace

MixedUpScreen::MixedUpScreen(Screens& screens, const shell::ActivityId& id)
    : ActivityScreen(screens, id, mixedUpFrame()),
      lbltile(addArray<Label>(QStringLiteral("lbltile"))),
      lblanswer(add<Label>(QStringLiteral("lblanswer"), kAnswer)),
      lblclue(add<Label>(QStringLiteral("lblclue"), kClue)) {
    for (int i = 0; i < wordgames::longestWord(); ++i) {
        Label& tile = lbltile.add(i, tilePlace(i, wordgames::longestWord()));
        tile.setLook(shell::boxedLook(kTileFont));
        tile.setVisible(false);
    }
    lblanswer.setLook(centred(shell::answerLook(kAnswerPoints)));
    lblclue.setLook(centred(shell::answerLook(kCluePoints)));
    lblanswer.setVisible(false);
    lblclue.setVisible(false);

    cmdgo->onClick = [this] { next(); };
    cmdscramble->onClick = [this] { scramble(); };
    cmdsoln->onClick = [this] { reveal(); };
}

TwipRect MixedUpScreen::tilePlace(int position, int length) {
    return wordgames::LetterRow{kTileRow, kTilePitch, kTileGap}.place(position, length);
}

void MixedUpScreen::setUp() {
    m_deck.reset(static_cast<int>(std::size(wordgames::kWordList)));
    next();
}

void MixedUpScreen::next() {
    m_index = m_deck.next(platform());
    if (m_index < 0) return;
    const wordgames::WordClue& entry = wordgames::kWordList[m_index];
    m_word = QString::fromLatin1(entry.word);
    const int length = static_cast<int>(m_word.size());
    for (int i = 0; i < lbltile.count(); ++i) {
        Label& tile = lbltile[i];
        if (i < length) tile.setRect(tilePlace(i, length));
        tile.setVisible(i < length);
    }
    lblanswer.setVisible(false);
    lblclue.setVisible(false);
    lblanswer.setCaption(m_word);
    lblclue.setCaption(QString::fromUtf8(entry.clue));
    mixUp({});
}

void MixedUpScreen::scramble() {
    if (m_index >= 0) mixUp(tileOrder());
}

void MixedUpScreen::mixUp(const QString& avoid) {
    std::mt19937 generator = freshGenerator(platform());
    // A word that cannot be mixed (no such word in the list) is shown as it is.
    showTiles(mixLetters(m_word, generator, avoid).value_or(m_word));
}

void MixedUpScreen::reveal() {
    if (m_index < 0) return;
    lblanswer.setVisible(true);
    lblclue.setVisible(true);
}

bool MixedUpScreen::hideAnswer() {
    lblanswer.setVisible(false);
    lblclue.setVisible(false);
    return true;
}

bool MixedUpScreen::answerShown() const {
    return lblanswer.isVisible();
}

QString MixedUpScreen::tileOrder() const {
    QString letters;
    for (int i = 0; i < std::min<int>(m_word.size(), lbltile.count()); ++i)
        letters += lbltile[i].caption();
    return letters;
}

void MixedUpScreen::showTiles(const QString& letters) {
    for (int i = 0; i < std::min<int>(letters.size(), lbltile.count()); ++i)
        lbltile[i].setCaption(QString(letters[i]));
}

}  // namespace mixedup
