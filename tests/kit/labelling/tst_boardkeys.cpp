// Every labelling board by keys alone: Enter picks a label up, the arrows carry it from box to
// box, Enter puts it down, and the board is scored in full; Escape, Tab and the pointer each end
// a carry cleanly. A screen reader hears where each label is.
#include <QAccessible>
#include <QtTest>
#include <set>

#include "Boards.h"
#include "Mouse.h"
#include "TestProgram.h"
#include "forms/Accessible.h"
#include "forms/Label.h"
#include "forms/Screens.h"
#include "kit/labelling/LabellingBoard.h"

using namespace forms;
using labelling::LabellingBoard;
using testing_support::Mouse;
using testing_support::TestProgram;

class BoardKeysTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { installAccessibility(); }
    void init() {
        m_program = std::make_unique<TestProgram>();
        m_program->addShellPictures();
        m_program->screens.show(QStringLiteral("Grey"));
    }
    void cleanup() { m_program.reset(); }

    void everyBoardScoredInFullByKeys_data();
    void everyBoardScoredInFullByKeys();
    void escapeTabAndThePointerEachEndACarry();

  private:
    LabellingBoard& show(const QString& screen) {
        m_board = &m_program->screens.show<LabellingBoard>(screen);
        return *m_board;
    }
    Label& name(int i) const { return (*m_board->array<Label>(QStringLiteral("Label2")))[i]; }
    Label& target(int k) const { return (*m_board->array<Label>(QStringLiteral("Label1")))[k]; }
    Label& button(int k) const { return (*m_board->array<Label>(QStringLiteral("Label3")))[k]; }
    // Tab round the screen until the control has the focus.
    void tabTo(const Control& control) {
        for (std::size_t n = 0; n <= m_board->focusChain().size(); ++n) {
            if (m_board->window()->focusWidget() == control.widget()) return;
            QTest::keyClick(m_board->window(), Qt::Key_Tab);
        }
        QFAIL(qPrintable(control.name() + " is not on the keyboard's round"));
    }
    void key(Qt::Key key) { QTest::keyClick(m_board->window()->focusWidget(), key); }

    std::unique_ptr<TestProgram> m_program;
    LabellingBoard* m_board = nullptr;
};

void BoardKeysTest::everyBoardScoredInFullByKeys_data() {
    QTest::addColumn<QString>("screen");
    for (const QString& screen : testing_support::boardScreens())
        QTest::newRow(qPrintable(screen)) << screen;
}

void BoardKeysTest::everyBoardScoredInFullByKeys() {
    QFETCH(QString, screen);
    LabellingBoard& board = show(screen);
    const int count = board.count();

    // Every box has a name of its own, which a label placed there repeats.
    std::set<QString> names;
    for (int k = 0; k < count; ++k) names.insert(board.boxName(k));
    QCOMPARE(static_cast<int>(names.size()), count);
    QVERIFY(!names.contains(QString()));

    for (int page = 0; page < board.pageCount(); ++page) {
        std::set<int> filled;
        for (int i = 0; i < count; ++i) {
            tabTo(name(i));
            key(Qt::Key_Return);
            QCOMPARE(board.carried(), i);
            // On to a free box where the label belongs: its own, or any of its column's.
            int steps = 0;
            auto onRightBox = [&] {
                for (int k = 0; k < count; ++k)
                    if (!filled.contains(k) && name(i).rect() == target(k).rect() &&
                        (board.design().groups.empty()
                             ? k == i
                             : board.design().groups[static_cast<size_t>(k)] ==
                                   board.design().groups[static_cast<size_t>(i)]))
                        return k;
                return -1;
            };
            while (onRightBox() < 0 && steps++ <= count + 1) key(Qt::Key_Right);
            const int box = onRightBox();
            QVERIFY2(box >= 0, qPrintable(name(i).caption() + " never reached its box"));
            key(Qt::Key_Return);
            QCOMPARE(board.carried(), -1);
            QCOMPARE(name(i).rect(), target(box).rect());
            QCOMPARE(name(i).description(), QStringLiteral("in ") + board.boxName(box));
            QVERIFY(
                target(box).description().endsWith(QStringLiteral("holds ") + name(i).caption()));
            filled.insert(box);
        }
        QCOMPARE(board.score(), count);
        tabTo(button(LabellingBoard::kCheckScore));
        key(Qt::Key_Return);
        const auto& design = board.design();
        QCOMPARE(board.find<Label>(QString::fromLatin1(design.message.name))->caption(),
                 LabellingBoard::scoreMessage(count, count, QString::fromUtf8(design.scoreSuffix)));
        if (board.pageCount() > 1) board.showPage(page + 1);
    }
    QVERIFY(board.isVisible());
}

void BoardKeysTest::escapeTabAndThePointerEachEndACarry() {
    LabellingBoard& board = show(QStringLiteral("everydayph"));
    const TwipRect home = name(0).rect();

    // Escape puts it back, and the board stays: a second Escape leaves.
    tabTo(name(0));
    key(Qt::Key_Return);
    key(Qt::Key_Right);
    QVERIFY(name(0).rect() != home);
    QTest::keyClick(board.window()->focusWidget(), Qt::Key_PageDown);
    QCOMPARE(board.carried(), 0);
    key(Qt::Key_Escape);
    QCOMPARE(board.carried(), -1);
    QCOMPARE(name(0).rect(), home);
    QVERIFY(board.isVisible());

    // Tab away: back home, nothing held.
    key(Qt::Key_Return);
    key(Qt::Key_Down);
    QTest::keyClick(board.window(), Qt::Key_Tab);
    QCOMPARE(board.carried(), -1);
    QCOMPARE(name(0).rect(), home);
    QVERIFY(!name(0).isHighlighted());

    // The pen takes over a carry: the label goes down where it presses, as a tap would put it.
    tabTo(name(0));
    key(Qt::Key_Return);
    key(Qt::Key_Right);
    Mouse(board).click(Mouse::centreOf(target(5)));
    QCOMPARE(board.carried(), -1);
    QCOMPARE(name(0).rect(), target(5).rect());
    QCOMPARE(board.picked(), -1);

    // A reader's press picks up as Enter does.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(name(1).widget());
    QCOMPARE(reader->role(), QAccessible::Button);
    reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(board.carried(), 1);
    QCOMPARE(board.window()->focusWidget(), name(1).widget());
    key(Qt::Key_Escape);
    QCOMPARE(board.carried(), -1);
    key(Qt::Key_Escape);
    QVERIFY(!board.isVisible());
}

QTEST_MAIN(BoardKeysTest)
#include "tst_boardkeys.moc"
