#pragma once
// The two animations ("p0-Ani", "n-Ani"): every frame a complete distribution chart, then a
// wait in which the window goes on handling its events.

#include "analysis/Serienwerte.h"

class Erkundungsfenster;

// p0 = 0,05 .. 0,95 in steps of 0,005 at the user's n; then the start p0, recomputed.
void p0_Animation(Erkundungsfenster& f);
// n = 5 .. 100 at the start p0 on the axis 0..100; then the start n, recomputed.
void n_Animation(Erkundungsfenster& f);

// One frame of the p0 animation without its wait: p0 = i/200 into the state and Edit_p0, the
// table of B(n; p0) and the whole distribution chart.
void p0_Animationsbild(Erkundungsfenster& f, int i);
