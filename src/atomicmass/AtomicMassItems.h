// The formulas whose relative formula mass the class works out from the key on screen.
#pragma once

namespace atomicmass {

// Written as formulas are typed; the screen shows them with subscripts and works each mass out
// from the formula itself.
inline constexpr const char* kAtomicMassFormulas[] = {
    "H2O", "CO2", "CH4", "NH3", "NaCl", "MgO", "CaCO3",
    "H2SO4", "O2", "HCl", "CuO", "NaOH", "MgCl2", "CuSO4",
};

}  // namespace atomicmass
