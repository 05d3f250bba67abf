#include "forms/ComboBox.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

#include "forms/Screen.h"

namespace forms {

ComboBox::ComboBox(Screen& screen, Container& container, QString name, int index)
    : Control(screen, container, std::move(name), index) {
    auto* holder = new QWidget(container.surface());
    m_combo = new QComboBox(holder);
    m_combo->setEditable(true);
    // Typed text is never added to the list.
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    m_combo->setMaxVisibleItems(16);
    attachWidget(holder);
    holder->setFocusPolicy(Qt::NoFocus);
    m_combo->setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
    QObject::connect(m_combo, qOverload<int>(&QComboBox::activated), [this](int i) {
        m_chosen = i;
        if (onClick) onClick();
    });
}

void ComboBox::rectChanged() {
    if (m_combo) m_combo->setGeometry(QRect(QPoint(0, 0), rect().toPixels().size()));
}

void ComboBox::addItem(const QString& item) {
    const QString text = m_combo->currentText();
    m_combo->addItem(item);
    m_combo->setEditText(text);
}

void ComboBox::clear() {
    m_combo->clear();
}

QStringList ComboBox::items() const {
    QStringList result;
    for (int i = 0; i < m_combo->count(); ++i) result << m_combo->itemText(i);
    return result;
}

int ComboBox::count() const {
    return m_combo->count();
}
QString ComboBox::text() const {
    return m_combo->currentText();
}
void ComboBox::setText(const QString& text) {
    m_combo->setEditText(text);
}

void ComboBox::setFont(const FontSpec& font) {
    m_combo->setFont(font.toQFont());
    m_combo->view()->setFont(font.toQFont());
}

void ComboBox::setColours(Colour fore, Colour back) {
    QPalette palette = m_combo->palette();
    for (auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        palette.setColor(role, QColor(back));
    for (auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, QColor(fore));
    m_combo->setPalette(palette);
    m_combo->lineEdit()->setPalette(palette);
    m_combo->view()->setPalette(palette);
}

void ComboBox::choose(int i) {
    if (i < 0 || i >= m_combo->count()) return;
    m_combo->setCurrentIndex(i);
    Q_EMIT m_combo->activated(i);
}

QString ComboBox::chosenItem() const {
    return m_chosen >= 0 ? m_combo->itemText(m_chosen) : QString();
}

}  // namespace forms
