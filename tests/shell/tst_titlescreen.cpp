// The title screen: its design size and centring, its fallback, and where its buttons lead.
#include <QtTest>

#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "shell/HouseStyle.h"
#include "shell/TitleScreen.h"

using namespace forms;
using namespace shell;
using testing_support::TestProgram;

class TitleScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void normalStartIsCentredAtDesignSize();
    void okShowsFrontScreenAndUnloadsTitle();
    void enterPressesTheFocusedButton();
    void exitEndsAtOnce();
    void missingPictureFallsBackToHouseFrame();
};

void TitleScreenTest::normalStartIsCentredAtDesignSize() {
    TestProgram program;
    program.addShellPictures();
    program.platform.display = {15360, 11520};
    auto& title = program.screens.show<TitleScreen>(QStringLiteral("Titlefrm"));
    QCOMPARE(title.clientWidth(), 5460.0f);
    QCOMPARE(title.clientHeight(), 6570.0f);
    QCOMPARE(title.left(), 15360.0f / 2 - title.width() / 2);
    QCOMPARE(title.top(), 11520.0f / 2 - title.height() / 2);
    QCOMPARE(title.backColour(), fromBgr(0x00C0C0C0));
    QCOMPARE(title.caption(), QStringLiteral(" "));
    QVERIFY(title.hasIcon());
    QVERIFY(title.find<PictureBox>(QStringLiteral("Picture1"))->hasPicture());
    QVERIFY(!title.pictureMissing());
    QCOMPARE(title.find<CommandButton>(QStringLiteral("Command1"))->caption(),
             QStringLiteral("OK"));
    QCOMPARE(title.find<CommandButton>(QStringLiteral("Command2"))->caption(),
             QStringLiteral("Exit"));
}

void TitleScreenTest::okShowsFrontScreenAndUnloadsTitle() {
    TestProgram program;
    program.addShellPictures();
    auto& title = program.screens.show<TitleScreen>(QStringLiteral("Titlefrm"));
    title.find<CommandButton>(QStringLiteral("Command1"))->press();
    QVERIFY(!program.screens.isLoaded(QStringLiteral("Titlefrm")));
    QVERIFY(program.screens.isLoaded(QStringLiteral("intro0")));
    QVERIFY(program.screens.loaded(QStringLiteral("intro0"))->isVisible());
    QCOMPARE(program.programEnds, 0);
}

void TitleScreenTest::enterPressesTheFocusedButton() {
    TestProgram program;
    program.addShellPictures();
    auto& title = program.screens.show<TitleScreen>(QStringLiteral("Titlefrm"));
    QApplication::setActiveWindow(title.window());
    auto* ok = title.find<CommandButton>(QStringLiteral("Command1"));
    QTRY_VERIFY(ok->hasFocus());
    QTest::keyClick(ok->widget(), Qt::Key_Return);
    QVERIFY(!program.screens.isLoaded(QStringLiteral("Titlefrm")));
    QVERIFY(program.screens.isLoaded(QStringLiteral("intro0")));
}

void TitleScreenTest::exitEndsAtOnce() {
    TestProgram program;
    program.addShellPictures();
    auto& title = program.screens.show<TitleScreen>(QStringLiteral("Titlefrm"));
    title.find<CommandButton>(QStringLiteral("Command2"))->press();
    QCOMPARE(program.programEnds, 1);
    QVERIFY(program.screens.loadedNames().isEmpty());
}

void TitleScreenTest::missingPictureFallsBackToHouseFrame() {
    TestProgram program;
    program.addShellPictures();
    program.removeFile(QStringLiteral("opening/kal2h000.jpg"));
    auto& title = program.screens.show<TitleScreen>(QStringLiteral("Titlefrm"));
    QCOMPARE(title.width(), FrameWidth);
    QCOMPARE(title.height(), FrameHeight);
    QCOMPARE(title.backColour(), HouseBlue);
    QCOMPARE(title.left(), 0.0f);
    QCOMPARE(title.top(), 0.0f);
    QVERIFY(!title.hasIcon());
    auto* picture = title.find<PictureBox>(QStringLiteral("Picture1"));
    QCOMPARE(picture->backColour(), HouseBlue);
    QVERIFY(title.pictureMissing());
    auto* panel = title.find<Panel>(QStringLiteral("Frame1"));
    QCOMPARE(panel->rect(), (TwipRect{0, -90, 5480, 6660}));
    // The panel is in front of everything else on the screen.
    QCOMPARE(title.window()->children().last(), panel->widget());
    // The screen still works.
    title.find<CommandButton>(QStringLiteral("Command1"))->press();
    QVERIFY(program.screens.isLoaded(QStringLiteral("intro0")));
}

QTEST_MAIN(TitleScreenTest)
#include "tst_titlescreen.moc"
