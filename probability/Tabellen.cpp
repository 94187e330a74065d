#include "probability/Tabellen.h"

#include "probability/Paar.h"
#include "probability/UStochastik.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using namespace paar;

constexpr Paar Eins{1, 0};

// ---- The four kinds as ratio recurrences ------------------------------------------------------
// Each kind gives its support von..bis (bis may be "unbounded"), a start k near the mode and
// the ratios P(k + 1)/P(k) (auf) and P(k − 1)/P(k) (ab) as pairs. The ratios do not depend
// on the running value, so the processor computes them beside the chain of products.

constexpr int Unbegrenzt = std::numeric_limits<int>::max();

// Values below the smallest normal long double (3.4e-4932) are 0: a walk ends there. On the
// subnormal grid a ratio close to 1 would round a value back to itself, step after slow step.
constexpr Extended Kleinste_normale = std::numeric_limits<Extended>::min();

struct Binomialschritte {
    int n;
    Geteilt p_durch_q;
    Geteilt q_durch_p;
    int von, bis, modus;

    // q = 1 − p exactly as a pair; p/q and q/p to pair accuracy.
    Binomialschritte(int n_, Extended p)
        : n(n_),
          p_durch_q(durch(Paar{p, 0}, Zweisumme(1, -p))),
          q_durch_p(durch(Zweisumme(1, -p), Paar{p, 0})),
          von(0),
          bis(n_)
    {
        modus = static_cast<int>(std::clamp<Extended>(std::floor((n + 1.0L) * p), 0, n));
    }
    // (n − k) p / ((k + 1) q) and k q / ((n − k + 1) p); n < 2^31, so every integer is a
    // valid factor or divisor.
    Paar auf(int k) const { return durch(mal(p_durch_q, n - k), std::int64_t{k} + 1); }
    Paar ab(int k) const { return durch(mal(q_durch_p, k), std::int64_t{n} - k + 1); }
    Extended auf_grob(int k) const { return p_durch_q.wert.hi * (n - k) / (k + 1.0L); }
    Extended ab_grob(int k) const { return q_durch_p.wert.hi * k / (n - k + 1.0L); }
};

struct Hypergeoschritte {
    std::int64_t n, M, N;
    int von, bis, modus;

    Hypergeoschritte(int n_, int M_, int N_) : n(n_), M(M_), N(N_)
    {
        von = static_cast<int>(std::max<std::int64_t>(0, n - (N - M)));
        bis = static_cast<int>(std::min(n, M));
        // floor((n + 1)(M + 1)/(N + 2)) in integers: at most 2^31 · 2^31.
        const std::int64_t m = (n + 1) * (M + 1) / (N + 2);
        modus = static_cast<int>(std::clamp<std::int64_t>(m, von, bis));
    }
    // Numerator and denominator are products of two factors below 2^31 each, so below 2^62:
    // exact as long doubles.
    Paar auf(int k) const
    {
        return Quotient(static_cast<Extended>((M - k) * (n - k)), static_cast<Extended>((k + 1) * (N - M - n + k + 1)));
    }
    Paar ab(int k) const
    {
        return Quotient(static_cast<Extended>(k * (N - M - n + k)), static_cast<Extended>((M - k + 1) * (n - k + 1)));
    }
    Extended auf_grob(int k) const { return auf(k).hi; }
    Extended ab_grob(int k) const { return ab(k).hi; }
};

struct Poissonschritte {
    Extended mu;
    int von, bis, modus;

    explicit Poissonschritte(Extended mu_) : mu(mu_), von(0), bis(Unbegrenzt)
    {
        modus = static_cast<int>(std::min<Extended>(std::floor(mu), Unbegrenzt - 1));
    }
    Paar auf(int k) const { return durch(Paar{mu, 0}, std::int64_t{k} + 1); }
    Paar ab(int k) const { return Quotient(k, mu); }
    Extended auf_grob(int k) const { return mu / (k + 1.0L); }
    Extended ab_grob(int k) const { return k / mu; }
};

// Past the mode of a log-concave distribution (all four kinds here) the ratios fall, so the
// rest beyond a term t reached with ratio r < 1 is at most t·r/(1 − r). It is negligible
// once that is below the share g of the sum it would be added to.
inline bool Rest_vernachlaessigbar(Extended t, Extended r, Extended Summe, Extended g)
{
    return r < 1 && t * r <= (1 - r) * Summe * g;
}

// For the sum that seeds a table: far below the pair's own 2^-124.
constexpr Extended Anteil_Tabelle = 0x1p-140L;
// For a probability of acceptance, which is exact to 2^-70 (Binomialintervall), the rest
// below 2^-80 and the terms below 2^-20 in plain long doubles; a table's seed keeps pairs
// throughout.
constexpr Extended Anteil_Summe = 0x1p-80L;
constexpr Extended Anteil_grob = 0x1p-20L;

// The sum of the unscaled terms (1 at the start k) over the whole support, and its part
// within a..b.
struct Summen {
    Paar alle{0, 0};
    Paar innen{0, 0};
};

// One way of the walk from the start k (richtung +1 up, −1 down) and what it has summed: in
// pairs, and, after it has turned coarse, in plain long doubles.
struct Weg {
    int richtung;
    int k;
    enum { Paare, Grob, Fertig } Stand = Paare;
    Paar t{1, 0};
    Paar alle{0, 0}, innen{0, 0};
    Extended t_grob = 0, alle_grob = 0, innen_grob = 0;
};

// The walk from the start k, both ways at once: the two chains of products do not depend on
// each other, so the processor overlaps them. Each way stops at the end of the support, where
// its terms fall below the smallest normal long double, or where its rest is below the share g
// of the whole sum and, while it is still inside a..b, of the inner sum too.
// With grob > 0 a way whose terms have fallen below that share of the sums (and of the inner
// sum while the way is inside a..b) goes on in plain long doubles. For n up to 4096 such a way
// takes at most some 200 more steps of three roundings each, so its terms err by 2^-54 at
// most; they sum to a few times grob, so with grob = 2^-20 the whole errs by less than 2^-70.
template <class Schritte>
Summen Summen_bilden(const Schritte& s, int a, int b, Extended g, Extended grob)
{
    const bool leer = a > b;
    auto drin = [&](int k) { return a <= k && k <= b; };
    // Whether the way stands inside a..b with more of it ahead: then the rest must be small
    // against the inner sum too. A range still ahead of a way is no reason to go on; the rest
    // it would get is below the share g of the whole.
    auto innen_offen = [&](int k, int richtung) { return !leer && (richtung > 0 ? k >= a && k < b : k <= b && k > a); };
    Weg hoch{+1, s.modus}, runter{-1, s.modus};
    hoch.alle = Eins;
    if (drin(s.modus)) hoch.innen = Eins;
    auto ganz = [&] { return hoch.alle.hi + runter.alle.hi + (hoch.alle_grob + runter.alle_grob); };
    auto innen = [&] { return hoch.innen.hi + runter.innen.hi + (hoch.innen_grob + runter.innen_grob); };
    auto genug = [&](Extended t, Extended r, int k, int richtung) {
        return Rest_vernachlaessigbar(t, r, ganz(), g) &&
               (!innen_offen(k, richtung) || Rest_vernachlaessigbar(t, r, innen(), g));
    };
    auto schritt = [&](Weg& w) {
        if (w.Stand == Weg::Fertig) return;
        if (w.richtung > 0 ? w.k >= s.bis : w.k <= s.von) {
            w.Stand = Weg::Fertig;
            return;
        }
        if (w.Stand == Weg::Paare) {
            const Paar r = w.richtung > 0 ? s.auf(w.k) : s.ab(w.k);
            w.t = mal(w.t, r);
            w.k += w.richtung;
            if (w.t.hi < Kleinste_normale) {
                w.Stand = Weg::Fertig;
                return;
            }
            w.alle = plus(w.alle, w.t);
            if (drin(w.k)) w.innen = plus(w.innen, w.t);
            // Coarse terms reach the stop long after they start (2^-20 against g), so a walk
            // that may turn coarse tests only for that here.
            if (grob == 0) {
                if (genug(w.t.hi, r.hi, w.k, w.richtung)) w.Stand = Weg::Fertig;
            } else if (w.t.hi < grob * ganz() && (!innen_offen(w.k, w.richtung) || w.t.hi < grob * innen())) {
                w.Stand = Weg::Grob;
                w.t_grob = w.t.hi;
            }
            return;
        }
        const Extended r = w.richtung > 0 ? s.auf_grob(w.k) : s.ab_grob(w.k);
        w.t_grob *= r;
        w.k += w.richtung;
        if (w.t_grob < Kleinste_normale) {
            w.Stand = Weg::Fertig;
            return;
        }
        w.alle_grob += w.t_grob;
        if (drin(w.k)) w.innen_grob += w.t_grob;
        if (genug(w.t_grob, r, w.k, w.richtung)) w.Stand = Weg::Fertig;
    };
    while (hoch.Stand != Weg::Fertig || runter.Stand != Weg::Fertig) {
        schritt(hoch);
        schritt(runter);
    }
    Summen z;
    z.alle = plus(plus(plus(hoch.alle, runter.alle), hoch.alle_grob), runter.alle_grob);
    z.innen = plus(plus(plus(hoch.innen, runter.innen), hoch.innen_grob), runter.innen_grob);
    return z;
}

// The value at the start k: 1/S, so that the terms sum to 1.
template <class Schritte>
Paar Startwert(const Schritte& s)
{
    return durch(Eins, Summen_bilden(s, 1, 0, Anteil_Tabelle, 0).alle);
}

// t[k] for k = 0..n from the value at the start k, each the pair rounded once; zeros outside
// the support and where the terms underflow. Returns the mass beyond n: the terms past n are
// walked (not stored) until their rest is negligible.
template <class Schritte>
Extended Tabelle_aus_Startwert(const Schritte& s, Paar start, std::span<Extended> t, int n)
{
    std::fill(t.begin(), t.begin() + n + 1, Extended{0});
    Paar jenseits{0, 0};
    auto ablegen = [&](int k, Paar w) {
        if (k <= n)
            t[k] = w.hi;
        else
            jenseits = plus(jenseits, w);
    };
    ablegen(s.modus, start);
    Paar w = start;
    for (int k = s.modus; k < s.bis; ++k) {
        const Paar r = s.auf(k);
        w = mal(w, r);
        if (w.hi < Kleinste_normale) break;
        ablegen(k + 1, w);
        if (k + 1 > n && Rest_vernachlaessigbar(w.hi, r.hi, jenseits.hi, Anteil_Tabelle)) break;
    }
    w = start;
    for (int k = s.modus; k > s.von; --k) {
        w = mal(w, s.ab(k));
        if (w.hi < Kleinste_normale) break;
        ablegen(k - 1, w);
    }
    return jenseits.hi;
}

// The single value at k: the same walk from the same start, so bit for bit the table's entry.
template <class Schritte>
Extended Einzelwert(const Schritte& s, int k)
{
    if (k < s.von || k > s.bis) return 0;
    Paar w = Startwert(s);
    for (int j = s.modus; j < k && w.hi >= Kleinste_normale; ++j) w = mal(w, s.auf(j));
    for (int j = s.modus; j > k && w.hi >= Kleinste_normale; --j) w = mal(w, s.ab(j));
    return w.hi >= Kleinste_normale ? w.hi : 0;
}

// Means beyond this take the logarithmic form: a walk would need some 28·sqrt(mu) steps for
// the sum alone. The program's means stay below 4001.
constexpr Extended Groesster_Poisson_Mittelwert = 0x1p24L;

// ---- The logarithmic form of the Poisson probability, for the means beyond the walk ---------

constexpr Extended Ln_Wurzel_zwei_Pi = 0.918938533204672741780329736405617640L;

// k·ln(k/mu) + mu − k without cancellation: near k = mu the direct form loses the digits
// that decide the result, so a series in v = (k − mu)/(k + mu) is summed there.
Extended Abweichung_bd0(Extended k, Extended mu)
{
    const Extended d = k - mu;
    if (std::fabs(d) < 0.1L * (k + mu)) {
        Extended v = d / (k + mu);
        Extended s = d * v;
        Extended ej = 2 * k * v;
        v = v * v;
        for (int j = 1; j < 1000; ++j) {
            ej *= v;
            const Extended s1 = s + ej / (2 * j + 1);
            if (s1 == s) return s1;
            s = s1;
        }
        return s;
    }
    return k * std::log(k / mu) + mu - k;
}

// ln k! − ((k + ½)·ln k − k + ln √(2π)) by Stirling's series. Its first omitted term is
// below 10^-30 for k >= 10^6; smaller k meet a mean above 2^24 only where e^(−bd0) is 0.
Extended Stirlingfehler(Extended k)
{
    const Extended k2 = k * k;
    return (1.0L / 12 - (1.0L / 360 - (1.0L / 1260) / k2) / k2) / k;
}

// P(k; mu) = exp(−bd0(k, mu) − stirlerr(k)) / √(2πk), and e^−mu at k = 0; relative error
// about 1e-15 for mu far beyond the program's range.
Extended Poisson_logarithmisch(int k, Extended mu)
{
    if (k == 0) return std::exp(-mu);
    const Extended kk = k;
    return std::exp(-Abweichung_bd0(kk, mu) - Stirlingfehler(kk) - Ln_Wurzel_zwei_Pi - 0.5L * std::log(kk));
}

// q^e for a pair q, by squaring: 2 log2(e) products.
Paar Potenz(Paar q, std::int64_t e)
{
    Paar r = Eins;
    while (e > 0) {
        if (e & 1) r = mal(r, q);
        q = mal(q, q);
        e >>= 1;
    }
    return r;
}

// Beyond this k a single geometric value takes the power instead of the walk (no table that
// the program keeps is that long, so no table entry is compared with it).
constexpr int Laengster_geometrischer_Weg = 1 << 16;

bool Keine_Urne(int n, int M, int N) { return n < 0 || M < 0 || N < 0 || n > N || M > N; }

}  // namespace

Extended Binomialtabelle(std::span<Extended> t, int n, Extended p)
{
    if (n < 0) return 0;
    std::fill(t.begin(), t.begin() + n + 1, Extended{0});
    // The recurrence divides by p and by 1 − p; at the ends the table is one point.
    if (!(p > 0)) {
        t[0] = 1;
        return 0;
    }
    if (!(p < 1)) {
        t[n] = 1;
        return 0;
    }
    const Binomialschritte s(n, p);
    Tabelle_aus_Startwert(s, Startwert(s), t, n);
    return 0;
}

Extended Hypergeometrische_Tabelle(std::span<Extended> t, int n, int M, int N)
{
    if (n < 0) return 0;
    if (Keine_Urne(n, M, N)) {
        std::fill(t.begin(), t.begin() + n + 1, Extended{0});
        return 0;
    }
    const Hypergeoschritte s(n, M, N);
    Tabelle_aus_Startwert(s, Startwert(s), t, n);
    return 0;
}

Extended Poissontabelle(std::span<Extended> t, int n, Extended mu)
{
    if (n < 0) return 0;
    if (!(mu > 0)) {
        std::fill(t.begin(), t.begin() + n + 1, Extended{0});
        t[0] = 1;
        return 0;
    }
    // An infinite mean leaves no mass at any finite k (and would give inf − inf below).
    if (std::isinf(mu)) {
        std::fill(t.begin(), t.begin() + n + 1, Extended{0});
        return 1;
    }
    if (mu > Groesster_Poisson_Mittelwert) {
        Extended innen = 0;
        for (int k = 0; k <= n; ++k) innen += t[k] = Poisson_logarithmisch(k, mu);
        return std::max(Extended{0}, 1 - innen);
    }
    const Poissonschritte s(mu);
    return Tabelle_aus_Startwert(s, Startwert(s), t, n);
}

Extended Geometrische_Tabelle(std::span<Extended> t, int n, Extended p)
{
    if (n < 0) return 0;
    std::fill(t.begin(), t.begin() + n + 1, Extended{0});
    if (!(p > 0)) return 0;
    if (!(p < 1)) {
        if (n >= 1) t[1] = 1;
        return 0;
    }
    // The geometric kind needs no sum: the value at k = 1 is p itself, each next one q times it.
    const Paar q = Zweisumme(1, -p);
    Paar w{p, 0};
    for (int k = 1; k <= n && w.hi >= Kleinste_normale; ++k) {
        t[k] = w.hi;
        w = mal(w, q);
    }
    // P(X > n) = (1 − p)^n.
    const Extended jenseits = Potenz(q, n).hi;
    return jenseits >= Kleinste_normale ? jenseits : 0;
}

Extended Binomialintervall(int n, int a, int b, Extended p)
{
    a = std::max(a, 0);
    b = std::min(b, n);
    if (b < a) return 0;
    // At the ends of the range the distribution is one point, k = 0 or k = n.
    if (!(p > 0)) return a <= 0 ? 1 : 0;
    if (!(p < 1)) return b >= n ? 1 : 0;
    const Summen z = Summen_bilden(Binomialschritte(n, p), a, b, Anteil_Summe, Anteil_grob);
    return std::clamp(durch(z.innen, z.alle).hi, Extended{0}, Extended{1});
}

// ---- The single probabilities of UStochastik.h ------------------------------------------------

Extended Binomialverteilung(int n, int k, Extended p)
{
    if (k < 0 || k > n) return 0;
    if (!(p > 0)) return k == 0 ? 1 : 0;
    if (!(p < 1)) return k == n ? 1 : 0;
    return Einzelwert(Binomialschritte(n, p), k);
}

Extended Hypergeometrisch(int n, int M, int N, int k)
{
    if (k < 0 || k > n || Keine_Urne(n, M, N)) return 0;
    return Einzelwert(Hypergeoschritte(n, M, N), k);
}

Extended Poissonverteilung(int k, Extended mu)
{
    if (k < 0) return 0;
    // mu = 0 would take ln(0): all mass at k = 0, the limit of the formula. Negative or NaN mu
    // is no distribution and is treated the same way, so no NaN leaves here.
    if (!(mu > 0)) return k == 0 ? 1 : 0;
    if (std::isinf(mu)) return 0;
    if (mu > Groesster_Poisson_Mittelwert) return Poisson_logarithmisch(k, mu);
    return Einzelwert(Poissonschritte(mu), k);
}

Extended Geometrisch(int k, Extended p)
{
    if (k < 1 || !(p > 0)) return 0;
    // p = 1: the first trial always succeeds, the limit of p·(1 − p)^(k−1).
    if (!(p < 1)) return k == 1 ? 1 : 0;
    // The table's walk, so that the value is its entry bit for bit.
    const Paar q = Zweisumme(1, -p);
    if (k > Laengster_geometrischer_Weg) {
        const Extended w = mal(Potenz(q, k - 1), p).hi;
        return w >= Kleinste_normale ? w : 0;
    }
    Paar w{p, 0};
    for (int j = 1; j < k && w.hi >= Kleinste_normale; ++j) w = mal(w, q);
    return w.hi >= Kleinste_normale ? w.hi : 0;
}
