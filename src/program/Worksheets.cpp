#include "program/Worksheets.h"

#include <algorithm>
#include <functional>
#include <map>
#include <random>

#include "activities/acidsandalkalis/NeutralisationBoard.h"
#include "activities/atomicmass/AtomicMassScreen.h"
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
#include "activities/mixedup/MixLetters.h"
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
#include "kit/chem/FormulaMass.h"
#include "kit/chem/FormulaText.h"
#include "kit/sheets/ContentSheets.h"
#include "kit/wordgames/Words.h"
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

namespace {

QString stateWord(lists::State state) {
    switch (state) {
        case lists::State::Solid:
            return QStringLiteral("a solid");
        case lists::State::Liquid:
            return QStringLiteral("a liquid");
        case lists::State::Gas:
            break;
    }
    return QStringLiteral("a gas");
}

// A temperature as the class writes it, never parted from its unit at a line's end.
QString degrees(double celsius) {
    return QString::number(celsius, 'g', 6).replace(QLatin1Char('-'), QChar(0x2212)) +
           QStringLiteral("\u00a0°C");
}

QStringList formulas(const std::vector<chem::Formula>& side) {
    QStringList shown;
    for (const chem::Formula& formula : side) shown << chem::displayFormula(formula);
    return shown;
}

// One part for each row of the list, as its activity asks it on screen.
void addListParts(sheets::Worksheet& sheet, const QString& screen, const lists::CheckedList& list,
                  std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed),
                           static_cast<std::uint32_t>(seed >> 32)};
    std::mt19937 generator(sequence);
    const bool mixed = screen == QLatin1String("mixedup");
    for (const lists::ListEntry& entry : list.entries) {
        if (const auto* item = std::get_if<lists::WordItem>(&entry.item)) {
            // The letters as the games show them, whatever the case the list was written in.
            const wordgames::Word word = wordgames::asPlayed(*item);
            const QString letters =
                mixed ? mixedup::mixLetters(word.word, generator).value_or(word.word) : QString();
            sheet.parts.emplace_back(sheets::LetterBoxes{word.clue, word.word, letters});
        } else if (const auto* symbol = std::get_if<lists::SymbolItem>(&entry.item)) {
            sheet.parts.emplace_back(sheets::Question{
                QStringLiteral("The symbol for %1").arg(symbol->name), symbol->symbol, {}, {}, 1});
        } else if (const auto* quiz = std::get_if<lists::QuizItem>(&entry.item)) {
            sheet.parts.emplace_back(
                sheets::Question{quiz->question, quiz->answer, quiz->reason, {}, 2});
        } else if (const auto* mass = std::get_if<lists::FormulaMassItem>(&entry.item)) {
            sheet.parts.emplace_back(
                sheets::Question{QStringLiteral("What is the relative formula mass of %1?")
                                     .arg(chem::displayFormula(mass->formula)),
                                 chem::formatMass(mass->mass),
                                 mass->working,
                                 {},
                                 2});
        } else if (const auto* melting = std::get_if<lists::MeltingPointItem>(&entry.item)) {
            const QString room = degrees(lists::kRoomTemperature);
            const QString why =
                melting->state == lists::State::Solid
                    ? QStringLiteral("%1 is below its melting point, %2.")
                          .arg(room, degrees(melting->meltingPoint))
                : melting->state == lists::State::Liquid
                    ? QStringLiteral(
                          "%1 is between its melting point, %2, and its boiling "
                          "point, %3.")
                          .arg(room, degrees(melting->meltingPoint), degrees(melting->boilingPoint))
                    : QStringLiteral("%1 is at or above its boiling point, %2.")
                          .arg(room, degrees(melting->boilingPoint));
            sheet.parts.emplace_back(sheets::Question{
                QStringLiteral("%1 melts at %2 and boils at %3. Is it a solid, a liquid or a gas "
                               "at %4?")
                    .arg(melting->substance, degrees(melting->meltingPoint),
                         degrees(melting->boilingPoint), room),
                stateWord(melting->state),
                why,
                {},
                2});
        } else if (const auto* equation = std::get_if<lists::EquationItem>(&entry.item)) {
            QString words = equation->wordEquation;
            words.replace(QStringLiteral("->"), QStringLiteral("\u2192"));
            sheet.parts.emplace_back(sheets::BalancingBoxes{words, formulas(equation->reactants),
                                                            formulas(equation->products),
                                                            equation->numbers});
        } else if (const auto* item = std::get_if<lists::SortingItem>(&entry.item)) {
            sheet.parts.emplace_back(
                sheets::Question{QStringLiteral("Which column does %1 go in: %2?")
                                     .arg(item->item, list.columns.join(QStringLiteral(" or "))),
                                 list.columns.value(item->column),
                                 {},
                                 {},
                                 1});
        }
    }
}

}  // namespace

std::optional<sheets::Worksheet> listWorksheetFor(const QString& screen,
                                                  const lists::CheckedList& list,
                                                  std::uint64_t seed) {
    std::optional<sheets::Worksheet> own = worksheetFor(screen, seed);
    if (!own || !list.sound()) return std::nullopt;
    // The activity's own title and instruction; the list's rows in place of its table.
    sheets::Worksheet sheet{
        own->title + QStringLiteral(": ") + list.title(), own->instructions, false, {}};
    if (list.kind == lists::ListKind::Sorting)
        sheet.instructions = QStringLiteral("Write the column each one goes in.");
    addListParts(sheet, screen, list, seed);
    if (sheet.parts.empty()) return std::nullopt;
    // The key the instruction sends the class to, with the masses the answers are worked from.
    if (list.kind == lists::ListKind::FormulaMasses)
        sheet.parts.insert(sheet.parts.begin(),
                           atomicmass::keyNote(atomicmass::AtomicMassScreen::keyFor(list)));
    // A teacher writes a sorting list column by column; in that order the page gives it away.
    if (list.kind == lists::ListKind::Sorting) {
        std::mt19937 generator(static_cast<std::uint32_t>(seed ^ (seed >> 32)));
        std::shuffle(sheet.parts.begin(), sheet.parts.end(), generator);
    }
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
