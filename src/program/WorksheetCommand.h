// kindrel --worksheet SCREEN -o FILE.pdf: a worksheet written without a window.
#pragma once

#include "program/Options.h"

namespace program {

// Needs a QGuiApplication, which may be on the offscreen platform. Writes the PDF whole or not
// at all; the exit status: 0 written, 1 could not write, 2 nothing to write for that screen.
int writeWorksheet(const Options& options);

}  // namespace program
