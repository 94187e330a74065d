#pragma once
// Reading the numbers of the edit fields from their UTF-8 text. Only ASCII digits, blanks and
// signs count: the bytes of any other character never do, so such a text simply fails.

#include "probability/UStochastik.h"

#include <string_view>

// Optional leading blanks, optional sign, decimal digits; the whole text; 32-bit range.
// Wert is untouched on failure.
bool Ganzzahl_lesen(std::string_view Text, int& Wert);

// A decimal with comma or point (optional exponent), or a fraction "a/b" of two such numbers
// with b != 0. Independent of the locale. Never yields NaN or infinity; Wert is untouched
// on failure.
bool Dezimal_lesen(std::string_view Text, Extended& Wert);
