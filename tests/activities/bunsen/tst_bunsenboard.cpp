// Bunsen Burner: each part's box stands at the end of a leader line of the diagram.
#include <QtTest>

#include "ProgramPictures.h"
#include "activities/bunsen/BunsenBoard.h"
#include "pictures/Pictures.h"

using namespace forms;

namespace {

// The leader lines run out to x = 296 in the diagram; this column crosses every one of them.
constexpr int kLineEndX = 294;

}  // namespace

class BunsenBoardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase();
    void partBoxesSitAtTheLineEnds_data();
    void partBoxesSitAtTheLineEnds();

  private:
    QImage m_diagram;
};

void BunsenBoardTest::initTestCase() {
    std::optional<QImage> diagram = pictures::Pictures({testing_support::buildDir()})
                                        .load(QString::fromLatin1(bunsen::kPictures[0].file));
    QVERIFY2(diagram, "the built diagram is missing");
    m_diagram = diagram->convertToFormat(QImage::Format_RGB32);
    QCOMPARE(m_diagram.size(), bunsen::kDiagram.toPixels().size());
}

void BunsenBoardTest::partBoxesSitAtTheLineEnds_data() {
    QTest::addColumn<TwipRect>("box");
    // The parts are the boxes between the diagram and the flames, whose boxes stand under them.
    int parts = 0;
    for (const labelling::BoardItem& item : bunsen::kItems) {
        if (item.target.right() > bunsen::kSafetyFlame.left) continue;
        QTest::newRow(item.text) << item.target;
        ++parts;
    }
    QCOMPARE(parts, 5);
}

// The box's middle is level with a line (within a pixel, the line being 1.5 wide) and its left
// edge a few pixels past the line's end.
void BunsenBoardTest::partBoxesSitAtTheLineEnds() {
    QFETCH(TwipRect, box);
    const QRect diagram = bunsen::kDiagram.toPixels();
    const QRect inDiagram = box.toPixels().translated(-diagram.topLeft());
    const int middle = inDiagram.top() + inDiagram.height() / 2;
    bool onLine = false;
    for (int y = middle - 1; y <= middle + 1; ++y)
        onLine = onLine || qGray(m_diagram.pixel(kLineEndX, y)) < 128;
    QVERIFY2(onLine, qPrintable(QStringLiteral("no leader line at y = %1").arg(middle)));
    QVERIFY(inDiagram.left() > kLineEndX + 2);
    QVERIFY(inDiagram.left() <= kLineEndX + 10);
}

QTEST_MAIN(BunsenBoardTest)
#include "tst_bunsenboard.moc"
