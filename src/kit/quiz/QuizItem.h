// What a quiz shows: a question, its answer, and a reason where one helps.
#pragma once

#include <QString>
#include <span>

#include "forms/Twips.h"

namespace quiz {

// One row of a quiz's content table.
struct QuizRow {
    const char* question;
    const char* answer;
    const char* reason = nullptr;
    // Design path of a picture shown with the question.
    const char* picture = nullptr;
};

// An item as it is shown; generated quizzes make these without a table.
struct QuizItem {
    QString question;
    QString answer;
    QString reason;
    QString picture;

    static QuizItem fromRow(const QuizRow& row);
    bool operator==(const QuizItem&) const = default;
};

// The places of a quiz screen's texts, and the type they are shown in; a quiz that keeps
// something else on screen gives its own.
struct QuizLayout {
    forms::TwipRect question{480, 1080, 10950, 2040};
    forms::TwipRect answer{480, 3480, 9360, 1560};
    forms::TwipRect reason{480, 5160, 9360, 1680};
    float questionPoints = 24;
    float answerPoints = 24;
    float reasonPoints = 18;
};

}  // namespace quiz
