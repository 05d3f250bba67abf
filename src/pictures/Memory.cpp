#include "pictures/Memory.h"

#include <cstdlib>  // defines __GLIBC__ where it applies
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#if defined(__linux__)
#include <sys/mman.h>
#endif

#include <cstdint>

namespace pictures {

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

void preferLargePages(const void* begin, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto from =
        (reinterpret_cast<std::uintptr_t>(begin) + kLargePage - 1) & ~(kLargePage - 1);
    const auto to = (reinterpret_cast<std::uintptr_t>(begin) + bytes) & ~(kLargePage - 1);
    if (to > from) madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#else
    (void)begin;
    (void)bytes;
#endif
}

long long separatelyMappedBytes() {
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 33))
    return static_cast<long long>(mallinfo2().hblkhd);
#else
    return 0;
#endif
}

}  // namespace pictures
