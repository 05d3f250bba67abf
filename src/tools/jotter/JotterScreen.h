// notepad: the Jotter, a free-hand drawing pad that stays above every other window.
#pragma once

#include "forms/Screen.h"
#include "tools/ScreenMenu.h"
#include "tools/jotter/DrawingHistory.h"
#include "tools/jotter/DrawingSurface.h"
#include "tools/jotter/Pen.h"

namespace forms {
class CommandButton;
class Label;
class Panel;
}  // namespace forms

namespace jotter {

// Undo and redo (Ctrl+Z, Ctrl+Y or Ctrl+Shift+Z, and the menu) step through strokes, erasing,
// Clear and Flip. The menu opens from the tool strip, never the surface, where the right button
// moves the point lines start from and a held pen is a stroke about to begin: a right click
// anywhere on the strip, or a pen held still on the strip between its buttons.
class JotterScreen : public forms::Screen, public tools::ScreenMenu {
  public:
    enum class Layout { Wide, Tall };

    explicit JotterScreen(forms::Screens& screens);
    void load() override;

    const Pen& pen() const { return m_pen; }
    const DrawingSurface& drawing() const { return m_surface; }
    const DrawingHistory& history() const { return m_history; }
    Layout layout() const { return m_layout; }

    void undo();
    void redo();

    bool offersMenuAt(QPoint clientPx, bool held) const override;
    void addMenuEntries(QMenu& menu) override;

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
    void showLayout(Layout layout);
    void wipe();
    // A stroke ends when the button is let go, or at the latest when anything else happens.
    void endStroke();
    void record();
    void restore(const DrawingHistory::State& state);
    bool keyPressed(int key, Qt::KeyboardModifiers modifiers);

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
    DrawingHistory m_history;
    Layout m_layout = Layout::Wide;
    bool m_strokeDrawn = false;
};

}  // namespace jotter
