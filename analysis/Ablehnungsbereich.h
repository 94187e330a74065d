#pragma once
// Rejection region of the test of H0: p = p0, levels reached, acceptance probability.

#include "analysis/Zustand.h"

int kli_berechnen(Zustand& z);
int kre_berechnen(Zustand& z);
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
