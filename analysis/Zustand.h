#pragma once
// The one analysis state that every computing, drawing and input routine reads and writes.

#include "probability/UStochastik.h"

#include <array>
#include <cstdint>

constexpr int k_Maximum = 4000;
// A level that came from no bound (see Zustand::kli_Ursprung).
constexpr int kein_Ursprung = -1000000;

// P(X = k) and the like for k = 0..4000; only k = 0..n of the current computation are valid.
using Wertefeld = std::array<Extended, k_Maximum + 1>;

// Kind of a distribution, in the order of the combo box items.
enum Verteilungsart : int { vaBinomial = 0, vaHypergeo = 1, vaPoisson = 2, vaGeometr = 3 };

// The switch states (check boxes, combo boxes): part of the inputs (analysis/Eingaben.h).
struct Schalter {
    int Verteilung_p0 = vaBinomial;  // selected item index; outside 0..3 selects no formula
    int Verteilung_p1 = vaBinomial;
    int Verteilung_p2 = vaBinomial;
    bool p1_zeichnen = false;
    bool p2_zeichnen = false;
    bool Vertrauensintervall_berechnen = false;
    bool Info = true;
    bool Erwartungswert_zeigen = false;
    bool Sigma_zeigen = false;
    bool Umgebung_schraffieren = false;
    bool Normalverteilung = false;
    bool Alfa_zeigen = false;
    bool Annahmebereich_zeigen = false;
    bool Beta_zeigen = false;
    bool waagerechte_Strichelung = false;
    bool p0_kumuliert = false;
    bool Stichprobenergebnis_zeigen = false;
    bool operator==(const Schalter&) const = default;
};

// Units: k, n, M, N, x and the bounds are counts; p0..p2 are probabilities in 0..1; Alfali,
// Alfare and Umgebung are in percent (5 means 5 %); the geometry is in logical pixels.
struct Zustand {
    int n = 0;   // trials (sample size), 0..k_Maximum; the tables hold k = 0..n
    int k1 = 0;  // the shown range of k; the window narrows it where a chart must
    int k2 = 0;
    int kli = 0;                 // left rejection region 0..kli; -1: no left region
    int kre = 0;                 // right rejection region kre..n; above n (n + 1, or n + 2 when even
                                 // P0(X <= n) stays below 1 - Alfare/100): no right region
    int M0 = 0, M1 = 0, M2 = 0;  // hypergeometric: marked items and population of row 0, 1, 2
    int N0 = 0, N1 = 0, N2 = 0;
    int x = 0;                        // the sample result (hits), marked on the chart; not checked against
                                      // a later, smaller n
    Extended p0 = 0, p1 = 0, p2 = 0;  // p0 is the hypothesis, p1 and p2 the alternatives
    Extended Pmax = 0;                // the chart's scale: largest shown probability
    Extended Alfali = 0;              // the levels asked for, in percent (the fields' levels)
    Extended Alfare = 0;
    // The bound that Alfali_berechnen or Alfare_berechnen derived the stored level from, so
    // that the next recomputation finds that bound again (kli_berechnen, kre_berechnen);
    // kein_Ursprung while the level is the user's own, typed or a start value.
    int kli_Ursprung = kein_Ursprung;
    int kre_Ursprung = kein_Ursprung;
    Extended mue0 = 0, mue1 = 0, mue2 = 0;
    Extended sigma0 = 0, sigma1 = 0, sigma2 = 0;
    Extended Sigmafaktor = 0;  // f of the neighbourhood mue0 +- f sigma0, 0..7
    Extended Umgebung = 0;     // its share under the normal curve, in percent
    Extended Umgebung_li = 0;  // its real bounds, cut to 0..n
    Extended Umgebung_re = 0;
    // The kind of test, from kli, kre and n (Testart_setzen).
    bool Test_links = false;
    bool Test_rechts = false;
    bool Test_beidseitig = false;
    bool Saeulendiagramm = false;  // bars of p0 and p1/p2 side by side instead of overlaid

    // Only k = 0..n of the last computation are valid: the entries above n are left over from
    // a larger n and belong to no distribution, so nothing may read them.
    Wertefeld P0_Tabelle{};  // P(X = k) under p0, p1, p2 with the row's kind
    Wertefeld P1_Tabelle{};
    Wertefeld P2_Tabelle{};
    Wertefeld P0_kumuliert{};  // P0(X <= k), held at 1 where the running sum would pass it
    Wertefeld P0_Rest{};       // P0(X >= k), summed from the top (1 for k = 0)
};
