#include "program/Printing.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>

#include "forms/Platform.h"
#include "forms/Screen.h"
#include "kit/sheets/SheetPrinter.h"
#include "program/Worksheets.h"
#include "shell/ScreenNames.h"
#include "tools/jotter/JotterScreen.h"

namespace program {

namespace {

std::optional<sheets::Worksheet> sheetOf(forms::Screen& screen, const lists::CheckedList* inForce) {
    if (screen.name() == QLatin1String(shell::kJotterScreen)) {
        const auto* jotter = dynamic_cast<const jotter::JotterScreen*>(&screen);
        if (!jotter) return std::nullopt;
        const QImage& drawn = jotter->drawing().image();
        sheets::Worksheet sheet{QStringLiteral("Jotter"), {}, drawn.width() > drawn.height(), {}};
        sheet.parts.emplace_back(sheets::Figure{{}, drawn, 14400});
        return sheet;
    }
    const std::uint64_t seed = screen.platform().freshSeed();
    if (inForce) return listWorksheetFor(screen.name(), *inForce, seed);
    return worksheetFor(screen.name(), seed);
}

}  // namespace

QPageRanges pagesAskedFor(const QPrinter& printer, int currentPage) {
    QPageRanges asked;
    switch (printer.printRange()) {
        case QPrinter::PageRange:
            asked = printer.pageRanges();
            // fromPage() and toPage() are 0 when no range is given.
            if (asked.isEmpty() && printer.fromPage() > 0)
                asked.addRange(printer.fromPage(), std::max(printer.fromPage(), printer.toPage()));
            break;
        case QPrinter::CurrentPage:
            if (currentPage > 0) asked.addPage(currentPage);
            break;
        case QPrinter::AllPages:
        case QPrinter::Selection:
            break;
    }
    return asked;
}

std::unique_ptr<QPrintPreviewDialog> worksheetPreview(QPrinter& printer,
                                                      const sheets::Worksheet& sheet,
                                                      pictures::Pictures& pictures, bool answers,
                                                      QWidget* parent) {
    auto preview = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    preview->setWindowTitle(QStringLiteral("Print worksheet: %1").arg(sheet.title));
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    // Answers go to paper only when asked for: a class handed what was printed must not be
    // handed the answer sheet by default.
    QComboBox* choice = nullptr;
    if (auto* bar = preview->findChild<QToolBar*>(); bar && answers) {
        choice = new QComboBox(bar);
        choice->setObjectName(QStringLiteral("whatToPrint"));
        choice->addItem(QStringLiteral("Worksheet"), int(sheets::Printed::Worksheet));
        choice->addItem(QStringLiteral("Answers"), int(sheets::Printed::Answers));
        choice->addItem(QStringLiteral("Both"), int(sheets::Printed::Both));
        choice->setAccessibleName(QStringLiteral("Print"));
        auto* label = new QLabel(QStringLiteral("Print:"), bar);
        label->setBuddy(choice);
        label->setContentsMargins(6, 0, 4, 0);
        bar->addSeparator();
        bar->addWidget(label);
        bar->addWidget(choice);
        if (pages)
            QObject::connect(choice, &QComboBox::currentIndexChanged, pages,
                             &QPrintPreviewWidget::updatePreview);
    }
    QObject::connect(preview.get(), &QPrintPreviewDialog::paintRequested, preview.get(),
                     [&sheet, &pictures, choice, pages](QPrinter* target) {
                         const sheets::Printed printed =
                             choice ? sheets::Printed(choice->currentData().toInt())
                                    : sheets::Printed::Worksheet;
                         sheets::printWorksheet(sheet, *target, pictures, printed,
                                                pagesAskedFor(*target,
                                                              pages ? pages->currentPage() : 0));
                     });
    return preview;
}

void printScreen(forms::Screen& screen, const lists::CheckedList* inForce) {
    const QPointer<QWidget> window = screen.window();
    std::optional<sheets::Worksheet> sheet = sheetOf(screen, inForce);
    pictures::Pictures& pictures = screen.pictures();
    // An activity that prints nothing says so by its name; anything else points to them.
    const QString message =
        activityScreens().contains(screen.name())
            ? QStringLiteral("%1 has nothing to print.").arg(screen.caption())
            : QStringLiteral(
                  "Worksheets are printed from the activities: open one, then press "
                  "Ctrl+P.");
    const bool answers = screen.name() != QLatin1String(shell::kJotterScreen);
    QTimer::singleShot(0, window, [window, sheet, &pictures, message, answers] {
        if (!window) return;
        if (!sheet) {
            QMessageBox::information(window, QStringLiteral("Print worksheet"), message);
            return;
        }
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(sheet->title);
        worksheetPreview(printer, *sheet, pictures, answers, window)->exec();
    });
}

}  // namespace program
