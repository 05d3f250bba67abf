#include "program/Worksheets.h"

#include <functional>
#include <map>

#include "activities/acidsandalkalis/NeutralisationBoard.h"
#include "activities/atomicmass/AtomicMassSheet.h"
#include "activities/bunsen/BunsenBoard.h"
#include "activities/changingstate/ChangingStateBoard.h"
#include "activities/elements/ElementsBoard.h"
#include "activities/equations/EquationsSheet.h"
#include "activities/equipment/ApparatusBoard.h"
#include "activities/everydayph/EverydayPhBoard.h"
#include "activities/fairtests/FairTestsBoard.h"
#include "activities/formulae/FormulaeSheet.h"
#include "activities/hazards/HazardsBoard.h"
#include "activities/measures/MeasuresBoard.h"
#include "activities/meltingpoints/MeltingPointsSheet.h"
#include "activities/metals/MetalsBoard.h"
#include "activities/metalsacids/MetalsAcidsBoard.h"
#include "activities/mixedup/MixedUpSheet.h"
#include "activities/molecules/MoleculesScreen.h"
#include "activities/molecules/MoleculesSheet.h"
#include "activities/ph/PhBoard.h"
#include "activities/reactivity/ReactivityBoard.h"
#include "activities/safety/SafetyScreen.h"
#include "activities/safety/SafetySheet.h"
#include "activities/speed/SpeedQuiz.h"
#include "activities/states/StatesBoard.h"
#include "activities/symbols/SymbolsSheet.h"
#include "kit/sheets/ContentSheets.h"
#include "program/Activities.h"

namespace program {

namespace {

using Maker = std::function<sheets::Worksheet(std::uint64_t seed)>;

Maker board(const labelling::BoardDesign& design) {
    return [&design](std::uint64_t) { return sheets::boardSheet({}, design); };
}

const std::map<QString, Maker>& makers() {
    static const std::map<QString, Maker> table = {
        {QStringLiteral("symbols"), [](std::uint64_t) { return symbols::worksheet(); }},
        {QStringLiteral("hangman"),
         [](std::uint64_t) { return sheets::letterBoxSheet({}, wordgames::kWordList); }},
        {QStringLiteral("measures"), board(measures::kMeasuresBoard)},
        {QStringLiteral("formulae"), [](std::uint64_t seed) { return formulae::worksheet(seed); }},
        {QStringLiteral("mixedup"), [](std::uint64_t seed) { return mixedup::worksheet(seed); }},
        {QString::fromLatin1(molecules::MoleculesScreen::kScreenName),
         [](std::uint64_t) { return molecules::worksheet(); }},
        {QStringLiteral("metals"), board(metals::kMetalsBoard)},
        {QStringLiteral("elements"), board(elements::kElementsBoard)},
        {QStringLiteral("everydayph"), board(everydayph::kEverydayPhBoard)},
        {QStringLiteral("bunsen"), board(bunsen::kBunsenBoard)},
        {QStringLiteral("speed"),
         [](std::uint64_t) { return sheets::quizSheet({}, std::span(speed::kSpeedQuiz), 3); }},
        {QStringLiteral("ph"), board(ph::kPhBoard)},
        {QStringLiteral("hazards"), board(hazards::kHazardsBoard)},
        {QStringLiteral("reactivity"), board(reactivity::kReactivityBoard)},
        {QStringLiteral("atomicmass"), [](std::uint64_t) { return atomicmass::worksheet(); }},
        {QStringLiteral("meltingpoints"), [](std::uint64_t) { return meltingpoints::worksheet(); }},
        {QStringLiteral("changingstate"), board(changingstate::kChangingStateBoard)},
        {QStringLiteral("metalsacids"), board(metalsacids::kMetalsAcidsBoard)},
        {QStringLiteral("acidsandalkalis"), board(acidsandalkalis::kNeutralisationBoard)},
        {QStringLiteral("fairtests"), board(fairtests::kFairTestsBoard)},
        {QStringLiteral("equipment"), board(equipment::kApparatusBoard)},
        {QStringLiteral("states"), board(states::kStatesBoard)},
        {QStringLiteral("equations"), [](std::uint64_t) { return equations::worksheet(); }},
        {QString::fromLatin1(safety::SafetyScreen::kScreenName),
         [](std::uint64_t) { return safety::worksheet(); }},
    };
    return table;
}

}  // namespace

std::optional<sheets::Worksheet> worksheetFor(const QString& screen, std::uint64_t seed) {
    const auto found = makers().find(screen);
    if (found == makers().end()) return std::nullopt;
    sheets::Worksheet sheet = found->second(seed);
    // Titled as the menu entry the class knows it by.
    for (const Activity& activity : activities())
        if (QLatin1String(activity.screen) == screen)
            sheet.title = QString::fromUtf8(activity.caption);
    return sheet;
}

QStringList activityScreens() {
    QStringList screens;
    for (const Activity& activity : activities()) screens << QString::fromLatin1(activity.screen);
    return screens;
}

bool printsNothing(const QString& screen) {
    return activityScreens().contains(screen) && !makers().contains(screen);
}

}  // namespace program
