// The front screen: its set-up, hover rule, tabs, web address and exit, with and without pictures.
#include <QtTest>

#include "CaptionCheck.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screen.h"
#include "shell/HouseStyle.h"
#include "shell/PublisherAddress.h"
#include "shell/Texts.h"

using namespace forms;
using namespace shell;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kFront = QStringLiteral("intro0");

Label& tab(Screen& screen, int index) {
    return (*screen.array<Label>(QStringLiteral("Label2")))[index];
}
Label& title(Screen& screen) {
    return *screen.find<Label>(QStringLiteral("Label1"));
}
CommandButton& exitButton(Screen& screen) {
    return *screen.find<CommandButton>(QStringLiteral("Command1"));
}

// Walks the pointer in single pixels, as a hand on the mouse would.
void walk(Mouse& mouse, QPoint from, QPoint to) {
    const QPoint step = to - from;
    const int steps = std::max(std::abs(step.x()), std::abs(step.y()));
    for (int i = 0; i <= steps; ++i) mouse.move(from + step * i / std::max(1, steps));
}

}  // namespace

class FrontScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void setUpAfterLoad();
    void hoverHighlightsUntilBackgroundIsCrossed();
    void tabsShowTheirMenu_data();
    void tabsShowTheirMenu();
    void webAddressOpensAndEndsTheProgram_data();
    void webAddressOpensAndEndsTheProgram();
    void addressWithAndWithoutScheme_data();
    void addressWithAndWithoutScheme();
    void addressKeepsItsDesignedFontUnlessTooLong_data();
    void addressKeepsItsDesignedFontUnlessTooLong();
    void exitAsksTheTitleScreenAndCancelComesBack();
    void missingPicturesAreSkipped();
};

void FrontScreenTest::setUpAfterLoad() {
    TestProgram program;
    program.addShellPictures();
    Screen& front = program.screens.show(kFront);
    QCOMPARE(front.caption(), QStringLiteral("Corvane"));
    QCOMPARE(front.backColour(), ScreenBlue);
    QCOMPARE(front.width(), FrameWidth);
    QCOMPARE(front.height(), FrameHeight);
    QCOMPARE(front.picture().size(), QSize(800, 600));
    QVERIFY(front.find<PictureBox>(QStringLiteral("Image2"))->hasPicture());

    QCOMPARE(title(front).caption(), QStringLiteral("Chemistry Key Stage 3 Kindrel"));
    QVERIFY(!title(front).isOpaque());

    const QStringList captions{QStringLiteral("Menu 1"), QStringLiteral("Menu 2"),
                               QStringLiteral("Menu 3"), QStringLiteral("Menu 4"),
                               QStringLiteral("Menu 5")};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tab(front, i).rect(), (TwipRect{9600, 2400.0f + 750 * i, 2235, 495}));
        QCOMPARE(tab(front, i).caption(), captions[i]);
        QVERIFY(tab(front, i).isVisible());
        QVERIFY(!tab(front, i).isOpaque());
        QCOMPARE(tab(front, i).look().back, TabBlue);
    }
    QCOMPARE(tab(front, 5).caption(), QStringLiteral("WWW Links"));
    QCOMPARE(tab(front, 5).top(), 6900.0f);
    QVERIFY(!tab(front, 5).isVisible());
    QVERIFY(!tab(front, 5).isEnabled());

    Label& address = tab(front, 6);
    QVERIFY(address.isVisible());
    QVERIFY(address.isOpaque());
    QVERIFY(!address.caption().contains(QLatin1String("://")));
    QVERIFY(QString::fromUtf8(kPublisherUrl).endsWith(address.caption()));
    // The address stays on the label's one line, in the designed type unless configured longer.
    const QString cut = testing_support::captionCut(address);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
    if (QLatin1String(kPublisherUrl) == QLatin1String(KINDREL_DEFAULT_PUBLISHER_URL))
        QCOMPARE(address.look().font, arial(12, true));

    CommandButton& exit = exitButton(front);
    QCOMPARE(exit.rect(), (TwipRect{60, 7950, 1785, 495}));
    QVERIFY(exit.hasPicture());
    QVERIFY(exit.caption().isEmpty());
    QCOMPARE(exit.widget()->focusPolicy(), Qt::NoFocus);
}

void FrontScreenTest::hoverHighlightsUntilBackgroundIsCrossed() {
    TestProgram program;
    program.addShellPictures();
    Screen& front = program.screens.show(kFront);
    Mouse mouse(front);

    mouse.move(Mouse::centreOf(title(front)));
    QVERIFY(title(front).isOpaque());
    // Straight onto a tab without touching the background: the title keeps its band.
    mouse.move(Mouse::centreOf(tab(front, 0)));
    QVERIFY(tab(front, 0).isOpaque());
    QVERIFY(title(front).isOpaque());

    mouse.move(QPoint(300, 300));
    QVERIFY(!title(front).isOpaque());
    QVERIFY(!tab(front, 0).isOpaque());
    QVERIFY(tab(front, 6).isOpaque());

    // "Menu 3" down to "Menu 4" crosses the gap between them, which clears "Menu 3".
    mouse.move(Mouse::centreOf(tab(front, 2)));
    QVERIFY(tab(front, 2).isOpaque());
    walk(mouse, Mouse::centreOf(tab(front, 2)), Mouse::centreOf(tab(front, 3)));
    QVERIFY(!tab(front, 2).isOpaque());
    QVERIFY(tab(front, 3).isOpaque());

    // The web address is opaque before, during and after its hover.
    mouse.move(Mouse::centreOf(tab(front, 6)));
    mouse.move(QPoint(300, 300));
    QVERIFY(tab(front, 6).isOpaque());
    QVERIFY(!tab(front, 3).isOpaque());
}

void FrontScreenTest::tabsShowTheirMenu_data() {
    QTest::addColumn<int>("index");
    for (int i = 0; i < 5; ++i) QTest::addRow("Menu %d", i + 1) << i;
}

void FrontScreenTest::tabsShowTheirMenu() {
    QFETCH(int, index);
    TestProgram program;
    program.addShellPictures();
    Screen& front = program.screens.show(kFront);
    const QImage background = front.picture();
    Mouse(front).click(Mouse::centreOf(tab(front, index)));

    const QString menuName = QStringLiteral("menu%1").arg(index + 1);
    Screen* menu = program.screens.loaded(menuName);
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    QVERIFY(!program.screens.isLoaded(kFront));
    // The menu took the front screen's picture while that was still loaded: no second load.
    QCOMPARE(menu->picture(), background);
    QCOMPARE(program.screens.loadCount(kFront), 1);
    QCOMPARE(program.screens.loadedNames(), QStringList{menuName});
    QCOMPARE(program.programEnds, 0);
}

void FrontScreenTest::webAddressOpensAndEndsTheProgram_data() {
    QTest::addColumn<bool>("browserOpens");
    QTest::newRow("browser opens") << true;
    QTest::newRow("browser fails") << false;
}

void FrontScreenTest::webAddressOpensAndEndsTheProgram() {
    QFETCH(bool, browserOpens);
    TestProgram program;
    program.addShellPictures();
    program.platform.openUrlResult = browserOpens;
    Screen& front = program.screens.show(kFront);
    Mouse(front).click(Mouse::centreOf(tab(front, 6)));
    QCOMPARE(program.platform.openedUrls, QStringList{QString::fromUtf8(kPublisherUrl)});
    QVERIFY(program.platform.openedUrls.first().startsWith(QLatin1String("http")));
    QVERIFY(!program.screens.isLoaded(kFront));
    QCOMPARE(program.programEnds, 1);
}

void FrontScreenTest::addressWithAndWithoutScheme_data() {
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("opened");
    QTest::newRow("https") << "https://www.example.org"
                           << "www.example.org"
                           << "https://www.example.org";
    QTest::newRow("http with path") << "http://example.org/science/"
                                    << "example.org/science/"
                                    << "http://example.org/science/";
    QTest::newRow("no scheme") << "www.example.org"
                               << "www.example.org"
                               << "https://www.example.org";
    QTest::newRow("stray spaces") << " https://example.org "
                                  << "example.org"
                                  << "https://example.org";
}

void FrontScreenTest::addressWithAndWithoutScheme() {
    QFETCH(QString, configured);
    QFETCH(QString, shown);
    QFETCH(QString, opened);
    QCOMPARE(shownAddress(configured), shown);
    QCOMPARE(openedAddress(configured), opened);
}

void FrontScreenTest::addressKeepsItsDesignedFontUnlessTooLong_data() {
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("type");
    QTest::newRow("default") << QStringLiteral(KINDREL_DEFAULT_PUBLISHER_URL) << "designed";
    QTest::newRow("short") << QStringLiteral("www.corvane.com") << "designed";
    QTest::newRow("long") << QStringLiteral("https://www.corvane-education.co.uk") << "smaller";
    QTest::newRow("far too long")
        << QStringLiteral("https://chemistry-starters-for-key-stage-3.corvane-education.co.uk")
        << "smallest";
}

// Arial 12 pt bold as designed; a configured address too long for that steps down until it
// fits on the label's one line, and no further than 8.25 pt.
void FrontScreenTest::addressKeepsItsDesignedFontUnlessTooLong() {
    QFETCH(QString, configured);
    QFETCH(QString, type);
    TestProgram program;
    program.addShellPictures();
    Label& address = tab(program.screens.show(kFront), 6);
    const QString shown = shownAddress(configured);
    const FontSpec font = addressFont(shown, address.width());
    if (type == QLatin1String("designed")) QCOMPARE(font, arial(12, true));
    if (type == QLatin1String("smaller")) QVERIFY(font.points < 12 && font.points > 8.25f);
    if (type == QLatin1String("smallest")) QCOMPARE(font, arial(8.25f, true));
    if (type == QLatin1String("smallest")) return;  // cut short: the most that can be done

    // Shown whole in the real label.
    LabelLook look = address.look();
    look.font = font;
    address.setLook(look);
    address.setCaption(shown);
    const QString cut = testing_support::captionCut(address);
    QVERIFY2(cut.isEmpty(), qPrintable(cut));
}

void FrontScreenTest::exitAsksTheTitleScreenAndCancelComesBack() {
    TestProgram program;
    program.addShellPictures();
    program.screens.show(QStringLiteral("Titlefrm"));
    program.screens.loaded(QStringLiteral("Titlefrm"))
        ->find<CommandButton>(QStringLiteral("Command1"))
        ->press();
    Screen& front = *program.screens.loaded(kFront);
    Mouse(front).click(Mouse::centreOf(exitButton(front)));

    Screen* titleScreen = program.screens.loaded(QStringLiteral("Titlefrm"));
    QVERIFY(titleScreen);
    QVERIFY(titleScreen->isVisible());
    QCOMPARE(program.screens.loadCount(QStringLiteral("Titlefrm")), 2);
    auto* cancel = titleScreen->find<CommandButton>(QStringLiteral("Command1"));
    QCOMPARE(cancel->caption(), QStringLiteral("Cancel"));
    QVERIFY(!program.screens.isLoaded(kFront));

    cancel->press();
    Screen* again = program.screens.loaded(kFront);
    QVERIFY(again);
    QVERIFY(again->isVisible());
    QCOMPARE(program.screens.loadCount(kFront), 2);
    QCOMPARE(tab(*again, 4).caption(), QStringLiteral("Menu 5"));
    QVERIFY(!program.screens.isLoaded(QStringLiteral("Titlefrm")));
    QCOMPARE(program.programEnds, 0);
}

void FrontScreenTest::missingPicturesAreSkipped() {
    TestProgram program;
    program.addShellPictures();
    for (const char* file : {"Images/kal2he24.jpg", "Images/logo2.jpg", "Images/exit.jpg"})
        program.removeFile(QString::fromLatin1(file));
    Screen& front = program.screens.show(kFront);
    QVERIFY(front.picture().isNull());
    QVERIFY(!front.find<PictureBox>(QStringLiteral("Image2"))->hasPicture());
    QCOMPARE(front.backColour(), ScreenBlue);
    QVERIFY(tab(front, 4).isVisible());
    CommandButton& exit = exitButton(front);
    QVERIFY(!exit.hasPicture());
    QCOMPARE(exit.caption(), QStringLiteral("Exit"));
    QCOMPARE(exit.rect(), (TwipRect{60, 7950, 1785, 495}));

    Mouse(front).click(Mouse::centreOf(tab(front, 1)));
    QVERIFY(program.screens.loaded(QStringLiteral("menu2"))->isVisible());
    QVERIFY(!program.screens.isLoaded(kFront));
}

QTEST_MAIN(FrontScreenTest)
#include "tst_frontscreen.moc"
