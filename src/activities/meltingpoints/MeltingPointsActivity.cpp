#include "activities/meltingpoints/MeltingPointsActivity.h"

#include "activities/meltingpoints/MeltingPointsScreen.h"
#include "activities/meltingpoints/MeltingPointsSheet.h"

namespace meltingpoints {

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

sheets::Question question(const lists::MeltingPointItem& melting) {
    const QString room = degrees(lists::kRoomTemperature);
    const QString why =
        melting.state == lists::State::Solid ? QStringLiteral("%1 is below its melting point, %2.")
                                                   .arg(room, degrees(melting.meltingPoint))
        : melting.state == lists::State::Liquid
            ? QStringLiteral("%1 is between its melting point, %2, and its boiling point, %3.")
                  .arg(room, degrees(melting.meltingPoint), degrees(melting.boilingPoint))
            : QStringLiteral("%1 is at or above its boiling point, %2.")
                  .arg(room, degrees(melting.boilingPoint));
    return {
        QStringLiteral("%1 melts at %2 and boils at %3. Is it a solid, a liquid or a gas at %4?")
            .arg(melting.substance, degrees(melting.meltingPoint), degrees(melting.boilingPoint),
                 room),
        stateWord(melting.state),
        why,
        {},
        2};
}

}  // namespace

const activities::Activity& activity() {
    static const activities::Activity described{
        "meltingpoints",
        "Melting Points",
        activities::listedScreenOf<MeltingPointsScreen>("meltingpoints"),
        {{"meltingpoints", lists::ListKind::MeltingPoints, &MeltingPointsScreen::listTextCheck}},
        [](std::uint64_t) { return worksheet(); },
        [](const lists::CheckedList& list, std::uint64_t) {
            sheets::Worksheet sheet = activities::listSheetLike(worksheet());
            for (const lists::ListEntry& entry : list.entries)
                if (const auto* melting = std::get_if<lists::MeltingPointItem>(&entry.item))
                    sheet.parts.emplace_back(question(*melting));
            return sheet;
        }};
    return described;
}

}  // namespace meltingpoints
