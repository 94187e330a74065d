#pragma once
// Probability functions in extended precision. Each result depends on the arguments only; the
// hypergeometric density keeps a per-thread cache of its last denominator (same N and n), which
// changes no result and is safe on the worker threads that share out a table.

using Extended = long double;

Extended Fakultaet(int k);
Extended Binomialkoeffizient(int n, int k);
Extended Binomialverteilung(int n, int k, Extended p);
Extended Hypergeometrisch(int n, int M, int N, int k);
Extended Poissonverteilung(int k, Extended mu);
Extended Geometrisch(int k, Extended p);

Extended Normaldichte(Extended mu, Extended sigma, Extended x);
Extended Phi(Extended x);
Extended Phi_invers(Extended y);
