// An outline shape drawn on its container: rectangle or rounded rectangle.
#pragma once

#include "forms/Colour.h"
#include "forms/Control.h"

namespace forms {

class Shape : public Control {
  public:
    enum class Kind { Rectangle, RoundedRectangle };

    Shape(Screen& screen, Container& container, QString name, int index);

    void setKind(Kind kind);
    void setLine(Colour colour, int widthPx);

  protected:
    void paint(QPainter& painter) override;

  private:
    Kind m_kind = Kind::Rectangle;
    Colour m_colour = kBlack;
    int m_lineWidth = 1;
};

}  // namespace forms
