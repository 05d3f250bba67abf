// The base of the further activities: title, house buttons in their places, exit and Jotter
// wired once; and the caption fit check every content table is put through.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "TextFit.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screens.h"
#include "shell/ActivityScreen.h"
#include "shell/HouseStyle.h"
#include "shell/ScreenNames.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

class EveryButton : public shell::ActivityScreen {
  public:
    EveryButton(Screens& screens, const QString& caption)
        : ActivityScreen(screens, {QStringLiteral("every"), caption},
                         {.back = shell::ScreenBlue,
                          .next = true,
                          .answer = true,
                          .check = true,
                          .scramble = true,
                          .marks = true}) {}
    int setUps = 0;

  protected:
    void setUp() override { ++setUps; }
};

void define(TestProgram& program, const QString& caption) {
    program.screens.define(QStringLiteral("every"), [caption](Screens& s) {
        return std::make_unique<EveryButton>(s, caption);
    });
}

}  // namespace

class ActivityScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void titleAndButtonsInTheirPlaces() {
        TestProgram program;
        program.addShellPictures();
        define(program, QStringLiteral("Substituting into Formulae"));
        auto& screen = program.screens.show<EveryButton>(QStringLiteral("every"));
        QCOMPARE(screen.setUps, 1);
        QCOMPARE(screen.backColour(), shell::ScreenBlue);
        QCOMPARE(screen.caption(), QStringLiteral("Substituting into Formulae"));

        const auto& title = *screen.find<Label>(QStringLiteral("lbltitle"));
        QCOMPARE(title.caption(), screen.caption());
        QCOMPARE(title.look().fore, shell::TitleYellow);
        QCOMPARE(title.look().back, shell::TitleBlack);
        QVERIFY(title.look().font.bold && title.look().opaque);
        QCOMPARE(title.left() + title.width() / 2, shell::FrameWidth / 2);
        QVERIFY(captionFits(title.caption(), title.look().font, title.rect(), true));
        QVERIFY(title.rect().bottom() <= shell::ActivityScreen::kContentTop);

        // The house column from the bottom up, exit opposite next, as the frame places them.
        const struct {
            const char* name;
            float left;
            float top;
        } places[] = {{"cmdgo", 10050, 7950},
                      {"cmdjotter", 10050, 7455},
                      {"cmdsoln", 10050, 6960},
                      {"cmdcheckit", 10050, 6465},
                      {"cmdexit", 60, 7950}};
        for (const auto& place : places) {
            const auto* button = screen.find<CommandButton>(QString::fromLatin1(place.name));
            QVERIFY2(button && button->hasPicture(), place.name);
            QCOMPARE(button->left(), place.left);
            QCOMPARE(button->top(), place.top);
        }
        QVERIFY(screen.find<CommandButton>(QStringLiteral("cmdscramble"))->hasPicture());
        QVERIFY(!screen.find<PictureBox>(QStringLiteral("imgtick"))->isVisible());
        QVERIFY(!screen.find<PictureBox>(QStringLiteral("imgcross"))->isVisible());
    }

    // Without their pictures the buttons still say what they do.
    void buttonsWithoutPicturesSayWhatTheyDo() {
        TestProgram program;
        define(program, QStringLiteral("Hangman"));
        auto& screen = program.screens.show<EveryButton>(QStringLiteral("every"));
        QCOMPARE(screen.find<CommandButton>(QStringLiteral("cmdexit"))->caption(),
                 QStringLiteral("Exit"));
        QCOMPARE(screen.find<CommandButton>(QStringLiteral("cmdgo"))->caption(),
                 QStringLiteral("Next"));
    }

    // The Jotter button opens the Jotter over the activity; exit gives the menu back.
    void jotterAndExitAreWiredOnce() {
        TestProgram program;
        program.addShellPictures();
        define(program, QStringLiteral("pH"));
        Screen& menu = program.screens.show(shell::menuScreenName(3));
        auto& screen = program.screens.show<EveryButton>(QStringLiteral("every"));
        Mouse mouse(screen);
        mouse.click(Mouse::centreOf(*screen.find<CommandButton>(QStringLiteral("cmdjotter"))));
        QVERIFY(program.screens.isLoaded(QString::fromLatin1(shell::kJotterScreen)));
        QVERIFY(screen.isVisible());
        mouse.click(Mouse::centreOf(*screen.find<CommandButton>(QStringLiteral("cmdexit"))));
        QVERIFY(!program.screens.isLoaded(QStringLiteral("every")));
        QVERIFY(menu.isVisible());
        QCOMPARE(program.programEnds, 0);
    }

    void captionFitsItsPlace_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<float>("width");
        QTest::addColumn<float>("height");
        QTest::addColumn<bool>("fits");
        QTest::newRow("short") << "gold" << 2460.0f << 375.0f << true;
        QTest::newRow("wraps onto a second line it has")
            << "volume of gas in cubic centimetres" << 2460.0f << 900.0f << true;
        QTest::newRow("wraps onto a line cut off")
            << "volume of gas in cubic centimetres" << 2460.0f << 375.0f << false;
        QTest::newRow("one word wider than its place")
            << "CHROMATOGRAPHY" << 900.0f << 2000.0f << false;
        QTest::newRow("empty place") << "a" << 0.0f << 0.0f << false;
    }
    void captionFitsItsPlace() {
        QFETCH(QString, caption);
        QFETCH(float, width);
        QFETCH(float, height);
        QFETCH(bool, fits);
        QCOMPARE(captionFits(caption, tahoma(11.25f, true), {0, 0, width, height}, true), fits);
    }
};

QTEST_MAIN(ActivityScreenTest)
#include "tst_activityscreen.moc"
