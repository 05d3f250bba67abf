// Melting Points on paper: each substance's state at room temperature, with the reason.
#pragma once

#include <span>

#include "activities/meltingpoints/MeltingPoints.h"
#include "kit/sheets/Worksheet.h"

namespace meltingpoints {

sheets::Worksheet worksheet(std::span<const MeltingPoint> substances = kMeltingPoints);

}  // namespace meltingpoints
