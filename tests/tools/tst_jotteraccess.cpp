// Opening the Jotter while teaching: keys on any screen, a menu on backgrounds and pictures,
// and nothing taken from labels or from the Jotter's own surface.
#include <QLineEdit>
#include <QMenu>
#include <QWindow>
#include <QtTest>

#include "Mouse.h"
#include "TestProgram.h"
#include "forms/CommandButton.h"
#include "forms/Label.h"
#include "forms/PictureBox.h"
#include "forms/Screen.h"
#include "tools/JotterAccess.h"
#include "tools/jotter/JotterScreen.h"

using namespace forms;
using testing_support::Mouse;
using testing_support::TestProgram;
using tools::JotterAccess;

namespace {

const QString kJotter = QStringLiteral("notepad");

// A screen with a background, a picture, and labels that handle the mouse themselves, as the
// labelling board's name labels do.
class BoardScreen : public Screen {
  public:
    explicit BoardScreen(Screens& screens)
        : Screen(screens, QStringLiteral("board")),
          names(addArray<Label>(QStringLiteral("Label2"))),
          picture(add<PictureBox>(QStringLiteral("Image2"), {6000, 300, 3000, 3000})) {
        setClientSize(11910, 8520);
        names.add(0, {600, 600, 1800, 495}).setCaption(QStringLiteral("beaker"));
        names.onMouseDown = [this](int, const MouseEvent& e) { downs.push_back(e.button); };
    }
    ControlArray<Label>& names;
    PictureBox& picture;
    std::vector<int> downs;
};

// The menu offering the Jotter, when it is up (a text box's own menu is not it).
QMenu* openMenu() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || menu->actions().size() != 1 ||
        !menu->actions().first()->text().startsWith(QLatin1String("Jotter")))
        return nullptr;
    return menu;
}

void closeMenu() {
    if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class JotterAccessTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void keysOpenItFromAnyScreenAndAgainAfterClosing();
    void exitWithOnlyHiddenScreensLeftEndsTheProgram();
    void rightClickOnBackgroundOrPictureOffersIt();
    void labelsAndTheJotterSurfaceKeepTheRightButton();
    void heldPressOffersIt();
    void everyScreenOffersItByKeyAndByMouse_data();
    void printingOfferedByKeyAndOnTheMenu();
    void everyScreenOffersItByKeyAndByMouse();

  private:
    BoardScreen& board() { return m_program->screens.show<BoardScreen>(QStringLiteral("board")); }
    bool jotterShown() const {
        Screen* jotter = m_program->screens.loaded(kJotter);
        return jotter && jotter->isVisible();
    }

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<JotterAccess> m_access;
};

void JotterAccessTest::init() {
    m_program = std::make_unique<TestProgram>();
    m_program->addShellPictures();
    m_program->addPicture(QStringLiteral("Images/lab.jpg"), {800, 582});
    m_program->screens.define(QStringLiteral("board"),
                              [](Screens& s) { return std::make_unique<BoardScreen>(s); });
    m_access = std::make_unique<JotterAccess>(m_program->screens);
}

void JotterAccessTest::cleanup() {
    closeMenu();
    m_access.reset();
    m_program.reset();
}

void JotterAccessTest::keysOpenItFromAnyScreenAndAgainAfterClosing() {
    BoardScreen& beneath = board();
    Screen& safety = m_program->screens.show(QStringLiteral("safety"));
    const QRect safetyAt = safety.window()->geometry();

    QTest::keyClick(safety.window(), Qt::Key_J);
    QVERIFY(!m_program->screens.isLoaded(kJotter));
    QTest::keyClick(safety.window(), Qt::Key_J, Qt::ControlModifier);
    QVERIFY(jotterShown());
    // Nothing beneath is moved, hidden or closed.
    QVERIFY(safety.isVisible());
    QVERIFY(beneath.isVisible());
    QCOMPARE(safety.window()->geometry(), safetyAt);

    m_program->screens.load<jotter::JotterScreen>(kJotter)
        .find<CommandButton>(QStringLiteral("Command1"))
        ->press();
    QVERIFY(!m_program->screens.isLoaded(kJotter));
    m_program->screens.collectUnloaded();
    QTest::keyClick(beneath.window(), Qt::Key_F2);
    QVERIFY(jotterShown());
    QCOMPARE(m_program->screens.loadCount(kJotter), 2);
    // Asked again while open, it is the same Jotter, drawing and all.
    QTest::keyClick(beneath.window(), Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(m_program->screens.loadCount(kJotter), 2);
}

// Menu 1, its tab "Menu 2" (which loads the front screen hidden), F2, Menu 2 closed from its title
// bar, then the Jotter's Exit: nothing is left on view, so the program ends.
void JotterAccessTest::exitWithOnlyHiddenScreensLeftEndsTheProgram() {
    Screens& screens = m_program->screens;
    const auto tabOf = [](Screen& screen, int index) {
        return Mouse::centreOf((*screen.array<Label>(QStringLiteral("Label2")))[index]);
    };
    Screen& front = screens.show(QStringLiteral("intro0"));
    Mouse(front).click(tabOf(front, 0));
    Screen& menu1 = *screens.loaded(QStringLiteral("menu1"));
    Mouse(menu1).click(tabOf(menu1, 1));
    Screen& menu2 = *screens.loaded(QStringLiteral("menu2"));
    QVERIFY(menu2.isVisible());
    QVERIFY(!screens.loaded(QStringLiteral("intro0"))->isVisible());

    QTest::keyClick(menu2.window(), Qt::Key_F2);
    QVERIFY(jotterShown());
    menu2.window()->windowHandle()->close();
    QVERIFY(!screens.isLoaded(QStringLiteral("menu2")));
    QCOMPARE(m_program->programEnds, 0);  // the Jotter is still on view

    Screen& jotter = *screens.loaded(kJotter);
    Mouse(jotter).click(Mouse::centreOf(*jotter.find<CommandButton>(QStringLiteral("Command1"))));
    QCOMPARE(m_program->programEnds, 1);
    QVERIFY(screens.loadedNames().isEmpty());
}

void JotterAccessTest::rightClickOnBackgroundOrPictureOffersIt() {
    BoardScreen& screen = board();
    Mouse mouse(screen);
    mouse.click({300, 450}, Qt::RightButton);
    QMenu* menu = openMenu();
    QVERIFY(menu);
    QCOMPARE(menu->actions().first()->text().section(QLatin1Char('\t'), 0, 0),
             QStringLiteral("Jotter"));
    menu->actions().first()->trigger();
    QVERIFY(jotterShown());
    closeMenu();

    // The lab picture fills the whole of Safety in the Lab; it offers the menu too.
    m_program->screens.unload(kJotter);
    m_program->screens.collectUnloaded();
    Screen& safety = m_program->screens.show(QStringLiteral("safety"));
    Mouse(safety).click({400, 300}, Qt::RightButton);
    QVERIFY(openMenu());
    openMenu()->actions().first()->trigger();
    QVERIFY(jotterShown());
    QVERIFY(safety.isVisible());
}

void JotterAccessTest::labelsAndTheJotterSurfaceKeepTheRightButton() {
    BoardScreen& screen = board();
    Mouse(screen).click(Mouse::centreOf(screen.names[0]), Qt::RightButton);
    QVERIFY(!openMenu());
    QCOMPARE(screen.downs, std::vector<int>{kRightButton});

    auto& jotter = m_program->screens.show<jotter::JotterScreen>(kJotter);
    Mouse(jotter).click({120, 80}, Qt::RightButton);
    QVERIFY(!openMenu());
    QCOMPARE(jotter.drawing().currentPoint(), QPointF(toTwips(120), toTwips(80)));
    // A held press there is a stroke about to start, not a request for a menu.
    Mouse(jotter).press({120, 80});
    m_program->platform.advance(2 * JotterAccess::kHoldMs);
    QVERIFY(!openMenu());
    Mouse(jotter).release({120, 80});
}

void JotterAccessTest::heldPressOffersIt() {
    BoardScreen& screen = board();
    Mouse mouse(screen);
    mouse.press({300, 450});
    m_program->platform.advance(JotterAccess::kHoldMs - 1);
    QVERIFY(!openMenu());
    m_program->platform.advance(1);
    QVERIFY(openMenu());
    // Lifting the pen leaves the menu up to be tapped.
    mouse.release({300, 450});
    QVERIFY(openMenu());
    closeMenu();

    // A press that moves away, or is let go, is no request; nor is a hold on a label.
    mouse.press({300, 450});
    mouse.move({340, 450});
    m_program->platform.advance(2 * JotterAccess::kHoldMs);
    QVERIFY(!openMenu());
    mouse.release({340, 450});
    mouse.click({300, 450});
    m_program->platform.advance(2 * JotterAccess::kHoldMs);
    QVERIFY(!openMenu());
    mouse.press(Mouse::centreOf(screen.names[0]));
    m_program->platform.advance(2 * JotterAccess::kHoldMs);
    QVERIFY(!openMenu());
    mouse.release(Mouse::centreOf(screen.names[0]));
    QVERIFY(!m_program->screens.isLoaded(kJotter));
}

void JotterAccessTest::everyScreenOffersItByKeyAndByMouse_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Titlefrm", "intro0", "menu1", "menu2", "menu3", "menu4", "menu5",
                             "molecules", "equipment", "acidsandalkalis", "safety", "Vocab"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void JotterAccessTest::everyScreenOffersItByKeyAndByMouse() {
    QFETCH(QString, name);
    QVERIFY(m_program->screens.isDefined(name));
    Screen& screen = m_program->screens.show(name);

    // The key works wherever the keyboard is, in a list's text box too.
    QList<QWidget*> keyTargets{screen.window()};
    for (QLineEdit* edit : screen.window()->findChildren<QLineEdit*>()) keyTargets << edit;
    for (QWidget* target : keyTargets) {
        QTest::keyClick(target, Qt::Key_J, Qt::ControlModifier);
        QVERIFY(jotterShown());
        m_program->screens.unload(kJotter);
        m_program->screens.collectUnloaded();
    }

    // The menu key and Shift+F10 offer it wherever the focus is.
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Menu, Qt::NoModifier},
                                         std::pair{Qt::Key_F10, Qt::ShiftModifier}}) {
        screen.moveFocus(true);
        QWidget* focused = screen.window()->focusWidget();
        QTest::keyClick(focused ? focused : screen.window(), key, modifiers);
        QVERIFY2(openMenu(), qPrintable(QKeySequence(key | modifiers).toString()));
        closeMenu();
    }

    // Somewhere on every screen a right click offers the menu.
    Mouse mouse(screen);
    const QSize client = screen.window()->size();
    for (int y = 5; y < client.height() && !openMenu(); y += 40)
        for (int x = 5; x < client.width() && !openMenu(); x += 40)
            mouse.click({x, y}, Qt::RightButton);
    QVERIFY(openMenu());
    openMenu()->actions().first()->trigger();
    QVERIFY(jotterShown());
    QVERIFY(screen.isVisible());
}

// Ctrl+P and the menu's entry print the screen they were asked on, the Jotter included.
void JotterAccessTest::printingOfferedByKeyAndOnTheMenu() {
    QStringList printed;
    m_access->offerPrinting([&printed](Screen& screen) { printed << screen.name(); });
    BoardScreen& screen = board();
    QTest::keyClick(screen.window(), Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(screen.window(), Qt::Key_P);
    QCOMPARE(printed, QStringList{QStringLiteral("board")});

    Mouse(screen).click({300, 450}, Qt::RightButton);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* print = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("Print worksheet"))) print = action;
    QVERIFY(print);
    QVERIFY(print->text().endsWith(QStringLiteral("Ctrl+P")));
    print->trigger();
    closeMenu();
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.last(), QStringLiteral("board"));

    QTest::keyClick(screen.window(), Qt::Key_J, Qt::ControlModifier);
    QVERIFY(jotterShown());
    Screen& jotter = *m_program->screens.loaded(kJotter);
    QTest::keyClick(jotter.window(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(printed.last(), kJotter);
}

QTEST_MAIN(JotterAccessTest)
#include "tst_jotteraccess.moc"
