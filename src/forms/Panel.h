// A panel (frame) that holds controls in its own coordinates and hides them with itself.
#pragma once

#include "forms/Colour.h"
#include "forms/Control.h"
#include "forms/Font.h"

namespace forms {

class Panel : public Control, public Container {
  public:
    Panel(Screen& screen, Container& container, QString name, int index);

    QWidget* surface() const override { return widget(); }

    const QString& title() const { return m_title; }
    void setTitle(const QString& title);
    void setTitleLook(const FontSpec& font, Colour colour);
    Colour backColour() const { return m_back; }
    void setBackColour(Colour colour);
    // Untitled panels of the designs still draw their etched outline unless told not to.
    void setOutline(bool outline);

  protected:
    void paint(QPainter& painter) override;

  private:
    QString m_title;
    QFont m_titleFont;
    Colour m_titleColour = kBlack;
    Colour m_back = kButtonFace;
    bool m_outline = true;
};

}  // namespace forms
