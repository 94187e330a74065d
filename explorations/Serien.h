#pragma once
// Families of binomial distributions in one chart ("mehrere p0", "mehrere n") and the
// pieces that the family charts and the animations share.

#include "analysis/Zustand.h"

#include <QImage>
#include <QString>

#include <string>

// Nearest integer, halves to even. A value that is not finite gives lo; the result is
// clamped to lo..hi, so the conversion to int is always defined.
int Ganz_runden(Extended w, int lo, int hi);

// The p0 family is drawn only up to this n.
constexpr int n_mehrere_p0_hoechstens = 500;

// Vertical scale of the p0 family: P(X = round(n/10)) for B(n; 0,1), the most peaked member.
Extended Pmax_mehrere_p0(int n);
// p0 = 0 would give a family of bars at k = 0 only; the n family draws it with 0,2 instead.
Extended p0_mehrere_n(Extended p0);
// Vertical scale of the n family: P(X = round(10 p0)) for B(10; p0).
Extended Pmax_mehrere_n(Extended p0);
// Right end of the n family's k axis: three standard deviations above the mean of n = 200.
int k2_mehrere_n(Extended p0);

// P0_Tabelle := B(z.n; p) for k = 0..n, every entry above n up to `bis` set to 0 so that no
// bar within the chart's k range can show a value of an earlier, longer table; mue0 and sigma0
// of B(n; p).
void Binomialtabelle_setzen(Zustand& z, Extended p, int bis);

std::string Beschriftung_mehrere_p0(int n);
std::string Beschriftung_mehrere_n(Extended p0);

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
