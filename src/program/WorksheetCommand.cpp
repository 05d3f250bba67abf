#include "program/WorksheetCommand.h"

#include <cstdio>

#include "forms/Platform.h"
#include "kit/sheets/SheetPrinter.h"
#include "pictures/Pictures.h"
#include "program/TeacherLists.h"
#include "program/Worksheets.h"

namespace program {

namespace {

int refuse(const QString& why, int status) {
    std::fprintf(stderr, "kindrel: %s\n", qPrintable(why));
    return status;
}

}  // namespace

int writeWorksheet(const Options& options) {
    const QString& screen = options.worksheet;
    if (printsNothing(screen))
        return refuse(QStringLiteral("%1 has nothing to print").arg(screen), 2);
    const std::uint64_t seed = forms::QtPlatform().freshSeed();
    std::optional<sheets::Worksheet> sheet = worksheetFor(screen, seed);
    if (sheet && !options.openList.isEmpty()) {
        QString why;
        const std::optional<lists::CheckedList> list =
            TeacherLists(options.listsDir).listCalled(screen, options.openList, &why);
        if (!list) return refuse(QStringLiteral("--list %1: %2").arg(options.openList, why), 2);
        sheet = listWorksheetFor(screen, *list, seed);
        if (!sheet)
            return refuse(QStringLiteral("--list %1: nothing of it prints").arg(options.openList),
                          2);
    }
    if (!sheet) {
        QStringList printing;
        for (const QString& name : activityScreens())
            if (!printsNothing(name)) printing << name;
        return refuse(QStringLiteral("there is no activity called %1; the worksheets are: %2")
                          .arg(screen, printing.join(QStringLiteral(", "))),
                      2);
    }
    pictures::Pictures pictures;
    const std::optional<sheets::Pdf> pdf = sheets::worksheetPdf(*sheet, pictures, options.answers);
    if (!pdf) return refuse(QStringLiteral("could not draw the worksheet of %1").arg(screen), 1);
    const QString failed = sheets::saveWhole(pdf->bytes, options.output);
    if (!failed.isEmpty())
        return refuse(QStringLiteral("could not write %1: %2").arg(options.output, failed), 1);
    return 0;
}

}  // namespace program
