#include "activities/fourinarow/Grid.h"

#include <algorithm>

namespace fourinarow {

std::optional<int> Grid::drop(int column, Team team) {
    if (team == Team::None || m_winner != Team::None || column < 0 || column >= kColumns ||
        columnFull(column))
        return std::nullopt;
    const int row = m_heights[static_cast<size_t>(column)]++;
    m_cells[static_cast<size_t>(column)][static_cast<size_t>(row)] = team;
    findLines({column, row});
    return row;
}

void Grid::clear() {
    *this = Grid();
}

Team Grid::at(int column, int row) const {
    if (column < 0 || column >= kColumns || row < 0 || row >= kRows) return Team::None;
    return m_cells[static_cast<size_t>(column)][static_cast<size_t>(row)];
}

bool Grid::columnFull(int column) const {
    return column < 0 || column >= kColumns || m_heights[static_cast<size_t>(column)] == kRows;
}

bool Grid::full() const {
    return std::ranges::all_of(m_heights, [](int height) { return height == kRows; });
}

// Only lines through the last counter can be new: the game stops at the first line.
void Grid::findLines(Cell last) {
    const Team team = at(last.column, last.row);
    constexpr Cell kDirections[] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (const Cell& step : kDirections) {
        std::vector<Cell> line{last};
        for (const int sign : {-1, 1}) {
            Cell cell{last.column + sign * step.column, last.row + sign * step.row};
            while (at(cell.column, cell.row) == team) {
                line.push_back(cell);
                cell = {cell.column + sign * step.column, cell.row + sign * step.row};
            }
        }
        if (std::ssize(line) < kLine) continue;
        m_winner = team;
        for (const Cell& cell : line)
            if (std::ranges::find(m_winning, cell) == m_winning.end()) m_winning.push_back(cell);
    }
    std::ranges::sort(m_winning, [](const Cell& a, const Cell& b) {
        return a.column != b.column ? a.column < b.column : a.row < b.row;
    });
}

}  // namespace fourinarow
