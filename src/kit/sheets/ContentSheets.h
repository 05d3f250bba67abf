// Worksheets made from the kit's content tables: quizzes, boards and word lists. Each takes the
// content it prints, so that a list the teacher chose prints as well as the activity's own.
#pragma once

#include <span>

#include "kit/quiz/QuizItem.h"
#include "kit/sheets/Worksheet.h"
#include "kit/wordgames/WordList.h"

namespace labelling {
struct BoardDesign;
}

namespace sheets {

// Numbered questions with lines to write on; answers and reasons on the answer sheet.
Worksheet quizSheet(const QString& title, std::span<const quiz::QuizItem> items, int lines = 2);
Worksheet quizSheet(const QString& title, std::span<const quiz::QuizRow> rows, int lines = 2);

// The board with its boxes numbered and a word bank; a board with several sets prints each on
// a page of its own. Landscape, as the boards are drawn.
Worksheet boardSheet(const QString& title, const labelling::BoardDesign& design);

// Each clue with a box for every letter of its word.
Worksheet letterBoxSheet(const QString& title, std::span<const wordgames::WordClue> words);

}  // namespace sheets
