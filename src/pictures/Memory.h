// How the program asks the C library to look after its memory.
#pragma once

#include <cstddef>

namespace pictures {

// Pictures and window surfaces (hundreds of kilobytes to two megabytes each) come and go with
// every screen. Left to itself, glibc raises its mapping threshold after the first such block
// is freed and from then on keeps them in the heap, where freed space stays resident: a lesson
// that passes through many screens holds megabytes it no longer uses. A fixed threshold gives
// each large block a mapping of its own, handed back when the screen that held it goes.
// Call once, first thing in main. Does nothing where the C library is not glibc.
void returnLargeBlocksToTheSystem();

// Asks the kernel to back the whole 2 MiB pages within [begin, begin + bytes) with large pages
// where it allows that on request. A window surface at a projector's size is tens of megabytes,
// first written when the screen paints: thousands of page faults at 4 KiB a page, a few dozen
// at 2 MiB. Only advice: where it is not taken, nothing changes.
void preferLargePages(const void* begin, std::size_t bytes);

// Bytes the process holds in such separate mappings now; 0 where that cannot be told.
long long separatelyMappedBytes();

}  // namespace pictures
