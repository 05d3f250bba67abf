// A drop-down list: the field opens the list, and the list is worked with the pointer, the
// wheel and the keys; only a choice clicks.
#include <QApplication>
#include <QtTest>

#include "TestProgram.h"
#include "forms/ComboBox.h"
#include "forms/DropDownList.h"
#include "forms/Screen.h"
#include "forms/Screens.h"

using namespace forms;
using testing_support::TestProgram;

namespace {

const QString kSelect = QStringLiteral("Select");
constexpr Colour kListBlue = rgb(49, 135, 215);

QStringList terms(int count) {
    QStringList list;
    for (int i = 0; i < count; ++i) list << QStringLiteral("Term %1").arg(i);
    return list;
}

class ListsScreen : public Screen {
  public:
    explicit ListsScreen(Screens& screens)
        : Screen(screens, QStringLiteral("lists")),
          shortList(add<ComboBox>(QStringLiteral("Combo1"), {300, 300, 4560, 405})),
          longList(add<ComboBox>(QStringLiteral("Combo2"), {300, 900, 4560, 405})) {
        setClientSize(9000, 6000);
        for (ComboBox* list : {&shortList, &longList}) {
            list->setText(kSelect);
            list->setFont(tahoma(12));
            list->setColours(kWhite, kListBlue);
            list->onClick = [this, list] {
                clicked << list->chosenItem();
                list->setText(kSelect);
            };
        }
        for (const QString& term : terms(5)) shortList.addItem(term);
        for (const QString& term : terms(44)) longList.addItem(term);
    }
    ComboBox& shortList;
    ComboBox& longList;
    QStringList clicked;
};

QPoint centre(const QRect& r) {
    return r.center();
}

}  // namespace

class ComboBoxTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void aPressOnTheFieldOpensTheListUnderIt();
    void clickingAnEntryChoosesItAndCloses();
    void closingWithoutAChoiceDoesNotClick();
    void pressingTheFieldAndDraggingOntoAnEntryChoosesIt();
    void keysMoveThePickAndEnterChooses();
    void aLongListScrollsByWheelArrowsTrackAndThumb();
    void theListOpensAboveWhereTheDisplayEndsBelow();
    void anEmptyOrDisabledListStaysShut();
    void unloadingTheScreenWithTheListOpenIsSafe();
    void hidingTheFieldClosesItsList();

  private:
    DropDownList& open(ComboBox& list);
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

void ComboBoxTest::cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    m_program.reset();
}

DropDownList& ComboBoxTest::open(ComboBox& list) {
    QTest::mouseClick(list.widget(), Qt::LeftButton, {}, QPoint(10, 10));
    if (!list.list()) qFatal("the list did not open");
    return *list.list();
}

void ComboBoxTest::aPressOnTheFieldOpensTheListUnderIt() {
    ComboBox& combo = m_screen->shortList;
    DropDownList& list = open(combo);
    QVERIFY(combo.isDroppedDown());
    QCOMPARE(QApplication::activePopupWidget(), &list);
    const QRect field(combo.widget()->mapToGlobal(QPoint(0, 0)), combo.widget()->size());
    QCOMPARE(list.geometry().topLeft(), field.bottomLeft() + QPoint(0, 1));
    QCOMPARE(list.width(), field.width());
    QCOMPARE(list.rows().visibleRows(), 5);
    QVERIFY(list.scrollBarRect().isNull());
    QCOMPARE(list.height(), 5 * list.rowHeight() + 2);
    // Pressing the field while the list is open does not open a second one.
    combo.dropDown();
    QCOMPARE(combo.list(), &list);
    QCOMPARE(m_screen->clicked, QStringList());
    QCOMPARE(combo.text(), kSelect);
}

void ComboBoxTest::clickingAnEntryChoosesItAndCloses() {
    ComboBox& combo = m_screen->shortList;
    for (int row : {2, 4}) {
        DropDownList& list = open(combo);
        QTest::mouseMove(&list, centre(list.rowRect(row)));
        QCOMPARE(list.rows().highlighted(), row);
        QTest::mouseClick(&list, Qt::LeftButton, {}, centre(list.rowRect(row)));
        QVERIFY(!combo.isDroppedDown());
        QCOMPARE(combo.chosenIndex(), row);
    }
    QCOMPARE(m_screen->clicked, (QStringList{QStringLiteral("Term 2"), QStringLiteral("Term 4")}));
    QCOMPARE(combo.text(), kSelect);
}

void ComboBoxTest::closingWithoutAChoiceDoesNotClick() {
    ComboBox& combo = m_screen->shortList;
    DropDownList* list = &open(combo);
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!combo.isDroppedDown());
    list = &open(combo);
    QTest::mousePress(list, Qt::LeftButton, {}, QPoint(-20, list->height() + 40));
    QVERIFY(!combo.isDroppedDown());
    list = &open(combo);
    QTest::keyClick(list, Qt::Key_Return);  // nothing picked out
    QVERIFY(!combo.isDroppedDown());
    // A right button press on an entry chooses nothing either.
    list = &open(combo);
    QTest::mouseClick(list, Qt::RightButton, {}, centre(list->rowRect(1)));
    QVERIFY(combo.isDroppedDown());
    QCOMPARE(m_screen->clicked, QStringList());
    QCOMPARE(combo.chosenIndex(), -1);
}

void ComboBoxTest::pressingTheFieldAndDraggingOntoAnEntryChoosesIt() {
    ComboBox& combo = m_screen->shortList;
    QTest::mousePress(combo.widget(), Qt::LeftButton, {}, QPoint(10, 10));
    DropDownList* list = combo.list();
    QVERIFY(list);
    // The release of the opening press, still over the field, chooses nothing.
    QTest::mouseRelease(list, Qt::LeftButton, {}, QPoint(10, -10));
    QVERIFY(combo.isDroppedDown());
    QMouseEvent move(QEvent::MouseMove, centre(list->rowRect(3)),
                     list->mapToGlobal(centre(list->rowRect(3))), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list, &move);
    QTest::mouseRelease(list, Qt::LeftButton, {}, centre(list->rowRect(3)));
    QCOMPARE(m_screen->clicked, QStringList{QStringLiteral("Term 3")});
}

void ComboBoxTest::keysMoveThePickAndEnterChooses() {
    ComboBox& combo = m_screen->longList;
    DropDownList* list = &open(combo);
    for (int i = 0; i < 3; ++i) QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->rows().highlighted(), 2);
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(list->rows().highlighted(), 43);
    QCOMPARE(list->rows().top(), 28);
    QTest::keyClick(list, Qt::Key_PageUp);
    QCOMPARE(list->rows().highlighted(), 28);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(list->rows().top(), 27);
    QTest::keyClick(list, Qt::Key_Enter);
    QCOMPARE(m_screen->clicked, QStringList{QStringLiteral("Term 27")});
    // From the field: Enter, Down, F4 and Alt+Down open the list, as a click does; typing does
    // not choose.
    QTest::keyClicks(combo.widget(), QStringLiteral("Term 1"));
    QVERIFY(!combo.isDroppedDown());
    QTest::keyClick(combo.widget(), Qt::Key_Return);
    QVERIFY(combo.isDroppedDown());
    QTest::keyClick(combo.list(), Qt::Key_Escape);
    QVERIFY(!combo.isDroppedDown());
    QTest::keyClick(combo.widget(), Qt::Key_Down);
    QVERIFY(combo.isDroppedDown());
    QTest::keyClick(combo.list(), Qt::Key_Escape);
    QTest::keyClick(combo.widget(), Qt::Key_F4);
    QVERIFY(combo.isDroppedDown());
    QTest::keyClick(combo.list(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(!combo.isDroppedDown());
    QTest::keyClick(combo.widget(), Qt::Key_Down, Qt::AltModifier);
    QVERIFY(combo.isDroppedDown());
    QCOMPARE(m_screen->clicked.size(), 1);
    QCOMPARE(combo.text(), kSelect);
}

void ComboBoxTest::aLongListScrollsByWheelArrowsTrackAndThumb() {
    ComboBox& combo = m_screen->longList;
    DropDownList& list = open(combo);
    QCOMPARE(list.rows().visibleRows(), ComboBox::kMaxVisibleRows);
    QVERIFY(!list.scrollBarRect().isNull());
    QVERIFY(list.rowRect(0).right() < list.scrollBarRect().left());
    QCOMPARE(list.thumbRect().top(), list.upArrowRect().bottom() + 1);

    QWheelEvent wheel(QPointF(centre(list.rowRect(4))), list.mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&list, &wheel);
    QCOMPARE(list.rows().top(), 3);
    QTest::mouseClick(&list, Qt::LeftButton, {}, centre(list.downArrowRect()));
    QCOMPARE(list.rows().top(), 4);
    QTest::mouseClick(&list, Qt::LeftButton, {}, centre(list.upArrowRect()));
    QCOMPARE(list.rows().top(), 3);
    // A press on the track below the thumb goes a page on.
    QTest::mouseClick(&list, Qt::LeftButton, {}, list.downArrowRect().topLeft() + QPoint(4, -3));
    QCOMPARE(list.rows().top(), 19);
    // The thumb dragged to the foot of the track shows the last rows.
    const QPoint grip = centre(list.thumbRect());
    QTest::mousePress(&list, Qt::LeftButton, {}, grip);
    QMouseEvent drag(QEvent::MouseMove, QPointF(grip.x(), list.height() + 50),
                     list.mapToGlobal(QPointF(grip.x(), list.height() + 50)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &drag);
    QTest::mouseRelease(&list, Qt::LeftButton, {}, QPoint(grip.x(), list.height() + 50));
    QCOMPARE(list.rows().top(), 28);
    QVERIFY(combo.isDroppedDown());
    QCOMPARE(list.thumbRect().bottom(), list.downArrowRect().top() - 1);
    // Nothing was chosen on the way; the top row on view now is entry 28.
    QCOMPARE(m_screen->clicked, QStringList());
    QTest::mouseClick(&list, Qt::LeftButton, {}, centre(list.rowRect(0)));
    QCOMPARE(m_screen->clicked, QStringList{QStringLiteral("Term 28")});
}

void ComboBoxTest::theListOpensAboveWhereTheDisplayEndsBelow() {
    ComboBox& combo = m_screen->longList;
    const QRect field(combo.widget()->mapToGlobal(QPoint(0, 0)), combo.widget()->size());
    // Room above for the whole list only if the field sits low enough; move the screen down.
    m_screen->window()->move(m_screen->window()->x(), 420);
    QTRY_VERIFY(combo.widget()->mapToGlobal(QPoint(0, 0)).y() > field.y());
    const QRect low(combo.widget()->mapToGlobal(QPoint(0, 0)), combo.widget()->size());
    m_program->platform.display = QSizeF(12000, toTwips(low.bottom() + 100));
    DropDownList& list = open(combo);
    QCOMPARE(list.geometry().bottom(), low.top() - 1);
    QCOMPARE(list.geometry().left(), low.left());
}

void ComboBoxTest::anEmptyOrDisabledListStaysShut() {
    m_screen->shortList.clear();
    m_screen->shortList.dropDown();
    QVERIFY(!m_screen->shortList.isDroppedDown());
    QCOMPARE(m_screen->shortList.chosenIndex(), -1);
    m_screen->longList.setEnabled(false);
    m_screen->longList.dropDown();
    QVERIFY(!m_screen->longList.isDroppedDown());
}

void ComboBoxTest::unloadingTheScreenWithTheListOpenIsSafe() {
    ComboBox& combo = m_screen->longList;
    QPointer<DropDownList> list = &open(combo);
    m_program->screens.unload(QStringLiteral("lists"));
    m_program->screens.collectUnloaded();
    QVERIFY(list.isNull());
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

void ComboBoxTest::hidingTheFieldClosesItsList() {
    ComboBox& combo = m_screen->longList;
    QPointer<DropDownList> list = &open(combo);
    combo.setVisible(false);
    QVERIFY(!combo.isDroppedDown());
    QVERIFY(list.isNull() || !list->isVisible());
    combo.setVisible(true);
    open(combo);
    m_screen->hide();
    QVERIFY(!combo.isDroppedDown());
    QCOMPARE(m_screen->clicked, QStringList());
}

QTEST_MAIN(ComboBoxTest)
#include "tst_combobox.moc"
