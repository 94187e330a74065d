#pragma once
// The state after the reset and its recomputation, as the window has it after start-up.

#include "analysis/Berechnung.h"

#include <limits>

inline Zustand Startzustand(const Schalter& s = {}) {
    Zustand z;
    Startwerte_setzen(z);
    Alles_berechnen(z, s);
    return z;
}

constexpr long double eps = std::numeric_limits<long double>::epsilon();

// Relative tolerance for values quoted to 6 significant digits.
constexpr long double sechs_Stellen = 5e-6L;
