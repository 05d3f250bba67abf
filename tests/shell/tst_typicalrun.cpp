// A lesson from start to finish, clicked through the real screens as a teacher would.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

Screen& onView(TestProgram& program, const QString& name) {
    Screen* screen = program.screens.loaded(name);
    Q_ASSERT_X(screen, "onView", qPrintable(name));
    return *screen;
}

QStringList visibleScreens(TestProgram& program) {
    QStringList names;
    for (const QString& name : program.screens.loadedNames())
        if (program.screens.loaded(name)->isVisible()) names << name;
    return names;
}

template <class T>
T& control(Screen& screen, const QString& name, int index = -1) {
    if (index < 0) return *screen.find<T>(name);
    return (*screen.array<T>(name))[index];
}

}  // namespace

class TypicalRunTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void fromTitleThroughMenu5AndBackToExit();
};

void TypicalRunTest::fromTitleThroughMenu5AndBackToExit() {
    TestProgram program;
    program.addShellPictures();
    for (const char* picture : {"bunsensm", "tripodsm", "funnelsm", "thermosm", "testtubesm", "beakersm",
                                "flasksm", "pipettesm", "measuresm", "spatulasm"})
        program.addPicture(QStringLiteral("Images/%1.jpg").arg(QLatin1String(picture)), {164, 124});
    program.screens.show(QStringLiteral("Titlefrm"));

    Screen& title = onView(program, QStringLiteral("Titlefrm"));
    Mouse(title).click(Mouse::centreOf(control<CommandButton>(title, QStringLiteral("Command1"))));
    QCOMPARE(visibleScreens(program), QStringList{QStringLiteral("intro0")});
    Screen& front = onView(program, QStringLiteral("intro0"));
    QCOMPARE(front.caption(), QStringLiteral("Corvane"));

    Mouse(front).click(Mouse::centreOf(control<Label>(front, QStringLiteral("Label2"), 4)));
    QCOMPARE(program.screens.loadedNames(), QStringList{QStringLiteral("menu5")});
    Screen& menu = onView(program, QStringLiteral("menu5"));
    QVERIFY(menu.isVisible());

    Label& apparatus = control<Label>(menu, QStringLiteral("Label3"), 0);
    QCOMPARE(apparatus.caption(), QStringLiteral("Laboratory Apparatus"));
    Mouse(menu).click(Mouse::centreOf(apparatus));
    Screen& activity = onView(program, QStringLiteral("equipment"));
    QVERIFY(activity.isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(activity.window()->geometry(), menu.window()->geometry());

    // The pupils drag the ten names: seven onto their own boxes, the last three one box along.
    auto& names = *activity.array<Label>(QStringLiteral("Label2"));
    auto& boxes = *activity.array<Label>(QStringLiteral("Label1"));
    auto& buttons = *activity.array<Label>(QStringLiteral("Label3"));
    const int boxFor[10] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 7};
    Mouse pupil(activity);
    for (int i = 0; i < 10; ++i) {
        QVERIFY2(!buttons[2].isVisible(), "Check Score before every name is placed");
        pupil.drag(Mouse::centreOf(names[i]), Mouse::centreOf(boxes[boxFor[i]]));
        QCOMPARE(names[i].left(), boxes[boxFor[i]].left());
        QCOMPARE(names[i].top(), boxes[boxFor[i]].top());
    }
    QVERIFY(buttons[2].isVisible());
    pupil.click(Mouse::centreOf(buttons[2]));
    QCOMPARE(activity.find<Label>(QStringLiteral("Label5"))->caption(), QStringLiteral(" 7 out of 10 correct"));

    pupil.click(Mouse::centreOf(buttons[0]));
    QCOMPARE(visibleScreens(program), QStringList{QStringLiteral("menu5")});
    QCOMPARE(program.screens.loaded(QStringLiteral("menu5")), &menu);

    Mouse(menu).click(Mouse::centreOf(control<CommandButton>(menu, QStringLiteral("Command1"))));
    QCOMPARE(visibleScreens(program), QStringList{QStringLiteral("intro0")});
    Screen& frontAgain = onView(program, QStringLiteral("intro0"));

    Mouse(frontAgain)
        .click(Mouse::centreOf(control<CommandButton>(frontAgain, QStringLiteral("Command1"))));
    QCOMPARE(visibleScreens(program), QStringList{QStringLiteral("Titlefrm")});
    Screen& titleAgain = onView(program, QStringLiteral("Titlefrm"));
    QCOMPARE(control<CommandButton>(titleAgain, QStringLiteral("Command1")).caption(),
             QStringLiteral("Cancel"));
    auto& exit = control<CommandButton>(titleAgain, QStringLiteral("Command2"));
    QCOMPARE(exit.caption(), QStringLiteral("Exit"));

    QCOMPARE(program.programEnds, 0);
    Mouse(titleAgain).click(Mouse::centreOf(exit));
    QCOMPARE(program.programEnds, 1);
    QVERIFY(program.screens.loadedNames().isEmpty());
}

QTEST_MAIN(TypicalRunTest)
#include "tst_typicalrun.moc"
