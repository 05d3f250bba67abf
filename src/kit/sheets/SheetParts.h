// The numbered parts of a sheet on paper (a question, letter boxes, an equation to balance,
// a picture with lines, a figure, a note), each measured and drawn by the same code so that a
// page is turned exactly where a part would not fit.
#pragma once

#include "kit/sheets/PaperInk.h"
#include "kit/sheets/Worksheet.h"

namespace sheets {

class SheetParts {
  public:
    explicit SheetParts(PaperInk& ink) : m_ink(ink) {}

    // The part's height from `top`, drawn only when `ink` is set; on the answer sheet with
    // `answers`.
    float draw(const Part& part, int number, float top, bool answers, bool ink);
    float measure(const Part& part, int number, float top, bool answers);

  private:
    void numberAt(int number, float y, bool draw);
    void ruledLines(float left, float y, int count, bool draw);
    float draw_(const Question& question, int number, float top, bool draw);
    float draw_(const LetterBoxes& boxes, int number, float top, bool draw);
    float draw_(const BalancingBoxes& equation, int number, float top, bool draw);
    float draw_(const PictureLines& item, int number, float top, bool draw);
    float draw_(const Figure& figure, int number, float top, bool draw);
    float draw_(const Note& note, int number, float top, bool draw);
    float draw_(const BoardSheet& board, int number, float top, bool draw);

    PaperInk& m_ink;
    bool m_answers = false;
};

}  // namespace sheets
