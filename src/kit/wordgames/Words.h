// The word list the word games play from: the program's own, or a teacher's in its place.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <vector>

#include "forms/Font.h"
#include "kit/wordgames/LetterRow.h"

namespace lists {
struct CheckedList;
struct WordItem;
}  // namespace lists

namespace wordgames {

struct Word {
    QString word;  // in capitals, A to Z
    QString clue;
};

// A word of a teacher's list as the games play it, and as it prints.
Word asPlayed(const lists::WordItem& item);
// The teacher's words when a list is given, the program's own otherwise.
std::vector<Word> wordsFor(const lists::CheckedList* list);
int longestWord(const std::vector<Word>& words);

// The most letters a row's places can take with the widest capital whole in each place.
int mostLetters(const LetterRow& row, const forms::FontSpec& font, float border = 0);

}  // namespace wordgames
