// A drop-down list with a text field: pressing the field opens the list, and choosing an entry
// is the control's click. The field shows its text; typing into it does nothing.
#pragma once

#include <QFont>
#include <QPointer>
#include <QStringList>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

namespace forms {

class DropDownList;

class ComboBox : public Control {
  public:
    ComboBox(Screen& screen, Container& container, QString name, int index);
    ~ComboBox() override;

    void addItem(const QString& item);
    void clear();
    const QStringList& items() const { return m_items; }
    int count() const { return static_cast<int>(m_items.size()); }
    const QString& text() const { return m_text; }
    void setText(const QString& text);
    // At the scale: the field and its list are laid out in display pixels.
    const QFont& font() const { return m_font; }
    void setFont(const FontSpec& font);
    Colour foreColour() const { return m_fore; }
    Colour backColour() const { return m_back; }
    void setColours(Colour fore, Colour back);

    // Opens the list as a press on the field does; nothing happens for an empty list.
    void dropDown();
    bool isDroppedDown() const;
    // The open list, or null.
    DropDownList* list() const;

    // Chooses entry i as a click in the open list would; the click handler runs.
    void choose(int i);
    // The entry last chosen (the click handler reads it); -1 before any choice.
    int chosenIndex() const { return m_chosen; }
    QString chosenItem() const { return m_items.value(m_chosen); }

    static constexpr int kMaxVisibleRows = 16;

  protected:
    void paint(QPainter& painter) override;
    void rescaled() override;

  private:
    friend class ComboField;
    void listClosed(int chosen);

    QStringList m_items;
    QString m_text;
    FontSpec m_fontSpec = tahoma(8.25f);
    QFont m_font;
    Colour m_fore = kBlack;
    Colour m_back = kWhite;
    int m_chosen = -1;
    QPointer<DropDownList> m_list;
};

// The closed field: its own widget, since a press on it opens the list rather than clicking.
class ComboField final : public QWidget {
  public:
    ComboField(ComboBox& combo, QWidget* parent);
    ComboBox& combo() const { return m_combo; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    ComboBox& m_combo;
};

}  // namespace forms
