#include "forms/ComboBox.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

#include "forms/Screen.h"

namespace forms {

namespace {

// Builds its list the first time it is shown.
class ComboHolder final : public QWidget {
  public:
    ComboHolder(QWidget* parent, std::function<void()> build)
        : QWidget(parent), m_build(std::move(build)) {}

  protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Show && m_build) std::exchange(m_build, nullptr)();
        return QWidget::event(e);
    }

  private:
    std::function<void()> m_build;
};

void applyColours(QComboBox& combo, Colour fore, Colour back) {
    QPalette palette = combo.palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, QColor(back));
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, QColor(fore));
    combo.setPalette(palette);
    combo.lineEdit()->setPalette(palette);
}

}  // namespace

ComboBox::ComboBox(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    auto* holder = new ComboHolder(container.surface(), [this] { build(); });
    attachWidget(holder);
    holder->setFocusPolicy(Qt::NoFocus);
    setTabStop(true);
}

void ComboBox::build() {
    if (m_combo) return;
    m_combo = new QComboBox(widget());
    m_combo->setEditable(true);
    // Typed text is never added to the list.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(16);
    m_combo->setFocusPolicy(Qt::StrongFocus);
    m_combo->setGeometry(QRect(QPoint(0, 0), rect().toPixels().size()));
    if (m_font) m_combo->setFont(m_font->toQFont());
    if (m_colours) applyColours(*m_combo, m_colours->first, m_colours->second);
    m_combo->addItems(std::exchange(m_items, {}));
    m_combo->setEditText(std::exchange(m_text, {}));
    QObject::connect(m_combo, qOverload<int>(&QComboBox::activated), [this](int i) {
        m_chosen = i;
        if (onClick) onClick();
    });
    // Shown by its holder; the first show of the holder has already passed it by.
    m_combo->show();
}

QComboBox* ComboBox::comboBox() {
    build();
    return m_combo;
}

void ComboBox::rectChanged() {
    if (m_combo) m_combo->setGeometry(QRect(QPoint(0, 0), rect().toPixels().size()));
}

void ComboBox::addItem(const QString& item) {
    if (!m_combo) {
        m_items << item;
        return;
    }
    const QString text = m_combo->currentText();
    m_combo->addItem(item);
    m_combo->setEditText(text);
}

void ComboBox::clear() {
    m_chosen = -1;
    if (m_combo)
        m_combo->clear();
    else
        m_items.clear();
}

QStringList ComboBox::items() const {
    if (!m_combo) return m_items;
    QStringList result;
    for (int i = 0; i < m_combo->count(); ++i) result << m_combo->itemText(i);
    return result;
}

int ComboBox::count() const {
    return m_combo ? m_combo->count() : static_cast<int>(m_items.size());
}

QString ComboBox::text() const {
    return m_combo ? m_combo->currentText() : m_text;
}

void ComboBox::setText(const QString& text) {
    if (m_combo)
        m_combo->setEditText(text);
    else
        m_text = text;
}

void ComboBox::setFont(const FontSpec& font) {
    m_font = font;
    if (m_combo) m_combo->setFont(font.toQFont());
}

void ComboBox::setColours(Colour fore, Colour back) {
    m_colours = std::pair{fore, back};
    if (m_combo) applyColours(*m_combo, fore, back);
}

void ComboBox::choose(int i) {
    if (i < 0 || i >= count()) return;
    build();
    m_combo->setCurrentIndex(i);
    Q_EMIT m_combo->activated(i);
}

QString ComboBox::chosenItem() const {
    if (m_chosen < 0) return {};
    return m_combo ? m_combo->itemText(m_chosen) : m_items.value(m_chosen);
}

}  // namespace forms
