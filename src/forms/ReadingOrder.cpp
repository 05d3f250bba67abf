#include "forms/ReadingOrder.h"

#include <algorithm>
#include <numeric>

namespace forms {

std::vector<std::size_t> readingOrder(std::span<const TwipRect> places) {
    std::vector<std::size_t> order(places.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return places[a].top != places[b].top ? places[a].top < places[b].top
                                              : places[a].left < places[b].left;
    });
    // Rows first, each the run of places starting within half a height of its first's top.
    auto rowStart = order.begin();
    while (rowStart != order.end()) {
        const TwipRect& first = places[*rowStart];
        const auto rowEnd = std::find_if(rowStart, order.end(), [&](std::size_t i) {
            return places[i].top - first.top > first.height / 2;
        });
        std::stable_sort(rowStart, rowEnd, [&](std::size_t a, std::size_t b) {
            return places[a].left < places[b].left;
        });
        rowStart = rowEnd;
    }
    return order;
}

}  // namespace forms
