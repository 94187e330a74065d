#pragma once
// Tables of the four discrete distributions in linear time, and the binomial sum over a range.
//
// Every value is the exact probability rounded to the nearest long double (64-bit
// significand, ties to even). How: the ratio P(k ± 1)/P(k) of each kind is a quotient of
// integers times at most one constant (p/q, q/p or mu), so a table is filled by that
// recurrence outward from the mode, in pairs of long doubles (probability/Paar.h, about 128
// bits). The value at the mode is 1/S, S the sum of the terms scaled to 1 there, walked over
// the whole distribution (its rest beyond the last term taken below 2^-140 of S): the
// distribution sums to 1, so no log-gamma or exponential is needed, whose 64-bit results
// would cost some hundred ulps at n = 4000. The geometric kind starts from p at k = 1.
//
// The bound: each pair operation errs by less than 2^-124 relatively; a value d steps from
// the mode carries 3d of them, S at most 4m for m terms summed, 1/S one more, so every pair
// is within (3d + 4m + 2)·2^-124 of the exact value: 2^-108 for n up to 4096, 2^-100 up to
// 2^20. Rounding the pair once therefore gives the correctly rounded value, unless the exact
// value lies that close to a midpoint between two long doubles; then it may be the other
// neighbour, an ulp away. The reference test (tools/referenz/tabellenwerte.py) finds no value
// beyond half an ulp. A value below the smallest normal long double (3.4e-4932) is 0, not
// subnormal: the walk ends there (on the subnormal grid it could stall, and every step there
// is slow).
//
// A table covers k = 0..n; t must hold at least n + 1 entries, and entries beyond n are not
// touched. Each function returns P(X > n), the mass the table cuts off (0 for the binomial and
// hypergeometric kinds, whose support ends at n; to the same accuracy for the others).
// UStochastik's single probabilities walk the same recurrence from the same start, so a
// single value equals its table's entry bit for bit.

#include <span>

using Extended = long double;

// B(n; p). p <= 0 (or NaN) puts all mass on k = 0, p >= 1 on k = n.
Extended Binomialtabelle(std::span<Extended> t, int n, Extended p);

// n drawn without replacement from N of which M are marked: nonzero on
// max(0, n − (N − M))..min(n, M), zeros around it. N up to 2^31 − 1. Parameters that are no
// urn (n or M outside 0..N) give a table of zeros.
Extended Hypergeometrische_Tabelle(std::span<Extended> t, int n, int M, int N);

// Poisson with mean mu, cut at n. mu <= 0 (or NaN) puts all mass on 0. Means above 2^24, far
// beyond the program's 4000, take the logarithmic form instead (relative error about 1e-15).
Extended Poissontabelle(std::span<Extended> t, int n, Extended mu);

// The number of the trial with the first success: P(X = k) = p (1 − p)^(k − 1) for k >= 1,
// P(X = 0) = 0. p >= 1 puts all mass on k = 1; p <= 0 (or NaN) gives zeros and returns 0.
Extended Geometrische_Tabelle(std::span<Extended> t, int n, Extended p);

// P(a <= X <= b) for X ~ B(n; p), the range cut to 0..n, within [0, 1]: the exact sum to
// within 2^-70 (n up to 4096), so correctly rounded, bar a near-tie, wherever it exceeds 2^-6;
// it is 1 exactly where the range holds the whole walk. The terms are walked from the mode
// both ways at once as for a table, summed in pairs, those below 2^-20 of the sum (and of the
// part within a..b while the walk is in it) in plain long doubles, until the rest is below
// 2^-80. Costs O(sqrt(n p (1 − p))) steps plus the distance from the mode to the range.
Extended Binomialintervall(int n, int a, int b, Extended p);
