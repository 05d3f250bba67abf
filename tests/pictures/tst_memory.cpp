// Large blocks keep their own mappings, so freeing a closed screen's pictures gives memory back.
#include <sys/mman.h>

#include <QFile>
#include <QtTest>
#include <cstdlib>
#include <memory>

#include "pictures/Memory.h"

class MemoryTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void largeBlocksStayApartAfterOneIsFreed();
    void largePagesAskedForTheWholePagesWithin();
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
    pictures::returnLargeBlocksToTheSystem();
    constexpr std::size_t kSurface = 1'800'000;  // about one 800 × 600 window surface
    const long long before = pictures::separatelyMappedBytes();
    {
        Block first = touched(kSurface);
        QVERIFY(pictures::separatelyMappedBytes() >= before + static_cast<long long>(kSurface));
    }
    QCOMPARE(pictures::separatelyMappedBytes(), before);
    // glibc's default would now put a block of this size in the heap and keep it there.
    for (std::size_t bytes : {kSurface, std::size_t{300'000}, std::size_t{100'000}}) {
        Block again = touched(bytes);
        QVERIFY2(pictures::separatelyMappedBytes() >= before + static_cast<long long>(bytes),
                 qPrintable(QString::number(bytes)));
    }
    QCOMPARE(pictures::separatelyMappedBytes(), before);
}

namespace {
// The kernel's flags for the mapping that holds `address`, from /proc/self/smaps.
QByteArray mappingFlags(const void* address) {
    QFile smaps(QStringLiteral("/proc/self/smaps"));
    if (!smaps.open(QIODevice::ReadOnly)) return {};
    const auto at = reinterpret_cast<quintptr>(address);
    bool inside = false;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const int dash = line.indexOf('-');
        const int space = line.indexOf(' ');
        bool hex = false;
        const quintptr from = dash > 0 ? line.left(dash).toULongLong(&hex, 16) : 0;
        if (hex && space > dash) {
            const quintptr to = line.mid(dash + 1, space - dash - 1).toULongLong(&hex, 16);
            inside = hex && from <= at && at < to;
        } else if (inside && line.startsWith("VmFlags:")) {
            return line.mid(8).simplified();
        }
    }
    return {};
}
}  // namespace

// A surface rarely starts on a 2 MiB boundary: the advice covers the whole large pages inside
// it, and only those, so it never reaches into a neighbour's memory.
void MemoryTest::largePagesAskedForTheWholePagesWithin() {
    if (!QFile::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled")))
        QSKIP("the kernel has no large pages to give");
    constexpr std::size_t kLarge = std::size_t{2} << 20;
    void* mapped =
        mmap(nullptr, 4 * kLarge, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    QVERIFY(mapped != MAP_FAILED);
    auto* const base = static_cast<char*>(mapped);
    // The first large page that starts after the mapping does.
    const auto aligned = (reinterpret_cast<quintptr>(base) + kLarge) & ~quintptr{kLarge - 1};
    char* const page = reinterpret_cast<char*>(aligned);
    // Less than a whole page past the boundary: nothing asked.
    pictures::preferLargePages(page + 4096, kLarge - 8192);
    QVERIFY(!mappingFlags(page + 4096).contains(" hg"));
    // From just past the base to just short of one page after the boundary's next page.
    pictures::preferLargePages(base + 1,
                               static_cast<std::size_t>(page + 2 * kLarge + 4096 - base - 1));
    QVERIFY2(mappingFlags(page).contains("hg"), mappingFlags(page).constData());
    QVERIFY(mappingFlags(page + 2 * kLarge - 1).contains("hg"));
    QVERIFY(!mappingFlags(page + 2 * kLarge).contains("hg"));
    QVERIFY(!mappingFlags(base).contains("hg"));
    munmap(mapped, 4 * kLarge);
}

QTEST_GUILESS_MAIN(MemoryTest)
#include "tst_memory.moc"
