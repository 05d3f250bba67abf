#include "tools/JotterAccess.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Screen.h"
#include "forms/Screens.h"
#include "forms/Shape.h"
#include "shell/ScreenNames.h"
#include "tools/HouseMenu.h"
#include "tools/LessonTimer.h"
#include "tools/ScreenMenu.h"

namespace tools {

using namespace shell;

using forms::Screen;

namespace {

bool isTimerKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_T && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool isPrintKey(const QKeyEvent& key) {
    return key.key() == Qt::Key_P && (key.modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool isJotterKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_J && modifiers == Qt::ControlModifier) ||
           (key.key() == Qt::Key_F2 && modifiers == Qt::NoModifier);
}

// The keyboard's way to what a right click offers.
bool isMenuKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier) ||
           (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

}  // namespace

JotterAccess::JotterAccess(forms::Screens& screens)
    : m_screens(screens), m_hold(screens.platform()) {
    m_hold.setInterval(kHoldMs);
    m_hold.onTimer = [this] { holdElapsed(); };
    qApp->installEventFilter(this);
}

JotterAccess::~JotterAccess() {
    qApp->removeEventFilter(this);
}

bool JotterAccess::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            Screen* screen = m_screens.holding(watched);
            if (!screen) return false;
            if (isJotterKey(key)) {
                if (!key.isAutoRepeat()) openJotter();
                return true;
            }
            if (isPrintKey(key) && m_print) {
                if (!key.isAutoRepeat()) m_print(*screen);
                return true;
            }
            if (isMenuKey(key)) {
                // Beside the control with the focus, where the eye already is.
                QWidget* window = screen->window();
                QWidget* focused = window->focusWidget();
                const QPoint at = focused && focused != window
                                      ? focused->mapToGlobal(focused->rect().center())
                                      : window->mapToGlobal(window->rect().center());
                if (!key.isAutoRepeat()) {
                    cancelHold();
                    offerMenu(*screen, at);
                }
                return true;
            }
            if (isTimerKey(key) && m_timer) {
                QWidget* window = screen->window();
                if (!key.isAutoRepeat())
                    m_timer->offerChoices(window, window->mapToGlobal(window->rect().center()));
                return true;
            }
            return false;
        }
        case QEvent::ContextMenu: {
            Screen* screen = m_screens.holding(watched);
            if (!screen) return false;
            const auto& request = static_cast<const QContextMenuEvent&>(*event);
            // From the keyboard it is the menu key, offered already when it was pressed.
            if (request.reason() == QContextMenuEvent::Keyboard) return true;
            const QPoint at =
                static_cast<QWidget*>(watched)->mapTo(screen->window(), request.pos());
            if (!offersMenuAt(*screen, at, false)) return false;
            cancelHold();
            offerMenu(*screen, request.globalPos());
            return true;
        }
        case QEvent::MouseButtonPress: {
            cancelHold();
            const auto& press = static_cast<const QMouseEvent&>(*event);
            Screen* screen = m_screens.holding(watched);
            if (!screen || press.buttons() != Qt::LeftButton) return false;
            const QPoint at =
                static_cast<QWidget*>(watched)->mapTo(screen->window(), press.position().toPoint());
            if (offersMenuAt(*screen, at, true))
                startHold(*screen, press.globalPosition().toPoint());
            return false;
        }
        case QEvent::MouseMove: {
            if (!m_hold.isEnabled()) return false;
            const auto& move = static_cast<const QMouseEvent&>(*event);
            if ((move.globalPosition().toPoint() - m_holdAt).manhattanLength() >
                QApplication::startDragDistance())
                cancelHold();
            return false;
        }
        case QEvent::MouseButtonRelease:
            cancelHold();
            return false;
        default:
            return false;
    }
}

bool JotterAccess::offersMenuAt(const Screen& screen, QPoint clientPx, bool held) const {
    if (const auto* own = dynamic_cast<const ScreenMenu*>(&screen))
        return own->offersMenuAt(clientPx, held);
    const forms::Control* control = screen.controlAt(clientPx);
    return !control || dynamic_cast<const forms::PictureBox*>(control) ||
           dynamic_cast<const forms::Panel*>(control) || dynamic_cast<const forms::Shape*>(control);
}

void JotterAccess::startHold(const Screen& screen, QPoint globalPx) {
    m_holdScreen = screen.name();
    m_holdAt = globalPx;
    m_hold.setEnabled(true);
}

void JotterAccess::cancelHold() {
    m_hold.setEnabled(false);
}

void JotterAccess::holdElapsed() {
    cancelHold();
    Screen* screen = m_screens.loaded(m_holdScreen);
    if (screen && screen->isVisible()) offerMenu(*screen, m_holdAt);
}

void JotterAccess::offerMenu(Screen& screen, QPoint globalPx) {
    // Owned by the screen's window, so it goes with the screen should that unload meanwhile.
    QMenu* menu = houseMenu(screen.window(), m_screens.scale());
    if (auto* own = dynamic_cast<ScreenMenu*>(&screen)) {
        own->addMenuEntries(*menu);
    } else {
        QAction* open = menu->addAction(QStringLiteral("Jotter\tCtrl+J"));
        connect(open, &QAction::triggered, this, [this] { openJotter(); });
    }
    if (m_timer) m_timer->addMenu(*menu);
    if (m_print) {
        QAction* print = menu->addAction(QStringLiteral("Print worksheet…\tCtrl+P"));
        const QString name = screen.name();
        // By name: the screen may have gone by the time the entry is chosen.
        connect(print, &QAction::triggered, this, [this, name] {
            if (Screen* shown = m_screens.loaded(name)) m_print(*shown);
        });
    }
    menu->popup(globalPx);
}

void JotterAccess::openJotter() {
    if (!m_screens.hasEnded()) m_screens.show(QString::fromLatin1(kJotterScreen));
}

}  // namespace tools
