#include "kit/wordgames/Words.h"

#include <algorithm>
#include <variant>

#include "kit/lists/ListCheck.h"
#include "kit/wordgames/WordList.h"

namespace wordgames {

Word asPlayed(const lists::WordItem& item) {
    return {item.word.toUpper(), item.clue};
}

std::vector<Word> wordsFor(const lists::CheckedList* list) {
    std::vector<Word> words;
    if (list) {
        for (const lists::ListEntry& entry : list->entries)
            if (const auto* item = std::get_if<lists::WordItem>(&entry.item))
                words.push_back(asPlayed(*item));
        if (!words.empty()) return words;
    }
    for (const WordClue& entry : kWordList)
        words.push_back({QString::fromLatin1(entry.word), QString::fromUtf8(entry.clue)});
    return words;
}

int longestWord(const std::vector<Word>& words) {
    qsizetype longest = 0;
    for (const Word& word : words) longest = std::max(longest, word.word.size());
    return static_cast<int>(longest);
}

int mostLetters(const LetterRow& row, const forms::FontSpec& font, float border) {
    const QFontMetricsF metrics(font.toQFont());
    double widest = 0;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        widest = std::max(widest, metrics.horizontalAdvance(QChar(c)));
    int most = 1;
    // Places only narrow as the word grows, so the first that is too narrow ends it.
    for (int length = 1; length <= 200; ++length) {
        if (forms::toPixels(row.place(0, length).width) - 2 * border < widest) break;
        most = length;
    }
    return most;
}

}  // namespace wordgames
