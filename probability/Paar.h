#pragma once
// Pairs of long doubles: hi + lo with |lo| <= ulp(hi)/2, about 128 significant bits, so hi is
// the pair rounded to the nearest long double. The error-free steps below (Knuth's two-sum,
// Dekker's product with Veltkamp's split) need every operation rounded once to the 64-bit
// significand, which the x87 unit does for long double; g++ never contracts them (x87 has
// no fused multiply-add). Each product, quotient or sum of pairs errs by less than 2^-124
// relatively, as long as nothing underflows.

#include <cstdint>

using Extended = long double;

namespace paar {

struct Paar {
    Extended hi;
    Extended lo;
};

// a + b exactly, for |a| >= |b| (or a = 0).
inline Paar Schnellsumme(Extended a, Extended b)
{
    const Extended s = a + b;
    return {s, b - (s - a)};
}

// a + b exactly, for any order.
inline Paar Zweisumme(Extended a, Extended b)
{
    const Extended s = a + b;
    const Extended bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// Veltkamp's split at 32 of the 64 bits: a = h + l, each with at most 32 significant bits,
// so that the products of two halves are exact.
inline void Halbieren(Extended a, Extended& h, Extended& l)
{
    const Extended c = 4294967297.0L * a;  // 2^32 + 1
    h = c - (c - a);
    l = a - h;
}

// a · b exactly (Dekker), as long as nothing underflows.
inline Paar Zweiprodukt(Extended a, Extended b)
{
    const Extended p = a * b;
    Extended ah, al, bh, bl;
    Halbieren(a, ah, al);
    Halbieren(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline Paar mal(Paar a, Paar b)
{
    Paar p = Zweiprodukt(a.hi, b.hi);
    p.lo += a.hi * b.lo + a.lo * b.hi;
    return Schnellsumme(p.hi, p.lo);
}

inline Paar mal(Paar a, Extended b)
{
    Paar p = Zweiprodukt(a.hi, b);
    p.lo += a.lo * b;
    return Schnellsumme(p.hi, p.lo);
}

// a / b for long doubles a, b (b != 0): the quotient and the remainder's share.
inline Paar Quotient(Extended a, Extended b)
{
    const Extended q = a / b;
    const Paar r = Zweiprodukt(q, b);
    return Schnellsumme(q, ((a - r.hi) - r.lo) / b);
}

// A long double split once, for many products with integers c, 0 <= c < 2^32: such a c
// needs no split of its own, and the two halves times c are exact.
struct Geteilt {
    Paar wert;
    Extended h, l;
    explicit Geteilt(Paar w) : wert(w) { Halbieren(w.hi, h, l); }
};

inline Paar mal(const Geteilt& a, std::int64_t c)
{
    const Extended x = static_cast<Extended>(c);
    const Extended p = a.wert.hi * x;
    return Schnellsumme(p, ((a.h * x - p) + a.l * x) + a.wert.lo * x);
}

// a / c for an integer 0 < c < 2^32.
inline Paar durch(Paar a, std::int64_t c)
{
    const Extended x = static_cast<Extended>(c);
    const Extended q = a.hi / x;
    Extended h, l;
    Halbieren(q, h, l);
    const Extended p = q * x;
    const Extended r = (a.hi - p) - ((h * x - p) + l * x) + a.lo;
    return Schnellsumme(q, r / x);
}

inline Paar durch(Paar a, Paar b)
{
    const Extended q = a.hi / b.hi;
    const Paar r = mal(b, q);
    const Paar d = Zweisumme(a.hi, -r.hi);
    return Schnellsumme(q, (d.hi + (d.lo - r.lo + a.lo)) / b.hi);
}

// Sum of nonnegative pairs: no cancellation, so the cheap form keeps 2^-124.
inline Paar plus(Paar a, Paar b)
{
    Paar s = Zweisumme(a.hi, b.hi);
    s.lo += a.lo + b.lo;
    return Schnellsumme(s.hi, s.lo);
}

// Adds a long double to a running pair sum: exact as long as the sum's exact value has at
// most 128 significant bits, within 2^-124 of it otherwise.
inline Paar plus(Paar a, Extended b)
{
    const Paar s = Zweisumme(a.hi, b);
    return Schnellsumme(s.hi, s.lo + a.lo);
}

}  // namespace paar
