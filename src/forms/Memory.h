// How the program asks the C library to look after its memory.
#pragma once

namespace forms {

// Pictures and window surfaces (hundreds of kilobytes to two megabytes each) come and go with
// every screen. Left to itself, glibc raises its mapping threshold after the first such block
// is freed and from then on keeps them in the heap, where freed space stays resident: a lesson
// that passes through many screens holds megabytes it no longer uses. A fixed threshold gives
// each large block a mapping of its own, handed back when the screen that held it goes.
// Call once, first thing in main. Does nothing where the C library is not glibc.
void returnLargeBlocksToTheSystem();

// Bytes the process holds in such separate mappings now; 0 where that cannot be told.
long long separatelyMappedBytes();

}  // namespace forms
