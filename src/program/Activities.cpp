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
#include "kit/quiz/QuizScreen.h"

namespace program {

namespace {

// A screen with a class and a design of its own, which names itself.
template <class T>
ScreenMaker designed() {
    return [](forms::Screens& screens, const shell::ActivityId&) {
        return std::make_unique<T>(screens);
    };
}

// A screen class of the kit's kind, named and captioned by its row.
template <class T>
ScreenMaker activity() {
    return [](forms::Screens& screens, const shell::ActivityId& id) {
        return std::make_unique<T>(screens, id);
    };
}

// A board built from its table alone.
ScreenMaker board(const labelling::BoardDesign& design) {
    return [&design](forms::Screens& screens, const shell::ActivityId& id) {
        return std::make_unique<labelling::LabellingBoard>(screens, id, design);
    };
}

// A quiz built from its table alone.
ScreenMaker quizFrom(std::span<const quiz::QuizRow> rows, const quiz::QuizLayout& layout = {}) {
    return [rows, layout](forms::Screens& screens, const shell::ActivityId& id) {
        return std::make_unique<quiz::QuizScreen>(screens, id, rows, layout);
    };
}

std::vector<Activity> makeActivities() {
    return {
        {1, 0, "Chemical Symbols", "symbols", activity<symbols::SymbolsScreen>()},
        {1, 1, "Hangman", "hangman", activity<hangman::HangmanScreen>()},
        {1, 2, "Measures", "measures", board(measures::kMeasuresBoard)},
        {1, 3, "Substituting into Formulae", "formulae", activity<formulae::FormulaeScreen>()},
        {1, 4, "Mixed Up Words", "mixedup", activity<mixedup::MixedUpScreen>()},

        {2, 0, "Molecular Models", molecules::MoleculesScreen::kScreenName,
         designed<molecules::MoleculesScreen>()},
        {2, 1, "Metals and Non-metals", "metals", board(metals::kMetalsBoard)},
        {2, 2, "Elements and Compounds", "elements", board(elements::kElementsBoard)},
        // Everyday substances sorted by pH, not menu 4's word equations.
        {2, 3, "Acids and Alkalis", "everydayph", board(everydayph::kEverydayPhBoard)},
        {2, 4, "Bunsen Burner", "bunsen", board(bunsen::kBunsenBoard)},

        {3, 0, "Speed of Reactions", "speed", quizFrom(speed::kSpeedQuiz, speed::kSpeedLayout)},
        {3, 1, "pH", "ph", board(ph::kPhBoard)},
        {3, 2, "Hazard Symbols", "hazards", board(hazards::kHazardsBoard)},
        {3, 3, "Reactivity Sequence", "reactivity", board(reactivity::kReactivityBoard)},
        {3, 4, "Atomic Mass", "atomicmass", activity<atomicmass::AtomicMassScreen>()},

        {4, 0, "Melting Points", "meltingpoints", activity<meltingpoints::MeltingPointsScreen>()},
        {4, 1, "Changing State", "changingstate", board(changingstate::kChangingStateBoard)},
        {4, 2, "Metals and Acids", "metalsacids", board(metalsacids::kMetalsAcidsBoard)},
        {4, 3, "Acids and Alkalis", "acidsandalkalis",
         board(acidsandalkalis::kNeutralisationBoard)},
        {4, 4, "Fair Experiments", "fairtests", board(fairtests::kFairTestsBoard)},
        {4, 5, "Mathematical Vocabulary", vocab::VocabScreen::kScreenName,
         designed<vocab::VocabScreen>()},

        {5, 0, "Laboratory Apparatus", "equipment", board(equipment::kApparatusBoard)},
        {5, 1, "Solids, Liquids and Gases", "states", board(states::kStatesBoard)},
        {5, 2, "Chemical Equations", "equations", activity<equations::EquationsScreen>()},
        {5, 3, "Four in a Row", "fourinarow", activity<fourinarow::FourInARowScreen>()},
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
