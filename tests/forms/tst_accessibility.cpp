// Every screen without the pointer: Tab visits every control a click works, in reading order
// with the house buttons last, and a screen reader finds each button and text named by what it
// shows; the ring shows only once keys are used; Enter, Space and a reader's press all click.
#include <QAccessible>
#include <QtTest>
#include <algorithm>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Accessible.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "program/Activities.h"
#include "shell/HouseStyle.h"
#include "shell/Texts.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;

namespace {

const Control* focusedControl(const Screen& screen) {
    for (const Control* control : screen.focusChain())
        if (control->widget() == screen.window()->focusWidget()) return control;
    return nullptr;
}

QAccessibleInterface* reader(const Control& control) {
    return QAccessible::queryAccessibleInterface(control.widget());
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { installAccessibility(QString::fromUtf8(shell::kProductTitle)); }
    void everyScreenByKeysAndByReader_data();
    void everyScreenByKeysAndByReader();
    void ringShowsOnlyWhileTheKeyboardIsInUse();
    void enterSpaceAndAReadersPressEachClick();
    void formulasReadAsPlainDigits();
};

void AccessibilityTest::everyScreenByKeysAndByReader_data() {
    QTest::addColumn<QString>("screen");
    QStringList names{QStringLiteral("Titlefrm"), QStringLiteral("intro0"),
                      QStringLiteral("notepad"), QStringLiteral("bridgeproblem")};
    for (int menu = 1; menu <= 5; ++menu) names << QStringLiteral("menu%1").arg(menu);
    for (const program::Activity& activity : program::activities())
        if (activity.make) names << QString::fromUtf8(activity.screen);
    for (const QString& name : names) QTest::newRow(qPrintable(name)) << name;
}

void AccessibilityTest::everyScreenByKeysAndByReader() {
    QFETCH(QString, screen);
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    program.screens.show(QStringLiteral("Grey"));
    Screen& shown = program.screens.show(screen);
    // The title screen's caption is blank by design: the window reads as the program.
    QCOMPARE(QAccessible::queryAccessibleInterface(shown.window())->text(QAccessible::Name),
             shown.caption().trimmed().isEmpty() ? QString::fromUtf8(shell::kProductTitle)
                                                 : shown.caption());
    QStringList houseWords;
    for (const shell::HouseButton& house : shell::HouseButtons)
        houseWords << QString::fromLatin1(house.words);

    int clickable = 0;
    for (QWidget* widget : shown.window()->findChildren<QWidget*>()) {
        auto* controlWidget = dynamic_cast<ControlWidget*>(widget);
        if (!controlWidget || !widget->isVisibleTo(shown.window())) continue;
        const Control& control = controlWidget->control();
        if (control.takesKeyboard()) ++clickable;
        const QString name = reader(control)->text(QAccessible::Name);
        const QString where = screen + QLatin1Char('.') + control.name();
        if (auto* button = dynamic_cast<const CommandButton*>(&control)) {
            QCOMPARE(reader(control)->role(), QAccessible::Button);
            // A picture for a face: the words it would show without one.
            QVERIFY2(button->caption().isEmpty() ? houseWords.contains(name) : !name.isEmpty(),
                     qPrintable(where));
        } else if (auto* label = dynamic_cast<const Label*>(&control)) {
            // A text that acts is a button: a menu's entry, a board's label, a game's tile.
            QCOMPARE(reader(control)->role(),
                     control.takesKeyboard() ? QAccessible::Button : QAccessible::StaticText);
            // What it shows, word for word, on one line; a board's empty box by what it is for.
            if (label->caption().isEmpty() && control.description().isEmpty())
                QVERIFY2(reader(control)->state().invisible, qPrintable(where));
            else if (label->caption().isEmpty())
                QCOMPARE(name, control.description());
            else
                QCOMPARE(name.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(),
                         label->caption()
                             .simplified()
                             .split(QLatin1Char(' '), Qt::SkipEmptyParts)
                             .size());
        } else if (auto* picture = dynamic_cast<const PictureBox*>(&control)) {
            // Every picture shown is described, from its row of the manifest.
            if (picture->hasPicture()) QVERIFY2(!name.isEmpty(), qPrintable(where));
        }
    }

    // The keyboard reaches exactly what a click works: in reading order, the house buttons last.
    const std::vector<Control*> chain = shown.focusChain();
    QVERIFY2(!chain.empty(), "nothing the keyboard can reach");
    QCOMPARE(static_cast<int>(chain.size()), clickable);
    // Row by row, left to right: back to the left only on a lower row, and never a whole
    // control higher than the one before (a box set a little higher is read beside it).
    bool houseReached = false;
    std::optional<QRect> last;
    for (const Control* control : chain) {
        if (control->isLastInTabOrder()) {
            houseReached = true;
            continue;
        }
        const QRect at(control->widget()->mapTo(shown.window(), QPoint()),
                       control->widget()->size());
        QVERIFY2(!houseReached, qPrintable(control->name() + " after a house button"));
        if (last) {
            if (at.x() < last->x())
                QVERIFY2(at.y() > last->y(), qPrintable(control->name()));
            else
                QVERIFY2(at.y() > last->y() - last->height(), qPrintable(control->name()));
        }
        last = at;
    }
    // Round the whole chain from wherever the focus starts (a designed default, or none), and
    // back one.
    const auto start = std::find(chain.begin(), chain.end(), focusedControl(shown));
    const std::size_t first = start == chain.end() ? 0 : (start - chain.begin() + 1) % chain.size();
    for (std::size_t step = 0; step < chain.size(); ++step) {
        QVERIFY(shown.moveFocus(true));
        QCOMPARE(focusedControl(shown), chain[(first + step) % chain.size()]);
    }
    QVERIFY(shown.moveFocus(false));
    QCOMPARE(focusedControl(shown), chain[(first + chain.size() - 2) % chain.size()]);
}

// A screen worked by pen looks exactly as it did: the ring comes with Tab and goes at the next
// press of the pointer.
void AccessibilityTest::ringShowsOnlyWhileTheKeyboardIsInUse() {
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    program.screens.show(QStringLiteral("Grey"));
    Screen& quiz = program.screens.show(QStringLiteral("speed"));
    QCoreApplication::processEvents();
    const QImage untouched = quiz.window()->grab().toImage();

    QTest::keyClick(quiz.window(), Qt::Key_Tab);
    QVERIFY(program.screens.keyboardInUse());
    const Control* focused = focusedControl(quiz);
    QVERIFY(focused);
    const QImage ringed = quiz.window()->grab().toImage();
    const QPoint corner = focused->widget()->mapTo(quiz.window(), QPoint());
    QCOMPARE(ringed.pixelColor(corner), QColor(Qt::black));
    QCOMPARE(ringed.pixelColor(corner + QPoint(2, 2)), QColor(Qt::white));

    Mouse(quiz).click(QPoint(400, 300));
    QVERIFY(!program.screens.keyboardInUse());
    // The ring is gone; the button keeps the focus, and with it its own dotted line.
    const QImage after = quiz.window()->grab().toImage();
    QCOMPARE(after.pixelColor(corner), untouched.pixelColor(corner));
    QCOMPARE(after.pixelColor(corner + QPoint(2, 2)), untouched.pixelColor(corner + QPoint(2, 2)));
}

void AccessibilityTest::enterSpaceAndAReadersPressEachClick() {
    TestProgram program;
    program.screens.show(QStringLiteral("Grey"));
    Screen& quiz = program.screens.show(QStringLiteral("speed"));
    const Label& answer = *quiz.find<Label>(QStringLiteral("lblanswer"));
    auto* reveal = quiz.find<CommandButton>(QStringLiteral("cmdsoln"));
    auto* next = quiz.find<CommandButton>(QStringLiteral("cmdgo"));

    while (focusedControl(quiz) != reveal) QVERIFY(quiz.moveFocus(true));
    QTest::keyClick(quiz.window()->focusWidget(), Qt::Key_Return);
    QVERIFY(answer.isVisible());
    // With the ring on Next, Space is Next: the answer goes with the question.
    while (focusedControl(quiz) != next) QVERIFY(quiz.moveFocus(true));
    QTest::keyClick(quiz.window()->focusWidget(), Qt::Key_Space);
    QVERIFY(!answer.isVisible());

    QAccessibleActionInterface* actions = reader(*reveal)->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(answer.isVisible());
}

void AccessibilityTest::formulasReadAsPlainDigits() {
    TestProgram program;
    program.screens.show(QStringLiteral("Grey"));
    Label& question = *program.screens.show(QStringLiteral("atomicmass"))
                           .find<Label>(QStringLiteral("lblquestion"));
    question.setCaption(QStringLiteral("What is the relative formula mass of\nCuSO\u2084?"));
    QCOMPARE(reader(question)->text(QAccessible::Name),
             QStringLiteral("What is the relative formula mass of CuSO4?"));
    question.setCaption(QStringLiteral("Ca(OH)\u2082 = 40 + 2 \u00D7 16 + 2 \u00D7 1 = 74"));
    QCOMPARE(reader(question)->text(QAccessible::Name),
             QStringLiteral("Ca(OH)2 = 40 + 2 \u00D7 16 + 2 \u00D7 1 = 74"));
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
