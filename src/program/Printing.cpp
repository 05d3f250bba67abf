#include "program/Printing.h"

#include <QMessageBox>
#include <QPointer>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTimer>

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
        QPrintPreviewDialog preview(&printer, window);
        preview.setWindowTitle(QStringLiteral("Print worksheet: %1").arg(sheet->title));
        QObject::connect(
            &preview, &QPrintPreviewDialog::paintRequested, &preview,
            [&](QPrinter* target) { sheets::printWorksheet(*sheet, *target, pictures, answers); });
        preview.exec();
    });
}

}  // namespace program
