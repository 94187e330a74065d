#pragma once
// What the user set, as one plain value, and everything the window shows computed from it.
// The window is a function of its inputs: nothing derived is ever stored back as an input, so
// the same inputs give the same evaluation whatever happened before.

#include "analysis/Berechnung.h"
#include "analysis/Eingaberegeln.h"
#include "analysis/Stichproben.h"
#include "analysis/Zustand.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A field's text as the user typed it (or the program wrote it), and the value its rule took
// from that text. The value is always what the text reads as, so that a lesson file, which
// keeps the texts, gives the same value again.
struct Ganzzahlfeld {
    std::string Text;
    int Wert = 0;
    bool operator==(const Ganzzahlfeld&) const = default;
};
struct Dezimalfeld {
    std::string Text;
    Extended Wert = 0;
    bool operator==(const Dezimalfeld&) const = default;
};

// Samples drawn in class (analysis/Stichproben.h): how many, from which row, from which seed,
// and whether the counts of a finished draw are shown. They stay shown until another input
// changes: counts drawn under other inputs are not these inputs' counts (ui/Sitzung.h).
struct Stichprobenwahl {
    Ganzzahlfeld m{"1000", 1000};
    int Zeile = 0;           // 0 = H0; 1 or 2 only while that row is drawn on the chart
    Ganzzahlfeld Startwert;  // empty until one was taken; a shown draw always has one
    bool gezeigt = false;
    bool operator==(const Stichprobenwahl&) const = default;
};

struct Eingaben {
    Ganzzahlfeld n, x;
    // The k range the user asked for (0..n after every new n); the chart may show less.
    Ganzzahlfeld k1, k2;
    std::array<Dezimalfeld, 3> p;
    std::array<Ganzzahlfeld, 3> M, N;
    // The levels in percent, as the fields show them.
    Dezimalfeld Alfali, Alfare;
    // A bound typed after its level: the level shown is the bound's, and the bound is found
    // again while it reaches that level. Empty (and not in force) otherwise.
    Ganzzahlfeld kli, kre;
    bool V_links_getippt = false;
    bool V_rechts_getippt = false;
    Dezimalfeld Sigmafaktor, Umgebung;
    // The kinds of the three rows and the check boxes.
    Schalter s;
    bool Saeulendiagramm = false;
    // The OC chart is shown instead of the distribution chart.
    bool OC = false;
    Stichprobenwahl Stichproben;
    bool operator==(const Eingaben&) const = default;
};

// The program's start: the start values, the boxes off except Info.
Eingaben Starteingaben();

// What the window shows for inputs e when its chart is `Bildbreite` logical pixels wide.
struct Auswertung {
    // Tables, moments, Pmax, the bounds and the test kind; k1..k2 the range shown, narrowed
    // to mue0 +- 3.5 sigma0 where the axis has fewer pixels than values of k. Alfali and
    // Alfare are the levels of the fields; the levels reached are computed where shown.
    Zustand z;
    Schalter s;
    bool verengt = false;
    std::string Edit_kli, Edit_kre;
    // p0 as the field shows it: as typed, or x/n while the confidence interval is on.
    std::string Edit_p0;
    Intervalltexte Intervall;
    std::string Label_Vertrauensintervall_ausgeben;
    // The interval is asked for while row 0 is not binomial: the window says so.
    bool keine_Binomialverteilung = false;
    // All samples of e.Stichproben, drawn again from their seed, while they are shown.
    std::optional<Stichprobenstand> Stichproben;
};
// The k range the fields show narrows where the chart at the window's opening size would have
// fewer pixels than values of k: a window resized later draws its chart at its size but shows
// the same inputs and evaluation (a resize changes no field).
inline constexpr int Bildbreite_Vorgabe = 1031;
Auswertung auswerten(const Eingaben& e, int Bildbreite = Bildbreite_Vorgabe);

// The 19 edit fields, in the order the lesson file lists them.
enum class Feld { n, x, k1, k2, p0, p1, p2, M0, M1, M2, N0, N1, N2, Alfali, Alfare, kli, kre, Sigmafaktor, Umgebung };
constexpr int Feldzahl = 19;
// The text of field f in e as the field shows it when nothing derived covers it.
const std::string& Text_von(const Eingaben& e, Feld f);

// The verdict on an entry, for the window: Abweisen keeps the text and puts the focus back
// (with Ton and Meldung where the rule says so); otherwise the inputs have taken the value.
struct Eingabeurteil {
    Urteilsart Art = Urteilsart::Annehmen;
    bool Ton = false;
    std::string Meldung;
    // Abweisen, Korrigieren: the rule in words, for the hint beside the field (UTF-8).
    std::string Grund;
};

// The user's Text typed into field f, judged by the field's rule against what the window
// shows (a, the evaluation of e), and taken into e with the inputs that follow from it:
// a new n asks for the whole k range; a typed k1 or k2 makes the range shown the user's; M or
// N give p = M/N; a typed level frees its bound; a typed bound gives its level; the sigma
// factor and the neighbourhood's percentage give each other; a typed p0 ends the interval.
Eingabeurteil Eingeben(Eingaben& e, const Auswertung& a, Feld f, std::string_view Text);

// The check boxes, in the order of Schalter.
enum class Kasten {
    p1_zeichnen,
    p2_zeichnen,
    Vertrauensintervall_berechnen,
    Info,
    Erwartungswert_zeigen,
    Sigma_zeigen,
    Umgebung_schraffieren,
    Normalverteilung,
    Alfa_zeigen,
    Annahmebereich_zeigen,
    Beta_zeigen,
    waagerechte_Strichelung,
    p0_kumuliert,
    Stichprobenergebnis_zeigen
};
bool Kasten_an(const Schalter& s, Kasten k);
// The box's state alone, as a lesson file gives it.
void Kasten_schreiben(Schalter& s, Kasten k, bool an);
// Box k set to `an` by the user, with the boxes it clears: alpha, acceptance region and
// neighbourhood exclude one another and the cumulative chart; the cumulative chart clears
// the neighbourhood, the acceptance region and the auxiliary lines; the normal curve, the
// markers of mu, sigma and x clear the cumulative chart. Switching the interval off keeps its
// p0 = x/n as the typed p0. A row no longer drawn is no longer drawn from: samples come from H0.
void Kasten_setzen(Eingaben& e, Kasten k, bool an);

// Row `Zeile` (0..2) of kind `Art` picked by the user; n is checked against every
// hypergeometric row again. The kind is taken either way; a verdict of Abweisen asks the
// window to put the focus into n.
Eingabeurteil Art_waehlen(Eingaben& e, int Zeile, int Art);

// Whether row Zeile (0..2) can be drawn from: H0 always, row 1 or 2 while it is drawn on the chart.
bool Zeile_ziehbar(const Schalter& s, int Zeile);
// The panel of samples: the number of samples and the seed, judged by their rules and taken
// like any field's entry; the row to draw from, taken where it can be drawn from.
Eingabeurteil Stichprobenzahl_eingeben(Eingaben& e, std::string_view Text);
Eingabeurteil Startwert_eingeben(Eingaben& e, std::string_view Text);
void Ziehen_aus_waehlen(Eingaben& e, int Zeile);
