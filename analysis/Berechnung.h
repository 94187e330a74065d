#pragma once
// Start values, distribution tables and the recomputation that follows nearly every input.

#include "analysis/Zustand.h"

#include <span>
#include <string>

// The variables that the reset puts to their start values (the widget side is the window's).
void Startwerte_setzen(Zustand& z);

// Table and moments of distribution i (0, 1, 2); for i = 0 also P0_kumuliert and P0_Rest.
// Writes k = 0..n; a row whose kind selects no formula keeps all it had. The table is built
// in O(n), every entry the exact probability rounded once (probability/Tabellen.h), and equal
// bit for bit to the single value of UStochastik.h. P0_kumuliert[k] is the sum of the entries
// 0..k, P0_Rest[k] for k >= 1 that of the entries k..n plus the mass beyond n (Poisson and
// geometric rows are cut at n), both summed in pairs and rounded once; P0_kumuliert is held
// at 1, P0_Rest[0] is 1.
void Verteilung_berechnen(Zustand& z, const Schalter& s, int i);

// The table k = 0..n of one row of kind Art (a Verteilungsart) with p, M and N into t (at
// least n + 1 entries), bit for bit the one Verteilung_berechnen makes; returns the mass
// beyond n, P(X > n), which the Poisson and geometric tables cut off. A kind that selects no
// formula writes nothing and returns 0.
Extended Verteilungstabelle(std::span<Extended> t, int Art, int n, Extended p, int M, int N);

void Pmax_berechnen(Zustand& z, Extended q1, Extended q2);

// Umgebung_li and Umgebung_re from mue0, sigma0 and Sigmafaktor, cut to 0..n.
void Umgebungsgrenzen_berechnen(Zustand& z);

// The largest sigma factor: what Edit_Sigmafaktor accepts and Sigmafaktor_aus_Umgebung gives.
constexpr Extended Sigmafaktor_hoechstens = 7;

// The share in percent of mue +- f sigma under the normal curve, kept within 0..100 so that
// Edit_Umgebung always shows a text it accepts itself.
Extended Umgebung_aus_Sigmafaktor(Extended f);
// The factor f whose neighbourhood holds `Umgebung` percent, kept within 0..7.
Extended Sigmafaktor_aus_Umgebung(Extended Umgebung);

// The texts of the two interval labels: P0(k1 <= X <= k2) and P0(k1 < X < k2) of the range
// k1..k2 as it stands (a narrowed range included), "P=100,00%".
struct Intervalltexte {
    std::string Label_Intervallwahrscheinlichkeit;
    std::string Label_Intervallwahrscheinlichkeit2;
};
Intervalltexte Intervallwahrscheinlichkeiten(const Zustand& z);

// What the recomputation puts on screen; the window writes these texts.
struct Berechnungstexte {
    std::string Edit_kli;
    std::string Edit_kre;
    Intervalltexte Intervall;
    // With the confidence interval on: p0 = x/n and the interval; empty otherwise.
    std::string Edit_p0;
    std::string Label_Vertrauensintervall_ausgeben;
};

// The recomputation: with the confidence interval on p0 = x/n first; then tables, moments,
// Pmax, kli, kre, neighbourhood, the interval labels and the confidence interval. The value
// grid is left to the window.
Berechnungstexte Alles_berechnen(Zustand& z, const Schalter& s);
