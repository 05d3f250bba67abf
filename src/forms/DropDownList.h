// The open list of a drop-down: a pop-up window under its field (over it where the display has
// no room below), with a scroll bar when there are more entries than rows. Drawn by the
// toolkit in the list's own font and colours, large enough to hit with a pen.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "forms/ListWindow.h"

namespace forms {

class DropDownList final : public QWidget {
  public:
    struct Look {
        QFont font;
        QColor fore;
        QColor back;
    };

    // A pop-up owned by the field; it closes on a choice, Escape or a press outside it.
    DropDownList(QWidget* field, const QStringList& items, const Look& look, int maxRows);

    // Shows the list against the field, both rectangles in global pixels.
    void open(const QRect& field, const QRect& display);

    // Called once when the list closes, with the chosen entry or -1.
    std::function<void(int)> onClosed;

    const ListWindow& rows() const { return m_rows; }
    // The entry picked out by the arrows or the pointer; empty when none is.
    QString highlightedItem() const { return m_items.value(m_rows.highlighted()); }
    int rowHeight() const { return m_rowHeight; }
    // Where things are, in the list's own pixels.
    QRect rowRect(int visibleRow) const;
    QRect scrollBarRect() const;
    QRect upArrowRect() const;
    QRect downArrowRect() const;
    QRect thumbRect() const;

    static constexpr int kMinScrollBarWidth = 17;

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void hideEvent(QHideEvent*) override;

  private:
    int rowAt(QPoint pos) const;
    QRect trackRect() const;
    int scrollBarWidth() const;
    void choose(int row);
    void scrollAndRepaint(int top);

    QWidget* m_field;
    QStringList m_items;
    Look m_look;
    ListWindow m_rows;
    int m_rowHeight;
    int m_chosen = -1;
    bool m_pressedOnRows = false;
    bool m_draggedOntoRows = false;
    bool m_draggingThumb = false;
    double m_thumbGrab = 0;
};

}  // namespace forms
