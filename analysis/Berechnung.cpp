#include "analysis/Berechnung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Startwerte.h"
#include "analysis/Verteilungszeile.h"
#include "analysis/Zahlentexte.h"
#include "probability/Paar.h"
#include "probability/Tabellen.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace {

bool Art_gueltig(int art) { return art >= vaBinomial && art <= vaGeometr; }

// Table k = 0..n of the row's kind (probability/Tabellen.h); returns the mass beyond n.
Extended Tabelle_berechnen(const Verteilungszeile& r, int Art, int n)
{
    const std::span<Extended> t(r.Tabelle.data(), static_cast<std::size_t>(n) + 1);
    return Verteilungstabelle(t, Art, n, r.p, r.M, r.N);
}

void Momente_berechnen(const Verteilungszeile& r, int Art, int n)
{
    const Extended p = r.p;
    switch (Art) {
    case vaBinomial:
        r.mue = n * p;
        r.sigma = std::sqrt((n * p) * (1 - p));
        break;
    case vaHypergeo: {
        const Extended M = r.M;
        const Extended N = r.N;
        r.mue = (n * M) / N;
        // N = 1 forces n = 1 and M = 0: all mass on k = 0, so sigma is 0 rather than 0/0.
        // A population smaller than n (a kind switched before n was checked against N)
        // has an all-zero table; its sigma is 0 too instead of the root of a negative.
        const Extended varianz = r.N > 1 ? r.mue * (1 - M / N) * (N - n) / (N - 1) : 0;
        r.sigma = varianz > 0 ? std::sqrt(varianz) : 0;
        break;
    }
    case vaPoisson:
        r.mue = n * p;
        r.sigma = std::sqrt(r.mue);
        break;
    case vaGeometr: {
        const Extended mue = 1 / p;
        const Extended sigma = std::sqrt(1 - p) * mue;
        // The farthest value drawn or written from the moments is mue + f sigma at the
        // largest factor f; a p of 4E-4932 keeps 1/p finite but not that.
        if (p > 0 && std::isfinite(mue + Sigmafaktor_hoechstens * sigma)) {
            r.mue = mue;
            r.sigma = sigma;
        } else {
            // p = 0, or so small that the moments leave the finite range: the first success
            // never comes within reach and the table is (all but) zeros. The mean is put at
            // n, the end of the table where the mass escapes, with sigma 0, so marks and the
            // neighbourhood stay on the axis.
            r.mue = n;
            r.sigma = 0;
        }
        break;
    }
    default:
        break;
    }
}

// P0_kumuliert[k] is the sum of P0_Tabelle[0..k], P0_Rest[k] (k >= 1) the sum of
// P0_Tabelle[k..n] plus the mass beyond n, each summed exactly in pairs and rounded once, so
// that both are within about one ulp of the exact values, and a sum whose terms are exact and
// which a long double can hold is exact: a level typed equal to such a P0(X <= k) is decided
// as equal. Summed from the top, P0_Rest keeps its relative accuracy in the upper tail, where
// 1 − P0_kumuliert[k − 1] would be all rounding. P0_kumuliert is held at 1 where the sum of
// rounded values passes it (a level of 100 % must take in every k); P0_Rest[0] is 1.
void Summen_berechnen(Zustand& z, Extended jenseits)
{
    paar::Paar s{0, 0};
    for (int k = 0; k <= z.n; ++k) {
        s = paar::plus(s, z.P0_Tabelle[k]);
        z.P0_kumuliert[k] = std::min(s.hi, Extended{1});
    }
    s = {jenseits, 0};
    for (int k = z.n; k >= 1; --k) {
        s = paar::plus(s, z.P0_Tabelle[k]);
        z.P0_Rest[k] = std::min(s.hi, Extended{1});
    }
    z.P0_Rest[0] = 1;
}

// The rows in `zeilen` with a kind that selects a formula get table and moments; row 0 also
// its running sums.
void Verteilungen_berechnen(Zustand& z, const Schalter& s, std::initializer_list<int> zeilen)
{
    for (int i : zeilen) {
        const int Art = Art_von(s, i);
        if (!Art_gueltig(Art)) continue;
        const Verteilungszeile r = Zeile_von(z, i);
        const Extended jenseits = Tabelle_berechnen(r, Art, z.n);
        Momente_berechnen(r, Art, z.n);
        if (r.Nummer == 0) Summen_berechnen(z, jenseits);
    }
}

std::string Prozenttext(Extended anteil) { return "P=" + Zahl_fest(100 * anteil, 5, 2) + "%"; }

}  // namespace

Extended Verteilungstabelle(std::span<Extended> t, int Art, int n, Extended p, int M, int N)
{
    switch (Art) {
    case vaBinomial:
        return Binomialtabelle(t, n, p);
    case vaHypergeo:
        return Hypergeometrische_Tabelle(t, n, M, N);
    case vaPoisson:
        return Poissontabelle(t, n, n * p);
    case vaGeometr:
        return Geometrische_Tabelle(t, n, p);
    default:
        return 0;
    }
}

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
