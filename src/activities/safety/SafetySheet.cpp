#include "activities/safety/SafetySheet.h"

namespace safety {

sheets::Worksheet worksheet() {
    sheets::Worksheet sheet{QStringLiteral("Safety in the Lab"),
                            QStringLiteral("Find ten unsafe things going on in this laboratory. "
                                           "Write one on each line."),
                            false,
                            {}};
    sheet.parts.emplace_back(sheets::Figure{QStringLiteral("Images\\lab.jpg"), {}, 5600});
    for (const char* behaviour : kUnsafeBehaviours)
        sheet.parts.emplace_back(
            sheets::Question{{}, QString::fromUtf8(behaviour), {}, {}, 1});
    return sheet;
}

}  // namespace safety
