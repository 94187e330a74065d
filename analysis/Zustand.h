#pragma once
// The one analysis state that every computing, drawing and input routine reads and writes.

#include "probability/UStochastik.h"

#include <array>
#include <cstdint>

constexpr int k_Maximum = 4000;

// P(X = k) and the like for k = 0..4000; only k = 0..n of the current computation are valid.
using Wertefeld = std::array<Extended, k_Maximum + 1>;

// Kind of a distribution, in the order of the combo box items.
enum Verteilungsart : int { vaBinomial = 0, vaHypergeo = 1, vaPoisson = 2, vaGeometr = 3 };

// The switch states (check boxes, combo boxes) at the moment a routine runs. The window
// builds it afresh for every call; nothing keeps a copy between calls.
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
};

struct Zustand {
    int n = 0;
    int k1 = 0;
    int k2 = 0;
    int kli = 0;
    int kre = 0;
    int M0 = 0, M1 = 0, M2 = 0;
    int N0 = 0, N1 = 0, N2 = 0;
    int x = 0;
    Extended p0 = 0, p1 = 0, p2 = 0;
    Extended Pmax = 0;
    Extended Alfali = 0;
    Extended Alfare = 0;
    Extended mue0 = 0, mue1 = 0, mue2 = 0;
    Extended sigma0 = 0, sigma1 = 0, sigma2 = 0;
    Extended Sigmafaktor = 0;
    Extended Umgebung = 0;
    Extended Umgebung_li = 0;
    Extended Umgebung_re = 0;
    bool Test_links = false;
    bool Test_rechts = false;
    bool Test_beidseitig = false;
    bool Serie_laeuft = false;
    bool Saeulendiagramm = false;

    Wertefeld P0_Tabelle{};
    Wertefeld P1_Tabelle{};
    Wertefeld P2_Tabelle{};
    Wertefeld P0_kumuliert{};
    Wertefeld P0_Rest{};

    // Chart geometry, set anew by every chart.
    int x_Ursprung = 0;
    int y_Ursprung = 0;
    int x_Ende = 0;
    int y_Oben = 0;
    int Hoehe_Skala = 0;
    int k_Spanne = 0;
    int Saeulenbreite = 0;
    int OC_Breite = 0;
};
