#pragma once
// Rejection region of the test of H0: p = p0, levels reached, acceptance probability.

#include "analysis/Zustand.h"

// P0(X <= k) for any k: -1 (and below) is the empty event, k above n reads the last entry.
// Typed bounds may lie outside 0..n; no table entry beyond the current n is ever read.
Extended Kumuliert(const Zustand& z, int k);

int kli_berechnen(Zustand& z);
int kre_berechnen(Zustand& z);
// The levels that kli and kre reach, in percent (0 without a region on that side); the
// _berechnen forms also store them in Alfali and Alfare.
Extended Alfali_erreicht(const Zustand& z);
Extended Alfare_erreicht(const Zustand& z);
Extended Alfali_berechnen(Zustand& z);
Extended Alfare_berechnen(Zustand& z);
Extended Alfa_Fehler(Zustand& z);

// Test_links, Test_rechts, Test_beidseitig from kli, kre and n (set at the start of a redraw).
void Testart_setzen(Zustand& z);

struct Annahmebereich {
    int A_links;
    int A_rechts;
};
Annahmebereich Annahmebereich_bestimmen(const Zustand& z);

// P(a <= X <= b) for X binomial with n trials and success probability p.
Extended Binomialsumme(const Zustand& z, int a, int b, Extended p);
Extended Annahmewahrscheinlichkeit(const Zustand& z, Extended p);
