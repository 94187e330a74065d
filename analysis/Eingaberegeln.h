#pragma once
// The rules of the edit fields: the text a field holds when it is left, and the state values
// the rule depends on, in; a verdict out. The window applies the verdict and does the
// follow-up work; nothing here writes the state.

#include "analysis/Verteilungszeile.h"
#include "analysis/Zustand.h"

#include <string>
#include <string_view>

enum class Urteilsart {
    Abweisen,     // the text stays, the value is kept, the focus goes back to the field
    Korrigieren,  // the field shows Text instead, then Wert is taken as if typed
    Annehmen,     // Wert is taken as typed
};

template <class T>
struct Urteil {
    Urteilsart Art = Urteilsart::Annehmen;
    T Wert{};             // Korrigieren, Annehmen: the value to store
    std::string Text;     // Korrigieren: what the field shows instead (UTF-8)
    bool Ton = false;     // Abweisen: with the alert sound
    std::string Meldung;  // Abweisen: the message to show, empty for none (UTF-8)
    // Abweisen, Korrigieren: why, in the user's words with today's bounds ("n muss zwischen 1
    // und 4000 liegen"); a correction adds what the field shows instead. UTF-8.
    std::string Grund;
};

// Texts are the fields' UTF-8 texts; they are read by Ganzzahl_lesen and Dezimal_lesen.
// A text that doesn't read is rejected by every rule, with the sound exactly where the rule
// says so.

// n: 1..k_Maximum, with the sound. Then for every row whose kind in s is hypergeometric
// n <= N of that row, else rejected with the sound and "n zu groß für Hypergeo".
Urteil<int> n_pruefen(std::string_view Text, const Zustand& z, const Schalter& s);
// Why n is refused beside a hypergeometric row Zeile (0..2) of population N.
std::string n_hoechstens_N(int Zeile, int N);
// The message shown with that refusal.
std::string n_zu_gross_fuer_Hypergeo();

// x: silently rejected if it doesn't read; outside 0..n corrected to 0.
Urteil<int> x_pruefen(std::string_view Text, int n);

// k1: silently rejected if it doesn't read; outside 0..k2 corrected to 0.
Urteil<int> k1_pruefen(std::string_view Text, int k2);

// k2: silently rejected if it doesn't read; outside k1..n corrected to n.
Urteil<int> k2_pruefen(std::string_view Text, int k1, int n);

// p of row r: silently rejected if it doesn't read; outside 0..1 corrected to the row's
// start value.
Urteil<Extended> p_pruefen(std::string_view Text, const Verteilungszeile& r);

// M of row r, always with the sound when rejected: a negative M is rejected like a text
// that doesn't read; M >= N of the row with "M<i> muss kleiner als N<i> sein !".
Urteil<int> M_pruefen(std::string_view Text, const Verteilungszeile& r);

// N of row r, always with the sound when rejected, in this order: 0 like a text that
// doesn't read; N <= M with "N<i> muss größer als M<i> sein !"; N < n with
// "N<i> muss größer gleich n sein !".
Urteil<int> N_pruefen(std::string_view Text, const Verteilungszeile& r, int n);

// Alfali, Alfare in percent: silently rejected if it doesn't read; outside 0..100
// corrected to 0 (no region on that side).
Urteil<Extended> Niveau_pruefen(std::string_view Text);

// kli: silently rejected if it doesn't read; outside -1..kre corrected to -1; then a bound
// above n (possible while kre stands beyond n) corrected to n.
Urteil<int> kli_pruefen(std::string_view Text, int kre, int n);

// kre: silently rejected if it doesn't read; below kli, below 0 or above n + 1 corrected
// to n + 1.
Urteil<int> kre_pruefen(std::string_view Text, int kli, int n);

// Sigmafaktor: 0..Sigmafaktor_hoechstens, else rejected with the sound.
Urteil<Extended> Sigmafaktor_pruefen(std::string_view Text);

// Umgebung in percent: 0..100, else rejected with the sound.
Urteil<Extended> Umgebung_pruefen(std::string_view Text);

// The number of samples drawn in class: 1..Stichproben_hoechstens, else rejected with the sound.
inline constexpr int Stichproben_hoechstens = 1000000;
Urteil<int> Stichprobenzahl_pruefen(std::string_view Text);

// The seed of those samples: any whole number 0..2 147 483 647 (what a field reads), else
// rejected with the sound.
Urteil<int> Startwert_pruefen(std::string_view Text);
