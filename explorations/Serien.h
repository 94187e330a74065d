#pragma once
// Families of binomial distributions in one chart ("mehrere p0", "mehrere n") and the frame
// around a series that the family charts and the animations share.

#include "analysis/Serienwerte.h"

class Erkundungsfenster;

// The p0 family is drawn only up to this n; the window refuses the button above it.
constexpr int n_mehrere_p0_hoechstens = 500;

// The family B(n; 0,1), B(n; 0,3), ..., B(n; 0,9) at the user's n, with its caption; the
// state is the user's again afterwards (p0 included), recomputed.
void mehrere_p0_zeichnen(Erkundungsfenster& f);
// The family B(10; p0), B(50; p0), B(100; p0), B(200; p0) at the user's p0 (0 drawn with
// 0,2), with its caption; then the user's n back, recomputed.
void mehrere_n_zeichnen(Erkundungsfenster& f);

// The frame around a p0 series (the p0 family and the p0 animation). Start: the start values
// with the user's n kept, the k axis 0..n, the scale Pmax(n); returns the p0 to put back. The
// series flag is up during the reset only, which clears it again.
Extended p0_Serie_beginnen(Erkundungsfenster& f, Extended (*Pmax)(int n));
// End: that p0 back into the state and Edit_p0, and everything recomputed.
void p0_Serie_beenden(Erkundungsfenster& f, Extended p0_vorher);

// The end of an n series (the n family and the n animation): the user's n back into the state
// and Edit_n, the k axis 0..n, P0_Tabelle zeroed over 0..bis (what the series may have left
// above n), and everything recomputed.
void n_Serie_beenden(Erkundungsfenster& f, int n_vorher, int bis);
