#include "forms/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "forms/CommandButton.h"
#include "forms/Control.h"
#include "forms/Label.h"
#include "forms/Panel.h"
#include "forms/PictureBox.h"
#include "forms/Shape.h"

namespace forms {

namespace {

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

QAccessible::Role roleOf(const Control& control) {
    if (dynamic_cast<const CommandButton*>(&control)) return QAccessible::Button;
    if (dynamic_cast<const Label*>(&control)) return QAccessible::StaticText;
    if (dynamic_cast<const PictureBox*>(&control)) return QAccessible::Graphic;
    if (dynamic_cast<const Panel*>(&control)) return QAccessible::Grouping;
    return QAccessible::NoRole;
}

// QAccessibleWidget is its own action interface; a button's press is its click.
class ControlAccessible : public QAccessibleWidget {
  public:
    explicit ControlAccessible(ControlWidget* widget)
        : QAccessibleWidget(widget, roleOf(widget->control())), m_control(widget->control()) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return accessibleName(m_control);
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        // An outline says nothing a reader needs; it is left out of what is read.
        if (dynamic_cast<const Shape*>(&m_control)) state.invisible = true;
        return state;
    }

    QStringList actionNames() const override {
        if (dynamic_cast<const CommandButton*>(&m_control)) return {pressAction()};
        return {};
    }
    void doAction(const QString& action) override {
        if (action != pressAction()) return;
        if (auto* button = dynamic_cast<CommandButton*>(&m_control)) button->press();
    }

  private:
    Control& m_control;
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    auto* widget = dynamic_cast<ControlWidget*>(object);
    return widget ? new ControlAccessible(widget) : nullptr;
}

}  // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(controlInterface);
}

QString accessibleName(const Control& control) {
    QString shown;
    if (const auto* label = dynamic_cast<const Label*>(&control))
        shown = label->caption();
    else if (const auto* button = dynamic_cast<const CommandButton*>(&control))
        shown = button->caption();
    shown = spoken(shown);
    return shown.isEmpty() ? control.description() : shown;
}

}  // namespace forms
