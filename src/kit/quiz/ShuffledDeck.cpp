#include "kit/quiz/ShuffledDeck.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>

#include "forms/Platform.h"

namespace quiz {

ShuffledDeck::ShuffledDeck(int count) {
    reset(count);
}

void ShuffledDeck::reset(int count) {
    m_count = std::max(0, count);
    m_order.clear();
    m_position = 0;
    m_last = -1;
}

int ShuffledDeck::next(forms::Platform& platform) {
    if (m_count == 0) return -1;
    if (m_position >= m_order.size()) shuffle(platform);
    m_last = m_order[m_position++];
    return m_last;
}

void ShuffledDeck::shuffle(forms::Platform& platform) {
    m_order.resize(static_cast<size_t>(m_count));
    std::iota(m_order.begin(), m_order.end(), 0);
    const std::uint64_t seed = platform.freshSeed();
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    std::shuffle(m_order.begin(), m_order.end(), generator);
    if (m_count > 1 && m_order.front() == m_last) {
        // Swapped with any other place, so the item is still as likely to be anywhere else.
        std::uniform_int_distribution<size_t> other(1, m_order.size() - 1);
        std::swap(m_order.front(), m_order[other(generator)]);
    }
    m_position = 0;
}

}  // namespace quiz
