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

// Laboratory Apparatus as far as the menus see it: it opens over menu 5 and its exit unloads it.
class ApparatusStandIn : public Screen {
  public:
    explicit ApparatusStandIn(Screens& screens)
        : Screen(screens, QStringLiteral("equipment")),
          cmdexit(add<CommandButton>(QStringLiteral("cmdexit"), {60, 7950, 1785, 495})) {
        setClientSize(11910, 8520);
        cmdexit.onClick = [this] { this->screens().unload(name()); };
    }
    CommandButton& cmdexit;
};

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
    program.screens.define(QStringLiteral("equipment"),
                           [](Screens& s) { return std::make_unique<ApparatusStandIn>(s); });
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
    auto& activity = dynamic_cast<ApparatusStandIn&>(onView(program, QStringLiteral("equipment")));
    QVERIFY(activity.isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(activity.window()->geometry(), menu.window()->geometry());

    Mouse(activity).click(Mouse::centreOf(activity.cmdexit));
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
