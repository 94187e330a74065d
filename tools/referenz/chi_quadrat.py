#!/usr/bin/env python3
"""Upper 0.1 % points of the chi-square distribution: the x with P(chi2_f <= x) = 0.999.

P(chi2_f <= x) is the regularised lower incomplete gamma function P(f/2, x/2), evaluated with
mpmath at 100 decimal digits; the point is found by its root finder and printed to 6 decimals.

Usage: python3 tools/referenz/chi_quadrat.py 14 19 40 240
"""

import sys

import mpmath
from mpmath import mp, mpf

mp.dps = 100
NIVEAU = mpf("0.999")


def quantil(f):
    verteilung = lambda x: mpmath.gammainc(mpf(f) / 2, 0, x / 2, regularized=True) - NIVEAU
    # Start at the mean f; the root is unique, as the distribution function is increasing.
    return mpmath.findroot(verteilung, mpf(f) + 3 * mpmath.sqrt(2 * f))


for f in map(int, sys.argv[1:]):
    print(f"{f}: {mpmath.nstr(quantil(f), 12)}")
