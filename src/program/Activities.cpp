#include "program/Activities.h"

#include <span>

#include "activities/acidsandalkalis/NeutralisationBoard.h"
#include "activities/atomicmass/AtomicMassScreen.h"
#include "activities/bunsen/BunsenBoard.h"
#include "activities/changingstate/ChangingStateBoard.h"
#include "activities/elements/ElementsBoard.h"
#include "activities/equations/EquationsScreen.h"
#include "activities/equipment/ApparatusBoard.h"
#include "activities/everydayph/EverydayPhBoard.h"
#include "activities/fairtests/FairTestsBoard.h"
#include "activities/formulae/FormulaeScreen.h"
#include "activities/fourinarow/FourInARowScreen.h"
#include "activities/hangman/HangmanScreen.h"
#include "activities/hazards/HazardsBoard.h"
#include "activities/measures/MeasuresBoard.h"
#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/metals/MetalsBoard.h"
#include "activities/metalsacids/MetalsAcidsBoard.h"
#include "activities/mixedup/MixedUpScreen.h"
#include "activities/molecules/MoleculesScreen.h"
#include "activities/ph/PhBoard.h"
#include "activities/reactivity/ReactivityBoard.h"
#include "activities/safety/SafetyScreen.h"
#include "activities/speed/SpeedQuiz.h"
#include "activities/states/StatesBoard.h"
#include "activities/symbols/SymbolsScreen.h"
#include "activities/vocab/VocabScreen.h"
#include "kit/labelling/LabellingBoard.h"
#include "kit/labelling/ListBoard.h"
#include "kit/quiz/QuizScreen.h"
#include "program/TeacherLists.h"

namespace program {

namespace {

// A screen with a class and a design of its own, which names itself.
template <class T>
ScreenMaker designed() {
    return [](forms::Screens& screens, const shell::ActivityId&, const ListOf&) {
        return std::make_unique<T>(screens);
    };
}

// A screen class of the kit's kind, named and captioned by its row.
template <class T>
ScreenMaker activity() {
    return [](forms::Screens& screens, const shell::ActivityId& id, const ListOf&) {
        return std::make_unique<T>(screens, id);
    };
}

// A screen class that plays the list in force in a folder, or its own.
template <class T>
ScreenMaker listed(const char* folder) {
    return [folder](forms::Screens& screens, const shell::ActivityId& id, const ListOf& listOf) {
        return std::make_unique<T>(screens, id, listOf ? listOf(folder) : nullptr);
    };
}

// A board built from its table alone.
ScreenMaker board(const labelling::BoardDesign& design) {
    return [&design](forms::Screens& screens, const shell::ActivityId& id, const ListOf&) {
        return std::make_unique<labelling::LabellingBoard>(screens, id, design);
    };
}

// A sorting board from its table, or from the list in force in its folder.
ScreenMaker sortingBoard(const labelling::BoardDesign& design, const char* folder) {
    return [&design, folder](forms::Screens& screens, const shell::ActivityId& id,
                             const ListOf& listOf) -> std::unique_ptr<forms::Screen> {
        const lists::CheckedList* list = listOf ? listOf(folder) : nullptr;
        const labelling::SortingShape* shape = sortingShapeOf(QString::fromLatin1(folder));
        if (list && shape)
            return std::make_unique<labelling::ListBoard>(screens, id, *shape, *list);
        return std::make_unique<labelling::LabellingBoard>(screens, id, design);
    };
}

// A quiz built from its table, or from the list in force in its folder.
ScreenMaker quizFrom(std::span<const quiz::QuizRow> rows, const quiz::QuizLayout& layout,
                     const char* folder) {
    return [rows, layout, folder](forms::Screens& screens, const shell::ActivityId& id,
                                  const ListOf& listOf) {
        if (const lists::CheckedList* list = listOf ? listOf(folder) : nullptr)
            return std::make_unique<quiz::QuizScreen>(screens, id, layout, *list);
        return std::make_unique<quiz::QuizScreen>(screens, id, rows, layout);
    };
}

// Four in a Row asks from the lists of the activities its pools come from.
ScreenMaker fourInARow() {
    return [](forms::Screens& screens, const shell::ActivityId& id, const ListOf& listOf) {
        const auto of = [&listOf](const char* folder) { return listOf ? listOf(folder) : nullptr; };
        return std::make_unique<fourinarow::FourInARowScreen>(
            screens, id, fourinarow::TurnLists{of("symbols"), of("atomicmass"), of("hangman")});
    };
}

std::vector<Activity> makeActivities() {
    return {
        {1, 0, "Chemical Symbols", "symbols", listed<symbols::SymbolsScreen>("symbols")},
        {1, 1, "Hangman", "hangman", listed<hangman::HangmanScreen>("hangman")},
        {1, 2, "Measures", "measures", board(measures::kMeasuresBoard)},
        {1, 3, "Substituting into Formulae", "formulae", activity<formulae::FormulaeScreen>()},
        {1, 4, "Mixed Up Words", "mixedup", listed<mixedup::MixedUpScreen>("hangman")},

        {2, 0, "Molecular Models", molecules::MoleculesScreen::kScreenName,
         designed<molecules::MoleculesScreen>()},
        {2, 1, "Metals and Non-metals", "metals", sortingBoard(metals::kMetalsBoard, "metals")},
        {2, 2, "Elements and Compounds", "elements",
         sortingBoard(elements::kElementsBoard, "elements")},
        // Everyday substances sorted by pH, not menu 4's word equations.
        {2, 3, "Acids and Alkalis", "everydayph",
         sortingBoard(everydayph::kEverydayPhBoard, "everydayph")},
        {2, 4, "Bunsen Burner", "bunsen", board(bunsen::kBunsenBoard)},

        {3, 0, "Speed of Reactions", "speed",
         quizFrom(speed::kSpeedQuiz, speed::kSpeedLayout, "speed")},
        {3, 1, "pH", "ph", board(ph::kPhBoard)},
        {3, 2, "Hazard Symbols", "hazards", board(hazards::kHazardsBoard)},
        {3, 3, "Reactivity Sequence", "reactivity", board(reactivity::kReactivityBoard)},
        {3, 4, "Atomic Mass", "atomicmass", listed<atomicmass::AtomicMassScreen>("atomicmass")},

        {4, 0, "Melting Points", "meltingpoints",
         listed<meltingpoints::MeltingPointsScreen>("meltingpoints")},
        {4, 1, "Changing State", "changingstate", board(changingstate::kChangingStateBoard)},
        {4, 2, "Metals and Acids", "metalsacids", board(metalsacids::kMetalsAcidsBoard)},
        {4, 3, "Acids and Alkalis", "acidsandalkalis",
         board(acidsandalkalis::kNeutralisationBoard)},
        {4, 4, "Fair Experiments", "fairtests", board(fairtests::kFairTestsBoard)},
        {4, 5, "Mathematical Vocabulary", vocab::VocabScreen::kScreenName,
         designed<vocab::VocabScreen>()},

        {5, 0, "Laboratory Apparatus", "equipment", board(equipment::kApparatusBoard)},
        {5, 1, "Solids, Liquids and Gases", "states", board(states::kStatesBoard)},
        {5, 2, "Chemical Equations", "equations", listed<equations::EquationsScreen>("equations")},
        {5, 3, "Four in a Row", "fourinarow", fourInARow()},
        {5, 4, "Safety in the Lab", safety::SafetyScreen::kScreenName,
         designed<safety::SafetyScreen>()},
    };
}

std::array<shell::MenuDesign, 5> makeMenus() {
    std::array<shell::MenuDesign, 5> built{};
    for (size_t m = 0; m < built.size(); ++m) {
        const shell::MenuLayout& layout = shell::kMenuLayouts[m];
        built[m] = {layout.number,        layout.title, layout.entryWidth, {},
                    layout.hasSixthEntry, {"", ""}};
        for (shell::MenuEntry& entry : built[m].entries) entry = {"", ""};
    }
    for (const Activity& activity : activities()) {
        shell::MenuDesign& menu = built[static_cast<size_t>(activity.menu - 1)];
        const shell::MenuEntry entry{activity.caption, activity.make ? activity.screen : ""};
        if (activity.entry < static_cast<int>(menu.entries.size()))
            menu.entries[static_cast<size_t>(activity.entry)] = entry;
        else
            menu.sixthEntry = entry;
    }
    return built;
}

}  // namespace

const std::vector<Activity>& activities() {
    static const std::vector<Activity> rows = makeActivities();
    return rows;
}

const std::array<shell::MenuDesign, 5>& menus() {
    static const std::array<shell::MenuDesign, 5> built = makeMenus();
    return built;
}

}  // namespace program
