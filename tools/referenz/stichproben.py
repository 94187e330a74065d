#!/usr/bin/env python3
"""The counts of 10 000 samples drawn from B(20; 0,8) with seed 1, computed another way.

The generator is std::mt19937_64 written out from its definition in the C++ standard
([rand.eng.mers], [rand.predef]), checked against the standard's own requirement that the
10 000th output of a default-constructed engine is 9981545732273789042. Each output x gives
u = x / 2^64, and X is the smallest k with u < P(X <= k), in exact rational arithmetic
(p = 4/5 exactly; the program's table holds the nearest long doubles, which differ only
for a u within 1e-18 of a bound). The region is the start values': kli = 12, kre = 20.

Usage: python3 tools/referenz/stichproben.py
"""

from fractions import Fraction
from math import comb, sqrt

MASKE = (1 << 64) - 1


class Mt19937_64:
    n, m, r = 312, 156, 31
    a = 0xB5026F5AA96619E9
    u, d = 29, 0x5555555555555555
    s, b = 17, 0x71D67FFFEDA60000
    t, c = 37, 0xFFF7EEE000000000
    l, f = 43, 6364136223846793005

    def __init__(self, seed=5489):
        self.x = [seed & MASKE]
        for i in range(1, self.n):
            vorher = self.x[-1]
            self.x.append((self.f * (vorher ^ (vorher >> 62)) + i) & MASKE)
        self.i = self.n

    def __call__(self):
        if self.i == self.n:
            unten = (1 << self.r) - 1
            for j in range(self.n):
                y = (self.x[j] & ~unten & MASKE) | (self.x[(j + 1) % self.n] & unten)
                self.x[j] = self.x[(j + self.m) % self.n] ^ (y >> 1) ^ (self.a if y & 1 else 0)
            self.i = 0
        z = self.x[self.i]
        self.i += 1
        z ^= (z >> self.u) & self.d
        z ^= (z << self.s) & self.b
        z ^= (z << self.t) & self.c
        z ^= z >> self.l
        return z


def main():
    g = Mt19937_64()
    for _ in range(9999):
        g()
    assert g() == 9981545732273789042, "not the standard's mt19937_64"

    n, p = 20, Fraction(4, 5)
    kumuliert, summe = [], Fraction(0)
    for k in range(n + 1):
        summe += comb(n, k) * p**k * (1 - p) ** (n - k)
        kumuliert.append(summe)

    g = Mt19937_64(1)
    haeufigkeit = [0] * (n + 1)
    for _ in range(10000):
        u = Fraction(g(), 1 << 64)
        haeufigkeit[next(k for k in range(n + 1) if u < kumuliert[k])] += 1
    in_v = sum(haeufigkeit[:13]) + haeufigkeit[20]
    print("Haeufigkeit", haeufigkeit)
    print("in V", in_v, "in A", 10000 - in_v)

    # The score interval with z = 1,96 around in_V / 10 000, in percent.
    z, m, q = 1.96, 10000, in_v / 10000
    w = z * z / m
    e = sqrt(w / 4 / m + (1 - q) * q / m)
    print("Intervall %.12f %.12f" % (100 * ((w / 2 + q) - z * e) / (w + 1), 100 * (z * e + (w / 2 + q)) / (w + 1)))


main()
