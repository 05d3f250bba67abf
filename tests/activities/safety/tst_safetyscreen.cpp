// Safety in the Lab: the picture and its task panel, which the timer hides once at five seconds.
#include <QThreadPool>
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "activities/safety/SafetyScreen.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Scale.h"
#include "shell/HouseStyle.h"

using namespace forms;
using safety::SafetyScreen;
using testing_support::Mouse;
using testing_support::TestProgram;

class SafetyScreenTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void opensFramedWithPictureAndTask();
    void taskHidesOnceAtFiveSecondsAndPictureStays();
    void closingEarlyLeavesNoTimerAndReopeningStartsAfresh();
    void exitLabelKeepsItsLookUnderThePointer();
    void missingPictureLeavesTheBackground();
    void escapeLeavesAsExitDoes();
    void inProjectorModeThePictureComesInOnceRead();
    void pictureReadBeforeF11IsReadAgainOnAWorker();

  private:
    SafetyScreen& open() { return m_program->screens.show<SafetyScreen>(QStringLiteral("safety")); }
    Panel& frame() { return *m_program->screens.loaded("safety")->find<Panel>("Frame1"); }
    Label& exitLabel() {
        return (*m_program->screens.loaded("safety")->array<Label>(QStringLiteral("Label3")))[0];
    }
    PictureBox& picture() {
        return (
            *m_program->screens.loaded("safety")->array<PictureBox>(QStringLiteral("Image1")))[0];
    }

    std::unique_ptr<TestProgram> m_program;
};

void SafetyScreenTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_program->addPicture(QStringLiteral("Images/lab.jpg"), {800, 582}, Qt::darkGreen);
    // The menu that opens it stays loaded beneath; any loaded screen stands in for it here.
    m_program->screens.show(QStringLiteral("Grey"));
}

void SafetyScreenTest::cleanup() {
    m_program.reset();
}

void SafetyScreenTest::opensFramedWithPictureAndTask() {
    SafetyScreen& safety = open();
    QCOMPARE(safety.caption(), QStringLiteral("Safety in the Lab"));
    QCOMPARE(safety.width(), shell::FrameWidth);
    QCOMPARE(safety.height(), shell::FrameHeight);
    QCOMPARE(safety.backColour(), shell::DeepBlue);
    QVERIFY(!safety.hasIcon());

    QVERIFY(picture().hasPicture());
    QCOMPARE(picture().rect(), (TwipRect{0, -240, 12000, 8730}));
    QCOMPARE(frame().rect(), (TwipRect{0, -120, 4335, 1215}));
    QVERIFY(frame().isVisible());
    QVERIFY(frame().title().isEmpty());
    auto* task = safety.find<Label>(QStringLiteral("Label1"));
    QCOMPARE(task->caption(), QStringLiteral("Make a list of unsafe behaviour in the lab."));
    QCOMPARE(task->widget()->parentWidget(), frame().widget());
    QCOMPARE(task->look().fore, rgb(0, 0, 255));
    QVERIFY(!task->isOpaque());
    QCOMPARE(exitLabel().caption(), QStringLiteral("Exit"));
    QCOMPARE(exitLabel().rect(), (TwipRect{10560, 7920, 1245, 495}));

    // The panel and the exit label are drawn above the picture.
    const QObjectList stack = safety.window()->children();
    QVERIFY(stack.indexOf(frame().widget()) > stack.indexOf(picture().widget()));
    QVERIFY(stack.indexOf(exitLabel().widget()) > stack.indexOf(picture().widget()));
    const QPoint taskCentre = Mouse::centreOf(*task);
    QCOMPARE(safety.window()->childAt(taskCentre), task->widget());
}

void SafetyScreenTest::taskHidesOnceAtFiveSecondsAndPictureStays() {
    SafetyScreen& safety = open();
    m_program->platform.advance(4999);
    QVERIFY(frame().isVisible());
    m_program->platform.advance(1);
    QVERIFY(!frame().isVisible());
    QVERIFY(picture().isVisible());
    QVERIFY(picture().hasPicture());
    QVERIFY(exitLabel().isVisible());
    QVERIFY(!safety.timer().isEnabled());
    QCOMPARE(m_program->platform.activeTimers(), 0);

    // Were the timer to tick again it would hide the panel again.
    frame().setVisible(true);
    m_program->platform.advance(60000);
    QVERIFY(frame().isVisible());
    QVERIFY(m_program->screens.isLoaded(QStringLiteral("safety")));
}

void SafetyScreenTest::closingEarlyLeavesNoTimerAndReopeningStartsAfresh() {
    SafetyScreen& safety = open();
    m_program->platform.advance(3000);
    Mouse(safety).click(Mouse::centreOf(exitLabel()));
    QVERIFY(!m_program->screens.isLoaded(QStringLiteral("safety")));
    QVERIFY(m_program->screens.loaded(QStringLiteral("Grey"))->isVisible());
    QCOMPARE(m_program->programEnds, 0);
    m_program->screens.collectUnloaded();
    QCOMPARE(m_program->platform.liveTimers(), 0);

    m_program->platform.advance(3000);
    open();
    m_program->platform.advance(4999);
    QVERIFY(frame().isVisible());
    m_program->platform.advance(1);
    QVERIFY(!frame().isVisible());
}

void SafetyScreenTest::exitLabelKeepsItsLookUnderThePointer() {
    SafetyScreen& safety = open();
    const LabelLook before = exitLabel().look();
    QCOMPARE(before.fore, shell::TitleYellow);
    QCOMPARE(before.back, shell::TitleBlack);
    QVERIFY(before.opaque);
    QVERIFY(before.border);
    Mouse mouse(safety);
    mouse.move(Mouse::centreOf(exitLabel()));
    QCOMPARE(exitLabel().look(), before);
    mouse.move({200, 300});
    QCOMPARE(exitLabel().look(), before);
    // Only a left click closes the screen.
    mouse.click(Mouse::centreOf(exitLabel()), Qt::RightButton);
    QVERIFY(m_program->screens.isLoaded(QStringLiteral("safety")));
}

void SafetyScreenTest::missingPictureLeavesTheBackground() {
    m_program->removeFile(QStringLiteral("Images/lab.jpg"));
    SafetyScreen& safety = open();
    QVERIFY(!picture().hasPicture());
    const QImage shown = safety.window()->grab().toImage();
    QCOMPARE(shown.pixel(400, 400), shell::DeepBlue);
    m_program->platform.advance(5000);
    QVERIFY(!frame().isVisible());
}

// The picture has nothing to step through; only Escape is the screen's, and it leaves.
void SafetyScreenTest::escapeLeavesAsExitDoes() {
    SafetyScreen& safety = open();
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_Space, Qt::Key_Left}) {
        QTest::keyClick(safety.window(), key);
        QVERIFY(m_program->screens.isLoaded(QStringLiteral("safety")));
    }
    QTest::keyClick(safety.window(), Qt::Key_Escape, Qt::ShiftModifier);
    QVERIFY(m_program->screens.isLoaded(QStringLiteral("safety")));
    QTest::keyClick(safety.window(), Qt::Key_Escape);
    QVERIFY(!m_program->screens.isLoaded(QStringLiteral("safety")));
    QVERIFY(m_program->screens.loaded(QStringLiteral("Grey"))->isVisible());
    QCOMPARE(m_program->programEnds, 0);
}

// At a projector's size the screen shows at once and its picture comes in once read; a screen
// closed before that leaves nothing waiting for it.
void SafetyScreenTest::inProjectorModeThePictureComesInOnceRead() {
    m_program->screens.setScale(Scale(3.6));
    SafetyScreen& safety = open();
    QVERIFY(safety.isVisible());
    QVERIFY(!picture().hasPicture());
    QCOMPARE(m_program->pictures.awaited(), 1);
    QTRY_VERIFY(picture().hasPicture());
    QCOMPARE(picture().picture().devicePixelRatio(), 3.6);
    QCOMPARE(picture().rect(), (TwipRect{0, -240, 12000, 8730}));
    const QRgb shown = safety.window()->grab().toImage().pixel(1400, 1400);
    QVERIFY2(qRed(shown) < 32 && qAbs(qGreen(shown) - 128) < 16,
             qPrintable(QString::number(shown, 16)));

    m_program->screens.unload(QStringLiteral("safety"));
    m_program->screens.setScale(Scale(1.8));
    open();
    QCOMPARE(m_program->pictures.awaited(), 1);
    m_program->screens.unload(QStringLiteral("safety"));
    QTRY_COMPARE(m_program->pictures.awaited(), 0);
}

// F11 while the picture is read: what was read for the old factor is not shown, and the picture
// for the new one is read on a worker too, not on the main thread as the old read comes in.
void SafetyScreenTest::pictureReadBeforeF11IsReadAgainOnAWorker() {
    m_program->screens.setScale(Scale(1.8));
    open();
    QCOMPARE(m_program->pictures.awaited(), 1);
    // Read, but not yet handed over: that waits for the event loop.
    QThreadPool::globalInstance()->waitForDone();
    m_program->screens.setScale(Scale(3.6));
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QVERIFY(!picture().hasPicture());
    QCOMPARE(m_program->pictures.awaited(), 1);
    QTRY_VERIFY(picture().hasPicture());
    QCOMPARE(picture().picture().devicePixelRatio(), 3.6);
    QCOMPARE(m_program->pictures.awaited(), 0);
}

QTEST_MAIN(SafetyScreenTest)
#include "tst_safetyscreen.moc"
