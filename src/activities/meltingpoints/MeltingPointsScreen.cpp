#include "activities/meltingpoints/MeltingPointsScreen.h"

#include <iterator>

#include "activities/meltingpoints/MeltingPoints.h"
#include "activities/meltingpoints/RoomTemperature.h"
#include "kit/quiz/QuizText.h"

namespace meltingpoints {

namespace {

QString temperatureText(int celsius, bool approximate) {
    return (approximate ? QStringLiteral("about ") : QString()) + quiz::numberText(celsius) +
           QStringLiteral(" °C");
}

}  // namespace

// The substance and its two temperatures, a blank line and the question; the state is a word,
// its reason up to three smaller lines.
const quiz::QuizLayout MeltingPointsScreen::kLayout{
    .question = {480, 1080, 10950, 2520},
    .answer = {480, 4080, 10950, 600},
    .reason = {480, 4800, 9360, 1200},
};

MeltingPointsScreen::MeltingPointsScreen(forms::Screens& screens, const shell::ActivityId& id)
    : QuizScreen(screens, id, {}, kLayout) {}

int MeltingPointsScreen::itemCount() const {
    return static_cast<int>(std::size(kMeltingPoints));
}

quiz::QuizItem MeltingPointsScreen::makeItem(int index) {
    return itemFor(kMeltingPoints[index]);
}

quiz::QuizItem MeltingPointsScreen::itemFor(const MeltingPoint& substance) {
    const QString question =
        QStringLiteral(
            "%1\nmelts at %2\nboils at %3\n\nSolid, liquid or gas at room temperature "
            "(%4 °C)?")
            .arg(QString::fromUtf8(substance.substance),
                 temperatureText(substance.melts, substance.approximate),
                 temperatureText(substance.boils, substance.approximate),
                 quiz::numberText(kRoomTemperature));
    QString reason = stateReason(substance.melts, substance.boils);
    if (substance.note) reason += QLatin1Char(' ') + QString::fromUtf8(substance.note);
    return {question, stateName(stateAt(substance.melts, substance.boils)), reason, {}};
}

}  // namespace meltingpoints
