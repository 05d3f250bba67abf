#include "forms/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/DropDownList.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/ScreenWindow.h"
#include "forms/Shape.h"
#include "pictures/Pictures.h"

namespace forms {

namespace {

QString& programName() {
    static QString name;
    return name;
}

// Subscript digits (U+2080 to U+2089) read as the digits they are; line breaks as spaces.
QString spoken(QString text) {
    for (QChar& c : text) {
        if (c.unicode() >= 0x2080 && c.unicode() <= 0x2089)
            c = QChar(u'0' + (c.unicode() - 0x2080));
        else if (c == QLatin1Char('\n') || c == QChar::LineSeparator)
            c = QLatin1Char(' ');
    }
    return text.simplified();
}

// A text or a picture that does something when clicked, or takes keys, is a button to the
// reader: a menu's entries, a board's labels, a game's tiles.
QAccessible::Role roleOf(const Control& control) {
    if (dynamic_cast<const CommandButton*>(&control)) return QAccessible::Button;
    const bool acts = control.takesKeyboard();
    if (dynamic_cast<const Label*>(&control))
        return acts ? QAccessible::Button : QAccessible::StaticText;
    if (dynamic_cast<const PictureBox*>(&control))
        return acts ? QAccessible::Button : QAccessible::Graphic;
    if (dynamic_cast<const Panel*>(&control)) return QAccessible::Grouping;
    // A control that draws itself (a word's blanks, a game's grid) says what it shows in words.
    if (!control.description().isEmpty())
        return acts ? QAccessible::Button : QAccessible::StaticText;
    return QAccessible::NoRole;
}

QString shownText(const Control& control) {
    if (const auto* label = dynamic_cast<const Label*>(&control)) return spoken(label->caption());
    if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        return spoken(button->caption());
    return {};
}

// QAccessibleWidget is its own action interface; a button's press is its click.
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(ControlWidget* widget)
        : QAccessibleWidget(widget, roleOf(widget->control())), m_control(widget->control()) {}

    // Asked afresh: a label may take a click on one page and not on the next.
    QAccessible::Role role() const override { return roleOf(m_control); }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return accessibleName(m_control);
        // Where the name is the text shown, the description says what it stands for or where it
        // is ("in box under pH 3").
        if (kind == QAccessible::Description)
            return shownText(m_control).isEmpty() ? QString() : m_control.description();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // An outline says nothing a reader needs; it is left out of what is read.
        if (dynamic_cast<const Shape*>(&m_control)) state.invisible = true;
        // Nor is a text that shows nothing (a message not written yet, an empty answer line).
        if (roleOf(m_control) == QAccessible::StaticText && accessibleName(m_control).isEmpty())
            state.invisible = true;
        // The toolkit moves the focus itself (Tab), so the widgets' own policy says nothing.
        if (m_control.takesKeyboard()) {
            state.focusable = true;
            state.focused = widget()->hasFocus();
        }
        return state;
    }

    QStringList actionNames() const override {
        if (m_control.takesKeyboard()) return {pressAction()};
        return {};
    }
    // What Enter does on it.
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        if (auto* button = dynamic_cast<CommandButton*>(&m_control))
            button->press();
        else if (m_control.acceptsClick())
            m_control.onClick();
        else if (m_control.takesKeyboard()) {
            // What follows (the arrows, Escape) comes to the control the reader worked.
            m_control.widget()->setFocus(Qt::OtherFocusReason);
            m_control.onKey(Qt::Key_Return, Qt::NoModifier);
        }
    }

  private:
    Control& m_control;
};

// A drop-down's closed field: named by what it shows; pressing it opens the list.
class FieldAccessible : public QAccessibleWidget {
  public:
    explicit FieldAccessible(ComboField* field)
        : QAccessibleWidget(field, QAccessible::ComboBox), m_combo(field->combo()) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name || kind == QAccessible::Value) return spoken(m_combo.text());
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = m_combo.isDroppedDown();
        return state;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction()) m_combo.dropDown();
    }

  private:
    ComboBox& m_combo;
};

// The open list reads as the entry the arrows have reached.
class ListAccessible : public QAccessibleWidget {
  public:
    explicit ListAccessible(DropDownList* list)
        : QAccessibleWidget(list, QAccessible::List), m_list(*list) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString item = spoken(m_list.highlightedItem());
            return item.isEmpty() ? QStringLiteral("list of %1; the arrow keys choose")
                                        .arg(m_list.rows().count())
                                  : item;
        }
        return QAccessibleWidget::text(kind);
    }

  private:
    DropDownList& m_list;
};

// A screen's window, named by its caption; one left blank by design (the title screen's) by the
// program's name, which is what it shows.
class WindowAccessible : public QAccessibleWidget {
  public:
    explicit WindowAccessible(ScreenWindow* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) {
            const QString caption = widget()->windowTitle().trimmed();
            return caption.isEmpty() ? programName() : caption;
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    if (auto* widget = dynamic_cast<ControlWidget*>(object)) return new ControlAccessible(widget);
    if (auto* window = dynamic_cast<ScreenWindow*>(object)) return new WindowAccessible(window);
    if (auto* field = dynamic_cast<ComboField*>(object)) return new FieldAccessible(field);
    if (auto* list = dynamic_cast<DropDownList*>(object)) return new ListAccessible(list);
    return nullptr;
}

}  // namespace

void installAccessibility(const QString& program) {
    if (!program.isEmpty()) programName() = program;
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(controlInterface);
}

QString accessibleName(const Control& control) {
    const QString shown = shownText(control);
    if (!shown.isEmpty()) return shown;
    if (!control.description().isEmpty()) return control.description();
    if (const auto* box = dynamic_cast<const PictureBox*>(&control))
        return pictures::Pictures::description(box->picturePath());
    return {};
}

void tellChanged(const Control& control, QAccessible::Event change) {
    // Nothing is made for a reader that is not there.
    if (!QAccessible::isActive() || !control.widget()) return;
    QAccessibleEvent event(control.widget(), change);
    QAccessible::updateAccessibility(&event);
}

}  // namespace forms
