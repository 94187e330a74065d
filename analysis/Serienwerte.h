#pragma once
// The numbers behind the family charts and the animations: their fixed scales and k ranges,
// the binomial table of one member and the family captions.

#include "analysis/Runden.h"
#include "analysis/Zustand.h"

#include <string>

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

// Vertical scale of the p0 animation, from its most peaked frame p0 = 0,05: the larger of
// P(X = m) and P(X = m + 1) for B(n; 0,05), m = trunc(n/20).
Extended Pmax_p0_Animation(int n);
// Vertical scale of the n animation, from its most peaked frame n = 5: P(X = round(5 p0)).
Extended Pmax_n_Animation(Extended p0);
