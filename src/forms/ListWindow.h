// The part of a long list that is on view, and the row picked out in it: the scrolling rules of
// a drop-down list, apart from its drawing.
#pragma once

namespace forms {

class ListWindow {
  public:
    ListWindow(int count, int maxVisibleRows);

    int count() const { return m_count; }
    // Rows on view at once: all of them for a short list.
    int visibleRows() const { return m_visible; }
    bool scrolls() const { return m_count > m_visible; }
    int top() const { return m_top; }
    int lastTop() const { return m_count - m_visible; }
    // The picked-out row, or -1.
    int highlighted() const { return m_highlighted; }

    void scrollTo(int top);
    void scrollBy(int rows) { scrollTo(m_top + rows); }
    // Picks out a row (-1 for none) and scrolls it into view.
    void highlight(int row);
    // The arrow keys and their kin: from no row, down goes to the first on view and up to the
    // last on view.
    void moveHighlight(int rows);
    void highlightFirst() { highlight(m_count > 0 ? 0 : -1); }
    void highlightLast() { highlight(m_count - 1); }

    // The row at a position on view (0 for the top row on view), or -1 outside the list.
    int rowAtVisible(int visibleRow) const;

    // The scroll bar's thumb along a track, both in the same units (pixels).
    struct Thumb {
        double start = 0;
        double length = 0;
    };
    Thumb thumb(double trackLength, double minimumLength) const;
    // The top row that puts the thumb's start nearest the given place on the track.
    int topForThumbStart(double start, double trackLength, double minimumLength) const;

  private:
    int m_count;
    int m_visible;
    int m_top = 0;
    int m_highlighted = -1;
};

}  // namespace forms
