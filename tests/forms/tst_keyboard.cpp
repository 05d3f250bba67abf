// The keyboard on every screen: Tab and Shift+Tab visit every control a click works, in reading
// order with the house buttons last; the ring shows only once keys are used; Enter clicks.
#include <QtTest>
#include <algorithm>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "program/Activities.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

QStringList everyScreen() {
    QStringList names{QStringLiteral("Titlefrm"), QStringLiteral("intro0")};
    for (int menu = 1; menu <= 5; ++menu) names << QStringLiteral("menu%1").arg(menu);
    for (const program::Activity& activity : program::activities())
        if (activity.make) names << QString::fromUtf8(activity.screen);
    names << QStringLiteral("notepad") << QStringLiteral("bridgeproblem");
    return names;
}

const Control* focusedControl(const Screen& screen) {
    for (const Control* control : screen.focusChain())
        if (control->widget() == screen.window()->focusWidget()) return control;
    return nullptr;
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void tabVisitsEveryClickableControlInReadingOrder_data();
    void tabVisitsEveryClickableControlInReadingOrder();
    void ringShowsOnlyWhileTheKeyboardIsInUse();
    void enterClicksAndSpaceStaysTheRemotesUntilTheRingShows();
};

void KeyboardTest::tabVisitsEveryClickableControlInReadingOrder_data() {
    QTest::addColumn<QString>("screen");
    for (const QString& name : everyScreen()) QTest::newRow(qPrintable(name)) << name;
}

void KeyboardTest::tabVisitsEveryClickableControlInReadingOrder() {
    QFETCH(QString, screen);
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    program.screens.show(QStringLiteral("Grey"));
    Screen& shown = program.screens.show(screen);
    shown.window()->activateWindow();
    const std::vector<Control*> chain = shown.focusChain();
    QVERIFY2(!chain.empty(), "nothing the keyboard can reach");

    // Every shown control that a click works is in the chain; nothing else is.
    int clickable = 0;
    for (QWidget* widget : shown.window()->findChildren<QWidget*>()) {
        auto* control = dynamic_cast<ControlWidget*>(widget);
        if (control && widget->isVisibleTo(shown.window()) && control->control().acceptsClick())
            ++clickable;
    }
    QCOMPARE(static_cast<int>(chain.size()), clickable);

    // Reading order, house buttons last.
    bool houseReached = false;
    QPoint last(-1, -1);
    for (const Control* control : chain) {
        const QPoint at = control->widget()->mapTo(shown.window(), QPoint());
        if (control->isLastInTabOrder()) {
            houseReached = true;
            continue;
        }
        QVERIFY2(!houseReached, qPrintable(control->name() + " after a house button"));
        QVERIFY2(at.y() > last.y() || (at.y() == last.y() && at.x() >= last.x()),
                 qPrintable(control->name()));
        last = at;
    }

    // Tab goes round the whole chain from wherever the focus starts (a designed default, or
    // none) and back to it; Shift+Tab comes back one.
    const auto start = std::find(chain.begin(), chain.end(), focusedControl(shown));
    const std::size_t first = start == chain.end() ? 0 : (start - chain.begin() + 1) % chain.size();
    for (std::size_t step = 0; step < chain.size(); ++step) {
        QVERIFY(shown.moveFocus(true));
        QCOMPARE(focusedControl(shown), chain[(first + step) % chain.size()]);
    }
    QVERIFY(shown.moveFocus(false));
    QCOMPARE(focusedControl(shown), chain[(first + chain.size() - 2) % chain.size()]);
    QVERIFY(program.screens.keyboardInUse());
}

// The ring is drawn where the focus is once the keyboard moves it, and goes at the next press
// of the pointer: a screen worked by pen looks exactly as it did.
void KeyboardTest::ringShowsOnlyWhileTheKeyboardIsInUse() {
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    program.screens.show(QStringLiteral("Grey"));
    Screen& quiz = program.screens.show(QStringLiteral("speed"));
    QCoreApplication::processEvents();
    const QImage untouched = quiz.window()->grab().toImage();
    QVERIFY(!program.screens.keyboardInUse());

    QTest::keyClick(quiz.window(), Qt::Key_Tab);
    QVERIFY(program.screens.keyboardInUse());
    const Control* focused = focusedControl(quiz);
    QVERIFY(focused);
    const QImage ringed = quiz.window()->grab().toImage();
    QVERIFY(ringed != untouched);
    // White and black round the focused control's edge.
    const QRect edge =
        QRect(focused->widget()->mapTo(quiz.window(), QPoint()), focused->widget()->size());
    QCOMPARE(ringed.pixelColor(edge.topLeft()), QColor(Qt::black));
    QCOMPARE(ringed.pixelColor(edge.topLeft() + QPoint(2, 2)), QColor(Qt::white));

    Mouse(quiz).click(QPoint(400, 300));
    QVERIFY(!program.screens.keyboardInUse());
    QCOMPARE(quiz.window()->grab().toImage(), untouched);
}

void KeyboardTest::enterClicksAndSpaceStaysTheRemotesUntilTheRingShows() {
    TestProgram program;
    program.screens.show(QStringLiteral("Grey"));
    Screen& quiz = program.screens.show(QStringLiteral("speed"));
    const Label& answer = *quiz.find<Label>(QStringLiteral("lblanswer"));
    auto* next = quiz.find<CommandButton>(QStringLiteral("cmdgo"));
    const QString first = quiz.find<Label>(QStringLiteral("lblquestion"))->caption();

    // To the Answer button by keys alone, and Enter presses it.
    while (focusedControl(quiz) != quiz.find<CommandButton>(QStringLiteral("cmdsoln")))
        QVERIFY(quiz.moveFocus(true));
    QTest::keyClick(quiz.window()->focusWidget(), Qt::Key_Return);
    QVERIFY(answer.isVisible());
    // Space with the ring on Next is Next.
    while (focusedControl(quiz) != next) QVERIFY(quiz.moveFocus(true));
    QTest::keyClick(quiz.window()->focusWidget(), Qt::Key_Space);
    QVERIFY(!answer.isVisible());
    QVERIFY(quiz.find<Label>(QStringLiteral("lblquestion"))->caption() != first);
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
