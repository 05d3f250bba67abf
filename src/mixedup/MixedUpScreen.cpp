#include "mixedup/MixedUpScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "forms/CommandButton.h"
#include "forms/Platform.h"
#include "mixedup/MixLetters.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"
#include "words/WordList.h"

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
    for (int i = 0; i < words::longestWord(); ++i) {
        Label& tile = lbltile.add(i, tilePlace(i, words::longestWord()));
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
    // Whole pixels, so that every tile of a word is drawn the same width.
    const float pitch =
        std::min(kTilePitch, std::floor(kTileRow.width / std::max(1, length) / kTwipsPerPixel) *
                                 kTwipsPerPixel);
    const float left = kTileRow.left + (kTileRow.width - pitch * length) / 2;
    return {std::round((left + pitch * position) / kTwipsPerPixel) * kTwipsPerPixel, kTileRow.top,
            pitch - kTileGap, kTileRow.height};
}

void MixedUpScreen::setUp() {
    m_deck.reset(static_cast<int>(std::size(words::kWordList)));
    next();
}

void MixedUpScreen::next() {
    m_index = m_deck.next(platform());
    if (m_index < 0) return;
    const words::WordClue& entry = words::kWordList[m_index];
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

bool MixedUpScreen::stepForward() {
    if (answerShown())
        next();
    else
        reveal();
    return true;
}

bool MixedUpScreen::stepBack() {
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
