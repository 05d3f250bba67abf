// The rules of Four in a Row: counters drop to the lowest free cell; four in a line wins.
#pragma once

#include <array>
#include <optional>
#include <vector>

namespace fourinarow {

enum class Team { None, Red, Yellow };

// Column 0 is on the left, row 0 at the foot.
struct Cell {
    int column = 0;
    int row = 0;
    bool operator==(const Cell&) const = default;
};

class Grid {
  public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kLine = 4;

    // The row the counter comes to rest in; none when the column is full or not on the grid,
    // the team is None, or the game is already won.
    std::optional<int> drop(int column, Team team);
    void clear();

    Team at(int column, int row) const;
    bool columnFull(int column) const;
    bool full() const;
    // The team with a line of four or more; None while nobody has one.
    Team winner() const { return m_winner; }
    // Every cell of the winner's lines (a drop can finish two lines, or a line of five), in
    // column then row order.
    const std::vector<Cell>& winningCells() const { return m_winning; }

  private:
    void findLines(Cell last);

    std::array<std::array<Team, kRows>, kColumns> m_cells{};
    std::array<int, kColumns> m_heights{};
    Team m_winner = Team::None;
    std::vector<Cell> m_winning;
};

}  // namespace fourinarow
