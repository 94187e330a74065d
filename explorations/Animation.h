#pragma once
// The two animations ("p0-Ani", "n-Ani"): every frame a complete distribution chart, then a
// wait in which the window goes on handling its events.

#include "analysis/Zustand.h"

class TForm1;

// Vertical scale of the p0 animation, from its most peaked frame p0 = 0,05: the larger of
// P(X = m) and P(X = m + 1) for B(n; 0,05), m = trunc(n/20).
Extended Pmax_p0_Animation(int n);
// Vertical scale of the n animation, from its most peaked frame n = 5: P(X = round(5 p0)).
Extended Pmax_n_Animation(Extended p0);

// One frame of the p0 animation without its wait: p0 = i/200 into the state and Edit_p0, the
// table of B(n; p0) and the whole distribution chart.
void p0_Animationsbild(TForm1& f, int i);
