// The order a quiz draws its items in: every item once before any comes back.
#pragma once

#include <cstddef>
#include <vector>

namespace forms {
class Platform;
}

namespace quiz {

class ShuffledDeck {
  public:
    explicit ShuffledDeck(int count = 0);

    // Starts afresh over this many items; the next draw shuffles.
    void reset(int count);
    int count() const { return m_count; }
    // Items left before the next shuffle.
    int remaining() const { return static_cast<int>(m_order.size() - m_position); }

    // The next item. A new deck is shuffled from the platform's fresh seed, and never starts with
    // the item that ended the last one, so nothing is shown twice running. -1 for an empty deck.
    int next(forms::Platform& platform);

  private:
    void shuffle(forms::Platform& platform);

    int m_count = 0;
    std::vector<int> m_order;
    std::size_t m_position = 0;
    int m_last = -1;
};

}  // namespace quiz
