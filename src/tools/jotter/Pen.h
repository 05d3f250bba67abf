// The Jotter's pen: colour and width for writing and erasing, and the colour Write returns to.
#pragma once

#include "forms/Colour.h"

namespace jotter {

class Pen {
  public:
    static constexpr int kWriteWidth = 3;
    static constexpr int kEraseWidth = 30;

    // A fresh pen writes in light yellow; background is the colour that erasing paints.
    explicit Pen(forms::Colour background);

    forms::Colour colour() const { return m_colour; }
    int width() const { return m_width; }
    forms::Colour savedColour() const { return m_saved; }
    forms::Colour background() const { return m_background; }
    bool isErasing() const { return m_colour == m_background; }

    void write();
    void erase();
    void choose(forms::Colour colour);
    // What Clear does to the pen; the drawing itself is the surface's.
    void clear();

  private:
    forms::Colour m_background;
    forms::Colour m_colour;
    int m_width = kWriteWidth;
    forms::Colour m_saved;
};

}  // namespace jotter
