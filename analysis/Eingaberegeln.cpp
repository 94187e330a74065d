#include "analysis/Eingaberegeln.h"

#include "analysis/Berechnung.h"
#include "analysis/Startwerte.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"

#include <utility>

namespace {

template <class T>
Urteil<T> Abweisung(bool Ton, std::string Meldung = {})
{
    return {Urteilsart::Abweisen, T{}, {}, Ton, std::move(Meldung)};
}

template <class T>
Urteil<T> Korrektur(T Wert, std::string Text)
{
    return {Urteilsart::Korrigieren, Wert, std::move(Text), false, {}};
}

template <class T>
Urteil<T> Annahme(T Wert)
{
    return {Urteilsart::Annehmen, Wert, {}, false, {}};
}

// "M0 muss kleiner als N0 sein !" and the like: every placeholder '#' becomes the row digit.
std::string Zeilenmeldung(std::string Meldung, const Verteilungszeile& r)
{
    for (char& c : Meldung)
        if (c == '#') c = r.Ziffer();
    return Meldung;
}

}  // namespace

Urteil<int> n_pruefen(std::string_view Text, const Zustand& z, const Schalter& s)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 1 || w > k_Maximum) return Abweisung<int>(true);
    const int N[] = {z.N0, z.N1, z.N2};
    for (int i = 0; i < 3; ++i)
        if (Art_von(s, i) == vaHypergeo && w > N[i]) return Abweisung<int>(true, "n zu groß für Hypergeo");
    return Annahme(w);
}

Urteil<int> x_pruefen(std::string_view Text, int n)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(false);
    if (w < 0 || w > n) return Korrektur(0, "0");
    return Annahme(w);
}

Urteil<int> k1_pruefen(std::string_view Text, int k2)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(false);
    if (w < 0 || w > k2) return Korrektur(0, "0");
    return Annahme(w);
}

Urteil<int> k2_pruefen(std::string_view Text, int k1, int n)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(false);
    // The stored n rather than the text of Edit_n: the two agree whenever Edit_n was left,
    // and the field must show the value it stands for.
    if (w < k1 || w > n) return Korrektur(n, Zahl_ganz(n));
    return Annahme(w);
}

Urteil<Extended> p_pruefen(std::string_view Text, const Verteilungszeile& r)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w)) return Abweisung<Extended>(false);
    if (!(w >= 0 && w <= 1)) {
        const Extended Ersatz = Start.p[r.Nummer];
        return Korrektur(Ersatz, Zahl_allgemein(Ersatz));
    }
    return Annahme(w);
}

Urteil<int> M_pruefen(std::string_view Text, const Verteilungszeile& r)
{
    int w = 0;
    // A negative M, which only a pasted text can bring, would make p negative and the
    // hypergeometric terms meaningless.
    if (!Ganzzahl_lesen(Text, w) || w < 0) return Abweisung<int>(true);
    if (!(w < r.N)) return Abweisung<int>(true, Zeilenmeldung("M# muss kleiner als N# sein !", r));
    return Annahme(w);
}

Urteil<int> N_pruefen(std::string_view Text, const Verteilungszeile& r, int n)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w == 0) return Abweisung<int>(true);
    if (!(w > r.M)) return Abweisung<int>(true, Zeilenmeldung("N# muss größer als M# sein !", r));
    if (!(w >= n)) return Abweisung<int>(true, Zeilenmeldung("N# muss größer gleich n sein !", r));
    return Annahme(w);
}

Urteil<Extended> Niveau_pruefen(std::string_view Text)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w)) return Abweisung<Extended>(false);
    if (!(w >= 0 && w <= 100)) return Korrektur(Extended{0}, "0");
    return Annahme(w);
}

Urteil<int> kli_pruefen(std::string_view Text, int kre, int n)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(false);
    Urteil<int> u = Annahme(w);
    if (w < -1 || w > kre) u = Korrektur(-1, "-1");
    // While there is no right region (kre = n + 1, or n + 2 after a rounding) a bound above n
    // passes the rule; [0; n + 1] holds the same k as [0; n], and the level must come from the
    // table's last valid entry, never from one beyond n. So n is stored and shown.
    if (u.Wert > n) u = Korrektur(n, Zahl_ganz(n));
    return u;
}

Urteil<int> kre_pruefen(std::string_view Text, int kli, int n)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w)) return Abweisung<int>(false);
    // A negative bound (pasted; with kli = -1 it would pass kli <= kre) would make the level
    // read the table below k = 0: it counts as breaking the rule.
    if (w < kli || w < 0 || w > n + 1) return Korrektur(n + 1, Zahl_ganz(n + 1));
    return Annahme(w);
}

Urteil<Extended> Sigmafaktor_pruefen(std::string_view Text)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w) || !(w >= 0 && w <= Sigmafaktor_hoechstens)) return Abweisung<Extended>(true);
    return Annahme(w);
}

Urteil<Extended> Umgebung_pruefen(std::string_view Text)
{
    Extended w = 0;
    if (!Dezimal_lesen(Text, w) || !(w >= 0 && w <= 100)) return Abweisung<Extended>(true);
    return Annahme(w);
}

Urteil<int> Stichprobenzahl_pruefen(std::string_view Text)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 1 || w > Stichproben_hoechstens) return Abweisung<int>(true);
    return Annahme(w);
}

Urteil<int> Startwert_pruefen(std::string_view Text)
{
    int w = 0;
    if (!Ganzzahl_lesen(Text, w) || w < 0) return Abweisung<int>(true);
    return Annahme(w);
}
