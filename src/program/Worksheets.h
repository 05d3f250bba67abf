// The worksheet of every activity that prints one, by screen name.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "kit/lists/ListCheck.h"
#include "kit/sheets/Worksheet.h"

namespace program {

// The activity's own content; the seed draws what an activity draws at random (the numbers of
// a formula, the order of mixed-up letters), once, so that the answer sheet printed with the
// worksheet matches it. Nothing for a screen with nothing to print, or none of that name.
std::optional<sheets::Worksheet> worksheetFor(const QString& screen, std::uint64_t seed);

// The worksheet of a teacher's list as the activity plays it, titled by the activity and the
// list ("Hangman: Year 8 acids"); the seed as above. Nothing for a screen that plays no list.
std::optional<sheets::Worksheet> listWorksheetFor(const QString& screen,
                                                  const lists::CheckedList& list,
                                                  std::uint64_t seed);

// Every activity's screen name, in menu order, and those with nothing to print.
QStringList activityScreens();
bool printsNothing(const QString& screen);

}  // namespace program
