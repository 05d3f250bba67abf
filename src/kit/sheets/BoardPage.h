// A labelling or sorting board on paper: its pictures and texts, its boxes numbered in reading
// order, and a word bank beneath; on the answer sheet each item written into its box.
#pragma once

#include "kit/sheets/PaperInk.h"
#include "kit/sheets/Worksheet.h"

namespace sheets {

// Fills the page from `top` down.
void drawBoard(PaperInk& ink, const BoardSheet& sheet, float top, bool answers);

}  // namespace sheets
