// A worksheet as content: what each numbered part asks, and what its answer sheet says.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace labelling {
struct BoardDesign;
}

namespace sheets {

// A question with lines to write on; the answer sheet gives the answer, then the reason or the
// working where there is one. Formulas keep their Unicode subscripts.
struct Question {
    QString text;
    QString answer;
    QString reason;
    // Design path of a picture printed with the question; empty for none.
    QString picture;
    int lines = 2;
};

// A word to find from its clue, a box for each letter.
struct LetterBoxes {
    QString clue;
    QString word;
    // Shown above the boxes: the mixed-up letters of an anagram; empty for none.
    QString letters;
};

// A symbol equation with a box before each formula for the number that balances it.
struct BalancingBoxes {
    QString words;
    QStringList reactants;
    QStringList products;
    // One per formula, reactants first: the smallest whole numbers.
    std::vector<int> numbers;
};

// A picture with labelled lines beneath it, each filled on the answer sheet.
struct PictureLines {
    QString picture;
    QStringList prompts;
    QStringList answers;
};

// A labelling or sorting board on a page of its own: its pictures, texts and numbered empty
// boxes, with a word bank beneath. The answer sheet writes each item into its box.
struct BoardSheet {
    const labelling::BoardDesign* design = nullptr;
    // The board's page (a board with several sets prints each); -1 for a board without pages.
    int page = -1;
};

// A picture across the width, unnumbered, such as the scene the questions are about.
struct Figure {
    QString picture;
    // Drawn in the program (the Jotter's page) rather than read: used when there is no path.
    QImage drawn;
    // Largest height, in twips; the width of the page limits it too.
    float maxHeight = 7200;
};

// Text for the class, on both sheets: a key, an instruction.
struct Note {
    QString text;
};

using Part =
    std::variant<Question, LetterBoxes, BalancingBoxes, PictureLines, BoardSheet, Figure, Note>;

struct Worksheet {
    QString title;
    QString instructions;
    bool landscape = false;
    std::vector<Part> parts;
};

}  // namespace sheets
