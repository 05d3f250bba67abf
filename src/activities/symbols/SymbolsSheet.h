// Chemical Symbols on paper: names to give symbols to, and symbols to name, in turn.
#pragma once

#include <span>

#include "kit/chem/SchoolElements.h"
#include "kit/sheets/Worksheet.h"

namespace symbols {

sheets::Worksheet worksheet(std::span<const chem::SchoolElement> elements = chem::kSchoolElements);

}  // namespace symbols
