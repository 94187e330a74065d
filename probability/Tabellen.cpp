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

struct Binomialschritte {
    int n;
    Geteilt p_durch_q;
    Geteilt q_durch_p;
    int von, bis, modus;

    // q = 1 − p exactly as a pair; p/q and q/p to pair accuracy.
    Binomialschritte(int n_, Extended p)
        : n(n_), p_durch_q(durch(Paar{p, 0}, Zweisumme(1, -p))),
          q_durch_p(durch(Zweisumme(1, -p), Paar{p, 0})), von(0), bis(n_) {
        modus = static_cast<int>(std::clamp<Extended>(std::floor((n + 1.0L) * p), 0, n));
    }
    // (n − k) p / ((k + 1) q) and k q / ((n − k + 1) p); n < 2^31, so every integer is a
    // valid factor or divisor.
    Paar auf(int k) const { return durch(mal(p_durch_q, n - k), std::int64_t{k} + 1); }
    Paar ab(int k) const { return durch(mal(q_durch_p, k), std::int64_t{n} - k + 1); }
};

struct Hypergeoschritte {
    std::int64_t n, M, N;
    int von, bis, modus;

    Hypergeoschritte(int n_, int M_, int N_) : n(n_), M(M_), N(N_) {
        von = static_cast<int>(std::max<std::int64_t>(0, n - (N - M)));
        bis = static_cast<int>(std::min(n, M));
        // floor((n + 1)(M + 1)/(N + 2)) in integers: at most 2^31 · 2^31.
        const std::int64_t m = (n + 1) * (M + 1) / (N + 2);
        modus = static_cast<int>(std::clamp<std::int64_t>(m, von, bis));
    }
    // Numerator and denominator are products of two factors below 2^31 each, so below 2^62:
    // exact as long doubles.
    Paar auf(int k) const {
        return Quotient(static_cast<Extended>((M - k) * (n - k)),
                        static_cast<Extended>((k + 1) * (N - M - n + k + 1)));
    }
    Paar ab(int k) const {
        return Quotient(static_cast<Extended>(k * (N - M - n + k)),
                        static_cast<Extended>((M - k + 1) * (n - k + 1)));
    }
};

struct Poissonschritte {
    Extended mu;
    int von, bis, modus;

    explicit Poissonschritte(Extended mu_) : mu(mu_), von(0), bis(Unbegrenzt) {
        modus = static_cast<int>(std::min<Extended>(std::floor(mu), Unbegrenzt - 1));
    }
    Paar auf(int k) const { return durch(Paar{mu, 0}, std::int64_t{k} + 1); }
    Paar ab(int k) const { return Quotient(k, mu); }
};

// Past the mode of a log-concave distribution (all four kinds here) the ratios fall, so the
// rest beyond a term t reached with ratio r < 1 is at most t·r/(1 − r). It is negligible
// once that is below the share g of the sum it would be added to.
inline bool Rest_vernachlaessigbar(Extended t, Extended r, Extended Summe, Extended g) {
    return r < 1 && t * r <= (1 - r) * Summe * g;
}

// For the sum that seeds a table: far below the pair's own 2^-124.
constexpr Extended Anteil_Tabelle = 0x1p-140L;
// For a probability of acceptance: far below anything a long double result can show.
constexpr Extended Anteil_Summe = 0x1p-100L;

// The sum of the unscaled terms (1 at the start k) over the whole support, and its part
// within a..b.
struct Summen {
    Paar alle{0, 0};
    Paar innen{0, 0};
};

// One walk each way from the start k. It stops at the end of the support, where the terms
// underflow to 0, or where the rest is negligible for the whole sum and, while the walk is
// still inside a..b, for the inner sum too. A rest still outside a..b (the range lies beyond
// it) is dropped: at most 2^-140 of the whole.
template <class Schritte>
Summen Summen_bilden(const Schritte& s, int a, int b, Extended g) {
    Summen z;
    auto nehmen = [&](int k, Paar t) {
        z.alle = plus(z.alle, t);
        if (a <= k && k <= b) z.innen = plus(z.innen, t);
    };
    nehmen(s.modus, Eins);
    Paar t = Eins;
    for (int k = s.modus; k < s.bis; ++k) {
        const Paar r = s.auf(k);
        t = mal(t, r);
        if (t.hi == 0) break;
        nehmen(k + 1, t);
        if (Rest_vernachlaessigbar(t.hi, r.hi, z.alle.hi, g) &&
            (k + 1 >= b || k + 1 < a || Rest_vernachlaessigbar(t.hi, r.hi, z.innen.hi, g)))
            break;
    }
    t = Eins;
    for (int k = s.modus; k > s.von; --k) {
        const Paar r = s.ab(k);
        t = mal(t, r);
        if (t.hi == 0) break;
        nehmen(k - 1, t);
        if (Rest_vernachlaessigbar(t.hi, r.hi, z.alle.hi, g) &&
            (k - 1 <= a || k - 1 > b || Rest_vernachlaessigbar(t.hi, r.hi, z.innen.hi, g)))
            break;
    }
    return z;
}

// The value at the start k: 1/S, so that the terms sum to 1.
template <class Schritte>
Paar Startwert(const Schritte& s) {
    return durch(Eins, Summen_bilden(s, 1, 0, Anteil_Tabelle).alle);
}

// t[k] for k = 0..n from the value at the start k, each the pair rounded once; zeros outside
// the support and where the terms underflow. Returns the mass beyond n: the terms past n are
// walked (not stored) until their rest is negligible.
template <class Schritte>
Extended Tabelle_aus_Startwert(const Schritte& s, Paar start, std::span<Extended> t, int n) {
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
        if (w.hi == 0) break;
        ablegen(k + 1, w);
        if (k + 1 > n && Rest_vernachlaessigbar(w.hi, r.hi, jenseits.hi, Anteil_Tabelle)) break;
    }
    w = start;
    for (int k = s.modus; k > s.von; --k) {
        w = mal(w, s.ab(k));
        if (w.hi == 0) break;
        ablegen(k - 1, w);
    }
    return jenseits.hi;
}

// The single value at k: the same walk from the same start, so bit for bit the table's entry.
template <class Schritte>
Extended Einzelwert(const Schritte& s, int k) {
    if (k < s.von || k > s.bis) return 0;
    Paar w = Startwert(s);
    for (int j = s.modus; j < k && w.hi != 0; ++j) w = mal(w, s.auf(j));
    for (int j = s.modus; j > k && w.hi != 0; --j) w = mal(w, s.ab(j));
    return w.hi;
}

// Means beyond this take the logarithmic form: a walk would need some 28·sqrt(mu) steps for
// the sum alone. The program's means stay below 4001.
constexpr Extended Groesster_Poisson_Mittelwert = 0x1p24L;

// ---- The logarithmic form of the Poisson probability, for the means beyond the walk ---------

constexpr Extended Ln_Wurzel_zwei_Pi = 0.918938533204672741780329736405617640L;

// k·ln(k/mu) + mu − k without cancellation: near k = mu the direct form loses the digits
// that decide the result, so a series in v = (k − mu)/(k + mu) is summed there.
Extended Abweichung_bd0(Extended k, Extended mu) {
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
Extended Stirlingfehler(Extended k) {
    const Extended k2 = k * k;
    return (1.0L / 12 - (1.0L / 360 - (1.0L / 1260) / k2) / k2) / k;
}

// P(k; mu) = exp(−bd0(k, mu) − stirlerr(k)) / √(2πk), and e^−mu at k = 0; relative error
// about 1e-15 for mu far beyond the program's range.
Extended Poisson_logarithmisch(int k, Extended mu) {
    if (k == 0) return std::exp(-mu);
    const Extended kk = k;
    return std::exp(-Abweichung_bd0(kk, mu) - Stirlingfehler(kk) - Ln_Wurzel_zwei_Pi -
                    0.5L * std::log(kk));
}

// q^e for a pair q, by squaring: 2 log2(e) products.
Paar Potenz(Paar q, std::int64_t e) {
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

bool Keine_Urne(int n, int M, int N) {
    return n < 0 || M < 0 || N < 0 || n > N || M > N;
}

}  // namespace

Extended Binomialtabelle(std::span<Extended> t, int n, Extended p) {
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

Extended Hypergeometrische_Tabelle(std::span<Extended> t, int n, int M, int N) {
    if (n < 0) return 0;
    if (Keine_Urne(n, M, N)) {
        std::fill(t.begin(), t.begin() + n + 1, Extended{0});
        return 0;
    }
    const Hypergeoschritte s(n, M, N);
    Tabelle_aus_Startwert(s, Startwert(s), t, n);
    return 0;
}

Extended Poissontabelle(std::span<Extended> t, int n, Extended mu) {
    if (n < 0) return 0;
    if (!(mu > 0)) {
        std::fill(t.begin(), t.begin() + n + 1, Extended{0});
        t[0] = 1;
        return 0;
    }
    if (mu > Groesster_Poisson_Mittelwert) {
        Extended innen = 0;
        for (int k = 0; k <= n; ++k) innen += t[k] = Poisson_logarithmisch(k, mu);
        return std::max(Extended{0}, 1 - innen);
    }
    const Poissonschritte s(mu);
    return Tabelle_aus_Startwert(s, Startwert(s), t, n);
}

Extended Geometrische_Tabelle(std::span<Extended> t, int n, Extended p) {
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
    for (int k = 1; k <= n && w.hi != 0; ++k) {
        t[k] = w.hi;
        w = mal(w, q);
    }
    // P(X > n) = (1 − p)^n.
    return Potenz(q, n).hi;
}

Extended Binomialintervall(int n, int a, int b, Extended p) {
    a = std::max(a, 0);
    b = std::min(b, n);
    if (b < a) return 0;
    // At the ends of the range the distribution is one point, k = 0 or k = n.
    if (!(p > 0)) return a <= 0 ? 1 : 0;
    if (!(p < 1)) return b >= n ? 1 : 0;
    const Summen z = Summen_bilden(Binomialschritte(n, p), a, b, Anteil_Summe);
    return std::clamp(durch(z.innen, z.alle).hi, Extended{0}, Extended{1});
}

// ---- The single probabilities of UStochastik.h ------------------------------------------------

Extended Binomialverteilung(int n, int k, Extended p) {
    if (k < 0 || k > n) return 0;
    if (!(p > 0)) return k == 0 ? 1 : 0;
    if (!(p < 1)) return k == n ? 1 : 0;
    return Einzelwert(Binomialschritte(n, p), k);
}

Extended Hypergeometrisch(int n, int M, int N, int k) {
    if (k < 0 || k > n || Keine_Urne(n, M, N)) return 0;
    return Einzelwert(Hypergeoschritte(n, M, N), k);
}

Extended Poissonverteilung(int k, Extended mu) {
    if (k < 0) return 0;
    // mu = 0 would take ln(0): all mass at k = 0, the limit of the formula. Negative or NaN mu
    // is no distribution and is treated the same way, so no NaN leaves here.
    if (!(mu > 0)) return k == 0 ? 1 : 0;
    if (mu > Groesster_Poisson_Mittelwert) return Poisson_logarithmisch(k, mu);
    return Einzelwert(Poissonschritte(mu), k);
}

Extended Geometrisch(int k, Extended p) {
    if (k < 1 || !(p > 0)) return 0;
    // p = 1: the first trial always succeeds, the limit of p·(1 − p)^(k−1).
    if (!(p < 1)) return k == 1 ? 1 : 0;
    // The table's walk, so that the value is its entry bit for bit.
    const Paar q = Zweisumme(1, -p);
    if (k > Laengster_geometrischer_Weg) return mal(Potenz(q, k - 1), p).hi;
    Paar w{p, 0};
    for (int j = 1; j < k && w.hi != 0; ++j) w = mal(w, q);
    return w.hi;
}
