#include "kit/sheets/SheetPages.h"

namespace sheets {

bool printsPage(Printed printed, const QPageRanges& range, bool answerSheet, int page,
                int worksheetPages) {
    if (answerSheet ? printed == Printed::Worksheet : printed == Printed::Answers) return false;
    const int shown = answerSheet && printed == Printed::Both ? worksheetPages + page : page;
    return range.isEmpty() || range.contains(shown);
}

bool printsAny(Printed printed, const QPageRanges& range, PageCounts counts) {
    for (int page = 1; page <= counts.worksheet; ++page)
        if (printsPage(printed, range, false, page, counts.worksheet)) return true;
    for (int page = 1; page <= counts.answers; ++page)
        if (printsPage(printed, range, true, page, counts.worksheet)) return true;
    return false;
}

}  // namespace sheets
