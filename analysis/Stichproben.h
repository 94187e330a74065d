#pragma once
// Samples drawn in class: m values X of one row's distribution, counted per k and by the
// test's decision, beside the exact probability of that decision, so that the empirical α
// (drawn from H0) and power (drawn from row 1 or 2) can be watched meeting the exact ones.
//
// Counts are deterministic: the same table, region, m and seed give the same counts on every
// machine (probability/Ziehung.h).

#include "analysis/Zustand.h"
#include "probability/Ziehung.h"

#include <cstdint>
#include <string>
#include <vector>

// The factor of the rate's interval: the program's own 95 % (the start values pair the
// neighbourhood 95 % with the factor 1,96).
constexpr Extended Sigmafaktor_95 = 1.96L;

// The rejection region V of the test: k <= kli or kre <= k <= n, the union where the two
// overlap; kli = -1 and kre > n stand for no region on that side. A value beyond n (Poisson and
// geometric rows are cut at n) lies right of every k: in V exactly when the right region
// exists, whose level P0(X >= kre) holds the mass beyond n (analysis/Ablehnungsbereich.h).
struct Ablehnungsgrenzen {
    int kli = -1;
    int kre = 1;
    int n = 0;
};
inline Ablehnungsgrenzen Ablehnungsgrenzen_von(const Zustand& z) { return {z.kli, z.kre, z.n}; }
// k in 0..n, or n + 1 for a value beyond n.
bool In_V(const Ablehnungsgrenzen& g, int k);

// The distribution of row i (0 = H0, 1, 2) as the inputs in z and s define it: the row's
// table, bit for bit the one Verteilung_berechnen makes, with the mass it cuts off beyond n.
// Computed afresh, so a row whose table z keeps only while it is drawn is never stale. A kind
// that selects no formula gives no mass on 0..n: every value lies beyond n.
Ziehung Ziehung_der_Zeile(const Zustand& z, const Schalter& s, int i);

struct Stichprobenergebnis {
    std::vector<long long> Haeufigkeit;  // samples with X = k, k = 0..n
    long long ueber_n = 0;               // samples with X > n
    long long in_V = 0;                  // samples on which the test rejects H0
    long long in_A = 0;                  // samples on which it keeps H0
    long long m = 0;                     // samples counted: in_V + in_A
};

// No sample yet, for a table of k = 0..n.
Stichprobenergebnis Leeres_Stichprobenergebnis(int n);
// Counts one value k (0..n, or n + 1 beyond n, as Ziehung::ziehen gives it) of a table with
// g.n = n; an animation counts its samples one by one this way, and ends with the counts of
// a bulk draw from the same seed.
void Stichprobe_zaehlen(Stichprobenergebnis& e, const Ablehnungsgrenzen& g, int k);
// m samples (m <= 0: none) from d with std::mt19937_64 seeded with Startwert, counted in the
// region g.kli, g.kre with d.n() for n.
Stichprobenergebnis Stichproben_ziehen(const Ziehung& d, const Ablehnungsgrenzen& g, long long m,
                                       std::uint64_t Startwert);

// P(X in V) under d in percent, within 0..100: the probability the counts in V estimate, with
// the same region (g.kli, g.kre, and d.n() for n). From H0 it is the α error reached
// (Alfa_Fehler_erreicht), from a binomial row 1 or 2 with p the power
// 1 − Annahmewahrscheinlichkeit(p); from a row of another kind it is that row's own power,
// which the binomial β error of the information box is not. One case differs from
// Alfa_Fehler_erreicht: a left region over all of 0..n beside a right region, for a row cut at
// n; there the values beyond n lie right of kre and count in V, which that level leaves out.
Extended Anteil_in_V(const Ziehung& d, const Ablehnungsgrenzen& g);

// The empirical rate of V in percent with its interval (Sigmafaktor_95, the program's score
// interval applied to in_V of m), and the exact value beside it. All within 0..100; without
// samples the rate is 0 and the interval all of 0..100, as nothing is known yet.
struct Simulationsrate {
    Extended Rate = 0;
    Extended unten = 0;
    Extended oben = 100;
    Extended exakt = 0;
};
Simulationsrate Simulationsrate_berechnen(const Stichprobenergebnis& e, const Ziehung& d, const Ablehnungsgrenzen& g);

// What the window shows of samples drawn: m asked for from row Zeile (0 = H0, 1, 2) with
// Startwert, the counts so far (all m once the draw is complete) and their rate.
struct Stichprobenstand {
    int Zeile = 0;
    long long m = 0;
    std::uint64_t Startwert = 0;
    Stichprobenergebnis Ergebnis;
    Simulationsrate Rate;
    // The value drawn last while an animation runs (n + 1 beyond n); -1 for none.
    int zuletzt = -1;
};

// All m samples of row Zeile at once, counted in the region z holds.
Stichprobenstand Stichproben_auswerten(const Zustand& z, const Schalter& s, int Zeile, long long m,
                                       std::uint64_t Startwert);

// The figures in words, UTF-8, one line each: "411 von 10000 in V, 9589 in A", the rate in V
// with its 95 % interval, and the exact value beside it (the α error reached from H0, the power
// 1 − β from row 1 or 2); the values drawn beyond n where there were any.
std::string Stichprobentext(const Stichprobenstand& st);
