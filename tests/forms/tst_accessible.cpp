// Every screen of the program as a screen reader finds it: each button a push button named by
// what it shows or does, each text static text with its text, formulas read as plain digits.
#include <QAccessible>
#include <QtTest>

#include "TestProgram.h"
#include "forms/Accessible.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "program/Activities.h"
#include "shell/HouseStyle.h"

using namespace forms;
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

QAccessibleInterface* reader(const Control& control) {
    return QAccessible::queryAccessibleInterface(control.widget());
}

}  // namespace

class AccessibleTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { installAccessibility(); }
    void everyShownControlHasItsRoleAndName_data();
    void everyShownControlHasItsRoleAndName();
    void formulasReadAsPlainDigits();
    void aButtonPressedByAssistiveTechnologyDoesWhatAClickDoes();
};

void AccessibleTest::everyShownControlHasItsRoleAndName_data() {
    QTest::addColumn<QString>("screen");
    for (const QString& name : everyScreen()) QTest::newRow(qPrintable(name)) << name;
}

void AccessibleTest::everyShownControlHasItsRoleAndName() {
    QFETCH(QString, screen);
    TestProgram program;
    QVERIFY(program.addProgramPictures());
    program.screens.show(QStringLiteral("Grey"));
    Screen& shown = program.screens.show(screen);
    QCOMPARE(QAccessible::queryAccessibleInterface(shown.window())->text(QAccessible::Name),
             shown.caption());

    QStringList houseWords;
    for (const shell::HouseButton& house : shell::HouseButtons)
        houseWords << QString::fromLatin1(house.words);
    int buttons = 0;
    int texts = 0;
    for (QWidget* widget : shown.window()->findChildren<QWidget*>()) {
        auto* control = dynamic_cast<ControlWidget*>(widget);
        if (!control || !widget->isVisible()) continue;
        QAccessibleInterface* iface = reader(control->control());
        QVERIFY(iface);
        const QString name = iface->text(QAccessible::Name);
        const QString where = screen + QLatin1Char('.') + control->control().name();
        if (auto* button = dynamic_cast<CommandButton*>(&control->control())) {
            ++buttons;
            QCOMPARE(iface->role(), QAccessible::Button);
            QVERIFY2(!name.isEmpty(), qPrintable(where));
            // A picture for a face: the words it would show without one.
            if (button->caption().isEmpty()) QVERIFY2(houseWords.contains(name), qPrintable(where));
        } else if (auto* label = dynamic_cast<Label*>(&control->control())) {
            QCOMPARE(iface->role(), QAccessible::StaticText);
            if (label->caption().trimmed().isEmpty()) continue;
            ++texts;
            QVERIFY2(!name.isEmpty(), qPrintable(where));
            // What it shows, word for word, on one line.
            QString lines = label->caption();
            lines.replace(QLatin1Char('\n'), QLatin1Char(' '));
            QCOMPARE(name.split(QLatin1Char(' '), Qt::SkipEmptyParts).size(),
                     lines.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        }
    }
    QVERIFY2(buttons + texts > 0, "nothing to read");
}

void AccessibleTest::formulasReadAsPlainDigits() {
    TestProgram program;
    program.screens.show(QStringLiteral("Grey"));
    Screen& screen = program.screens.show(QStringLiteral("atomicmass"));
    Label& question = *screen.find<Label>(QStringLiteral("lblquestion"));
    QVERIFY(question.caption().contains(QLatin1Char('\n')));
    question.setCaption(QStringLiteral("What is the relative formula mass of\nCuSO\u2084?"));
    QCOMPARE(reader(question)->text(QAccessible::Name),
             QStringLiteral("What is the relative formula mass of CuSO4?"));
    question.setCaption(QStringLiteral("Ca(OH)\u2082 = 40 + 2 \u00D7 16 + 2 \u00D7 1 = 74"));
    QCOMPARE(reader(question)->text(QAccessible::Name),
             QStringLiteral("Ca(OH)2 = 40 + 2 \u00D7 16 + 2 \u00D7 1 = 74"));
}

void AccessibleTest::aButtonPressedByAssistiveTechnologyDoesWhatAClickDoes() {
    TestProgram program;
    program.screens.show(QStringLiteral("Grey"));
    Screen& screen = program.screens.show(QStringLiteral("speed"));
    const Label& answer = *screen.find<Label>(QStringLiteral("lblanswer"));
    QVERIFY(!answer.isVisible());
    QAccessibleInterface* button = reader(*screen.find<CommandButton>(QStringLiteral("cmdsoln")));
    QAccessibleActionInterface* actions = button->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(answer.isVisible());
}

QTEST_MAIN(AccessibleTest)
#include "tst_accessible.moc"
