#include "BrokenPictureSweep.h"

#include <QtTest>

#include "BrokenPictures.h"
#include "ProgramPictures.h"
#include "TestProgram.h"
#include "pictures/WmfReader.h"

namespace testing_support {

BrokenPictureSweep::BrokenPictureSweep() = default;
BrokenPictureSweep::~BrokenPictureSweep() = default;

void BrokenPictureSweep::initTestCase() {
    QVERIFY2(!buildDir().isEmpty(), "KINDREL_BUILD_DIR is not set");
    m_board = builtBoard();
    QVERIFY(pictures::isPlaceableMetafile(m_board));
    m_shared = std::make_unique<TestProgram>(false);
    QVERIFY(m_shared->addProgramPictures());
    m_peakBefore = peakResidentKiB();
}

// Nothing enormous was ever decoded: the whole run stays within a few pictures' worth.
void BrokenPictureSweep::cleanupTestCase() {
    m_shared.reset();
    qInfo("%d cases, each opening and closing every screen", m_cases);
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer's shadow memory and quarantine dwarf what is measured here");
#endif
    const long growthMiB = (peakResidentKiB() - m_peakBefore) / 1024;
    qInfo("peak resident memory grew by %ld MiB over %d cases", growthMiB, m_cases);
    QVERIFY2(growthMiB < 256, qPrintable(QString::number(growthMiB)));
}

}  // namespace testing_support
