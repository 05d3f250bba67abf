// notepad: the Jotter, a free-hand drawing pad that stays above every other window.
#pragma once

#include "forms/Screen.h"
#include "jotter/DrawingSurface.h"
#include "jotter/Pen.h"

namespace forms {
class CommandButton;
class Label;
class Panel;
}  // namespace forms

namespace jotter {

class JotterScreen : public forms::Screen {
  public:
    explicit JotterScreen(forms::Screens& screens);
    void load() override;

    const Pen& pen() const { return m_pen; }
    const DrawingSurface& drawing() const { return m_surface; }

  protected:
    void paintBackground(QPainter& painter, const QRect& dirty) override;
    void scaleChanged() override;

  private:
    void surfaceMouseDown(const forms::MouseEvent& event);
    void surfaceMouseMove(const forms::MouseEvent& event);
    void write();
    void erase();
    void clear();
    void chooseSquare(const forms::Label& square);
    void flipToTall();
    void flipToWide();
    void wipe();

    forms::Panel& Frame_landscape;
    forms::CommandButton& Command1;
    forms::CommandButton& Command2;
    forms::CommandButton& Command5;
    forms::CommandButton& Command6;
    forms::CommandButton& Command3;
    forms::ControlArray<forms::Label>& Label1;
    forms::Panel& Frame_portrait;
    forms::CommandButton& Command9;
    forms::CommandButton& Command10;
    forms::CommandButton& Command8;
    forms::CommandButton& Command7;
    forms::CommandButton& Command4;
    forms::ControlArray<forms::Label>& Label11;

    DrawingSurface m_surface;
    Pen m_pen;
};

}  // namespace jotter
