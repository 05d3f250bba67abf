#include "program/Activities.h"

#include "activities/acidsandalkalis/AcidsAndAlkalisActivity.h"
#include "activities/atomicmass/AtomicMassActivity.h"
#include "activities/bunsen/BunsenActivity.h"
#include "activities/changingstate/ChangingStateActivity.h"
#include "activities/elements/ElementsActivity.h"
#include "activities/equations/EquationsActivity.h"
#include "activities/equipment/EquipmentActivity.h"
#include "activities/everydayph/EverydayPhActivity.h"
#include "activities/fairtests/FairTestsActivity.h"
#include "activities/formulae/FormulaeActivity.h"
#include "activities/fourinarow/FourInARowActivity.h"
#include "activities/hangman/HangmanActivity.h"
#include "activities/hazards/HazardsActivity.h"
#include "activities/measures/MeasuresActivity.h"
#include "activities/meltingpoints/MeltingPointsActivity.h"
#include "activities/metals/MetalsActivity.h"
#include "activities/metalsacids/MetalsAcidsActivity.h"
#include "activities/mixedup/MixedUpActivity.h"
#include "activities/molecules/MoleculesActivity.h"
#include "activities/ph/PhActivity.h"
#include "activities/reactivity/ReactivityActivity.h"
#include "activities/safety/SafetyActivity.h"
#include "activities/speed/SpeedActivity.h"
#include "activities/states/StatesActivity.h"
#include "activities/symbols/SymbolsActivity.h"
#include "activities/vocab/VocabActivity.h"

namespace program {

namespace {

std::vector<Activity> makeActivities() {
    // clang-format off
    return {
        {1, 0, symbols::activity()},
        {1, 1, hangman::activity()},
        {1, 2, measures::activity()},
        {1, 3, formulae::activity()},
        {1, 4, mixedup::activity()},

        {2, 0, molecules::activity()},
        {2, 1, metals::activity()},
        {2, 2, elements::activity()},
        {2, 3, everydayph::activity()},
        {2, 4, bunsen::activity()},

        {3, 0, speed::activity()},
        {3, 1, ph::activity()},
        {3, 2, hazards::activity()},
        {3, 3, reactivity::activity()},
        {3, 4, atomicmass::activity()},

        {4, 0, meltingpoints::activity()},
        {4, 1, changingstate::activity()},
        {4, 2, metalsacids::activity()},
        {4, 3, acidsandalkalis::activity()},
        {4, 4, fairtests::activity()},
        {4, 5, vocab::activity()},

        {5, 0, equipment::activity()},
        {5, 1, states::activity()},
        {5, 2, equations::activity()},
        {5, 3, fourinarow::activity()},
        {5, 4, safety::activity()},
    };
    // clang-format on
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

const Activity* activityOf(const QString& screen) {
    for (const Activity& activity : activities())
        if (screen == QLatin1StringView(activity.screen)) return &activity;
    return nullptr;
}

const std::array<shell::MenuDesign, 5>& menus() {
    static const std::array<shell::MenuDesign, 5> built = makeMenus();
    return built;
}

}  // namespace program
