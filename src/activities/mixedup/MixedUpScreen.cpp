#include "activities/mixedup/MixedUpScreen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "activities/mixedup/MixLetters.h"
#include "forms/CommandButton.h"
#include "forms/Platform.h"
#include "kit/lists/RoomCheck.h"
#include "kit/wordgames/LetterRow.h"
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

MixedUpScreen::MixedUpScreen(Screens& screens, const shell::ActivityId& id,
                             const lists::CheckedList* list)
    : ActivityScreen(screens, id, mixedUpFrame()),
      lbltile(addArray<Label>(QStringLiteral("lbltile"))),
      lblanswer(add<Label>(QStringLiteral("lblanswer"), kAnswer)),
      lblclue(add<Label>(QStringLiteral("lblclue"), kClue)),
      m_words(wordgames::wordsFor(list)) {
    const int longest = wordgames::longestWord(m_words);
    for (int i = 0; i < longest; ++i) {
        Label& tile = lbltile.add(i, tilePlace(i, longest));
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

int MixedUpScreen::mostLetters() {
    // A tile's border takes a pixel each side.
    static const int most = wordgames::mostLetters({kTileRow, kTilePitch, kTileGap}, kTileFont, 1);
    return most;
}

std::optional<QString> MixedUpScreen::listTextCheck(const QString& column, const QString& text) {
    if (column == QLatin1String("word")) {
        if (text.size() > mostLetters())
            return QStringLiteral("'%1' has %2 letters; Mixed Up Words shows at most %3")
                .arg(text)
                .arg(text.size())
                .arg(mostLetters());
        return lists::tooLongFor(QStringLiteral("the word"), text.toUpper(),
                                 tahoma(kAnswerPoints, true), kAnswer);
    }
    if (column == QLatin1String("clue"))
        return lists::tooLongFor(QStringLiteral("the clue"), text, tahoma(kCluePoints, true),
                                 kClue);
    return std::nullopt;
}

void MixedUpScreen::setUp() {
    m_deck.reset(static_cast<int>(m_words.size()));
    next();
}

void MixedUpScreen::next() {
    m_index = m_deck.next(platform());
    if (m_index < 0) return;
    const wordgames::Word& entry = m_words[static_cast<size_t>(m_index)];
    m_word = entry.word;
    const int length = static_cast<int>(m_word.size());
    for (int i = 0; i < lbltile.count(); ++i) {
        Label& tile = lbltile[i];
        if (i < length) tile.setRect(tilePlace(i, length));
        tile.setVisible(i < length);
    }
    lblanswer.setVisible(false);
    lblclue.setVisible(false);
    lblanswer.setCaption(m_word);
    lblclue.setCaption(entry.clue);
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
