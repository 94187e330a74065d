#pragma once
// Probability functions in extended precision; each result depends on the arguments only.
// The four discrete probabilities are the exact values rounded to the nearest long double
// (within 2^-100 of a midpoint they may be the other neighbour); they are defined in
// Tabellen.cpp beside the tables, whose entries they equal bit for bit.

using Extended = long double;

Extended Fakultaet(int k);
Extended Binomialkoeffizient(int n, int k);
Extended Binomialverteilung(int n, int k, Extended p);
Extended Hypergeometrisch(int n, int M, int N, int k);
Extended Poissonverteilung(int k, Extended mu);
// P(X = k) for X the number of the trial with the first success: p (1 − p)^(k − 1), k >= 1.
Extended Geometrisch(int k, Extended p);

Extended Normaldichte(Extended mu, Extended sigma, Extended x);
Extended Phi(Extended x);
Extended Phi_invers(Extended y);
