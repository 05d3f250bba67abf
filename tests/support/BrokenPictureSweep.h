// The fixture the broken-picture sweeps share: one folder of the built pictures, and the memory
// the whole sweep may take.
#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

namespace testing_support {

class TestProgram;

// A test class of the sweep derives from this and adds its cases. The memory check comes with
// the clean-up, after every case: a slot of this class would run before them.
class BrokenPictureSweep : public QObject {
    Q_OBJECT
  public:
    BrokenPictureSweep();
    ~BrokenPictureSweep() override;

  private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

  protected:
    // One folder of the built pictures for the cases, each breaking one and mending it after.
    std::unique_ptr<TestProgram> m_shared;
    QByteArray m_board;
    long m_peakBefore = 0;
    int m_cases = 0;
};

}  // namespace testing_support
