// The bridge problem screen: its picture fits its area whatever the file's size.
#include <QtTest>

#include "TestProgram.h"
#include "activities/vocab/BridgeProblemScreen.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"

using namespace forms;
using testing_support::TestProgram;

class BridgeProblemScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void pictureFitsItsArea_data();
    void pictureFitsItsArea();
    void missingPictureLeavesTheTextOnly();
    void escapeGoesBackToTheGlossary();
};

void BridgeProblemScreenTest::pictureFitsItsArea_data() {
    QTest::addColumn<QSize>("file");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("fits") << QSize(364, 160) << QSize(364, 160);
    QTest::newRow("too wide") << QSize(1128, 180) << QSize(564, 90);
    QTest::newRow("too tall") << QSize(400, 900) << QSize(80, 180);
}

void BridgeProblemScreenTest::pictureFitsItsArea() {
    QFETCH(QSize, file);
    QFETCH(QSize, shown);
    TestProgram program;
    program.addShellPictures();
    program.addPicture(QStringLiteral("Images/kbridge.jpg"), file);
    Screen& screen = program.screens.show(QStringLiteral("bridgeproblem"));
    auto* picture = screen.find<PictureBox>(QStringLiteral("imgbridges"));
    QCOMPARE(picture->picture().size(), shown);
    QCOMPARE(picture->rect().toPixels().size(), shown);
    // Centred across the screen, below the title and above the text.
    const QRect area = picture->rect().toPixels();
    QVERIFY(qAbs(area.center().x() - toPixels(screen.clientWidth()) / 2) <= 1);
    QVERIFY(area.top() >=
            toPixels(screen.find<Label>(QStringLiteral("lbltitle"))->rect().bottom()));
    QVERIFY(area.bottom() < toPixels(screen.find<Label>(QStringLiteral("lblcity"))->top()));
}

void BridgeProblemScreenTest::missingPictureLeavesTheTextOnly() {
    TestProgram program;
    program.addShellPictures();
    Screen& screen = program.screens.show(QStringLiteral("bridgeproblem"));
    QVERIFY(!screen.find<PictureBox>(QStringLiteral("imgbridges"))->hasPicture());
    QVERIFY(screen.find<Label>(QStringLiteral("lblquestion"))
                ->caption()
                .contains(QStringLiteral("bridge")));
}

void BridgeProblemScreenTest::escapeGoesBackToTheGlossary() {
    TestProgram program;
    program.addShellPictures();
    Screen& screen = program.screens.show(QStringLiteral("bridgeproblem"));
    QTest::keyClick(screen.window(), Qt::Key_Escape);
    QVERIFY(!program.screens.isLoaded(QStringLiteral("bridgeproblem")));
    QVERIFY(program.screens.loaded(QStringLiteral("Vocab"))->isVisible());
    QCOMPARE(program.programEnds, 0);
}

QTEST_MAIN(BridgeProblemScreenTest)
#include "tst_bridgeproblemscreen.moc"
