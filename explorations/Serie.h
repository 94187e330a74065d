#pragma once
// One run of a family chart or an animation, from the reset that starts it to the recomputation
// that ends it. Serie_laeuft is written here and nowhere else.

#include "probability/UStochastik.h"

#include <QPointer>
#include <QWidget>

class Erkundungsfenster;

// p0 series (the p0 family, the p0 animation) step p0 at the user's n; n series (the n family,
// the n animation) step n.
enum class Serienart { p0, n };

class Serie {
public:
    // The start: the user's n and p0 are noted, the window is reset to its start values with
    // Serie_laeuft raised for the reset's duration, and a p0 series gets the user's n back into
    // the state and Edit_n. The series then sets its scale and k axis itself.
    Serie(Erkundungsfenster& f, Serienart Art);
    // The end, on every way out of the series while the window lives: a p0 series puts the
    // start p0 back (state and Edit_p0), an n series the start n (state, Edit_n, the k axis
    // 0..n, P0_Tabelle zeroed over 0..Tabellenende, what its members may have left above n);
    // then everything is recomputed. The chart keeps the series' last picture.
    ~Serie();
    Serie(const Serie&) = delete;
    Serie& operator=(const Serie&) = delete;

    Extended p0_des_Nutzers() const { return p0_Nutzer; }
    // How far an n series' members wrote P0_Tabelle.
    int Tabellenende = 0;

private:
    Erkundungsfenster& f;
    QPointer<QWidget> Fenster;
    Serienart Art;
    Extended p0_Nutzer;
    Extended p0_vorher = 0;  // the start p0, after the reset
    int n_vorher = 0;        // the start n, after the reset
};
