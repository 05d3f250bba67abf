// Closing a screen's window from its title bar.
#include <QtTest>

#include "TestProgram.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

using namespace forms;
using testing_support::TestProgram;

class ScreenWindowTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void closeUnloadsTheScreen();
    void closingTheLastWindowOnViewEndsEvenWithHiddenScreensLoaded();

  private:
    std::unique_ptr<TestProgram> m_program;
};

void ScreenWindowTest::init() {
    m_program = std::make_unique<TestProgram>(false);
    for (const char* name : {"shown", "beneath", "hidden"}) {
        m_program->screens.define(QString::fromLatin1(name), [name](Screens& s) {
            return std::make_unique<Screen>(s, QString::fromLatin1(name));
        });
    }
}

void ScreenWindowTest::closeUnloadsTheScreen() {
    Screens& screens = m_program->screens;
    screens.show(QStringLiteral("beneath"));
    Screen& shown = screens.show(QStringLiteral("shown"));
    shown.window()->close();
    QVERIFY(!screens.isLoaded(QStringLiteral("shown")));
    QVERIFY(screens.isLoaded(QStringLiteral("beneath")));
    QCOMPARE(m_program->programEnds, 0);
}

void ScreenWindowTest::closingTheLastWindowOnViewEndsEvenWithHiddenScreensLoaded() {
    Screens& screens = m_program->screens;
    screens.load(QStringLiteral("hidden"));
    Screen& shown = screens.show(QStringLiteral("shown"));
    shown.window()->close();
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(screens.loadedNames().isEmpty());
}

QTEST_MAIN(ScreenWindowTest)
#include "tst_screenwindow.moc"
