// Melting Points: twelve substances with their melting and boiling points at normal pressure.
#pragma once

namespace meltingpoints {

struct MeltingPoint {
    const char* substance;
    int melts;  // °C
    int boils;  // °C
    // A mixture such as wax has no one melting point: shown as "about".
    bool approximate = false;
    const char* note = nullptr;
};

inline constexpr MeltingPoint kMeltingPoints[] = {
    {"Iron", 1538, 2862},
    {"Mercury", -39, 357},
    {"Oxygen", -218, -183},
    {"Ethanol", -114, 78},
    {"Bromine", -7, 59},
    {"Sodium chloride", 801, 1465},
    {"Nitrogen", -210, -196},
    {"Water", 0, 100},
    {"Sulphur", 115, 445},
    {"Chlorine", -101, -34},
    {"Gallium", 30, 2400, false, "It melts in your hand, which is warmer than 30 °C."},
    {"Candle wax", 60, 370, true},
};

}  // namespace meltingpoints
