// The state of a substance at a temperature, worked out from its melting and boiling points.
#pragma once

#include <QString>

namespace meltingpoints {

inline constexpr int kRoomTemperature = 25;

enum class State { Solid, Liquid, Gas };

// Below its melting point a substance is solid, from its melting point up to its boiling point
// liquid, and from its boiling point up gas. At exactly its melting point it is melting and
// at exactly its boiling point boiling; we count the state it is changing into, since the
// least warmth finishes the change.
State stateAt(double melts, double boils, double temperature = kRoomTemperature);

// "Solid", "Liquid", "Gas".
QString stateName(State state);

// Why, from the two temperatures: "It melts below 25 °C and boils above it, so it is a liquid."
QString stateReason(double melts, double boils, int temperature = kRoomTemperature);

}  // namespace meltingpoints
