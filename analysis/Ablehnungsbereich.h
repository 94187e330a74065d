#pragma once
// Rejection region of the test of H0: p = p0, levels reached, acceptance probability.

#include "analysis/Zustand.h"

// P0(X <= k) for any k: -1 (and below) is the empty event, k above n reads the last entry.
// Typed bounds may lie outside 0..n; no table entry beyond the current n is ever read.
Extended Kumuliert(const Zustand& z, int k);

// The levels that the regions 0..k and k..n reach, in percent within 0..100 and as a field
// can show them (Schreibbarer_Wert). Read the table for k = 0..n only.
Extended Niveau_links(const Zustand& z, int k);
Extended Niveau_rechts(const Zustand& z, int k);

// The rejection regions for the levels Alfali and Alfare (percent); each stores its bound
// in z and returns it. kli: the largest k with P0(X <= k) <= Alfali %, -1 when there is none
// or Alfali <= 0 (no left region). kre: the smallest k with P0(X >= k) <= Alfare %, n + 1
// when Alfare <= 0, n + 2 when even P0(X <= n) stays below 1 - Alfare/100; above n there is
// no right region. A level that Alfali_berechnen or Alfare_berechnen derived from a bound
// gives that bound back as long as the bound's level still shows as that level's text
// (kli_Ursprung, kre_Ursprung). Read P0_kumuliert for k = 0..n only.
int kli_berechnen(Zustand& z);
int kre_berechnen(Zustand& z);
// The levels that the regions 0..kli and kre..n reach, in percent within 0..100 and as a
// field can show them (Schreibbarer_Wert); 0 without the region (kli < 0, kre > n).
Extended Alfali_erreicht(const Zustand& z);
Extended Alfare_erreicht(const Zustand& z);
// The same, stored in Alfali and Alfare together with the bound it came from. Without the
// region the stored level is 0 too: the field that shows the 0 and the next recomputation
// agree that there is no region on that side.
Extended Alfali_berechnen(Zustand& z);
Extended Alfare_berechnen(Zustand& z);
// The two tails of the rejection region of the test kind that Testart_setzen set, in percent.
// Where the two regions meet or overlap, their union is the rejection region: the right tail
// then counts only the k above kli, so that no k counts twice and the sum stays within 100.
struct Alfa_Anteile {
    Extended links = 0;
    Extended rechts = 0;
};
Alfa_Anteile Alfa_Fehler_Anteile(const Zustand& z);
// The level of the test kind in percent, P0(X in the rejection region): the sum of the two
// tails above; 0 without a rejection region.
Extended Alfa_Fehler_erreicht(const Zustand& z);

// Test_links, Test_rechts, Test_beidseitig from kli, kre and n (set at the start of a redraw).
void Testart_setzen(Zustand& z);

// The k that the test does not reject, A_links..A_rechts, from the test kind flags; 0..n
// without a rejection region, empty (A_links > A_rechts) when the regions leave no k.
struct Annahmebereich {
    int A_links;
    int A_rechts;
};
Annahmebereich Annahmebereich_bestimmen(const Zustand& z);

// P(a <= X <= b) for X binomial with n trials and success probability p, within [0, 1]: the
// exact sum at every n (probability/Tabellen.h says how exact). Reads n only.
Extended Binomialsumme(const Zustand& z, int a, int b, Extended p);
// Beta at p: P(A_links <= X <= A_rechts) for X binomial with n and p. Reads z only.
Extended Annahmewahrscheinlichkeit(const Zustand& z, Extended p);
