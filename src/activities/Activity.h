// What an activity is, said once in its own folder: how its screen is made, the teachers' lists it
// plays and how it prints. The program only places each on a menu.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "kit/lists/ListCheck.h"
#include "kit/sheets/Worksheet.h"
#include "shell/ActivityScreen.h"

namespace forms {
class Screen;
class Screens;
}  // namespace forms
namespace labelling {
struct BoardDesign;
struct SortingShape;
}  // namespace labelling
namespace quiz {
struct QuizLayout;
struct QuizRow;
}  // namespace quiz

namespace activities {

// The teacher's list in force in a folder of lists, or null for the activity's own.
using ListOf = std::function<const lists::CheckedList*(const char* folder)>;

// Builds the activity's screen under the name and caption its description gives it, with the
// lists in force.
using ScreenMaker = std::function<std::unique_ptr<forms::Screen>(
    forms::Screens&, const shell::ActivityId&, const ListOf&)>;

// A folder of teachers' lists that an activity reads, and what it asks of them.
struct ListUse {
    const char* folder;
    lists::ListKind kind;
    // Why a field would not show whole on this activity's screen; every activity that reads the
    // folder has its say, so a list sound for one is sound for all.
    lists::TextCheck textCheck = {};
    // What a whole list asks that the screen has not (a sorting board's columns and boxes).
    std::function<std::vector<lists::ListError>(const lists::CheckedList&)> limits = {};
    // Whether the activity offers the chooser for this folder: Four in a Row draws on three
    // folders but plays whatever is chosen for the activities they belong to.
    bool chosenHere = true;
};

struct Activity {
    const char* screen;
    const char* caption;
    ScreenMaker make;
    std::vector<ListUse> lists = {};
    // Its own worksheet, titled by the program with its caption; empty where it prints nothing.
    // The seed draws what it draws at random, once, so the answer sheet matches the worksheet.
    std::function<sheets::Worksheet(std::uint64_t seed)> worksheet = {};
    // A teacher's list on paper, as the activity plays it: its instructions and parts (the
    // program gives the title). Empty where it plays no list.
    std::function<sheets::Worksheet(const lists::CheckedList&, std::uint64_t seed)> listWorksheet =
        {};

    // Screens it opens itself, reached from its own and not from a menu.
    struct MoreScreen {
        const char* screen;
        std::function<std::unique_ptr<forms::Screen>(forms::Screens&)> make;
    };
    std::vector<MoreScreen> moreScreens = {};

    // The folder whose chosen list it plays, or null.
    const ListUse* chosenList() const;
};

// The shapes most activities take.

// A board built from its table alone.
Activity board(const char* screen, const char* caption, const labelling::BoardDesign& design);

// A sorting board from its table, or from the list in force in its folder.
Activity sortingBoard(const char* screen, const char* caption, const labelling::BoardDesign& design,
                      const labelling::SortingShape& shape);

// A screen class of the kit's kind, made with its id.
template <class T>
ScreenMaker screenOf() {
    return [](forms::Screens& screens, const shell::ActivityId& id, const ListOf&) {
        return std::make_unique<T>(screens, id);
    };
}

// A screen class that plays the list in force in a folder, or its own.
template <class T>
ScreenMaker listedScreenOf(const char* folder) {
    return [folder](forms::Screens& screens, const shell::ActivityId& id, const ListOf& listOf) {
        return std::make_unique<T>(screens, id, listOf ? listOf(folder) : nullptr);
    };
}

// A screen with a design of its own, which names itself.
template <class T>
ScreenMaker designedScreenOf() {
    return [](forms::Screens& screens, const shell::ActivityId&, const ListOf&) {
        return std::make_unique<T>(screens);
    };
}

// A teacher's list on paper keeps the activity's own instructions; its parts are the list's.
inline sheets::Worksheet listSheetLike(const sheets::Worksheet& own) {
    return {{}, own.instructions, false, {}};
}

// A quiz built from its table, or from the list in force in its folder.
ScreenMaker quizScreen(std::span<const quiz::QuizRow> rows, const quiz::QuizLayout& layout,
                       const char* folder);

}  // namespace activities
