// The Four in a Row board as the class sees it: blue with round holes, red and yellow counters,
// the winning line ringed.
#pragma once

#include <QPointF>
#include <QRectF>
#include <optional>

#include "activities/fourinarow/Grid.h"
#include "forms/Control.h"

namespace fourinarow {

class GridView : public forms::Control {
  public:
    GridView(forms::Screen& screen, forms::Container& container, QString name, int index);

    // The grid shown; refresh() after it changes.
    void setGrid(const Grid& grid);
    void refresh();
    // A team choosing a column: the board is framed in its colour. None for no one.
    void setChooser(Team team);
    Team chooser() const { return m_chooser; }
    // The column the keyboard has reached, framed; -1 for none.
    void setKeyColumn(int column);
    int keyColumn() const { return m_keyColumn; }

    // The column under a point given in twips from the control's corner; none off the board.
    std::optional<int> columnAt(float x, float y) const;
    // The centre of a cell, in twips from the control's corner.
    QPointF cellCentre(Cell cell) const;

    static QColor teamColour(Team team);

  protected:
    void paint(QPainter& painter) override;

  private:
    // The board inside the control, in pixels, and one cell's side.
    QRectF boardPixels() const;
    double cellPixels() const;

    // Column by column, for a screen reader: what the class sees of the grid.
    void describe();

    const Grid* m_grid = nullptr;
    Team m_chooser = Team::None;
    int m_keyColumn = -1;
};

}  // namespace fourinarow
