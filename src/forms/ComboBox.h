// An editable drop-down list: choosing an entry is its click; typing into its text does nothing.
#pragma once

#include <QStringList>

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

class QComboBox;

namespace forms {

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

    QComboBox* comboBox() const { return m_combo; }

  protected:
    void rectChanged() override;

  private:
    QComboBox* m_combo = nullptr;
    int m_chosen = -1;
};

}  // namespace forms
