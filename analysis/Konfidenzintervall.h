#pragma once
// Score (Wilson) interval for x/n with z = Sigmafaktor; x/n is then the test's p0.

#include "analysis/Zustand.h"

#include <string>

// x/n, with x counted as at most n (a later, smaller n leaves x as it was typed); p0 as it
// stands before the first reset (n = 0).
Extended Konfidenz_p0(const Zustand& z);
Extended Konfidenz_p0(int x, int n, Extended p0);
// p0 := Konfidenz_p0; returns the text of Edit_p0 for it. The caller recomputes from p0.
std::string Konfidenz_p0_setzen(Zustand& z);
// "[ 0,0089 ; 0,2361 ]" around p0 with the factor Sigmafaktor; reads z only.
std::string Konfidenzintervall_Text(const Zustand& z);

// The bounds of that interval for a proportion p (0..1) observed in n > 0 trials with the
// factor zf; the text above is this for p0, n and Sigmafaktor. n is real so that counts
// beyond the int range (samples drawn in class) fit.
struct Konfidenzgrenzen {
    Extended unten = 0;
    Extended oben = 0;
};
Konfidenzgrenzen Konfidenzgrenzen_berechnen(Extended p, Extended n, Extended zf);

// The label before any interval is computed, or without a sample: "[ 0,0000 ; 0,0000 ]" with
// the decimal sign of the language. Leeres_Konfidenzintervall is its German form.
std::string Leeres_Konfidenzintervall_Text();
inline constexpr const char* Leeres_Konfidenzintervall = "[ 0,0000 ; 0,0000 ]";
