#pragma once
// Chart-test fixtures: a Zustand with the program's start values, built without the
// analysis layer so that chart tests check the drawing alone, and the GUI application that
// text rendering needs.

#include "analysis/Zustand.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Fonts need a QGuiApplication; chart tests link gtest_main, so make one on first use.
inline void Gui_sicherstellen() {
    if (QGuiApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "chart_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// Texts are measured wherever they are laid out (the information box), so every chart test
// runs with the application, also alone in its own process as CTest runs it.
struct Gui_Umgebung : ::testing::Environment {
    void SetUp() override { Gui_sicherstellen(); }
};
inline ::testing::Environment* const Gui_fuer_alle = ::testing::AddGlobalTestEnvironment(new Gui_Umgebung);

// The window's chart image: 998 x 373, white.
inline QImage Testbild(int Breite = 998, int Hoehe = 373) {
    QImage Bild(Breite, Hoehe, QImage::Format_RGB32);
    Bild.fill(0xFFFFFFFFu);
    return Bild;
}

// P(X = k) of the binomial distribution for k = 0..n, by the ratio recurrence
// P(k+1) = P(k) (n-k)/(k+1) p/(1-p), started from the mode downwards and upwards so that no
// term underflows before the mode even at n = 4000. Independent of the analysis layer.
inline void Binomialtabelle(Wertefeld& t, int n, Extended p) {
    t.fill(0.0L);
    if (p <= 0.0L) {
        t[0] = 1.0L;
        return;
    }
    if (p >= 1.0L) {
        t[n] = 1.0L;
        return;
    }
    const int modus = std::min(n, static_cast<int>(std::floor((n + 1) * p)));
    const Extended q = 1.0L - p;
    t[modus] = 1.0L;
    for (int k = modus; k < n; ++k) t[k + 1] = t[k] * (n - k) / (k + 1) * p / q;
    for (int k = modus; k > 0; --k) t[k - 1] = t[k] * k / (n - k + 1) * q / p;
    Extended summe = 0.0L;
    for (int k = 0; k <= n; ++k) summe += t[k];
    for (int k = 0; k <= n; ++k) t[k] /= summe;
}

// Binomial p0 (and p1, p2) with sample size n and the start levels' rejection region found
// from the cumulative table: kli the largest k with P0(X <= k) <= 5 %, kre the smallest k with
// P0(X >= k) <= 5 %. Pmax over 0..n from P0 alone (p1, p2 off).
inline Zustand Binomialzustand(int n, Extended p0, Extended p1 = 0.6L, Extended p2 = 0.3L) {
    Zustand z;
    z.n = n;
    z.k1 = 0;
    z.k2 = n;
    z.x = 1;
    z.M0 = 80;
    z.M1 = 30;
    z.M2 = 21;
    z.N0 = 100;
    z.N1 = 50;
    z.N2 = 70;
    z.p0 = p0;
    z.p1 = p1;
    z.p2 = p2;
    z.Alfali = 5;
    z.Alfare = 5;
    z.Sigmafaktor = 1.96L;
    z.Umgebung = 95;
    Binomialtabelle(z.P0_Tabelle, n, p0);
    Binomialtabelle(z.P1_Tabelle, n, p1);
    Binomialtabelle(z.P2_Tabelle, n, p2);
    z.mue0 = n * p0;
    z.sigma0 = std::sqrt(n * p0 * (1.0L - p0));
    z.mue1 = n * p1;
    z.sigma1 = std::sqrt(n * p1 * (1.0L - p1));
    z.mue2 = n * p2;
    z.sigma2 = std::sqrt(n * p2 * (1.0L - p2));
    Extended s = 0.0L;
    for (int k = 0; k <= n; ++k) {
        s += z.P0_Tabelle[k];
        z.P0_kumuliert[k] = s;
        z.P0_Rest[k] = k == 0 ? 1.0L : 1.0L - z.P0_kumuliert[k - 1];
    }
    z.Pmax = 0.0L;
    for (int k = 0; k <= n; ++k)
        if (z.P0_Tabelle[k] > z.Pmax) z.Pmax = z.P0_Tabelle[k];
    z.kli = -1;
    while (z.kli + 1 <= n && z.P0_kumuliert[z.kli + 1] <= 0.05L) ++z.kli;
    z.kre = n + 1;
    while (z.kre - 1 >= 0 && z.P0_Rest[z.kre - 1] <= 0.05L) --z.kre;
    z.Umgebung_li = std::max(0.0L, z.mue0 - z.sigma0 * z.Sigmafaktor);
    z.Umgebung_re = std::min(static_cast<Extended>(n), z.sigma0 * z.Sigmafaktor + z.mue0);
    return z;
}

// The start values: binomial, n = 20, p0 = 0.8 (mue0 = 16, sigma0 = sqrt(3.2), kli = 12,
// kre = 20, Pmax = P0(X = 16) = 0.218199...).
inline Zustand Startzustand() { return Binomialzustand(20, 0.8L); }
