#include "kit/sheets/ContentSheets.h"

#include "kit/labelling/BoardDesign.h"

namespace sheets {

Worksheet quizSheet(const QString& title, std::span<const quiz::QuizItem> items, int lines) {
    Worksheet sheet{
        title, QStringLiteral("Answer each question on the lines beneath it."), false, {}};
    for (const quiz::QuizItem& item : items)
        sheet.parts.emplace_back(
            Question{item.question, item.answer, item.reason, item.picture, lines});
    return sheet;
}

Worksheet quizSheet(const QString& title, std::span<const quiz::QuizRow> rows, int lines) {
    std::vector<quiz::QuizItem> items;
    for (const quiz::QuizRow& row : rows) items.push_back(quiz::QuizItem::fromRow(row));
    return quizSheet(title, items, lines);
}

Worksheet boardSheet(const QString& title, const labelling::BoardDesign& design) {
    Worksheet sheet{title,
                    QStringLiteral("Write each word from the word bank in the box where it "
                                   "belongs."),
                    true,
                    {}};
    if (design.pages.empty()) {
        sheet.parts.emplace_back(BoardSheet{&design, -1});
    } else {
        for (int page = 0; page < std::ssize(design.pages); ++page)
            sheet.parts.emplace_back(BoardSheet{&design, page});
    }
    return sheet;
}

Worksheet letterBoxSheet(const QString& title, std::span<const wordgames::WordClue> words) {
    Worksheet sheet{
        title, QStringLiteral("Write the word that fits each clue, a letter to a box."), false, {}};
    for (const wordgames::WordClue& entry : words)
        sheet.parts.emplace_back(
            LetterBoxes{QString::fromUtf8(entry.clue), QString::fromUtf8(entry.word), {}});
    return sheet;
}

}  // namespace sheets
