// The questions a team answers for its turn, drawn in turn from three pools: element symbols,
// relative formula masses and the word list's clues.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "kit/quiz/ShuffledDeck.h"

namespace forms {
class Platform;
}

namespace lists {
struct CheckedList;
}

namespace fourinarow {

struct TurnQuestion {
    QString question;
    QString answer;
    bool operator==(const TurnQuestion&) const = default;
};

// The teachers' lists in force for the activities the pools come from; null for their own.
struct TurnLists {
    const lists::CheckedList* symbols = nullptr;
    const lists::CheckedList* masses = nullptr;
    const lists::CheckedList* words = nullptr;
};

class TurnQuestions {
  public:
    enum Pool { Symbols, Masses, Words };
    static constexpr int kPoolCount = 3;

    // The program's own pools.
    static int count(int pool);
    static TurnQuestion make(int pool, int index);

    // How a teacher's row is asked.
    static TurnQuestion symbolQuestion(const QString& name, const QString& symbol);
    static TurnQuestion wordQuestion(const QString& word, const QString& clue);
    // Nullopt for a formula that cannot be read.
    static std::optional<TurnQuestion> massQuestion(const QString& formula);

    explicit TurnQuestions(const TurnLists& from = {});
    int poolSize(int pool) const { return static_cast<int>(m_pools[pool].size()); }

    // The pools take turns, so both teams get every kind; within a pool nothing comes back
    // until all of it has been asked.
    TurnQuestion next(forms::Platform& platform);
    int lastPool() const { return m_lastPool; }

  private:
    std::array<std::vector<TurnQuestion>, kPoolCount> m_pools;
    std::array<quiz::ShuffledDeck, kPoolCount> m_decks;
    int m_lastPool = -1;
};

}  // namespace fourinarow
