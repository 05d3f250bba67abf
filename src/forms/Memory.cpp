#include "forms/Memory.h"

#include <cstdlib>  // defines __GLIBC__ where it applies
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace forms {

namespace {
// Small enough for a 164 × 124 button picture, large enough that glyph caches and ordinary
// Qt objects stay in the heap.
constexpr int kLargeBlockBytes = 64 * 1024;
}  // namespace

void returnLargeBlocksToTheSystem() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kLargeBlockBytes);
    mallopt(M_TRIM_THRESHOLD, kLargeBlockBytes);
#endif
}

long long separatelyMappedBytes() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    return static_cast<long long>(mallinfo2().hblkhd);
#else
    return 0;
#endif
}

}  // namespace forms
