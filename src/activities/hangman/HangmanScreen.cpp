#include "activities/hangman/HangmanScreen.h"

#include <algorithm>
#include <cmath>

#include "forms/CommandButton.h"
#include "kit/lists/RoomCheck.h"
#include "kit/wordgames/LetterRow.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace hangman {

using namespace forms;

static_assert(HangmanGame::kStages == GallowsDrawing::kStages, "one stage per wrong letter");

namespace {

constexpr int kLetters = 26;
constexpr TwipRect kGallows{600, 1980, 3420, 3420};
constexpr TwipRect kMessage{4320, 2160, 7230, 900};

shell::ActivityFrame hangmanFrame() {
    return {.back = shell::ScreenBlue, .next = true, .answer = true};
}

QChar letterOf(int index) {
    return QChar(u'A' + index);
}

int indexOf(QChar letter) {
    return letter.toUpper().unicode() - u'A';
}

}  // namespace

HangmanScreen::HangmanScreen(Screens& screens, const shell::ActivityId& id,
                             const lists::CheckedList* list)
    : ActivityScreen(screens, id, hangmanFrame()),
      lblletter(addArray<Label>(QStringLiteral("lblletter"))),
      lblblank(addArray<LetterBlank>(QStringLiteral("lblblank"))),
      picgallows(add<GallowsDrawing>(QStringLiteral("picgallows"), kGallows)),
      lblmessage(add<Label>(QStringLiteral("lblmessage"), kMessage)),
      lblclue(add<Label>(QStringLiteral("lblclue"), kClue)),
      m_words(wordgames::wordsFor(list)) {
    for (int i = 0; i < kLetters; ++i) {
        const int row = i / kLettersPerRow;
        const int column = i % kLettersPerRow;
        Label& letter = lblletter.add(
            i, {kFirstLetter.left + column * kLetterPitchX, kFirstLetter.top + row * kLetterPitchY,
                kFirstLetter.width, kFirstLetter.height});
        letter.setLook(shell::boxedLook(kLetterFont));
        letter.setCaption(QString(letterOf(i)));
    }
    const int longest = wordgames::longestWord(m_words);
    for (int i = 0; i < longest; ++i) {
        LetterBlank& blank = lblblank.add(i, blankPlace(i, longest));
        blank.setFont(kBlankFont);
        blank.setVisible(false);
    }
    forms::LabelLook message = shell::answerLook(36);
    message.align = Align::Centre;
    lblmessage.setLook(message);
    lblmessage.setCaption(QStringLiteral("Well done!"));
    lblmessage.setAnnounced(true);
    lblmessage.setVisible(false);
    forms::LabelLook clue = shell::answerLook(kCluePoints);
    clue.align = Align::Centre;
    lblclue.setLook(clue);
    lblclue.setVisible(false);

    lblletter.onClick = [this](int i) { guess(letterOf(i)); };
    cmdgo->onClick = [this] { next(); };
    cmdsoln->onClick = [this] { reveal(); };
}

TwipRect HangmanScreen::blankPlace(int position, int length) {
    return wordgames::LetterRow{kBlankRow, kBlankPitch, kBlankGap}.place(position, length);
}

int HangmanScreen::mostLetters() {
    static const int most = wordgames::mostLetters({kBlankRow, kBlankPitch, kBlankGap}, kBlankFont);
    return most;
}

std::optional<QString> HangmanScreen::listTextCheck(const QString& column, const QString& text) {
    if (column == QLatin1String("word") && text.size() > mostLetters())
        return QStringLiteral("'%1' has %2 letters; Hangman shows at most %3")
            .arg(text)
            .arg(text.size())
            .arg(mostLetters());
    if (column == QLatin1String("clue"))
        return lists::tooLongFor(QStringLiteral("the clue"), text, tahoma(kCluePoints, true),
                                 kClue);
    return std::nullopt;
}

void HangmanScreen::setUp() {
    m_deck.reset(static_cast<int>(m_words.size()));
    next();
}

void HangmanScreen::next() {
    m_index = m_deck.next(platform());
    if (m_index < 0) return;
    const wordgames::Word& entry = m_words[static_cast<size_t>(m_index)];
    m_game = HangmanGame(entry.word);
    const int length = static_cast<int>(m_game.word().size());
    for (int i = 0; i < lblblank.count(); ++i) {
        LetterBlank& blank = lblblank[i];
        if (i < length) blank.setRect(blankPlace(i, length));
        blank.setVisible(i < length);
    }
    for (int i = 0; i < kLetters; ++i) {
        lblletter[i].setForeColour(shell::TitleYellow);
        lblletter[i].setDescription({});
    }
    picgallows.setStage(0);
    lblmessage.setVisible(false);
    lblclue.setCaption(entry.clue);
    lblclue.setVisible(false);
    showWord();
}

void HangmanScreen::guess(QChar letter) {
    switch (m_game.guess(letter)) {
        case HangmanGame::Result::Right:
            showLetterUsed(letter);
            showWord();
            lblmessage.setVisible(m_game.solved());
            break;
        case HangmanGame::Result::Wrong:
            showLetterUsed(letter);
            picgallows.setStage(m_game.wrongCount());
            // The last stage gives the word away.
            if (m_game.lost()) showWord();
            break;
        case HangmanGame::Result::Repeated:
        case HangmanGame::Result::Ignored:
            break;
    }
}

bool HangmanScreen::activityKey(int key, Qt::KeyboardModifiers modifiers) {
    if ((modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::NoModifier) return false;
    if (key < Qt::Key_A || key > Qt::Key_Z) return false;
    guess(letterOf(key - Qt::Key_A));
    return true;
}

void HangmanScreen::reveal() {
    if (m_index < 0) return;
    m_game.reveal();
    showWord();
    lblclue.setVisible(true);
}

void HangmanScreen::showLetterUsed(QChar letter) {
    if (Label* button = lblletter.at(indexOf(letter))) {
        button->setForeColour(kUsedLetter);
        button->setDescription(QStringLiteral("called"));
    }
}

// Only blanks whose letter changes repaint.
void HangmanScreen::showWord() {
    const QString& word = m_game.word();
    for (int i = 0; i < word.size() && i < lblblank.count(); ++i) {
        LetterBlank& blank = lblblank[i];
        // The reader hears in words what the colour tells the class: found, or given away.
        if (m_game.isFound(i)) {
            blank.setLetter(word[i], shell::TitleYellow);
            blank.setDescription(QString(word[i]));
        } else if (m_game.isShown(i)) {
            blank.setLetter(word[i], kGivenAway);
            blank.setDescription(QString(word[i]) + QStringLiteral(", given away"));
        } else {
            blank.setLetter(QChar(), shell::TitleYellow);
            blank.setDescription(QStringLiteral("blank"));
        }
    }
}

}  // namespace hangman
