#include "forms/ListWindow.h"

#include <algorithm>
#include <cmath>

namespace forms {

ListWindow::ListWindow(int count, int maxVisibleRows)
    : m_count(std::max(0, count)), m_visible(std::clamp(maxVisibleRows, 1, std::max(1, m_count))) {
    if (m_count == 0) m_visible = 0;
}

void ListWindow::scrollTo(int top) {
    m_top = std::clamp(top, 0, std::max(0, lastTop()));
}

void ListWindow::highlight(int row) {
    if (row < 0 || m_count == 0) {
        m_highlighted = -1;
        return;
    }
    m_highlighted = std::min(row, m_count - 1);
    if (m_highlighted < m_top) scrollTo(m_highlighted);
    if (m_highlighted >= m_top + m_visible) scrollTo(m_highlighted - m_visible + 1);
}

void ListWindow::moveHighlight(int rows) {
    if (m_count == 0 || rows == 0) return;
    if (m_highlighted < 0) {
        highlight(rows > 0 ? m_top : m_top + m_visible - 1);
        return;
    }
    highlight(std::clamp(m_highlighted + rows, 0, m_count - 1));
}

int ListWindow::rowAtVisible(int visibleRow) const {
    if (visibleRow < 0 || visibleRow >= m_visible) return -1;
    return m_top + visibleRow;
}

ListWindow::Thumb ListWindow::thumb(double trackLength, double minimumLength) const {
    if (!scrolls() || trackLength <= 0) return {0, std::max(0.0, trackLength)};
    const double length =
        std::min(trackLength, std::max(minimumLength, trackLength * m_visible / m_count));
    const double travel = trackLength - length;
    return {travel * m_top / lastTop(), length};
}

int ListWindow::topForThumbStart(double start, double trackLength, double minimumLength) const {
    if (!scrolls()) return 0;
    const double travel = trackLength - thumb(trackLength, minimumLength).length;
    if (travel <= 0) return 0;
    return std::clamp(static_cast<int>(std::lround(start / travel * lastTop())), 0, lastTop());
}

}  // namespace forms
