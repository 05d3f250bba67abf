// Atomic Mass on paper: the formulas to work out, with the key the class works them from.
#pragma once

#include <span>

#include "kit/chem/FormulaMassItems.h"
#include "kit/quiz/QuizItem.h"
#include "kit/sheets/Worksheet.h"

namespace atomicmass {

// The key as the class reads it: "Relative atomic masses:" and each symbol with its mass.
sheets::Note keyNote(std::span<const chem::AtomicMass> key);

// A question as the screen asks it, on one line, with the working as its answer.
sheets::Question onPaper(const quiz::QuizItem& item);

// Formulas as typed ("CaCO3").
sheets::Worksheet worksheet(std::span<const char* const> formulas = chem::kFormulaMassItems);

}  // namespace atomicmass
