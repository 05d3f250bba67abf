// The worksheet of every activity that prints one, by screen name.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "kit/sheets/Worksheet.h"

namespace program {

// The activity's own content; the seed draws what an activity draws at random (the numbers of
// a formula, the order of mixed-up letters), once, so that the answer sheet printed with the
// worksheet matches it. Nothing for a screen with nothing to print, or none of that name.
std::optional<sheets::Worksheet> worksheetFor(const QString& screen, std::uint64_t seed);

// Every activity's screen name, in menu order, and those with nothing to print.
QStringList activityScreens();
bool printsNothing(const QString& screen);

}  // namespace program
