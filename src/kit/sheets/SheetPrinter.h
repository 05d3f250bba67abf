// Draws a worksheet, and after it its answer sheet, onto A4 pages: a printer or a PDF.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "kit/sheets/SaveWhole.h"
#include "kit/sheets/SheetPages.h"
#include "kit/sheets/Worksheet.h"

class QPagedPaintDevice;

namespace pictures {
class Pictures;
}

namespace sheets {

// Sets the device to A4 in the sheet's orientation, then draws the worksheet and, when asked,
// the answer sheet from a page of its own. Text is drawn as text, in the house fonts; pictures
// are read at three times their design size. Nothing when the device would not paint.
std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, bool withAnswers);
// The same with the sheets chosen and only the pages of the range (numbered as printsPage
// has them; empty for all). The pages put onto the device, of each sheet: none at all, and
// nothing started on the device, when the range takes no page of them.
std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, Printed printed,
                                         const QPageRanges& range);

struct Pdf {
    QByteArray bytes;
    PageCounts pages;
};

// The whole PDF in memory, so that nothing is written until it is complete.
std::optional<Pdf> worksheetPdf(const Worksheet& sheet, pictures::Pictures& pictures,
                                bool withAnswers);

}  // namespace sheets
