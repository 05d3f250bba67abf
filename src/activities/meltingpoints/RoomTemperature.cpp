#include "activities/meltingpoints/RoomTemperature.h"

#include "kit/quiz/QuizText.h"

namespace meltingpoints {

State stateAt(double melts, double boils, double temperature) {
    if (temperature < melts) return State::Solid;
    if (temperature < boils) return State::Liquid;
    return State::Gas;
}

QString stateName(State state) {
    switch (state) {
        case State::Solid:
            return QStringLiteral("Solid");
        case State::Liquid:
            return QStringLiteral("Liquid");
        case State::Gas:
            break;
    }
    return QStringLiteral("Gas");
}

QString stateReason(double melts, double boils, int temperature) {
    const QString room = quiz::numberText(temperature) + QStringLiteral(" °C");
    // "below" or "at": the state is one the substance has reached.
    const auto reached = [](double point, int t) {
        return point < t ? QStringLiteral("below") : QStringLiteral("at");
    };
    switch (stateAt(melts, boils, temperature)) {
        case State::Solid:
            return QStringLiteral("It melts above %1, so it is a solid.").arg(room);
        case State::Liquid:
            return QStringLiteral("It melts %1 %2 and boils above it, so it is a liquid.")
                .arg(reached(melts, temperature), room);
        case State::Gas:
            break;
    }
    return QStringLiteral("It boils %1 %2, so it is a gas.").arg(reached(boils, temperature), room);
}

}  // namespace meltingpoints
