#pragma once
// The two animations ("p0-Ani", "n-Ani"): every frame a complete distribution chart, then a
// wait in which the window goes on handling its events.

#include "analysis/Serienwerte.h"

class TForm1;

// One frame of the p0 animation without its wait: p0 = i/200 into the state and Edit_p0, the
// table of B(n; p0) and the whole distribution chart.
void p0_Animationsbild(TForm1& f, int i);
