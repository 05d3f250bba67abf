// The questions a team answers for its turn, drawn in turn from three pools: element symbols,
// relative formula masses and the word list's clues.
#pragma once

#include <QString>
#include <array>

#include "kit/quiz/ShuffledDeck.h"

namespace forms {
class Platform;
}

namespace fourinarow {

struct TurnQuestion {
    QString question;
    QString answer;
    bool operator==(const TurnQuestion&) const = default;
};

class TurnQuestions {
  public:
    enum Pool { Symbols, Masses, Words };
    static constexpr int kPoolCount = 3;

    static int count(int pool);
    static TurnQuestion make(int pool, int index);

    // The pools take turns, so both teams get every kind; within a pool nothing comes back
    // until all of it has been asked.
    TurnQuestion next(forms::Platform& platform);
    int lastPool() const { return m_lastPool; }

  private:
    std::array<quiz::ShuffledDeck, kPoolCount> m_decks{quiz::ShuffledDeck(count(Symbols)),
                                                       quiz::ShuffledDeck(count(Masses)),
                                                       quiz::ShuffledDeck(count(Words))};
    int m_lastPool = -1;
};

}  // namespace fourinarow
