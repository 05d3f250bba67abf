// Printing from the screens: Ctrl+P or "Print worksheet…" opens Qt's print preview.
#pragma once

#include <QPageRanges>
#include <memory>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace forms {
class Screen;
}
namespace pictures {
class Pictures;
}

namespace lists {
struct CheckedList;
}

namespace sheets {
struct Worksheet;
}

namespace program {

// The activity's worksheet, and its answer sheet when the teacher chooses it in the preview
// (of the teacher's list in force, when one is), or what is drawn on the Jotter. A screen with
// nothing to print says so instead. The preview opens once the event that asked for it has
// been handled.
void printScreen(forms::Screen& screen, const lists::CheckedList* inForce = nullptr);

// The preview of a sheet, not yet shown. With answers, its tool bar offers "Worksheet",
// "Answers" or "Both" (the combo box "whatToPrint"), the worksheet alone when it opens. What
// it paints, on screen and on paper, keeps to the page range the print dialog gives. The
// sheet and pictures must outlive it.
std::unique_ptr<QPrintPreviewDialog> worksheetPreview(QPrinter& printer,
                                                      const sheets::Worksheet& sheet,
                                                      pictures::Pictures& pictures, bool answers,
                                                      QWidget* parent = nullptr);

// The pages the print dialog asked for, numbered from 1 as the preview shows them; empty for
// every page. The current page is the one the preview is on.
QPageRanges pagesAskedFor(const QPrinter& printer, int currentPage);

}  // namespace program
