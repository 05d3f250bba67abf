#include "kit/labelling/ListBoard.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

#include "forms/Platform.h"
#include "forms/Screens.h"
#include "forms/TextFit.h"
#include "kit/lists/RoomCheck.h"

using namespace Qt::Literals::StringLiterals;

namespace labelling {

namespace {

constexpr const char* kFrameNames[] = {"Shape1", "Shape2", "Shape3"};
constexpr int kMostColumns = static_cast<int>(std::size(kFrameNames));

// The board's own layout with fewer columns centred where its columns stand, in whole pixels.
SortingLayout layoutFor(const SortingShape& shape, int columns) {
    SortingLayout layout = shape.layout;
    const float width = shape.layout.firstBox.width;
    const float centre =
        shape.layout.firstBox.left + ((shape.columns - 1) * shape.layout.columnPitch + width) / 2;
    const float left = centre - ((columns - 1) * shape.layout.columnPitch + width) / 2;
    layout.firstBox.left = std::round(left / forms::kTwipsPerPixel) * forms::kTwipsPerPixel;
    return layout;
}

// A list's labels all come down together, so that no label's size gives it away.
constexpr float kSmallerSizes[] = {15.75f, 14.25f, 12};

forms::FontSpec labelFontFor(const SortingShape& shape, const std::vector<QByteArray>& texts) {
    forms::FontSpec font = shape.design.font;
    const auto fitsAll = [&](const forms::FontSpec& tried) {
        return std::all_of(texts.begin(), texts.end(), [&](const QByteArray& text) {
            return forms::captionFits(QString::fromUtf8(text), tried, shape.layout.firstBox, true);
        });
    };
    if (fitsAll(font)) return font;
    for (const float points : kSmallerSizes) {
        if (points >= shape.design.font.points) continue;
        font.points = points;
        if (fitsAll(font)) return font;
    }
    return font;
}

}  // namespace

int mostRows(const SortingShape& shape, int items) {
    const SortingLayout& layout = shape.layout;
    const int homeRows = (items + layout.homesPerRow - 1) / layout.homesPerRow;
    const float homesBottom =
        layout.homeTop + (homeRows - 1) * layout.homeRowPitch + layout.firstBox.height;
    const float room = shape.design.message.place.top - homesBottom;
    return shape.rows + std::max(0, static_cast<int>(room / layout.rowPitch));
}

ListDesign::ListDesign(const SortingShape& shape, const lists::CheckedList& list,
                       std::uint64_t seed)
    : m_design(shape.design) {
    const int columns = std::clamp(static_cast<int>(list.columns.size()), 1, kMostColumns);
    SortingLayout layout = layoutFor(shape, columns);
    const int most = mostRows(shape, static_cast<int>(list.entries.size()));
    std::vector<int> filled(static_cast<size_t>(columns), 0);
    std::vector<std::pair<int, int>> places;  // column, row
    // The design points into these texts: nothing may move them once taken.
    m_texts.reserve(list.entries.size() + static_cast<size_t>(columns));
    for (const lists::ListEntry& entry : list.entries) {
        const auto* item = std::get_if<lists::SortingItem>(&entry.item);
        if (!item || item->column >= columns) continue;
        int& row = filled[static_cast<size_t>(item->column)];
        if (row >= most) continue;
        m_texts.push_back(item->item.toUtf8());
        places.emplace_back(item->column, row++);
    }
    const int rows = std::max(1, *std::max_element(filled.begin(), filled.end()));
    // Longer columns push the homes down, within the room above the message.
    layout.homeTop += std::max(0, rows - shape.rows) * layout.rowPitch;
    std::vector<int> homes(places.size());
    std::iota(homes.begin(), homes.end(), 0);
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    std::shuffle(homes.begin(), homes.end(), generator);
    for (size_t i = 0; i < places.size(); ++i) {
        m_items.push_back(
            layout.item(m_texts[i].constData(), places[i].first, places[i].second, homes[i]));
        m_groups.push_back(places[i].first);
    }
    for (int c = 0; c < columns; ++c) {
        m_texts.push_back(list.columns[c].toUtf8());
        m_outlines.push_back(layout.columnFrame(kFrameNames[c], c, rows));
    }
    for (int c = 0; c < columns; ++c)
        m_headings.push_back(
            layout.headingText(c, m_texts[m_texts.size() - columns + c].constData()));
    m_design.font = labelFontFor(shape, {m_texts.begin(), m_texts.begin() + std::ssize(m_items)});
    m_design.items = m_items;
    m_design.groups = m_groups;
    m_design.texts = m_headings;
    m_design.outlines = m_outlines;
}

std::optional<QString> sortingTextCheck(const SortingShape& shape, const QString& column,
                                        const QString& text) {
    if (column == u"item"_s) {
        forms::FontSpec smallest = shape.design.font;
        smallest.points = std::min(smallest.points, kSmallerSizes[std::size(kSmallerSizes) - 1]);
        return lists::tooLongFor(u"the item"_s, text, smallest, shape.layout.firstBox, true);
    }
    if (column == u"column"_s)
        return lists::tooLongFor(
            u"the column's name"_s, text, sortingHeadingLook().font,
            shape.layout.heading(0, shape.layout.headingTop, shape.layout.headingHeight));
    return std::nullopt;
}

std::vector<lists::ListError> sortingLimits(const SortingShape& shape,
                                            const lists::CheckedList& list) {
    std::vector<lists::ListError> errors;
    if (std::ssize(list.columns) > shape.columns)
        errors.push_back(
            {0, u"the items are in %1 columns; this board has %2"_s.arg(list.columns.size())
                    .arg(shape.columns)});
    const int items = static_cast<int>(list.entries.size());
    const int boxes = shape.columns * shape.rows;
    if (items > boxes)
        errors.push_back(
            {0, u"the list has %1 items; this board has room for %2"_s.arg(items).arg(boxes)});
    const int most = mostRows(shape, std::min(items, boxes));
    std::vector<int> counts(static_cast<size_t>(list.columns.size()), 0);
    for (const lists::ListEntry& entry : list.entries) {
        const auto* item = std::get_if<lists::SortingItem>(&entry.item);
        if (!item) continue;
        if (++counts[static_cast<size_t>(item->column)] == most + 1)
            errors.push_back({entry.line,
                              u"'%1' has more than %2 items; a column of this board "
                              u"holds %2"_s.arg(list.columns[item->column])
                                  .arg(most)});
    }
    return errors;
}

ListBoard::ListBoard(forms::Screens& screens, const shell::ActivityId& id,
                     const SortingShape& shape, const lists::CheckedList& list)
    : ListDesign(shape, list, screens.platform().freshSeed()),
      LabellingBoard(screens, id, ListDesign::design()) {}

}  // namespace labelling
