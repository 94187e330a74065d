#include "analysis/Testentscheidung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Texte.h"
#include "analysis/Zahlentexte.h"

#include <cmath>

namespace {

// A probability as the value grid shows it: "19,58%".
std::string Prozent(Extended p) { return std::isfinite(p) ? Zahl_fest(100 * p, 5, 2) + "%" : "–"; }

// A level as its field would show it, to two decimals: "5%", "3,21%".
std::string Niveau(Extended Prozentwert)
{
    if (!std::isfinite(Prozentwert)) return "–";
    std::string t = Zahl_fest(Prozentwert, 6, 2);
    if (t.find(Dezimalzeichen()) != std::string::npos) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == Dezimalzeichen()) t.pop_back();
    }
    return t + "%";
}

// A typed bound is the user's region; its level is only that region's. The comparison then
// takes the level it reaches, since the 15 digits of the level's text may fall just short of
// it.
bool links_getippt(const Zustand& z) { return z.kli_Ursprung != kein_Ursprung && z.kli_Ursprung == z.kli; }
bool rechts_getippt(const Zustand& z) { return z.kre_Ursprung != kein_Ursprung && z.kre_Ursprung == z.kre; }

// The comparisons exactly as the bounds were found from the levels (kli_berechnen,
// kre_berechnen), so that they agree with V for every x.
bool links_klein(const Zustand& z, int x)
{
    if (links_getippt(z)) return Niveau_links(z, x) <= Niveau_links(z, z.kli);
    return Kumuliert(z, x) <= z.Alfali / 100;
}
bool rechts_klein(const Zustand& z, int x)
{
    if (rechts_getippt(z)) return Niveau_rechts(z, x) <= Niveau_rechts(z, z.kre);
    return Kumuliert(z, x - 1) >= 1 - z.Alfare / 100;
}

std::string Vergleich_links(const Zustand& z, int x)
{
    const std::string k = Zahl_ganz(x);
    return "P0(X<=" + k + ")=" + Prozent(Kumuliert(z, x)) + (links_klein(z, x) ? " <= " : " > ") + Niveau(z.Alfali);
}

std::string Vergleich_rechts(const Zustand& z, int x)
{
    const std::string k = Zahl_ganz(x);
    return "P0(X>=" + k + ")=" + Prozent(z.P0_Rest[x]) + (rechts_klein(z, x) ? " <= " : " > ") + Niveau(z.Alfare);
}

}  // namespace

std::string Entscheidungstext(const Zustand& z)
{
    const int x = z.x;
    const std::string xt = Zahl_ganz(x);
    // x is not checked against a later, smaller n: such an x is no result of this test.
    if (x < 0 || x > z.n || z.n > k_Maximum)
        return Einsetzen(translate("Testentscheidung", "x=%1 liegt nicht in {0; ... ;%2}: keine Entscheidung"),
                         {xt, Zahl_ganz(z.n)});
    const bool links = z.Test_links || z.Test_beidseitig;
    const bool rechts = z.Test_rechts || z.Test_beidseitig;
    if (!links && !rechts)
        return Einsetzen(translate("Testentscheidung", "x=%1 ∉ V: H0 wird nicht verworfen (kein Verwerfungsbereich)"),
                         {xt});
    const bool in_links = links && x <= z.kli;
    const bool in_rechts = rechts && x >= z.kre;
    std::string Begruendung;
    if (in_links && in_rechts)
        Begruendung =
            Einsetzen(translate("Testentscheidung", "%1 und %2"), {Vergleich_links(z, x), Vergleich_rechts(z, x)});
    else if (in_links)
        Begruendung = Vergleich_links(z, x);
    else if (in_rechts)
        Begruendung = Vergleich_rechts(z, x);
    else if (links && (!rechts || Kumuliert(z, x) <= z.P0_Rest[x]))
        Begruendung = Vergleich_links(z, x);
    else
        Begruendung = Vergleich_rechts(z, x);
    const bool verworfen = in_links || in_rechts;
    return Einsetzen(verworfen ? translate("Testentscheidung", "x=%1 ∈ V: H0 wird verworfen, da %2")
                               : translate("Testentscheidung", "x=%1 ∉ V: H0 wird nicht verworfen, da %2"),
                     {xt, Begruendung});
}
