#include "activities/meltingpoints/MeltingPointsScreen.h"

#include <iterator>

#include "activities/meltingpoints/MeltingPoints.h"
#include "activities/meltingpoints/RoomTemperature.h"
#include "kit/lists/ListCheck.h"
#include "kit/lists/RoomCheck.h"
#include "kit/quiz/QuizText.h"

namespace meltingpoints {

namespace {

QString temperatureText(int celsius, bool approximate) {
    return (approximate ? QStringLiteral("about ") : QString()) + quiz::numberText(celsius) +
           QStringLiteral(" °C");
}

// "63.5 °C", "−38.83 °C": as many places as the list gives, a true minus sign.
QString temperatureText(double celsius) {
    return QString::number(celsius, 'g', 12).replace(QLatin1Char('-'), QChar(0x2212)) +
           QStringLiteral(" °C");
}

QString questionFor(const QString& substance, const QString& melts, const QString& boils) {
    return QStringLiteral(
               "%1\nmelts at %2\nboils at %3\n\nSolid, liquid or gas at room temperature "
               "(%4 °C)?")
        .arg(substance, melts, boils, quiz::numberText(kRoomTemperature));
}

}  // namespace

// The substance and its two temperatures, a blank line and the question; the state is a word,
// its reason up to three smaller lines.
const quiz::QuizLayout MeltingPointsScreen::kLayout{
    .question = {480, 1080, 10950, 2520},
    .answer = {480, 4080, 10950, 600},
    .reason = {480, 4800, 9360, 1200},
};

static_assert(lists::kRoomTemperature == kRoomTemperature,
              "a teacher's list works out the state at the temperature the screen asks about");

MeltingPointsScreen::MeltingPointsScreen(forms::Screens& screens, const shell::ActivityId& id,
                                         const lists::CheckedList* list)
    : QuizScreen(screens, id, {}, kLayout) {
    if (!list) return;
    for (const lists::ListEntry& entry : list->entries)
        if (const auto* item = std::get_if<lists::MeltingPointItem>(&entry.item))
            m_items.push_back(itemFor(item->substance, item->meltingPoint, item->boilingPoint));
}

int MeltingPointsScreen::itemCount() const {
    if (!m_items.empty()) return static_cast<int>(m_items.size());
    return static_cast<int>(std::size(kMeltingPoints));
}

quiz::QuizItem MeltingPointsScreen::makeItem(int index) {
    if (!m_items.empty()) return m_items[static_cast<size_t>(index)];
    return itemFor(kMeltingPoints[index]);
}

quiz::QuizItem MeltingPointsScreen::itemFor(const QString& substance, double melts, double boils) {
    return {questionFor(substance, temperatureText(melts), temperatureText(boils)),
            stateName(stateAt(melts, boils)),
            stateReason(melts, boils),
            {}};
}

// The temperatures are checked on their own; the name is measured in the question with the
// longest temperatures a list can give.
std::optional<QString> MeltingPointsScreen::listTextCheck(const QString& column,
                                                          const QString& text) {
    if (column != QLatin1String("substance")) return std::nullopt;
    const QString longest = temperatureText(-273.123456);
    return lists::tooLongFor(QStringLiteral("the substance"), questionFor(text, longest, longest),
                             forms::tahoma(kLayout.questionPoints, true), kLayout.question);
}

quiz::QuizItem MeltingPointsScreen::itemFor(const MeltingPoint& substance) {
    const QString question = questionFor(QString::fromUtf8(substance.substance),
                                         temperatureText(substance.melts, substance.approximate),
                                         temperatureText(substance.boils, substance.approximate));
    QString reason = stateReason(substance.melts, substance.boils);
    if (substance.note) reason += QLatin1Char(' ') + QString::fromUtf8(substance.note);
    return {question, stateName(stateAt(substance.melts, substance.boils)), reason, {}};
}

}  // namespace meltingpoints
