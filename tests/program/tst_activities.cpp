// Every activity of the activities table as a teacher meets it: opened from its menu entry over
// the menu, worked with the remote's keys, and left with Escape, the menu in view again.
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "program/Activities.h"
#include "shell/ScreenNames.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

class ActivitiesTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyActivity_data() {
        QTest::addColumn<int>("menu");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("screen");
        for (const program::Activity& activity : program::activities()) {
            if (!activity.make) continue;
            QTest::newRow(activity.caption)
                << activity.menu << activity.entry << QString::fromUtf8(activity.screen);
        }
    }

    void openedFromItsEntryAndLeftWithEscape_data() { everyActivity_data(); }
    void openedFromItsEntryAndLeftWithEscape() {
        QFETCH(int, menu);
        QFETCH(int, entry);
        QFETCH(QString, screen);
        TestProgram program;
        QVERIFY(program.addProgramPictures());
        Screen& menuScreen = program.screens.show(shell::menuScreenName(menu));
        Mouse(menuScreen).click(
            Mouse::centreOf((*menuScreen.array<Label>(QStringLiteral("Label3")))[entry]));
        Screen* activity = program.screens.loaded(screen);
        QVERIFY(activity && activity->isVisible());
        // The remote's keys never take the activity away.
        for (int key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Right,
                        Qt::Key_PageUp, Qt::Key_Left, Qt::Key_PageDown})
            QTest::keyClick(activity->window(), static_cast<Qt::Key>(key));
        QVERIFY(program.screens.isLoaded(screen));
        QTest::keyClick(activity->window(), Qt::Key_Escape);
        QVERIFY(!program.screens.isLoaded(screen));
        QVERIFY(menuScreen.isVisible());
        QCOMPARE(program.programEnds, 0);
    }
};

QTEST_MAIN(ActivitiesTest)
#include "tst_activities.moc"
