// Large blocks keep their own mappings, so freeing a closed screen's pictures gives memory back.
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "forms/Memory.h"

class MemoryTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void largeBlocksStayApartAfterOneIsFreed();
};

namespace {
struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using Block = std::unique_ptr<char, FreeDeleter>;

Block touched(std::size_t bytes) {
    Block block(static_cast<char*>(std::malloc(bytes)));
    for (std::size_t i = 0; i < bytes; i += 4096) block.get()[i] = 1;
    return block;
}
}  // namespace

void MemoryTest::largeBlocksStayApartAfterOneIsFreed() {
#if defined(__SANITIZE_ADDRESS__) || !defined(__GLIBC__)
    QSKIP("needs glibc's own allocator");
#endif
    forms::returnLargeBlocksToTheSystem();
    constexpr std::size_t kSurface = 1'800'000;  // about one 800 × 600 window surface
    const long long before = forms::separatelyMappedBytes();
    {
        Block first = touched(kSurface);
        QVERIFY(forms::separatelyMappedBytes() >= before + static_cast<long long>(kSurface));
    }
    QCOMPARE(forms::separatelyMappedBytes(), before);
    // glibc's default would now put a block of this size in the heap and keep it there.
    for (std::size_t bytes : {kSurface, std::size_t{300'000}, std::size_t{100'000}}) {
        Block again = touched(bytes);
        QVERIFY2(forms::separatelyMappedBytes() >= before + static_cast<long long>(bytes),
                 qPrintable(QString::number(bytes)));
    }
    QCOMPARE(forms::separatelyMappedBytes(), before);
}

QTEST_GUILESS_MAIN(MemoryTest)
#include "tst_memory.moc"
