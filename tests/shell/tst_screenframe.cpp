// The house frame: step order, per-step guarding, centring and the standard buttons.
#include <QtTest>

#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/ControlArray.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "shell/HouseStyle.h"
#include "shell/ScreenFrame.h"

using namespace forms;
using namespace shell;
using testing_support::TestProgram;

namespace {

// A screen built from a list of standard control names; "in panel" puts cmdexit in a panel.
class FramedScreen : public Screen {
  public:
    FramedScreen(Screens& screens, const QStringList& controls, bool exitInPanel = false)
        : Screen(screens, QStringLiteral("framed")) {
        Panel* strip = nullptr;
        if (exitInPanel) strip = &add<Panel>(QStringLiteral("framestatus"), {945, 7515, 9480, 780});
        for (const QString& name : controls) {
            if (name.startsWith(QLatin1String("cmd"))) {
                auto& button =
                    add<CommandButton>(name, {100, 100, 1000, 300},
                                       name == QLatin1String("cmdexit") ? strip : nullptr);
                button.setTakesFocus(true);  // as a designer's button is, until the frame says not
            } else if (name == QLatin1String("Image1[]")) {
                auto& images = addArray<PictureBox>(QStringLiteral("Image1"));
                images.add(0, {0, -240, 12000, 8730});
                images.add(1, {2000, 2000, 500, 500});
            } else {
                add<PictureBox>(name, {500, 500, 300, 300}).setVisible(true);
            }
        }
    }
};

const QStringList kAllButtons{QStringLiteral("cmdexit"),   QStringLiteral("cmdgo"),
                              QStringLiteral("cmdsoln"),   QStringLiteral("cmdcheckit"),
                              QStringLiteral("cmdjotter"), QStringLiteral("cmdscramble")};

}  // namespace

class ScreenFrameTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void screenWithoutStandardControls();
    void fullRightHandColumn();
    void houseButtonsShowTheScreenAtTheirCorners_data();
    void houseButtonsShowTheScreenAtTheirCorners();
    void answerWithoutJotterKeepsItsTop();
    void controlArrayIsLeftAlone();
    void missingNextPictureSkipsOnlyThatPicture();
    void centring_data();
    void centring();
    void buttonInsidePanelUsesPanelCoordinates();
    void marksArePlacedLoadedAndHidden();
    void pointerIsAlwaysDefaultAfterwards();
};

void ScreenFrameTest::screenWithoutStandardControls() {
    TestProgram program(false);
    FramedScreen screen(program.screens, {});
    ApplyScreenFrame(screen);
    QCOMPARE(screen.width(), FrameWidth);
    QCOMPARE(screen.height(), FrameHeight);
    QCOMPARE(screen.backColour(), HouseBlue);
    QVERIFY(!screen.hasIcon());
    QCOMPARE(screen.left(), 0.0f);
    QCOMPARE(screen.top(), 0.0f);
    // Every window shows the one blank icon: the window system's copy of an icon is cached by
    // the icon, and a fresh one for each window opened would fill that cache all lesson long.
    FramedScreen another(program.screens, {});
    ApplyScreenFrame(another);
    QCOMPARE(another.window()->windowIcon().cacheKey(), screen.window()->windowIcon().cacheKey());
}

void ScreenFrameTest::fullRightHandColumn() {
    TestProgram program(false);
    program.addShellPictures();
    FramedScreen screen(program.screens, kAllButtons);
    ApplyScreenFrame(screen);
    const struct {
        const char* name;
        float left, top;
    } expected[] = {{"cmdgo", 10050, 7950},
                    {"cmdjotter", 10050, 7455},
                    {"cmdsoln", 10050, 6960},
                    {"cmdcheckit", 10050, 6465},
                    {"cmdexit", 60, 7950}};
    for (const auto& e : expected) {
        auto* button = screen.find<CommandButton>(QString::fromLatin1(e.name));
        QVERIFY2(button, e.name);
        QCOMPARE(button->rect(), (TwipRect{e.left, e.top, 1785, 495}));
        QVERIFY2(button->hasPicture(), e.name);
        QVERIFY2(!button->tabStop(), e.name);
    }
    // The scramble button gets its picture but keeps its place.
    auto* scramble = screen.find<CommandButton>(QStringLiteral("cmdscramble"));
    QVERIFY(scramble->hasPicture());
    QCOMPARE(scramble->rect(), (TwipRect{100, 100, 1000, 300}));
    QVERIFY(scramble->tabStop());
}

// A JPEG has no see-through corners: the house buttons' own would show the blue they were drawn
// over on the deep blue of the boards, at every factor.
void ScreenFrameTest::houseButtonsShowTheScreenAtTheirCorners_data() {
    QTest::addColumn<double>("factor");
    QTest::newRow("design size") << 1.0;
    QTest::newRow("1.8") << 1.8;
    QTest::newRow("3.6") << 3.6;
}

void ScreenFrameTest::houseButtonsShowTheScreenAtTheirCorners() {
    QFETCH(double, factor);
    TestProgram program(false);
    program.addShellPictures();
    program.screens.setScale(Scale(factor));
    FramedScreen screen(program.screens, kAllButtons);
    ApplyScreenFrame(screen);
    screen.setBackColour(DeepBlue);
    const QImage shown = screen.window()->grab().toImage();
    for (const char* name : {"cmdexit", "cmdgo", "cmdjotter"}) {
        const QRect at = screen.scale().toPixels(screen.find<CommandButton>(name)->rect());
        QCOMPARE(QColor(shown.pixel(at.topLeft())), QColor(DeepBlue));
        QCOMPARE(QColor(shown.pixel(at.bottomRight())), QColor(DeepBlue));
        // Only the corners: the picture runs to the middle of every edge.
        const QRgb middle = shown.pixel(at.center());
        QVERIFY(middle != QColor(DeepBlue).rgb());
        QCOMPARE(shown.pixel(at.center().x(), at.top()), middle);
        QCOMPARE(shown.pixel(at.left(), at.center().y()), middle);
    }
}

void ScreenFrameTest::answerWithoutJotterKeepsItsTop() {
    TestProgram program(false);
    program.addShellPictures();
    FramedScreen screen(program.screens, {QStringLiteral("cmdexit"), QStringLiteral("cmdgo"),
                                          QStringLiteral("cmdsoln")});
    ApplyScreenFrame(screen);
    auto* answer = screen.find<CommandButton>(QStringLiteral("cmdsoln"));
    QCOMPARE(answer->rect(), (TwipRect{10050, 100, 1785, 495}));
    QVERIFY(answer->hasPicture());
    QVERIFY(!answer->tabStop());
}

void ScreenFrameTest::controlArrayIsLeftAlone() {
    TestProgram program(false);
    program.addShellPictures();
    QImage board(50, 40, QImage::Format_RGB32);
    board.fill(Qt::white);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    board.save(&buffer, "PNG");
    program.addFile(QStringLiteral("Images/BOARD.WMF"), png);
    QVERIFY(program.pictures.load(QStringLiteral("IMAGES\\BOARD.WMF")).has_value());
    FramedScreen screen(program.screens, {QStringLiteral("Image1[]")});
    ApplyScreenFrame(screen);
    auto* images = screen.array<PictureBox>(QStringLiteral("Image1"));
    QCOMPARE((*images)[0].rect(), (TwipRect{0, -240, 12000, 8730}));
    QCOMPARE((*images)[1].rect(), (TwipRect{2000, 2000, 500, 500}));
    QVERIFY(!(*images)[0].hasPicture());
}

void ScreenFrameTest::missingNextPictureSkipsOnlyThatPicture() {
    TestProgram program(false);
    program.addShellPictures();
    program.removeFile(QStringLiteral("Images/next.jpg"));
    FramedScreen screen(program.screens, kAllButtons);
    ApplyScreenFrame(screen);
    auto* next = screen.find<CommandButton>(QStringLiteral("cmdgo"));
    QVERIFY(!next->hasPicture());
    QCOMPARE(next->rect(), (TwipRect{10050, 7950, 1785, 495}));
    for (const QString& name : kAllButtons) {
        if (name != QLatin1String("cmdgo"))
            QVERIFY2(screen.find<CommandButton>(name)->hasPicture(), qPrintable(name));
    }
}

void ScreenFrameTest::centring_data() {
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("exactly the frame") << QSizeF(12000, 9000) << 0.0f << 0.0f;
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << 1680.0f << 1260.0f;
    QTest::newRow("smaller: half the overhang") << QSizeF(9600, 7200) << -1200.0f << -900.0f;
    QTest::newRow("odd twips") << QSizeF(12001, 9001) << 0.5f << 0.5f;
}

void ScreenFrameTest::centring() {
    QFETCH(QSizeF, display);
    QFETCH(float, left);
    QFETCH(float, top);
    TestProgram program(false);
    program.platform.display = display;
    FramedScreen screen(program.screens, {});
    ApplyScreenFrame(screen);
    QCOMPARE(screen.left(), left);
    QCOMPARE(screen.top(), top);
}

void ScreenFrameTest::buttonInsidePanelUsesPanelCoordinates() {
    TestProgram program(false);
    program.addShellPictures();
    FramedScreen screen(program.screens, {QStringLiteral("cmdexit")}, true);
    ApplyScreenFrame(screen);
    auto* exit = screen.find<CommandButton>(QStringLiteral("cmdexit"));
    QCOMPARE(exit->rect(), (TwipRect{60, 7950, 1785, 495}));
    // Below the strip's 780 visible twips.
    QCOMPARE(exit->widget()->parentWidget(),
             screen.find<Panel>(QStringLiteral("framestatus"))->widget());
}

void ScreenFrameTest::marksArePlacedLoadedAndHidden() {
    TestProgram program(false);
    program.addShellPictures();
    program.removeFile(QStringLiteral("Images/cross.jpg"));
    FramedScreen screen(program.screens, {QStringLiteral("imgtick"), QStringLiteral("imgcross"),
                                          QStringLiteral("Picture1")});
    ApplyScreenFrame(screen);
    auto* tick = screen.find<PictureBox>(QStringLiteral("imgtick"));
    auto* cross = screen.find<PictureBox>(QStringLiteral("imgcross"));
    QCOMPARE(tick->left(), 10740.0f);
    QCOMPARE(tick->top(), 180.0f);
    QCOMPARE(cross->left(), 10740.0f);
    QVERIFY(tick->hasPicture());
    QVERIFY(!cross->hasPicture());
    // A missing picture does not stop the steps after it.
    QVERIFY(!tick->isVisible());
    QVERIFY(!cross->isVisible());
    QCOMPARE(screen.find<PictureBox>(QStringLiteral("Picture1"))->backColour(), HouseBlue);
}

void ScreenFrameTest::pointerIsAlwaysDefaultAfterwards() {
    TestProgram program(false);
    FramedScreen screen(program.screens, kAllButtons);  // no pictures at all
    ApplyScreenFrame(screen);
    QVERIFY(!program.platform.busy);
    QCOMPARE(program.platform.busyChanges, 2);
}

QTEST_MAIN(ScreenFrameTest)
#include "tst_screenframe.moc"
