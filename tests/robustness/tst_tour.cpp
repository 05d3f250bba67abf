// A lesson and then every screen opened and closed, with the built pictures: the tour that
// scripts/sanitize.sh runs under valgrind.
#include <QApplication>
#include <QtTest>

#include "Lesson.h"
#include "TestProgram.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "tools/JotterAccess.h"

using namespace testing_support;

class TourTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { m_widgetsBefore = QApplication::allWidgets().size(); }
    void typicalLessonWithTheBuiltPictures();
    void everyScreenOpensAndCloses();
    void nothingIsLeftBehind();

  private:
    qsizetype m_widgetsBefore = 0;
};

void TourTest::typicalLessonWithTheBuiltPictures() {
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    tools::JotterAccess jotterAccess(program.screens);
    for (const LessonStep& step : typicalLesson()) {
        QVERIFY2(step.act(program.screens), qPrintable(step.what));
        QCOMPARE(visibleScreens(program.screens), step.onViewAfter);
        if (step.what == QLatin1String("Check Score")) {
            forms::Screen* board = program.screens.loaded(QStringLiteral("equipment"));
            QVERIFY(board);
            QCOMPARE(board->find<forms::Label>(QStringLiteral("Label5"))->caption(),
                     QStringLiteral(" %1 out of 10 correct").arg(kLessonScore));
        }
    }
    QCOMPARE(program.programEnds, 1);
    QVERIFY(program.screens.loadedNames().isEmpty());
}

void TourTest::everyScreenOpensAndCloses() {
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    tools::JotterAccess jotterAccess(program.screens);
    const QStringList every = program.screens.definedNames();
    QVERIFY(openAndCloseEach(program.screens, every));
    for (const QString& name : every)
        QVERIFY2(program.screens.loadCount(name) >= 1, qPrintable(name));
    // Safety in the Lab's five seconds run out while it is open.
    program.screens.show(QStringLiteral("safety"));
    settle();
    program.platform.advance(6000);
    program.screens.unload(QStringLiteral("safety"));
    settle();
    QCOMPARE(program.platform.activeTimers(), 0);
}

void TourTest::nothingIsLeftBehind() {
    settle();
    QCOMPARE(QApplication::allWidgets().size(), m_widgetsBefore);
}

QTEST_MAIN(TourTest)
#include "tst_tour.moc"
