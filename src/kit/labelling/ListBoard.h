// A sorting board played from a teacher's list: the board's own look and places, the list's
// columns and items in them.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "kit/labelling/LabellingBoard.h"
#include "kit/labelling/SortingLayout.h"
#include "kit/lists/ListCheck.h"

namespace labelling {

// A sorting board as its design lays it out: how many columns, and boxes in each.
struct SortingShape {
    const BoardDesign& design;
    SortingLayout layout;
    int columns;
    int rows;
};

// Owns every text the design points at, so that it lives as long as the board.
class ListDesign {
  public:
    // The labels wait at home in an order drawn from the seed, so that where a label waits does
    // not give its column away.
    ListDesign(const SortingShape& shape, const lists::CheckedList& list, std::uint64_t seed);
    ListDesign(const ListDesign&) = delete;
    ListDesign& operator=(const ListDesign&) = delete;

    const BoardDesign& design() const { return m_design; }

  private:
    std::vector<QByteArray> m_texts;
    std::vector<BoardItem> m_items;
    std::vector<int> m_groups;
    std::vector<BoardText> m_headings;
    std::vector<BoardOutline> m_outlines;
    BoardDesign m_design;
};

// Why a field of a teacher's sorting list would not show whole on this board, or nullopt.
std::optional<QString> sortingTextCheck(const SortingShape& shape, const QString& column,
                                        const QString& text);
// The most boxes a column takes for a list of so many items: the board's own, and more where
// the labels waiting at home leave room above the message.
int mostRows(const SortingShape& shape, int items);
// What the whole list asks of the board that it has not: more columns, or more items in one.
std::vector<lists::ListError> sortingLimits(const SortingShape& shape,
                                            const lists::CheckedList& list);

class ListBoard : private ListDesign, public LabellingBoard {
  public:
    ListBoard(forms::Screens& screens, const shell::ActivityId& id, const SortingShape& shape,
              const lists::CheckedList& list);
};

}  // namespace labelling
