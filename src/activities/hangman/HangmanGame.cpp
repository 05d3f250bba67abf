#include "activities/hangman/HangmanGame.h"

namespace hangman {

HangmanGame::HangmanGame(const QString& word) : m_word(word.toUpper()) {
    for (const QChar c : m_word)
        if (slot(c) >= 0) ++m_toFind;
}

int HangmanGame::slot(QChar letter) {
    const char16_t c = letter.toUpper().unicode();
    return c >= u'A' && c <= u'Z' ? c - u'A' : -1;
}

HangmanGame::Result HangmanGame::guess(QChar letter) {
    const int i = slot(letter);
    if (i < 0 || over()) return Result::Ignored;
    if (m_used[static_cast<size_t>(i)]) return Result::Repeated;
    m_used[static_cast<size_t>(i)] = true;
    const int found = static_cast<int>(m_word.count(letter.toUpper()));
    if (found == 0) {
        ++m_wrong;
        return Result::Wrong;
    }
    m_toFind -= found;
    return Result::Right;
}

void HangmanGame::reveal() {
    m_revealed = true;
}

bool HangmanGame::isUsed(QChar letter) const {
    const int i = slot(letter);
    return i >= 0 && m_used[static_cast<size_t>(i)];
}

bool HangmanGame::isFound(int position) const {
    if (position < 0 || position >= m_word.size()) return false;
    const int i = slot(m_word[position]);
    return i < 0 || m_used[static_cast<size_t>(i)];
}

bool HangmanGame::isShown(int position) const {
    if (position < 0 || position >= m_word.size()) return false;
    return isFound(position) || lost() || m_revealed;
}

QString HangmanGame::pattern(QChar blank) const {
    QString shown = m_word;
    for (int i = 0; i < shown.size(); ++i)
        if (!isShown(i)) shown[i] = blank;
    return shown;
}

}  // namespace hangman
