// A drop-down list keeps its entries, text and look until its Qt widget is built on first show.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

#include "TestProgram.h"
#include "forms/ComboBox.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

using namespace forms;
using testing_support::TestProgram;

namespace {

const QString kSelect = QStringLiteral("Select");
const QStringList kTerms = {QStringLiteral("Abacus"), QStringLiteral("Acute angle"),
                            QStringLiteral("Add")};
constexpr Colour kListBlue = rgb(49, 135, 215);

class ListsScreen : public Screen {
  public:
    explicit ListsScreen(Screens& screens)
        : Screen(screens, QStringLiteral("lists")),
          shown(add<ComboBox>(QStringLiteral("Combo1"), {300, 300, 4560, 405})),
          hidden(add<ComboBox>(QStringLiteral("Combo2"), {300, 900, 4560, 405})) {
        setClientSize(9000, 6000);
        for (ComboBox* list : {&shown, &hidden}) {
            for (const QString& term : kTerms) list->addItem(term);
            list->setText(kSelect);
            list->setFont(tahoma(12));
            list->setColours(kWhite, kListBlue);
            list->onClick = [this, list] { clicked << list->chosenItem(); };
        }
        hidden.setVisible(false);
    }
    ComboBox& shown;
    ComboBox& hidden;
    QStringList clicked;
};

}  // namespace

class ComboBoxTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup() { m_program.reset(); }
    void aHiddenListIsNotBuiltButKeepsWhatItWasGiven();
    void showingBuildsTheListWithItsEntriesTextAndLook();
    void choosingBeforeTheFirstShowBuildsAndClicks();
    void entriesAddedAfterTheBuildKeepTheText();
    void thePopUpOpensInTheListsFontAndColours();

  private:
    std::unique_ptr<TestProgram> m_program;
    ListsScreen* m_screen = nullptr;
};

void ComboBoxTest::init() {
    m_program = std::make_unique<TestProgram>(false);
    m_program->screens.define(QStringLiteral("lists"),
                              [](Screens& s) { return std::make_unique<ListsScreen>(s); });
    m_screen = &m_program->screens.show<ListsScreen>(QStringLiteral("lists"));
    QVERIFY(QTest::qWaitForWindowExposed(m_screen->window()));
}

void ComboBoxTest::aHiddenListIsNotBuiltButKeepsWhatItWasGiven() {
    ComboBox& list = m_screen->hidden;
    QVERIFY(!list.isBuilt());
    QCOMPARE(list.items(), kTerms);
    QCOMPARE(list.count(), 3);
    QCOMPARE(list.text(), kSelect);
    QCOMPARE(list.chosenIndex(), -1);
    QVERIFY(list.chosenItem().isEmpty());
    list.clear();
    QCOMPARE(list.count(), 0);
    QVERIFY(!list.isBuilt());
}

void ComboBoxTest::showingBuildsTheListWithItsEntriesTextAndLook() {
    QVERIFY(m_screen->shown.isBuilt());
    ComboBox& list = m_screen->hidden;
    list.setVisible(true);
    QVERIFY(list.isBuilt());
    QComboBox* combo = list.comboBox();
    QVERIFY(combo->isVisible());
    QCOMPARE(combo->size(), list.rect().toPixels().size());
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->itemText(2), QStringLiteral("Add"));
    QCOMPARE(combo->currentText(), kSelect);
    QCOMPARE(combo->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(combo->font().pixelSize(), tahoma(12).toQFont().pixelSize());
    QCOMPARE(combo->palette().color(QPalette::Base), QColor(kListBlue));
    QCOMPARE(combo->lineEdit()->palette().color(QPalette::Text), QColor(kWhite));
    QCOMPARE(list.items(), kTerms);
    // Hidden again and shown again: one widget, built once.
    list.setVisible(false);
    list.setVisible(true);
    QCOMPARE(list.comboBox(), combo);
    QCOMPARE(list.widget()->findChildren<QComboBox*>().size(), 1);
}

void ComboBoxTest::choosingBeforeTheFirstShowBuildsAndClicks() {
    ComboBox& list = m_screen->hidden;
    list.choose(5);
    QVERIFY(!list.isBuilt());
    QVERIFY(m_screen->clicked.isEmpty());
    list.choose(1);
    QCOMPARE(m_screen->clicked, QStringList{QStringLiteral("Acute angle")});
    QCOMPARE(list.chosenIndex(), 1);
}

void ComboBoxTest::entriesAddedAfterTheBuildKeepTheText() {
    ComboBox& list = m_screen->shown;
    list.addItem(QStringLiteral("Algebra"));
    QCOMPARE(list.text(), kSelect);
    QCOMPARE(list.count(), 4);
    list.setFont(tahoma(14.25f, true));
    QVERIFY(list.comboBox()->font().bold());
}

void ComboBoxTest::thePopUpOpensInTheListsFontAndColours() {
    QComboBox* combo = m_screen->shown.comboBox();
    combo->showPopup();
    QCOMPARE(combo->view()->font().family(), QStringLiteral("Tahoma"));
    QCOMPARE(combo->view()->palette().color(QPalette::Base), QColor(kListBlue));
    combo->hidePopup();
}

QTEST_MAIN(ComboBoxTest)
#include "tst_combobox.moc"
