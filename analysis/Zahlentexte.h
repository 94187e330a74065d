#pragma once
// Number texts of the program: with the decimal sign of the program's language (the comma in
// German, the point in English), whatever the locale.

#include "probability/UStochastik.h"

#include <string>

// The decimal sign of every number text; the comma until the language is chosen at start.
void Dezimalzeichen_setzen(char Zeichen);
char Dezimalzeichen();

// General format: the shortest text that gives the value to 15 significant digits,
// "2,5E-7" style below 0,0001 (and for very large magnitudes).
std::string Zahl_allgemein(Extended wert);

// The value a field can show for wert: wert itself, unless its general-format text would read
// back as 0 (below the normal range the fields read every number as 0); then the nearer of 0
// and the smallest magnitude whose text reads back as itself. A program-written field text
// then always reads back as its value.
Extended Schreibbarer_Wert(Extended wert);

// Fixed format: rounded to P significant digits or D decimals, whichever is coarser, shown
// with exactly D decimals: Zahl_fest(98.8470785, 5, 2) = "98,85". The rounding works on the
// value's 18 significant decimal digits (what long double holds), halves away from zero, so a
// typed 0,0025 gives "0,003" although its binary value lies just below the half.
std::string Zahl_fest(Extended wert, int P, int D);

// Plain decimal integer.
std::string Zahl_ganz(int wert);
