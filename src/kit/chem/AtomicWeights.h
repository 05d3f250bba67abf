// Relative atomic masses of all 118 elements, for formulas beyond the school's rounded values.
#pragma once

#include <array>
#include <string_view>

#include "kit/chem/Elements.h"

namespace chem {

// By atomic number (index 0 is hydrogen): each element's weight from the element table.
inline constexpr std::array<double, 118> kStandardAtomicWeights = [] {
    std::array<double, 118> weights{};
    for (std::size_t i = 0; i < weights.size(); ++i) weights[i] = kElements[i].weight;
    return weights;
}();

// 0 for anything that is not an element symbol.
constexpr double standardAtomicWeight(std::string_view symbol) {
    const Element* element = elementWithSymbol(symbol);
    return element ? element->weight : 0;
}

}  // namespace chem
