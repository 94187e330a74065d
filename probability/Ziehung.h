#pragma once
// Values X drawn from a table of P(X = k), k = 0..n, by inversion over its running sums.
//
// Only std::mt19937_64 feeds a draw: its output sequence is fixed by the C++ standard, and
// the conversion to a number in [0, 1) and the inversion are written here, not taken from the
// standard library's distributions, whose algorithms differ between libraries. So the same
// seed gives the same values with every compiler (wherever long double has the 64-bit
// significand; elsewhere only a draw within rounding of a bound between two k can differ).
//
// A draw is exact to the resolution of the generator: X = k for the 64-bit outputs x with
// F(k − 1) <= x·2^-64 < F(k), F(k) the running sum up to k divided by the whole mass, both
// summed in pairs (probability/Paar.h) and the quotient rounded once, so each probability is
// met to within a few units of 2^-64.

#include <cstdint>
#include <random>
#include <span>
#include <vector>

using Extended = long double;

// x · 2^-64: in [0, 1) for every output of std::mt19937_64, exact with a 64-bit significand.
constexpr Extended Gleichverteilt(std::uint64_t x) { return static_cast<Extended>(x) * 0x1p-64L; }

class Ziehung {
public:
    // t holds P(X = k) for k = 0..n (n = t.size() − 1, at least 0), `jenseits` the mass
    // P(X > n) that a table cut at n leaves out (Poisson, geometric). The two are taken
    // relative to their sum, which rounding keeps off 1 by a few ulps. A table without any
    // mass (the geometric kind with p = 0: the first success never comes) puts every value
    // beyond n. Negative or non-finite entries count as 0.
    Ziehung(std::span<const Extended> t, Extended jenseits);

    int n() const { return static_cast<int>(Summe.size()) - 1; }
    // A value beyond n: X > n, drawn with the probability `jenseits` had.
    int ueber_n() const { return n() + 1; }

    // One value X in 0..n, or ueber_n(); takes exactly one output of g.
    int ziehen(std::mt19937_64& g) const;

    // P(X <= k) as the draws realise it: 0 below 0, within [0, 1], non-decreasing in k;
    // P(X <= n) falls short of 1 by the mass beyond n.
    Extended kumuliert(int k) const;

private:
    std::vector<Extended> Summe;  // F(k), k = 0..n, as above
    // Where the search for a value starts: for the draws with x·2^-64 in [j, j + 1)·2^-b
    // (j the top b bits of x), the first k with F(k) > j·2^-b. Every k before it has
    // F(k) <= x·2^-64 and is skipped rightly, so the result is that of the full search.
    std::vector<int> Einstieg;
    int Bits = 0;  // b: 2^b the smallest power of two >= n + 1
};
