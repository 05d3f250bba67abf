// Melting Points on paper: each substance's state at room temperature, with the reason.
#pragma once

#include <span>

#include "activities/meltingpoints/MeltingPoints.h"
#include "kit/quiz/QuizItem.h"
#include "kit/sheets/Worksheet.h"

namespace meltingpoints {

// A question as the screen asks it, its lines run on as one sentence.
sheets::Question onPaper(const quiz::QuizItem& item);

sheets::Worksheet worksheet(std::span<const MeltingPoint> substances = kMeltingPoints);

}  // namespace meltingpoints
