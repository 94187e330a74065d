#pragma once
// Families of binomial distributions in one chart ("mehrere p0", "mehrere n") and the
// pieces that the family charts and the animations share.

#include "analysis/Serienwerte.h"

#include <QImage>
#include <QString>

#include <string>

// The p0 family is drawn only up to this n.
constexpr int n_mehrere_p0_hoechstens = 500;

// A further family member over the first one: black, unfilled outlines of P0_Tabelle over
// k1..k2, each over its whole slot (the family is drawn as a histogram).
void Umrisse_zeichnen(QImage& Bild, const Zustand& z);

// A white band over the chart's first caption row, and the family's caption on it in bold.
void Serienbeschriftung_zeichnen(QImage& Bild, const Zustand& z, const QString& Text);

class TForm1;

// The frame around a p0 series (the p0 family and the p0 animation). Start: the start values
// with the user's n kept, the k axis 0..n, the scale Pmax(n); returns the p0 to put back. The
// series flag is up during the reset only, which clears it again.
Extended p0_Serie_beginnen(TForm1& f, Extended (*Pmax)(int n));
// End: that p0 back into the state and Edit_p0, and everything recomputed.
void p0_Serie_beenden(TForm1& f, Extended p0_vorher);

// The end of an n series (the n family and the n animation): the user's n back into the state
// and Edit_n, the k axis 0..n, P0_Tabelle zeroed over 0..bis (what the series may have left
// above n), and everything recomputed.
void n_Serie_beenden(TForm1& f, int n_vorher, int bis);
