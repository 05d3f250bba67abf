#include "activities/Activity.h"

#include <algorithm>
#include <random>

#include "kit/labelling/LabellingBoard.h"
#include "kit/labelling/ListBoard.h"
#include "kit/quiz/QuizScreen.h"
#include "kit/sheets/ContentSheets.h"

namespace activities {

const ListUse* Activity::chosenList() const {
    for (const ListUse& use : lists)
        if (use.chosenHere) return &use;
    return nullptr;
}

Activity board(const char* screen, const char* caption, const labelling::BoardDesign& design) {
    return {screen,
            caption,
            [&design](forms::Screens& screens, const shell::ActivityId& id, const ListOf&) {
                return std::make_unique<labelling::LabellingBoard>(screens, id, design);
            },
            {},
            [&design](std::uint64_t) { return sheets::boardSheet({}, design); }};
}

Activity sortingBoard(const char* screen, const char* caption, const labelling::BoardDesign& design,
                      const labelling::SortingShape& shape) {
    Activity sorting = board(screen, caption, design);
    const char* folder = screen;
    sorting.make = [&design, &shape, folder](
                       forms::Screens& screens, const shell::ActivityId& id,
                       const ListOf& listOf) -> std::unique_ptr<forms::Screen> {
        if (const lists::CheckedList* list = listOf ? listOf(folder) : nullptr)
            return std::make_unique<labelling::ListBoard>(screens, id, shape, *list);
        return std::make_unique<labelling::LabellingBoard>(screens, id, design);
    };
    sorting.lists = {{folder, lists::ListKind::Sorting,
                      [&shape](const QString& column, const QString& text) {
                          return labelling::sortingTextCheck(shape, column, text);
                      },
                      [&shape](const lists::CheckedList& list) {
                          return labelling::sortingLimits(shape, list);
                      }}};
    sorting.listWorksheet = [](const lists::CheckedList& list, std::uint64_t seed) {
        sheets::Worksheet sheet{
            {}, QStringLiteral("Write the column each one goes in."), false, {}};
        for (const lists::ListEntry& entry : list.entries) {
            const auto* item = std::get_if<lists::SortingItem>(&entry.item);
            if (!item) continue;
            sheet.parts.emplace_back(
                sheets::Question{QStringLiteral("Which column does %1 go in: %2?")
                                     .arg(item->item, list.columns.join(QStringLiteral(" or "))),
                                 list.columns.value(item->column),
                                 {},
                                 {},
                                 1});
        }
        // A teacher writes a sorting list column by column; in that order the page gives it away.
        std::mt19937 generator(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
        std::shuffle(sheet.parts.begin(), sheet.parts.end(), generator);
        return sheet;
    };
    return sorting;
}

ScreenMaker quizScreen(std::span<const quiz::QuizRow> rows, const quiz::QuizLayout& layout,
                       const char* folder) {
    return [rows, &layout, folder](forms::Screens& screens, const shell::ActivityId& id,
                                   const ListOf& listOf) {
        if (const lists::CheckedList* list = listOf ? listOf(folder) : nullptr)
            return std::make_unique<quiz::QuizScreen>(screens, id, layout, *list);
        return std::make_unique<quiz::QuizScreen>(screens, id, rows, layout);
    };
}

}  // namespace activities
