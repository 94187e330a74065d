#pragma once
// The one conversion of a real value to an integer that every layer uses: a real to int is
// undefined for NaN and for values beyond int, so nothing converts by a bare cast.

#include "probability/UStochastik.h"

#include <algorithm>
#include <cmath>

// The nearest integer to w within lo..hi, halves to the even integer (nearbyint in the default
// rounding mode); w beyond the range, infinities included, gives the nearer end, NaN gives
// bei_NaN.
inline int Ganz_runden(Extended w, int lo, int hi, int bei_NaN)
{
    if (std::isnan(w)) return bei_NaN;
    return static_cast<int>(std::nearbyint(std::clamp(w, static_cast<Extended>(lo), static_cast<Extended>(hi))));
}
