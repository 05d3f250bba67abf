// Draws a worksheet, and after it its answer sheet, onto A4 pages: a printer or a PDF.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "kit/sheets/Worksheet.h"

class QPagedPaintDevice;

namespace pictures {
class Pictures;
}

namespace sheets {

struct PageCounts {
    int worksheet = 0;
    int answers = 0;
};

// Sets the device to A4 in the sheet's orientation, then draws the worksheet and, when asked,
// the answer sheet from a page of its own. Text is drawn as text, in the house fonts; pictures
// are read at three times their design size. Nothing when the device would not paint.
std::optional<PageCounts> printWorksheet(const Worksheet& sheet, QPagedPaintDevice& device,
                                         pictures::Pictures& pictures, bool withAnswers);

struct Pdf {
    QByteArray bytes;
    PageCounts pages;
};

// The whole PDF in memory, so that nothing is written until it is complete.
std::optional<Pdf> worksheetPdf(const Worksheet& sheet, pictures::Pictures& pictures,
                                bool withAnswers);

// Writes all of the bytes to `path` or nothing: a file already there is replaced only once the
// new one is whole. Why it could not be written; empty when it was.
QString saveWhole(const QByteArray& bytes, const QString& path);

}  // namespace sheets
