#pragma once
// Families of binomial distributions in one chart ("mehrere p0", "mehrere n"). Each runs as
// a Serie (explorations/Serie.h): the start state with the user's n or p0, the family, then
// the start values recomputed, the family chart left standing.

#include "analysis/Serienwerte.h"

class Erkundungsfenster;

// The p0 family is drawn only up to this n; the window refuses the button above it.
constexpr int n_mehrere_p0_hoechstens = 500;

// The family B(n; 0,1), B(n; 0,3), ..., B(n; 0,9) at the user's n, with its caption;
// afterwards the start state with the user's n (p0 is the start p0 again), recomputed.
void mehrere_p0_zeichnen(Erkundungsfenster& f);
// The family B(10; p0), B(50; p0), B(100; p0), B(200; p0) at the user's p0 (0 drawn with
// 0,2), with its caption; afterwards the start state with that p0 (n is the start n again),
// recomputed.
void mehrere_n_zeichnen(Erkundungsfenster& f);

// The axis of a p0 series at the user's n: k from 0 to n on the scale Pmax(n), in the state
// and the k fields.
void p0_Achse_setzen(Erkundungsfenster& f, Extended (*Pmax)(int n));
