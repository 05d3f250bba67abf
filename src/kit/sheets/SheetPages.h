// Which pages of a worksheet go to paper: the sheets chosen, then the print dialog's range.
#pragma once

#include <QPageRanges>

namespace sheets {

struct PageCounts {
    int worksheet = 0;
    int answers = 0;
};

// What the teacher asked to print; the worksheet alone unless she asks for the answers.
enum class Printed { Worksheet, Answers, Both };

// Whether a page (counted from 1 within its own sheet) goes to paper. The range numbers pages
// as the preview shows them, the chosen sheets one after the other: with both, the answer
// sheet's first page is worksheetPages + 1. An empty range is every page.
bool printsPage(Printed printed, const QPageRanges& range, bool answerSheet, int page,
                int worksheetPages);

// Whether the range takes any page at all of the chosen sheets.
bool printsAny(Printed printed, const QPageRanges& range, PageCounts counts);

}  // namespace sheets
