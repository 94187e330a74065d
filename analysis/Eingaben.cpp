#include "analysis/Eingaben.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Runden.h"
#include "analysis/Startwerte.h"
#include "analysis/Verteilungszeile.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"

#include <algorithm>
#include <cmath>

namespace {

Ganzzahlfeld Ganz(int w) { return {Zahl_ganz(w), w}; }

// A value the program writes into a field: its text, and what that text reads as.
Dezimalfeld Dezimal(Extended w)
{
    Dezimalfeld f{Zahl_allgemein(w), w};
    Dezimal_lesen(f.Text, f.Wert);
    return f;
}

template <class F, class T>
F Feld_aus(const Urteil<T>& u, std::string_view Text)
{
    return {u.Art == Urteilsart::Korrigieren ? u.Text : std::string(Text), u.Wert};
}

template <class T>
Eingabeurteil Urteil_fuer_Fenster(const Urteil<T>& u)
{
    return {u.Art, u.Ton, u.Meldung, u.Grund};
}

bool& Bit(Schalter& s, Kasten k)
{
    switch (k) {
    case Kasten::p1_zeichnen:
        return s.p1_zeichnen;
    case Kasten::p2_zeichnen:
        return s.p2_zeichnen;
    case Kasten::Vertrauensintervall_berechnen:
        return s.Vertrauensintervall_berechnen;
    case Kasten::Info:
        return s.Info;
    case Kasten::Erwartungswert_zeigen:
        return s.Erwartungswert_zeigen;
    case Kasten::Sigma_zeigen:
        return s.Sigma_zeigen;
    case Kasten::Umgebung_schraffieren:
        return s.Umgebung_schraffieren;
    case Kasten::Normalverteilung:
        return s.Normalverteilung;
    case Kasten::Alfa_zeigen:
        return s.Alfa_zeigen;
    case Kasten::Annahmebereich_zeigen:
        return s.Annahmebereich_zeigen;
    case Kasten::Beta_zeigen:
        return s.Beta_zeigen;
    case Kasten::waagerechte_Strichelung:
        return s.waagerechte_Strichelung;
    case Kasten::p0_kumuliert:
        return s.p0_kumuliert;
    case Kasten::Stichprobenergebnis_zeigen:
        return s.Stichprobenergebnis_zeigen;
    }
    return s.Info;
}

int& Art(Schalter& s, int Zeile)
{
    return Zeile == 0 ? s.Verteilung_p0 : Zeile == 1 ? s.Verteilung_p1 : s.Verteilung_p2;
}

// The rules read a row through Verteilungszeile; they look at M, N and the row number only.
struct Zeilenwerte {
    int M, N;
    Extended p = 0, mue = 0, sigma = 0;
};
Verteilungszeile Zeile_aus(Zeilenwerte& w, int i)
{
    static Wertefeld keine_Tabelle{};
    return {w.M, w.N, w.p, keine_Tabelle, w.mue, w.sigma, i};
}

// The boxes clear one another the way their click handlers do: each handler runs only when
// its box really changes, and one that clears the cumulative chart may not clear the box being
// switched on (`ein`).
struct Kaskade {
    Schalter& s;
    Kasten ein;
    bool ein_gesetzt = false;

    void setzen(Kasten k, bool an)
    {
        if (Bit(s, k) == an) return;
        Bit(s, k) = an;
        geklickt(k);
    }
    void aus(Kasten k) { setzen(k, false); }
    void geklickt(Kasten k)
    {
        switch (k) {
        case Kasten::p0_kumuliert:
            if (!(ein_gesetzt && ein == Kasten::Umgebung_schraffieren)) aus(Kasten::Umgebung_schraffieren);
            if (!(ein_gesetzt && ein == Kasten::Annahmebereich_zeigen)) aus(Kasten::Annahmebereich_zeigen);
            aus(Kasten::waagerechte_Strichelung);
            break;
        case Kasten::Alfa_zeigen:
            if (!s.Alfa_zeigen) break;
            aus(Kasten::Umgebung_schraffieren);
            aus(Kasten::p0_kumuliert);
            aus(Kasten::Annahmebereich_zeigen);
            break;
        case Kasten::Annahmebereich_zeigen:
        case Kasten::waagerechte_Strichelung:
            // Both run the acceptance region's handler, which tests that box, not the sender.
            if (s.Annahmebereich_zeigen)
                einschaltend(Kasten::Annahmebereich_zeigen, [this] {
                    aus(Kasten::Umgebung_schraffieren);
                    aus(Kasten::p0_kumuliert);
                    aus(Kasten::Alfa_zeigen);
                });
            break;
        case Kasten::Umgebung_schraffieren:
            if (s.Umgebung_schraffieren)
                einschaltend(Kasten::Umgebung_schraffieren, [this] {
                    aus(Kasten::Annahmebereich_zeigen);
                    aus(Kasten::Alfa_zeigen);
                    aus(Kasten::p0_kumuliert);
                });
            break;
        case Kasten::Normalverteilung:
        case Kasten::Erwartungswert_zeigen:
        case Kasten::Sigma_zeigen:
        case Kasten::Stichprobenergebnis_zeigen:
            aus(Kasten::p0_kumuliert);
            break;
        default:
            break;
        }
    }
    template <class F>
    void einschaltend(Kasten k, F f)
    {
        const Kasten vorher = ein;
        const bool vorher_gesetzt = ein_gesetzt;
        ein = k;
        ein_gesetzt = true;
        f();
        ein = vorher;
        ein_gesetzt = vorher_gesetzt;
    }
};

// Width of one k slot on an axis of `Achse` pixels, as the chart divides it.
int Slotbreite(int Achse, int Spanne) { return Spanne < 0 || Achse <= 0 ? 0 : Achse / (Spanne + 1); }

}  // namespace

Eingaben Starteingaben()
{
    Eingaben e;
    e.n = Ganz(Start.n);
    e.x = Ganz(Start.x);
    e.k1 = Ganz(Start.k1);
    e.k2 = Ganz(Start.k2);
    for (int i = 0; i < 3; ++i) {
        e.p[i] = Dezimal(Start.p[i]);
        e.M[i] = Ganz(Start.M[i]);
        e.N[i] = Ganz(Start.N[i]);
    }
    e.Alfali = Dezimal(Start.Alfali);
    e.Alfare = Dezimal(Start.Alfare);
    e.Sigmafaktor = Dezimal(Start.Sigmafaktor);
    e.Umgebung = Dezimal(Start.Umgebung);
    return e;
}

Auswertung auswerten(const Eingaben& e, int Bildbreite)
{
    Auswertung a;
    Zustand& z = a.z;
    const Schalter& s = a.s = e.s;
    z.n = e.n.Wert;
    z.x = e.x.Wert;
    z.k1 = e.k1.Wert;
    z.k2 = e.k2.Wert;
    for (int i = 0; i < 3; ++i) {
        const Verteilungszeile r = Zeile_von(z, i);
        r.M = e.M[i].Wert;
        r.N = e.N[i].Wert;
        r.p = e.p[i].Wert;
    }
    z.Alfali = e.Alfali.Wert;
    z.Alfare = e.Alfare.Wert;
    z.kli_Ursprung = e.V_links_getippt ? e.kli.Wert : kein_Ursprung;
    z.kre_Ursprung = e.V_rechts_getippt ? e.kre.Wert : kein_Ursprung;
    z.Sigmafaktor = e.Sigmafaktor.Wert;
    z.Umgebung = e.Umgebung.Wert;
    z.Saeulendiagramm = e.Saeulendiagramm;

    const Berechnungstexte t = Alles_berechnen(z, s);
    a.Edit_kli = t.Edit_kli;
    a.Edit_kre = t.Edit_kre;
    a.Intervall = t.Intervall;
    a.Edit_p0 = s.Vertrauensintervall_berechnen ? t.Edit_p0 : e.p[0].Text;
    a.Label_Vertrauensintervall_ausgeben =
        s.Vertrauensintervall_berechnen ? t.Label_Vertrauensintervall_ausgeben : Leeres_Konfidenzintervall_Text();
    a.keine_Binomialverteilung = s.Vertrauensintervall_berechnen && s.Verteilung_p0 != vaBinomial;

    // More values of k than the axis has pixels: the chart shows the bulk of p0, mue0 +- 3.5
    // sigma0, and everything that belongs to the range shown follows it. The range asked for
    // stays the input, so the bulk is found anew after every change.
    const int Achse = Bildbreite - 15 - 40;
    if (Slotbreite(Achse, z.k2 - z.k1) < 1) {
        a.verengt = true;
        const int n = std::max(z.n, 0);
        const Extended links = z.mue0 - 3.5L * z.sigma0;
        const Extended rechts = z.mue0 + 3.5L * z.sigma0;
        z.k1 = std::isfinite(links) ? Ganz_runden(links, 0, n, 0) : 0;
        z.k2 = std::isfinite(rechts) ? Ganz_runden(rechts, 0, n, n) : n;
        z.k1 = std::min(z.k1, z.k2);
        Pmax_berechnen(z, s.p1_zeichnen ? z.p1 : 0, s.p2_zeichnen ? z.p2 : 0);
        a.Intervall = Intervallwahrscheinlichkeiten(z);
    }
    Testart_setzen(z);
    const Stichprobenwahl& w = e.Stichproben;
    // Samples are drawn over the distribution chart: the OC chart shows none.
    if (w.gezeigt && !e.OC)
        a.Stichproben = Stichproben_auswerten(z, s, w.Zeile, w.m.Wert, static_cast<std::uint64_t>(w.Startwert.Wert));
    return a;
}

const std::string& Text_von(const Eingaben& e, Feld f)
{
    const int i = static_cast<int>(f);
    switch (f) {
    case Feld::n:
        return e.n.Text;
    case Feld::x:
        return e.x.Text;
    case Feld::k1:
        return e.k1.Text;
    case Feld::k2:
        return e.k2.Text;
    case Feld::p0:
    case Feld::p1:
    case Feld::p2:
        return e.p[i - static_cast<int>(Feld::p0)].Text;
    case Feld::M0:
    case Feld::M1:
    case Feld::M2:
        return e.M[i - static_cast<int>(Feld::M0)].Text;
    case Feld::N0:
    case Feld::N1:
    case Feld::N2:
        return e.N[i - static_cast<int>(Feld::N0)].Text;
    case Feld::Alfali:
        return e.Alfali.Text;
    case Feld::Alfare:
        return e.Alfare.Text;
    case Feld::kli:
        return e.kli.Text;
    case Feld::kre:
        return e.kre.Text;
    case Feld::Sigmafaktor:
        return e.Sigmafaktor.Text;
    case Feld::Umgebung:
        return e.Umgebung.Text;
    }
    return e.n.Text;
}

Eingabeurteil Eingeben(Eingaben& e, const Auswertung& a, Feld f, std::string_view Text)
{
    const Zustand& z = a.z;
    const int i = static_cast<int>(f);
    switch (f) {
    case Feld::n: {
        const Urteil<int> u = n_pruefen(Text, z, e.s);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        e.n = Feld_aus<Ganzzahlfeld>(u, Text);
        e.k1 = Ganz(0);
        e.k2 = Ganz(e.n.Wert);
        return Urteil_fuer_Fenster(u);
    }
    case Feld::x: {
        const Urteil<int> u = x_pruefen(Text, e.n.Wert);
        if (u.Art != Urteilsart::Abweisen) e.x = Feld_aus<Ganzzahlfeld>(u, Text);
        return Urteil_fuer_Fenster(u);
    }
    case Feld::k1:
    case Feld::k2: {
        // The range shown, narrowed or not, is what the user changes: it becomes the user's.
        const Urteil<int> u = f == Feld::k1 ? k1_pruefen(Text, z.k2) : k2_pruefen(Text, z.k1, z.n);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        Ganzzahlfeld& getippt = f == Feld::k1 ? e.k1 : e.k2;
        Ganzzahlfeld& anderes = f == Feld::k1 ? e.k2 : e.k1;
        const int gezeigt = f == Feld::k1 ? z.k2 : z.k1;
        getippt = Feld_aus<Ganzzahlfeld>(u, Text);
        if (anderes.Wert != gezeigt) anderes = Ganz(gezeigt);
        return Urteil_fuer_Fenster(u);
    }
    case Feld::p0:
    case Feld::p1:
    case Feld::p2: {
        const int r = i - static_cast<int>(Feld::p0);
        // A typed p0 must not be overwritten by x/n: the interval goes off first, whatever
        // the outcome.
        if (r == 0) Kasten_setzen(e, Kasten::Vertrauensintervall_berechnen, false);
        Zeilenwerte w{e.M[r].Wert, e.N[r].Wert};
        const Urteil<Extended> u = p_pruefen(Text, Zeile_aus(w, r));
        if (u.Art != Urteilsart::Abweisen) e.p[r] = Feld_aus<Dezimalfeld>(u, Text);
        return Urteil_fuer_Fenster(u);
    }
    case Feld::M0:
    case Feld::M1:
    case Feld::M2:
    case Feld::N0:
    case Feld::N1:
    case Feld::N2: {
        const bool ist_M = f == Feld::M0 || f == Feld::M1 || f == Feld::M2;
        const int r = i - static_cast<int>(ist_M ? Feld::M0 : Feld::N0);
        Zeilenwerte w{e.M[r].Wert, e.N[r].Wert};
        const Urteil<int> u = ist_M ? M_pruefen(Text, Zeile_aus(w, r)) : N_pruefen(Text, Zeile_aus(w, r), e.n.Wert);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        Ganzzahlfeld& Ziel = ist_M ? e.M[r] : e.N[r];
        Ziel = Feld_aus<Ganzzahlfeld>(u, Text);
        e.p[r] = Dezimal(static_cast<Extended>(e.M[r].Wert) / e.N[r].Wert);
        return Urteil_fuer_Fenster(u);
    }
    case Feld::Alfali:
    case Feld::Alfare: {
        // A typed level is the user's own: the bound comes from it by the scan alone.
        const Urteil<Extended> u = Niveau_pruefen(Text);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        if (f == Feld::Alfali) {
            e.Alfali = Feld_aus<Dezimalfeld>(u, Text);
            e.V_links_getippt = false;
            e.kli = Ganzzahlfeld{};
        } else {
            e.Alfare = Feld_aus<Dezimalfeld>(u, Text);
            e.V_rechts_getippt = false;
            e.kre = Ganzzahlfeld{};
        }
        return Urteil_fuer_Fenster(u);
    }
    case Feld::kli: {
        const Urteil<int> u = kli_pruefen(Text, z.kre, z.n);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        e.kli = Feld_aus<Ganzzahlfeld>(u, Text);
        e.V_links_getippt = true;
        // Without a region the level is 0: field and recomputation agree there is none.
        e.Alfali = Dezimal(u.Wert < 0 ? 0 : Niveau_links(z, u.Wert));
        return Urteil_fuer_Fenster(u);
    }
    case Feld::kre: {
        const Urteil<int> u = kre_pruefen(Text, z.kli, z.n);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        e.kre = Feld_aus<Ganzzahlfeld>(u, Text);
        e.V_rechts_getippt = true;
        e.Alfare = Dezimal(u.Wert > z.n ? 0 : Niveau_rechts(z, u.Wert));
        return Urteil_fuer_Fenster(u);
    }
    case Feld::Sigmafaktor: {
        const Urteil<Extended> u = Sigmafaktor_pruefen(Text);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        e.Sigmafaktor = Feld_aus<Dezimalfeld>(u, Text);
        e.Umgebung = Dezimal(Umgebung_aus_Sigmafaktor(u.Wert));
        return Urteil_fuer_Fenster(u);
    }
    case Feld::Umgebung: {
        const Urteil<Extended> u = Umgebung_pruefen(Text);
        if (u.Art == Urteilsart::Abweisen) return Urteil_fuer_Fenster(u);
        e.Umgebung = Feld_aus<Dezimalfeld>(u, Text);
        e.Sigmafaktor = Dezimal(Sigmafaktor_aus_Umgebung(u.Wert));
        return Urteil_fuer_Fenster(u);
    }
    }
    return {};
}

bool Kasten_an(const Schalter& s, Kasten k) { return Bit(const_cast<Schalter&>(s), k); }

void Kasten_schreiben(Schalter& s, Kasten k, bool an) { Bit(s, k) = an; }

void Kasten_setzen(Eingaben& e, Kasten k, bool an)
{
    if (k == Kasten::Vertrauensintervall_berechnen && !an && e.s.Vertrauensintervall_berechnen) {
        // The interval made x/n the test's p0; it stays the p0 when the interval goes off.
        e.p[0] = Dezimal(Konfidenz_p0(e.x.Wert, e.n.Wert, e.p[0].Wert));
    }
    Kaskade{e.s, k}.setzen(k, an);
    // A row no longer drawn on the chart is no longer drawn from.
    if (!Zeile_ziehbar(e.s, e.Stichproben.Zeile)) e.Stichproben.Zeile = 0;
}

Eingabeurteil Art_waehlen(Eingaben& e, int Zeile, int Art_neu)
{
    if (Art_neu >= vaBinomial && Art_neu <= vaGeometr) Art(e.s, Zeile) = Art_neu;
    for (int i = 0; i < 3; ++i)
        if (Art(e.s, i) == vaHypergeo && e.n.Wert > e.N[i].Wert)
            return {Urteilsart::Abweisen, true, n_zu_gross_fuer_Hypergeo(), n_hoechstens_N(i, e.N[i].Wert)};
    return {};
}

bool Zeile_ziehbar(const Schalter& s, int Zeile)
{
    return Zeile == 0 || (Zeile == 1 && s.p1_zeichnen) || (Zeile == 2 && s.p2_zeichnen);
}

Eingabeurteil Stichprobenzahl_eingeben(Eingaben& e, std::string_view Text)
{
    const Urteil<int> u = Stichprobenzahl_pruefen(Text);
    if (u.Art != Urteilsart::Abweisen) e.Stichproben.m = Feld_aus<Ganzzahlfeld>(u, Text);
    return Urteil_fuer_Fenster(u);
}

Eingabeurteil Startwert_eingeben(Eingaben& e, std::string_view Text)
{
    const Urteil<int> u = Startwert_pruefen(Text);
    if (u.Art != Urteilsart::Abweisen) e.Stichproben.Startwert = Feld_aus<Ganzzahlfeld>(u, Text);
    return Urteil_fuer_Fenster(u);
}

void Ziehen_aus_waehlen(Eingaben& e, int Zeile)
{
    if (Zeile_ziehbar(e.s, Zeile)) e.Stichproben.Zeile = Zeile;
}
