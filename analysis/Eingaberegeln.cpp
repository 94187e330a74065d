#include "analysis/Eingaberegeln.h"

#include "analysis/Berechnung.h"
#include "analysis/Startwerte.h"
#include "analysis/Texte.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"

#include <limits>
#include <utility>

namespace {

template <class T>
Urteil<T> Abweisung(std::string Grund, bool Ton, std::string Meldung = {})
{
    return {Urteilsart::Abweisen, T{}, {}, Ton, std::move(Meldung), std::move(Grund)};
}

// The reason names what the field shows instead, so that a listener learns it too.
template <class T>
Urteil<T> Korrektur(const std::string& Regel, T Wert, std::string Text)
{
    std::string Grund = Einsetzen(translate("Eingaberegeln", "%1 – %2 eingesetzt"), {Regel, Text});
    return {Urteilsart::Korrigieren, Wert, std::move(Text), false, {}, std::move(Grund)};
}

// "<Name> muss zwischen <von> und <bis> liegen", the bounds as the fields write them.
std::string Zwischen(const std::string& Name, const std::string& von, const std::string& bis)
{
    return Einsetzen(translate("Eingaberegeln", "%1 muss zwischen %2 und %3 liegen"), {Name, von, bis});
}

// The upper bound of the percentage fields; English writes it without the space.
std::string Hundert_Prozent() { return translate("Eingaberegeln", "100 %"); }

template <class T>
Urteil<T> Annahme(T Wert)
{
    return {Urteilsart::Annehmen, Wert, {}, false, {}, {}};
}

// "M0 muss kleiner als N0 sein !" and the like: %1 is the row digit, %2 and %3 the bounds.
std::string Zeilenmeldung(const std::string& Vorlage, const Verteilungszeile& r, const std::string& a = {},
                          const std::string& b = {})
{
    return Einsetzen(Vorlage, {std::string(1, r.Ziffer()), a, b});
}

}  // namespace

std::string n_hoechstens_N(int Zeile, int N)
{
    return Einsetzen(translate("Eingaberegeln", "n darf bei hypergeometrischer Verteilung höchstens N%1 = %2 sein"),
                     {Zahl_ganz(Zeile), Zahl_ganz(N)});
}

std::string n_zu_gross_fuer_Hypergeo() { return translate("Eingaberegeln", "n zu groß für Hypergeo"); }

Urteil<int> n_pruefen(std::string_view Text, const Zustand& z, const Schalter& s)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 1 || w > k_Maximum)
        return Abweisung<int>(Zwischen("n", "1", Zahl_ganz(k_Maximum)), true);
    const int N[] = {z.N0, z.N1, z.N2};
    for (int i = 0; i < 3; ++i)
        if (Art_von(s, i) == vaHypergeo && w > N[i])
            return Abweisung<int>(n_hoechstens_N(i, N[i]), true, n_zu_gross_fuer_Hypergeo());
    return Annahme(w);
}

Urteil<int> x_pruefen(std::string_view Text, int n)
{
    int w = 0;
    const std::string Regel = Zwischen("x", "0", "n = " + Zahl_ganz(n));
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(Regel, false);
    if (w < 0 || w > n) return Korrektur(Regel, 0, "0");
    return Annahme(w);
}

Urteil<int> k1_pruefen(std::string_view Text, int k2)
{
    int w = 0;
    const std::string Regel = Zwischen("k1", "0", "k2 = " + Zahl_ganz(k2));
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(Regel, false);
    if (w < 0 || w > k2) return Korrektur(Regel, 0, "0");
    return Annahme(w);
}

Urteil<int> k2_pruefen(std::string_view Text, int k1, int n)
{
    int w = 0;
    const std::string Regel = Zwischen("k2", "k1 = " + Zahl_ganz(k1), "n = " + Zahl_ganz(n));
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(Regel, false);
    // The stored n rather than the text of Edit_n: the two agree whenever Edit_n was left,
    // and the field must show the value it stands for.
    if (w < k1 || w > n) return Korrektur(Regel, n, Zahl_ganz(n));
    return Annahme(w);
}

Urteil<Extended> p_pruefen(std::string_view Text, const Verteilungszeile& r)
{
    Extended w = 0;
    const std::string Regel =
        Einsetzen(translate("Eingaberegeln", "p%1 muss zwischen 0 und 1 liegen, etwa %2 oder 1/6"),
                  {std::string(1, r.Ziffer()), Zahl_allgemein(0.25L)});
    if (!Dezimal_lesen(Text, w)) return Abweisung<Extended>(Regel, false);
    if (!(w >= 0 && w <= 1)) {
        const Extended Ersatz = Start.p[r.Nummer];
        return Korrektur(Regel, Ersatz, Zahl_allgemein(Ersatz));
    }
    return Annahme(w);
}

Urteil<int> M_pruefen(std::string_view Text, const Verteilungszeile& r)
{
    int w = 0;
    const std::string Regel =
        Zeilenmeldung(translate("Eingaberegeln", "M%1 muss zwischen 0 und %2 liegen, kleiner als N%1 = %3"), r,
                      Zahl_ganz(r.N - 1), Zahl_ganz(r.N));
    // A negative M, which only a pasted text can bring, would make p negative and the
    // hypergeometric terms meaningless.
    if (!Ganzzahl_lesen(Text, w) || w < 0) return Abweisung<int>(Regel, true);
    if (!(w < r.N))
        return Abweisung<int>(Regel, true,
                              Zeilenmeldung(translate("Eingaberegeln", "M%1 muss kleiner als N%1 sein !"), r));
    return Annahme(w);
}

Urteil<int> N_pruefen(std::string_view Text, const Verteilungszeile& r, int n)
{
    int w = 0;
    const std::string Regel =
        Zeilenmeldung(translate("Eingaberegeln", "N%1 muss größer als M%1 = %2 und mindestens n = %3 sein"), r,
                      Zahl_ganz(r.M), Zahl_ganz(n));
    if (!Ganzzahl_lesen(Text, w) || w == 0) return Abweisung<int>(Regel, true);
    if (!(w > r.M))
        return Abweisung<int>(Regel, true,
                              Zeilenmeldung(translate("Eingaberegeln", "N%1 muss größer als M%1 sein !"), r));
    if (!(w >= n))
        return Abweisung<int>(Regel, true,
                              Zeilenmeldung(translate("Eingaberegeln", "N%1 muss größer gleich n sein !"), r));
    return Annahme(w);
}

Urteil<Extended> Niveau_pruefen(std::string_view Text)
{
    Extended w = 0;
    const std::string Regel = Zwischen("α", "0", Hundert_Prozent());
    if (!Dezimal_lesen(Text, w)) return Abweisung<Extended>(Regel, false);
    if (!(w >= 0 && w <= 100)) return Korrektur(Regel, Extended{0}, "0");
    return Annahme(w);
}

Urteil<int> kli_pruefen(std::string_view Text, int kre, int n)
{
    int w = 0;
    const int bis = kre < n ? kre : n;
    const std::string Regel = Zwischen("kli", "-1", (bis == n ? "n = " : "kre = ") + Zahl_ganz(bis));  // kein Text
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(Regel, false);
    Urteil<int> u = Annahme(w);
    if (w < -1 || w > kre) u = Korrektur(Regel, -1, "-1");
    // While there is no right region (kre = n + 1, or n + 2 after a rounding) a bound above n
    // passes the rule; [0; n + 1] holds the same k as [0; n], and the level must come from the
    // table's last valid entry, never from one beyond n. So n is stored and shown.
    if (u.Wert > n) u = Korrektur(Regel, n, Zahl_ganz(n));
    return u;
}

Urteil<int> kre_pruefen(std::string_view Text, int kli, int n)
{
    int w = 0;
    const int von = kli > 0 ? kli : 0;
    const std::string Regel =
        Zwischen("kre", (von == kli ? "kli = " : "") + Zahl_ganz(von), "n + 1 = " + Zahl_ganz(n + 1));  // kein Text
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(Regel, false);
    // A negative bound (pasted; with kli = -1 it would pass kli <= kre) would make the level
    // read the table below k = 0: it counts as breaking the rule.
    if (w < kli || w < 0 || w > n + 1) return Korrektur(Regel, n + 1, Zahl_ganz(n + 1));
    return Annahme(w);
}

Urteil<Extended> Sigmafaktor_pruefen(std::string_view Text)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w) || !(w >= 0 && w <= Sigmafaktor_hoechstens))
        return Abweisung<Extended>(
            Zwischen(translate("Eingaberegeln", "Der Faktor vor σ"), "0", Zahl_allgemein(Sigmafaktor_hoechstens)),
            true);
    return Annahme(w);
}

Urteil<Extended> Umgebung_pruefen(std::string_view Text)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w) || !(w >= 0 && w <= 100))
        return Abweisung<Extended>(Zwischen(translate("Eingaberegeln", "Die Umgebung"), "0", Hundert_Prozent()), true);
    return Annahme(w);
}

Urteil<int> Stichprobenzahl_pruefen(std::string_view Text)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 1 || w > Stichproben_hoechstens)
        return Abweisung<int>(
            Zwischen(translate("Eingaberegeln", "Die Anzahl"), "1", Zahl_ganz(Stichproben_hoechstens)), true);
    return Annahme(w);
}

Urteil<int> Startwert_pruefen(std::string_view Text)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 0)
        return Abweisung<int>(
            Zwischen(translate("Eingaberegeln", "Der Startwert"), "0", Zahl_ganz(std::numeric_limits<int>::max())),
            true);
    return Annahme(w);
}
