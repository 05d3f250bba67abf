// The five activity menus: layout from the menu table, tabs, entries, exit and hover rule.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "shell/FrontScreen.h"
#include "shell/HouseStyle.h"
#include "shell/MenuScreen.h"
#include "program/Activities.h"
#include "shell/MenuTable.h"

using namespace forms;
using namespace shell;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const QString kFront = QStringLiteral("intro0");
// Every screen a menu entry opens, and the Jotter.
QStringList activityScreens() {
    QStringList names{QStringLiteral("notepad")};
    for (const program::Activity& activity : program::activities())
        if (activity.make) names << QString::fromUtf8(activity.screen);
    return names;
}
const QStringList kActivities = activityScreens();

Label& tab(Screen& screen, int index) {
    return (*screen.array<Label>(QStringLiteral("Label2")))[index];
}
Label* entry(Screen& screen, int index) {
    return screen.array<Label>(QStringLiteral("Label3"))->at(index);
}
Label& title(Screen& screen) {
    return *screen.find<Label>(QStringLiteral("Label1"));
}
CommandButton& exitButton(Screen& screen) {
    return *screen.find<CommandButton>(QStringLiteral("Command1"));
}

// Stands in for an activity: it only has to open over the menu and go away again.
void defineStubActivities(TestProgram& program) {
    for (const QString& name : kActivities) {
        program.screens.define(name, [name](Screens& s) {
            auto screen = std::make_unique<Screen>(s, name);
            screen->setCaption(name);
            return screen;
        });
    }
}

// Just the shell's screens, as before any activity is built.
void defineShellOnly(TestProgram& program) {
    program.screens.define(kFront, [](Screens& s) { return std::make_unique<FrontScreen>(s); });
    for (const MenuDesign& menu : program::menus()) {
        program.screens.define(menuScreenName(menu.number), [&menu](Screens& s) {
            return std::make_unique<MenuScreen>(s, menu);
        });
    }
}

// Shows a menu the way a teacher reaches it: through the front screen's tab.
Screen& openMenu(TestProgram& program, int number) {
    Screen& front = program.screens.show(kFront);
    Mouse(front).click(Mouse::centreOf(tab(front, number - 1)));
    return *program.screens.loaded(menuScreenName(number));
}

QString shownActivity(TestProgram& program) {
    for (const QString& name : kActivities)
        if (program.screens.isLoaded(name)) return name;
    return {};
}

}  // namespace

class MenusTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void layout_data();
    void layout();
    void tabs_data();
    void tabs();
    void switchingMenusLoadsTheFrontScreenHiddenOnce();
    void hoverRule();
    void entriesOpenOnlyTheirOwnActivity();
    void everyEntryOpensADefinedScreen();
    void entriesWithoutAScreenDoNothing();
    void closingTheActivityGivesTheMenuBackAsItWas();
    void missingPicturesAreSkipped();
    void closingAMenuWithTheFrontScreenHiddenEndsTheProgram();
};

void MenusTest::layout_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("width");
    QTest::addColumn<float>("left");
    QTest::addColumn<QStringList>("captions");
    QTest::newRow("menu1") << 1 << 5055.0f << 3472.5f
                           << QStringList{"Chemical Symbols", "Hangman", "Measures",
                                          "Substituting into Formulae", "Mixed Up Words"};
    QTest::newRow("menu2") << 2 << 4695.0f << 3652.5f
                           << QStringList{"Molecular Models", "Metals and Non-metals",
                                          "Elements and Compounds", "Acids and Alkalis",
                                          "Bunsen Burner"};
    QTest::newRow("menu3") << 3 << 4215.0f << 3892.5f
                           << QStringList{"Speed of Reactions", "pH", "Hazard Symbols",
                                          "Reactivity Sequence", "Atomic Mass"};
    QTest::newRow("menu4") << 4 << 5655.0f << 3172.5f
                           << QStringList{"Melting Points", "Changing State", "Metals and Acids",
                                          "Acids and Alkalis", "Fair Experiments"};
    QTest::newRow("menu5") << 5 << 4335.0f << 3832.5f
                           << QStringList{"Laboratory Apparatus", "Solids, Liquids and Gases",
                                          "Chemical Equations", "Four in a Row",
                                          "Safety in the Lab"};
}

void MenusTest::layout() {
    QFETCH(int, number);
    QFETCH(float, width);
    QFETCH(float, left);
    QFETCH(QStringList, captions);
    TestProgram program;
    program.addShellPictures();
    Screen& menu = program.screens.show(menuScreenName(number));

    QCOMPARE(menu.caption(), QStringLiteral("Corvane"));
    QCOMPARE(menu.backColour(), ScreenBlue);
    QCOMPARE(menu.width(), FrameWidth);
    QCOMPARE(menu.picture().size(), QSize(800, 600));
    QCOMPARE(title(menu).caption(), QStringLiteral("Menu %1").arg(number));
    QCOMPARE(title(menu).rect(), (TwipRect{4297.5f, 120, 3405, 900}));
    QVERIFY(title(menu).isOpaque());

    for (int i = 0; i < 5; ++i) {
        Label* row = entry(menu, i);
        QCOMPARE(row->rect(), (TwipRect{left, 2400.0f + 750 * i, width, 495}));
        QCOMPARE(row->caption(), captions[i]);
        QVERIFY(row->isVisible());
        QVERIFY(row->isOpaque());
        QCOMPARE(tab(menu, i).rect(), (TwipRect{9600, 2400.0f + 750 * i, 2235, 495}));
        QCOMPARE(tab(menu, i).caption(), QStringLiteral("Menu %1").arg(i + 1));
        QVERIFY(tab(menu, i).isVisible());
        QVERIFY(!tab(menu, i).isOpaque());
    }
    QCOMPARE(tab(menu, 5).caption(), QStringLiteral("WWW Links"));
    QVERIFY(!tab(menu, 5).isVisible());

    Label* sixth = entry(menu, 5);
    if (number == 5) {
        QVERIFY(!sixth);
    } else if (number == 4) {
        QCOMPARE(sixth->caption(), QStringLiteral("Mathematical Vocabulary"));
        QCOMPARE(sixth->rect(), (TwipRect{left, 6150, width, 495}));
        QVERIFY(sixth->isVisible());
    } else {
        QVERIFY(sixth->caption().isEmpty());
        QVERIFY(!sixth->isVisible());
    }

    CommandButton& exit = exitButton(menu);
    QCOMPARE(exit.rect(), (TwipRect{60, 7950, 1785, 495}));
    QVERIFY(exit.hasPicture());
    QCOMPARE(exit.widget()->focusPolicy(), Qt::NoFocus);
}

void MenusTest::tabs_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("menu2 own tab") << 2 << 2;
    QTest::newRow("menu2 to menu3") << 2 << 3;
    QTest::newRow("menu5 to menu1") << 5 << 1;
    QTest::newRow("menu1 own tab") << 1 << 1;
    QTest::newRow("menu4 to menu5") << 4 << 5;
}

void MenusTest::tabs() {
    QFETCH(int, from);
    QFETCH(int, to);
    TestProgram program;
    program.addShellPictures();
    Screen& menu = openMenu(program, from);
    Mouse(menu).click(Mouse::centreOf(tab(menu, to - 1)));

    const QString fromName = menuScreenName(from);
    const QString toName = menuScreenName(to);
    QVERIFY(program.screens.loaded(toName)->isVisible());
    if (from == to) {
        QCOMPARE(program.screens.loaded(fromName), &menu);
        QCOMPARE(program.screens.loadCount(fromName), 1);
    } else {
        QVERIFY(!program.screens.isLoaded(fromName));
    }
    QCOMPARE(program.programEnds, 0);
}

void MenusTest::switchingMenusLoadsTheFrontScreenHiddenOnce() {
    TestProgram program;
    program.addShellPictures();
    Screen& menu1 = openMenu(program, 1);
    QVERIFY(!program.screens.isLoaded(kFront));

    Mouse(menu1).click(Mouse::centreOf(tab(menu1, 1)));
    Screen& menu2 = *program.screens.loaded(QStringLiteral("menu2"));
    // menu2 needed the front screen's picture: it was loaded again, and not shown.
    Screen* front = program.screens.loaded(kFront);
    QVERIFY(front);
    QVERIFY(!front->isVisible());
    QCOMPARE(program.screens.loadCount(kFront), 2);
    QCOMPARE(menu2.picture(), front->picture());
    QVERIFY(!menu2.picture().isNull());

    Mouse(menu2).click(Mouse::centreOf(exitButton(menu2)));
    QCOMPARE(program.screens.loaded(kFront), front);
    QVERIFY(front->isVisible());
    QCOMPARE(program.screens.loadCount(kFront), 2);
    QVERIFY(!program.screens.isLoaded(QStringLiteral("menu2")));
    QCOMPARE(program.screens.loadedNames(), QStringList{kFront});
}

void MenusTest::hoverRule() {
    TestProgram program;
    program.addShellPictures();
    Screen& menu = openMenu(program, 3);
    Mouse mouse(menu);
    const QPoint background(60, 600);

    // The title starts as a black band and keeps it until the background is crossed.
    mouse.move(Mouse::centreOf(*entry(menu, 0)));
    QVERIFY(title(menu).isOpaque());
    mouse.move(background);
    QVERIFY(!title(menu).isOpaque());
    mouse.move(Mouse::centreOf(title(menu)));
    QVERIFY(title(menu).isOpaque());

    // Entries stay opaque and change nothing about the title or the tabs.
    mouse.move(Mouse::centreOf(tab(menu, 4)));
    mouse.move(Mouse::centreOf(*entry(menu, 2)));
    QVERIFY(entry(menu, 2)->isOpaque());
    QVERIFY(tab(menu, 4).isOpaque());
    QVERIFY(title(menu).isOpaque());

    mouse.move(background);
    QVERIFY(!tab(menu, 4).isOpaque());
    QVERIFY(!title(menu).isOpaque());
    for (int i = 0; i < 5; ++i) QVERIFY(entry(menu, i)->isOpaque());
}

// Every entry opens the screen of its row of the activities table and nothing else: the two
// "Acids and Alkalis" entries are different activities, and only menu 4's is the neutralisation
// one.
void MenusTest::entriesOpenOnlyTheirOwnActivity() {
    std::map<std::pair<int, int>, QString> wired;
    for (const program::Activity& activity : program::activities())
        if (activity.make) wired[{activity.menu, activity.entry}] = QString::fromUtf8(activity.screen);
    QCOMPARE(std::ssize(wired), std::ssize(kActivities) - 1);
    QCOMPARE(wired.at({4, 3}), QStringLiteral("acidsandalkalis"));
    QVERIFY(wired.find({2, 3}) == wired.end() || wired.at({2, 3}) != wired.at({4, 3}));
    int opened = 0;
    for (int number = 1; number <= 5; ++number) {
        for (int index = 0; index < 6; ++index) {
            TestProgram program;
            program.addShellPictures();
            defineStubActivities(program);
            Screen& menu = openMenu(program, number);
            Label* row = entry(menu, index);
            if (!row || !row->isVisible()) continue;
            Mouse(menu).click(Mouse::centreOf(*row));

            const auto expected = wired.find({number, index});
            const QString activity = shownActivity(program);
            const QString where = QStringLiteral("menu%1 entry %2").arg(number).arg(index);
            if (expected == wired.end()) {
                QVERIFY2(activity.isEmpty(),
                         qPrintable(where + QStringLiteral(" opened ") + activity));
                continue;
            }
            ++opened;
            QVERIFY2(activity == expected->second,
                     qPrintable(where + QStringLiteral(" opened ") + activity));
            QVERIFY(program.screens.loaded(activity)->isVisible());
            // The menu stays beneath, loaded and in view.
            QCOMPARE(program.screens.loaded(menuScreenName(number)), &menu);
            QVERIFY(menu.isVisible());
        }
    }
    QCOMPARE(opened, std::ssize(wired));
}

// The program defines a screen for every entry of the activities table, and the menus show the
// table's captions.
void MenusTest::everyEntryOpensADefinedScreen() {
    TestProgram program;
    for (const program::Activity& activity : program::activities()) {
        const QString where = QString::fromUtf8(activity.caption);
        QVERIFY2(activity.menu >= 1 && activity.menu <= 5, qPrintable(where));
        const shell::MenuDesign& menu = program::menus()[static_cast<size_t>(activity.menu - 1)];
        const shell::MenuEntry& shown = activity.entry < 5
                                            ? menu.entries[static_cast<size_t>(activity.entry)]
                                            : menu.sixthEntry;
        QCOMPARE(QString::fromUtf8(shown.caption), where);
        if (!activity.make) continue;
        QVERIFY2(program.screens.isDefined(QString::fromUtf8(activity.screen)), qPrintable(where));
    }
}

void MenusTest::entriesWithoutAScreenDoNothing() {
    TestProgram program(false);
    defineShellOnly(program);
    program.addShellPictures();
    Screen& menu = openMenu(program, 5);
    Mouse(menu).click(Mouse::centreOf(*entry(menu, 0)));
    Mouse(menu).click(Mouse::centreOf(*entry(menu, 4)));
    QCOMPARE(program.screens.loadedNames(), QStringList{QStringLiteral("menu5")});
    QVERIFY(menu.isVisible());
    QCOMPARE(program.programEnds, 0);
}

void MenusTest::closingTheActivityGivesTheMenuBackAsItWas() {
    TestProgram program;
    program.addShellPictures();
    defineStubActivities(program);
    Screen& menu = openMenu(program, 2);
    Mouse mouse(menu);
    mouse.move(Mouse::centreOf(tab(menu, 3)));
    mouse.click(Mouse::centreOf(*entry(menu, 0)));
    QVERIFY(program.screens.loaded(QStringLiteral("molecules"))->isVisible());

    program.screens.unload(QStringLiteral("molecules"));
    QCOMPARE(program.screens.loaded(QStringLiteral("menu2")), &menu);
    QVERIFY(menu.isVisible());
    QCOMPARE(program.screens.loadCount(QStringLiteral("menu2")), 1);
    // Its highlight is where the pointer left it.
    QVERIFY(tab(menu, 3).isOpaque());
    QCOMPARE(program.programEnds, 0);
}

void MenusTest::missingPicturesAreSkipped() {
    TestProgram program;
    Screen& menu = openMenu(program, 4);
    QVERIFY(menu.picture().isNull());
    QCOMPARE(menu.backColour(), ScreenBlue);
    CommandButton& exit = exitButton(menu);
    QVERIFY(!exit.hasPicture());
    QCOMPARE(exit.caption(), QStringLiteral("Exit"));
    QCOMPARE(exit.rect(), (TwipRect{60, 7950, 1785, 495}));
    QCOMPARE(entry(menu, 3)->caption(), QStringLiteral("Acids and Alkalis"));

    Mouse(menu).click(Mouse::centreOf(exit));
    QVERIFY(program.screens.loaded(kFront)->isVisible());
    QVERIFY(!program.screens.isLoaded(QStringLiteral("menu4")));
}

void MenusTest::closingAMenuWithTheFrontScreenHiddenEndsTheProgram() {
    TestProgram program;
    program.addShellPictures();
    Screen& menu1 = openMenu(program, 1);
    Mouse(menu1).click(Mouse::centreOf(tab(menu1, 1)));
    QVERIFY(program.screens.isLoaded(kFront));
    program.screens.loaded(QStringLiteral("menu2"))->window()->close();
    QCOMPARE(program.programEnds, 1);
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
