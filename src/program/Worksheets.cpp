#include "program/Worksheets.h"

#include "program/Activities.h"

namespace program {

std::optional<sheets::Worksheet> worksheetFor(const QString& screen, std::uint64_t seed) {
    const Activity* activity = activityOf(screen);
    if (!activity || !activity->description.worksheet) return std::nullopt;
    sheets::Worksheet sheet = activity->description.worksheet(seed);
    // Titled as the menu entry the class knows it by.
    sheet.title = QString::fromUtf8(activity->caption);
    return sheet;
}

std::optional<sheets::Worksheet> listWorksheetFor(const QString& screen,
                                                  const lists::CheckedList& list,
                                                  std::uint64_t seed) {
    const Activity* activity = activityOf(screen);
    if (!activity || !activity->description.listWorksheet || !list.sound()) return std::nullopt;
    sheets::Worksheet sheet = activity->description.listWorksheet(list, seed);
    if (sheet.parts.empty()) return std::nullopt;
    sheet.title = QString::fromUtf8(activity->caption) + QStringLiteral(": ") + list.title();
    return sheet;
}

QStringList activityScreens() {
    QStringList screens;
    for (const Activity& activity : activities()) screens << QString::fromLatin1(activity.screen);
    return screens;
}

bool printsNothing(const QString& screen) {
    const Activity* activity = activityOf(screen);
    return activity && !activity->description.worksheet;
}

}  // namespace program
