// An editable drop-down list: choosing an entry is its click; typing into its text does nothing.
#pragma once

#include <QStringList>
#include <optional>
#include <utility>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

class QComboBox;

namespace forms {

// A screen may hold many lists of which one is on view at a time (the glossary has 21), and a Qt
// combo box with its text field, completer and pop-up is heavy: the Qt widget is built when the
// list is first shown, and until then the control keeps its entries and look itself.
class ComboBox : public Control {
  public:
    ComboBox(Screen& screen, Container& container, QString name, int index);

    void addItem(const QString& item);
    void clear();
    QStringList items() const;
    int count() const;
    QString text() const;
    void setText(const QString& text);
    void setFont(const FontSpec& font);
    void setColours(Colour fore, Colour back);

    // Chooses entry i as a click in the open list would; the click handler runs.
    void choose(int i);
    // The entry last chosen (the click handler reads it); -1 before any choice.
    int chosenIndex() const { return m_chosen; }
    QString chosenItem() const;

    // The Qt widget, built now if the list has not been shown yet.
    QComboBox* comboBox();
    bool isBuilt() const { return m_combo != nullptr; }

  protected:
    void rectChanged() override;

  private:
    void build();

    QComboBox* m_combo = nullptr;
    int m_chosen = -1;
    // What the list holds and looks like until its widget is built.
    QStringList m_items;
    QString m_text;
    std::optional<FontSpec> m_font;
    std::optional<std::pair<Colour, Colour>> m_colours;
};

}  // namespace forms
