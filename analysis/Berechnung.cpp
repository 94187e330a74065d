#include "analysis/Berechnung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Parallel.h"
#include "analysis/Startwerte.h"
#include "analysis/Verteilungszeile.h"
#include "analysis/Zahlentexte.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Zeile {
    Wertefeld* Tabelle;
    Extended* mue;
    Extended* sigma;
    int Art;
    Extended p;
    int M;
    int N;
};

// Row i with its kind from the switches, and its parameters as they stand now.
Zeile Zeile_mit_Art(Zustand& z, const Schalter& s, int i)
{
    const Verteilungszeile r = Zeile_von(z, i);
    return {&r.Tabelle, &r.mue, &r.sigma, Art_von(s, i), r.p, r.M, r.N};
}

bool Art_gueltig(int art)
{
    return art >= vaBinomial && art <= vaGeometr;
}

// Four values of B(n; p) side by side, for k0..k0+3 all on one side of n/2. Each lane runs
// exactly the steps of Binomialverteilung (above n/2 with k → n − k and the roles of p and
// q swapped, q being the original p; divide by k − i, multiply by n − i, by p, by q, then
// n − 2k more factors q, each rounded to extended) in the same order; only the four
// independent chains are interleaved, so the slow divisions overlap instead of queueing.
// A test compares every value bitwise with the single call.
void Binomial_vier(Wertefeld& t, int n, Extended p, int k0)
{
    const bool gespiegelt = n < 2 * k0;
    const Extended pp = gespiegelt ? 1 - p : p;
    const Extended q = gespiegelt ? p : 1 - p;
    int k[4];
    for (int l = 0; l < 4; ++l) k[l] = gespiegelt ? n - (k0 + l) : k0 + l;
    Extended r[4] = {1, 1, 1, 1};
    const int gemeinsam = std::min(k[0], k[3]);
    for (int i = 0; i < gemeinsam; ++i) {
        r[0] = r[0] / (k[0] - i);
        r[1] = r[1] / (k[1] - i);
        r[2] = r[2] / (k[2] - i);
        r[3] = r[3] / (k[3] - i);
        r[0] = r[0] * (n - i);
        r[1] = r[1] * (n - i);
        r[2] = r[2] * (n - i);
        r[3] = r[3] * (n - i);
        r[0] = r[0] * pp;
        r[1] = r[1] * pp;
        r[2] = r[2] * pp;
        r[3] = r[3] * pp;
        r[0] = r[0] * q;
        r[1] = r[1] * q;
        r[2] = r[2] * q;
        r[3] = r[3] * q;
    }
    int rest[4];
    for (int l = 0; l < 4; ++l) {
        for (int i = gemeinsam; i < k[l]; ++i) {
            r[l] = r[l] / (k[l] - i);
            r[l] = r[l] * (n - i);
            r[l] = r[l] * pp;
            r[l] = r[l] * q;
        }
        rest[l] = std::max(n - 2 * k[l], 0);
    }
    const int potenz = std::min(rest[0], rest[3]);
    for (int j = 0; j < potenz; ++j) {
        r[0] = r[0] * q;
        r[1] = r[1] * q;
        r[2] = r[2] * q;
        r[3] = r[3] * q;
    }
    for (int l = 0; l < 4; ++l) {
        for (int j = potenz; j < rest[l]; ++j) r[l] = r[l] * q;
        t[k0 + l] = r[l];
    }
}

void Binomialwerte(Wertefeld& t, int n, Extended p, int von, int bis)
{
    int k = von;
    while (k < bis) {
        if (k + 4 <= bis && (n < 2 * k) == (n < 2 * (k + 3))) {
            Binomial_vier(t, n, p, k);
            k += 4;
        } else {
            t[k] = Binomialverteilung(n, k, p);
            ++k;
        }
    }
}

void Werte_berechnen(const Zeile& zeile, int n, int von, int bis)
{
    Wertefeld& t = *zeile.Tabelle;
    switch (zeile.Art) {
    case vaBinomial:
        Binomialwerte(t, n, zeile.p, von, bis);
        break;
    case vaHypergeo:
        for (int k = von; k < bis; ++k) t[k] = Hypergeometrisch(n, zeile.M, zeile.N, k);
        break;
    case vaPoisson: {
        const Extended mu = n * zeile.p;
        for (int k = von; k < bis; ++k) t[k] = Poissonverteilung(k, mu);
        break;
    }
    case vaGeometr:
        for (int k = von; k < bis; ++k) t[k] = Geometrisch(k, zeile.p);
        break;
    default:
        break;
    }
}

// Fills the tables of the given rows for k = 0..n. Every value is one independent call
// that writes only its own slot t[k], so k ranges are handed out in small blocks over the
// cores; each value is computed exactly as a single-threaded loop would compute it.
void Tabellen_fuellen(const std::vector<Zeile>& zeilen, int n)
{
    constexpr int Block = 64;
    const int bloecke_je_zeile = (n + 1 + Block - 1) / Block;
    const int bloecke = bloecke_je_zeile * static_cast<int>(zeilen.size());
    // Small tables are done before a thread could even start.
    const bool parallel = n >= 256;
    Bloecke_verteilen(bloecke, parallel, [&](int b) {
        const Zeile& zeile = zeilen[static_cast<std::size_t>(b / bloecke_je_zeile)];
        const int von = (b % bloecke_je_zeile) * Block;
        Werte_berechnen(zeile, n, von, std::min(von + Block, n + 1));
    });
}

void Momente_berechnen(const Zeile& zeile, int n)
{
    const Extended p = zeile.p;
    switch (zeile.Art) {
    case vaBinomial:
        *zeile.mue = n * p;
        *zeile.sigma = std::sqrt((n * p) * (1 - p));
        break;
    case vaHypergeo: {
        const Extended M = zeile.M;
        const Extended N = zeile.N;
        *zeile.mue = (n * M) / N;
        // N = 1 forces n = 1 and M = 0: all mass on k = 0, so sigma is 0 rather than 0/0.
        // A population smaller than n (a kind switched before n was checked against N)
        // has an all-zero table; its sigma is 0 too instead of the root of a negative.
        const Extended varianz =
            zeile.N > 1 ? *zeile.mue * (1 - M / N) * (N - n) / (N - 1) : 0;
        *zeile.sigma = varianz > 0 ? std::sqrt(varianz) : 0;
        break;
    }
    case vaPoisson:
        *zeile.mue = n * p;
        *zeile.sigma = std::sqrt(*zeile.mue);
        break;
    case vaGeometr: {
        const Extended mue = 1 / p;
        const Extended sigma = std::sqrt(1 - p) * mue;
        // The farthest value drawn or written from the moments is mue + f sigma at the
        // largest factor f; a p of 4E-4932 keeps 1/p finite but not that.
        if (p > 0 && std::isfinite(mue + Sigmafaktor_hoechstens * sigma)) {
            *zeile.mue = mue;
            *zeile.sigma = sigma;
        } else {
            // p = 0, or so small that the moments leave the finite range: the first success
            // never comes within reach and the table is (all but) zeros. The mean is put at
            // n, the end of the table where the mass escapes, with sigma 0, so marks and the
            // neighbourhood stay on the axis.
            *zeile.mue = n;
            *zeile.sigma = 0;
        }
        break;
    }
    default:
        break;
    }
}

// The running sum of a complete distribution can end some ulps above 1 (B(20; 0.8) does).
// It is held at 1: a level of 100 % must take in every k, and 1 − P0(X <= k) must not turn
// negative. Below 1 every entry is the plain running sum.
void Summen_berechnen(Zustand& z)
{
    z.P0_kumuliert[0] = std::min(z.P0_Tabelle[0], Extended{1});
    for (int k = 1; k <= z.n; ++k) {
        z.P0_kumuliert[k] = std::min(z.P0_kumuliert[k - 1] + z.P0_Tabelle[k], Extended{1});
    }
    z.P0_Rest[0] = 1;
    for (int k = 1; k <= z.n; ++k) z.P0_Rest[k] = 1 - z.P0_kumuliert[k - 1];
}

// The rows in `zeilen` with a kind that selects a formula get table and moments.
void Verteilungen_berechnen(Zustand& z, const Schalter& s, std::initializer_list<int> zeilen)
{
    std::vector<Zeile> gueltig;
    bool zeile0 = false;
    for (int i : zeilen) {
        const Zeile zeile = Zeile_mit_Art(z, s, i);
        if (Art_gueltig(zeile.Art)) {
            gueltig.push_back(zeile);
            zeile0 = zeile0 || i == 0;
        }
    }
    if (gueltig.empty()) return;
    Tabellen_fuellen(gueltig, z.n);
    for (const Zeile& zeile : gueltig) Momente_berechnen(zeile, z.n);
    if (zeile0) Summen_berechnen(z);
}

std::string Prozenttext(Extended anteil)
{
    return "P=" + Zahl_fest(100 * anteil, 5, 2) + "%";
}

}  // namespace

void Startwerte_setzen(Zustand& z)
{
    z.x = Start.x;
    z.n = Start.n;
    z.k1 = Start.k1;
    z.k2 = Start.k2;
    for (int i = 0; i < 3; ++i) {
        const Verteilungszeile r = Zeile_von(z, i);
        r.M = Start.M[i];
        r.N = Start.N[i];
        r.p = Start.p[i];
    }
    z.Alfali = Start.Alfali;
    z.Alfare = Start.Alfare;
    z.kli_Ursprung = kein_Ursprung;
    z.kre_Ursprung = kein_Ursprung;
    z.kli = Start.kli;
    z.kre = Start.kre;
    z.Sigmafaktor = Start.Sigmafaktor;
    z.Umgebung = Start.Umgebung;
    z.Saeulendiagramm = false;
}

void Verteilung_berechnen(Zustand& z, const Schalter& s, int i)
{
    if (i < 0 || i > 2) return;
    // A row without a selected kind keeps its table, moments and running sums, so that
    // P0_kumuliert stays the running sum of P0_Tabelle.
    Verteilungen_berechnen(z, s, {i});
}

void Pmax_berechnen(Zustand& z, Extended q1, Extended q2)
{
    // k1..k2 cut to the current table, in case the range was left over from a larger n.
    const int von = std::clamp(z.k1, 0, z.n);
    const int bis = std::clamp(z.k2, von, z.n);
    z.Pmax = z.P0_Tabelle[von];
    for (int k = von + 1; k <= bis; ++k) {
        if (z.P0_Tabelle[k] > z.Pmax) z.Pmax = z.P0_Tabelle[k];
    }
    if (q1 > 0) {
        for (int k = von; k <= bis; ++k) {
            if (z.P1_Tabelle[k] > z.Pmax) z.Pmax = z.P1_Tabelle[k];
        }
    }
    if (q2 > 0) {
        for (int k = von; k <= bis; ++k) {
            if (z.P2_Tabelle[k] > z.Pmax) z.Pmax = z.P2_Tabelle[k];
        }
    }
}

void Umgebungsgrenzen_berechnen(Zustand& z)
{
    z.Umgebung_li = z.mue0 - z.sigma0 * z.Sigmafaktor;
    if (z.Umgebung_li < 0) z.Umgebung_li = 0;
    z.Umgebung_re = z.sigma0 * z.Sigmafaktor + z.mue0;
    if (z.Umgebung_re > z.n) z.Umgebung_re = z.n;
    // A mean outside the table (geometric with small p) could leave one bound beyond the
    // other end; both stay on the axis 0..n.
    if (z.Umgebung_li > z.n) z.Umgebung_li = z.n;
    if (z.Umgebung_re < 0) z.Umgebung_re = 0;
}

Extended Umgebung_aus_Sigmafaktor(Extended f)
{
    return std::clamp(100 * (Phi(f) - Phi(-f)), Extended{0}, Extended{100});
}

Extended Sigmafaktor_aus_Umgebung(Extended Umgebung)
{
    // Phi_invers stops its search at 7, where 100 % and the percentages next to it end up
    // (Phi reaches them only between 8 and 8,5). The factor is capped at exactly 7, the
    // largest Edit_Sigmafaktor accepts, so the shown factor can be left again unchanged.
    Extended s = Phi_invers(Umgebung / 200 + 0.5L);
    if (!(s <= Sigmafaktor_hoechstens)) s = Sigmafaktor_hoechstens;
    if (!(s >= 0)) s = 0;
    return s;
}

Intervalltexte Intervallwahrscheinlichkeiten(const Zustand& z)
{
    const int k1 = std::clamp(z.k1, 0, z.n);
    const int k2 = std::clamp(z.k2, k1, z.n);
    const Extended geschlossen = Kumuliert(z, k2) - Kumuliert(z, k1 - 1);
    const Extended offen = k2 >= k1 + 2 ? Kumuliert(z, k2 - 1) - Kumuliert(z, k1) : 0;
    return {Prozenttext(geschlossen), Prozenttext(offen)};
}

Berechnungstexte Alles_berechnen(Zustand& z, const Schalter& s)
{
    Berechnungstexte texte;
    // The interval's p0 = x/n is the test's p0: it goes in before anything is computed from
    // p0, so tables, scale, bounds and labels all belong to it, as if x/n had been typed.
    if (s.Vertrauensintervall_berechnen) texte.Edit_p0 = Konfidenz_p0_setzen(z);

    if (s.p1_zeichnen && s.p2_zeichnen) {
        Verteilungen_berechnen(z, s, {0, 1, 2});
    } else if (s.p1_zeichnen) {
        Verteilungen_berechnen(z, s, {0, 1});
    } else if (s.p2_zeichnen) {
        Verteilungen_berechnen(z, s, {0, 2});
    } else {
        Verteilungen_berechnen(z, s, {0});
    }
    Pmax_berechnen(z, s.p1_zeichnen ? z.p1 : 0, s.p2_zeichnen ? z.p2 : 0);

    texte.Edit_kli = Zahl_ganz(kli_berechnen(z));
    texte.Edit_kre = Zahl_ganz(kre_berechnen(z));
    Umgebungsgrenzen_berechnen(z);
    texte.Intervall = Intervallwahrscheinlichkeiten(z);
    if (s.Vertrauensintervall_berechnen) texte.Label_Vertrauensintervall_ausgeben = Konfidenzintervall_Text(z);
    return texte;
}
