// The shape the sorting boards share: columns of boxes under their headings, homes in rows below.
#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "kit/labelling/BoardDesign.h"
#include "shell/HouseLooks.h"
#include "shell/HouseStyle.h"

namespace labelling {

// Where a sorting board's boxes and homes stand. Every box and every label has one size, so that
// no label's size gives its column away.
struct SortingLayout {
    // Column 0's top box.
    forms::TwipRect firstBox;
    // Left edge to left edge of neighbouring columns, and top to top down a column.
    float columnPitch;
    float rowPitch;
    // The first home, and how the homes run: so many to a row, then the next row.
    float homeLeft;
    float homeTop;
    float homeColumnPitch;
    float homeRowPitch;
    int homesPerRow;
    // Where the columns' headings and the outlines round them start.
    float headingTop = 960;
    float headingHeight = 450;
    float frameTop = 900;

    constexpr forms::TwipRect box(int column, int row) const {
        return {firstBox.left + static_cast<float>(column) * columnPitch,
                firstBox.top + static_cast<float>(row) * rowPitch, firstBox.width, firstBox.height};
    }

    // A numbered place at home, in reading order.
    constexpr TwipPoint home(int slot) const {
        return {homeLeft + static_cast<float>(slot % homesPerRow) * homeColumnPitch,
                homeTop + static_cast<float>(slot / homesPerRow) * homeRowPitch};
    }

    // An item whose box is in a column, with its label at home in a numbered place.
    constexpr BoardItem item(const char* text, int column, int row, int homeSlot) const {
        const TwipPoint at = home(homeSlot);
        return {text, box(column, row), at.left, at.top};
    }

    // The places at home of a page's labels, item by item.
    template <std::size_t N>
    constexpr std::array<TwipPoint, N> homes(const int (&slots)[N]) const {
        std::array<TwipPoint, N> places{};
        for (std::size_t i = 0; i < N; ++i) places[i] = home(slots[i]);
        return places;
    }

    // A heading as wide as its column's boxes.
    constexpr forms::TwipRect heading(int column, float top, float height) const {
        const forms::TwipRect first = box(column, 0);
        return {first.left, top, first.width, height};
    }

    // Centred in a column, e.g. a picture under the heading.
    constexpr forms::TwipRect centred(int column, float top, float width, float height) const {
        const forms::TwipRect first = box(column, 0);
        return {first.left + (first.width - width) / 2, top, width, height};
    }

    // The outline round a column: from `top` to a little below its last box.
    constexpr forms::TwipRect frame(int column, float top, int rows) const {
        const forms::TwipRect last = box(column, rows - 1);
        return {last.left - kFrameMargin, top, last.width + 2 * kFrameMargin,
                last.top + last.height + kFrameMargin - top};
    }

    // A column's outline, in the house yellow.
    constexpr BoardOutline columnFrame(const char* name, int column, int rows) const {
        return {name, frame(column, frameTop, rows), shell::TitleYellow, 2};
    }

    // A column's heading, in its place above the column.
    BoardText headingText(int column, const char* caption) const;

    static constexpr float kFrameMargin = 60;
};

// A sorting board's answer key read off its boxes: an item's group is the column its box stands
// in, so the key cannot disagree with what the class sees.
template <std::size_t N>
constexpr std::array<int, N> columnGroups(const BoardItem (&items)[N],
                                          const SortingLayout& layout) {
    std::array<int, N> groups{};
    for (std::size_t i = 0; i < N; ++i) {
        groups[i] = -1;
        for (int column = 0; column < static_cast<int>(N); ++column) {
            if (layout.box(column, 0).left == items[i].target.left) groups[i] = column;
        }
    }
    return groups;
}

// A sorting board's shape read off its answer key: how many columns, and the most boxes in one.
template <std::size_t N>
constexpr int columnCount(const std::array<int, N>& groups) {
    int most = -1;
    for (const int group : groups) most = group > most ? group : most;
    return most + 1;
}
template <std::size_t N>
constexpr int rowCount(const std::array<int, N>& groups) {
    int most = 0;
    for (const int column : groups) {
        int rows = 0;
        for (const int group : groups) rows += group == column ? 1 : 0;
        most = rows > most ? rows : most;
    }
    return most;
}

// No two labels share a home, and no box stands outside the layout's columns.
template <std::size_t N>
constexpr bool wellFormed(const BoardItem (&items)[N], const SortingLayout& layout) {
    const std::array<int, N> groups = columnGroups(items, layout);
    for (std::size_t i = 0; i < N; ++i) {
        if (groups[i] < 0) return false;
        for (std::size_t j = i + 1; j < N; ++j) {
            if (items[i].homeLeft == items[j].homeLeft && items[i].homeTop == items[j].homeTop)
                return false;
        }
    }
    return true;
}

// Headings: plain yellow, so that they cannot be taken for labels (yellow on black, boxed).
inline forms::LabelLook sortingHeadingLook() {
    return shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre);
}

inline BoardText SortingLayout::headingText(int column, const char* caption) const {
    return {"lblheading", column, caption, heading(column, headingTop, headingHeight),
            sortingHeadingLook()};
}

inline constexpr char kSortingInstruction[] = "Drag each label into its column.";

// Over Start Again and Check Score, clear of the exit and the Jotter.
inline const BoardMessage kSortingMessage{
    "lblmessage",
    {1935, 7380, 8055, 480},
    shell::textLook(forms::tahoma(20.25f, true), forms::Align::Centre),
    kSortingInstruction,
    false};

}  // namespace labelling
