#include "analysis/Stichproben.h"

#include "analysis/Berechnung.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Texte.h"
#include "analysis/Zahlentexte.h"

#include <algorithm>
#include <random>

namespace {

Extended Als_Prozent(Extended anteil) { return std::clamp(100 * anteil, Extended{0}, Extended{100}); }

}  // namespace

bool In_V(const Ablehnungsgrenzen& g, int k)
{
    if (k > g.n) return g.kre <= g.n;
    return k <= g.kli || k >= g.kre;
}

Ziehung Ziehung_der_Zeile(const Zustand& z, const Schalter& s, int i)
{
    const int Art = i == 0 ? s.Verteilung_p0 : i == 1 ? s.Verteilung_p1 : s.Verteilung_p2;
    const Extended p = i == 0 ? z.p0 : i == 1 ? z.p1 : z.p2;
    const int M = i == 0 ? z.M0 : i == 1 ? z.M1 : z.M2;
    const int N = i == 0 ? z.N0 : i == 1 ? z.N1 : z.N2;
    const int n = std::clamp(z.n, 0, k_Maximum);
    std::vector<Extended> t(static_cast<std::size_t>(n) + 1, 0);
    const Extended jenseits = Verteilungstabelle(t, Art, n, p, M, N);
    return Ziehung(t, jenseits);
}

Stichprobenergebnis Leeres_Stichprobenergebnis(int n)
{
    Stichprobenergebnis e;
    e.Haeufigkeit.assign(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
    return e;
}

void Stichprobe_zaehlen(Stichprobenergebnis& e, const Ablehnungsgrenzen& g, int k)
{
    if (k >= 0 && k < static_cast<int>(e.Haeufigkeit.size())) {
        ++e.Haeufigkeit[static_cast<std::size_t>(k)];
    } else {
        ++e.ueber_n;
    }
    ++(In_V(g, k) ? e.in_V : e.in_A);
    ++e.m;
}

Stichprobenergebnis Stichproben_ziehen(const Ziehung& d, const Ablehnungsgrenzen& g, long long m,
                                       std::uint64_t Startwert)
{
    const int n = d.n();
    // Counts for k = 0..n and, last, for the values beyond n: the loop then needs no branch.
    std::vector<long long> zaehler(static_cast<std::size_t>(n) + 2, 0);
    std::mt19937_64 Generator(Startwert);
    for (long long i = 0; i < m; ++i) ++zaehler[static_cast<std::size_t>(d.ziehen(Generator))];

    Stichprobenergebnis e;
    e.ueber_n = zaehler.back();
    zaehler.pop_back();
    e.Haeufigkeit = std::move(zaehler);
    const Ablehnungsgrenzen bereich{g.kli, g.kre, n};
    for (int k = 0; k <= n + 1; ++k) {
        const long long anzahl = k <= n ? e.Haeufigkeit[static_cast<std::size_t>(k)] : e.ueber_n;
        (In_V(bereich, k) ? e.in_V : e.in_A) += anzahl;
    }
    e.m = e.in_V + e.in_A;
    return e;
}

Extended Anteil_in_V(const Ziehung& d, const Ablehnungsgrenzen& g)
{
    const int n = d.n();
    Extended anteil = 0;
    if (g.kli >= 0) anteil += d.kumuliert(g.kli);
    // The right region from the first k the left one leaves out, and everything beyond n.
    if (g.kre <= n) anteil += 1 - d.kumuliert(std::max(g.kre, g.kli + 1) - 1);
    return Als_Prozent(anteil);
}

Simulationsrate Simulationsrate_berechnen(const Stichprobenergebnis& e, const Ziehung& d, const Ablehnungsgrenzen& g)
{
    Simulationsrate r;
    r.exakt = Anteil_in_V(d, g);
    if (e.m <= 0) return r;
    const Extended anteil = static_cast<Extended>(e.in_V) / e.m;
    const Konfidenzgrenzen k = Konfidenzgrenzen_berechnen(anteil, e.m, Sigmafaktor_95);
    r.Rate = Als_Prozent(anteil);
    r.unten = Als_Prozent(k.unten);
    r.oben = Als_Prozent(k.oben);
    return r;
}

Stichprobenstand Stichproben_auswerten(const Zustand& z, const Schalter& s, int Zeile, long long m,
                                       std::uint64_t Startwert)
{
    Stichprobenstand st;
    st.Zeile = Zeile;
    st.m = m;
    st.Startwert = Startwert;
    const Ziehung d = Ziehung_der_Zeile(z, s, Zeile);
    const Ablehnungsgrenzen g = Ablehnungsgrenzen_von(z);
    st.Ergebnis = Stichproben_ziehen(d, g, m, Startwert);
    st.Rate = Simulationsrate_berechnen(st.Ergebnis, d, g);
    return st;
}

std::string Stichprobentext(const Stichprobenstand& st)
{
    const std::string Prozentvorlage = translate("Stichproben", "%1 %");
    const auto Prozent = [&](Extended w) { return Einsetzen(Prozentvorlage, {Zahl_fest(w, 6, 2)}); };
    const Stichprobenergebnis& e = st.Ergebnis;
    std::string t = Einsetzen(translate("Stichproben", "%1 von %2 in V, %3 in A"),
                              {std::to_string(e.in_V), std::to_string(e.m), std::to_string(e.in_A)});
    t += "\n" + Einsetzen(translate("Stichproben", "relative Häufigkeit in V: %1"), {Prozent(st.Rate.Rate)});
    t += "\n" + Einsetzen(translate("Stichproben", "95-%-Intervall: [%1; %2]"),
                          {Prozent(st.Rate.unten), Prozent(st.Rate.oben)});
    t += "\n" + (st.Zeile == 0 ? Einsetzen(translate("Stichproben", "exakt: α-Fehler = %1"), {Prozent(st.Rate.exakt)})
                               : Einsetzen(translate("Stichproben", "exakt: 1 − β(p%1) = %2"),
                                           {std::to_string(st.Zeile), Prozent(st.Rate.exakt)}));
    if (e.ueber_n > 0)
        t += "\n" + Einsetzen(translate("Stichproben", "%1 Werte größer als n"), {std::to_string(e.ueber_n)});
    return t;
}
