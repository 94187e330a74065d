#include "probability/UStochastik.h"

#include <math.h>  // lgammal_r

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// 1754! is the largest factorial below the top of the extended range (about 1.19e4932).
constexpr int Groesste_Fakultaet = 1754;

// The same ascending products 2·3·…·k that the plain loop forms, folded at compile time:
// constant folding rounds every product to the 64-bit significand just like the FPU, so each
// entry is bitwise the loop's value (the tests compare both).
constexpr std::array<Extended, Groesste_Fakultaet + 1> Fakultaeten = [] {
    std::array<Extended, Groesste_Fakultaet + 1> t{};
    Extended f = 1;
    t[0] = 1;
    t[1] = 1;
    for (int k = 2; k <= Groesste_Fakultaet; ++k) {
        f = f * k;
        t[k] = f;
    }
    return t;
}();

// 2π as the extended constant; its square root is taken at run time, per call (a few
// cycles, and no static initialisation order to worry about).
constexpr Extended Zwei_Pi = 6.283185307179586476925286766559005768L;

// ln √(2π), for the Stirling form of ln k!.
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

// ln k! − ((k + ½)·ln k − k + ln √(2π)) for k ≥ 1755: the terms after 1/(1260k⁵) are
// below 10⁻²⁵ there, far under the significand of the result.
Extended Stirlingfehler(Extended k) {
    const Extended k2 = k * k;
    return (1.0L / 12 - (1.0L / 360 - (1.0L / 1260) / k2) / k2) / k;
}

}  // namespace

Extended Fakultaet(int k) {
    if (k < 2) return 1;
    // Beyond 1754 the product has left the extended range; the loop would end at +inf too.
    if (k > Groesste_Fakultaet) return std::numeric_limits<Extended>::infinity();
    return Fakultaeten[k];
}

Extended Binomialkoeffizient(int n, int k) {
    if (k > n) return 0;
    if (n < 2 * static_cast<std::int64_t>(k)) k = n - k;
    Extended ergebnis = 1;
    if (k <= 0) return ergebnis;
    // Dividing before multiplying keeps every intermediate at most the final value.
    for (int i = 0; i < k; ++i) {
        ergebnis = ergebnis / (k - i);
        ergebnis = ergebnis * (n - i);
    }
    return ergebnis;
}

Extended Binomialverteilung(int n, int k, Extended p) {
    // Outside 0..n the probability is 0; the loops below would produce a meaningless product.
    if (k < 0 || k > n) return 0;
    Extended q = 1 - p;
    if (n < 2 * k) {
        k = n - k;
        // After the swap q is the original p itself, not 1 − (1 − p): for p below about 2⁻¹¹
        // the subtraction 1 − p rounds, and 1 − (1 − p) keeps only the few digits of p that
        // survived (a relative error of 5·10⁻¹⁰ at p = 10⁻¹⁰, raised to the power n − k).
        // Wherever 1 − p is exact both are the same number.
        q = p;
        p = 1 - p;
    }
    Extended ergebnis = 1;
    for (int i = 0; i < k; ++i) {
        ergebnis = ergebnis / (k - i);
        ergebnis = ergebnis * (n - i);
        ergebnis = ergebnis * p;
        ergebnis = ergebnis * q;
        // 0 stays 0 under the remaining steps, so stopping changes no value.
        if (ergebnis == 0) return ergebnis;
    }
    // Multiplying by q = 1 leaves the value unchanged; 0 stays 0. Both exits are exact.
    if (q == 1) return ergebnis;
    for (int j = n - 2 * k; j >= 1 && ergebnis != 0; --j) ergebnis = ergebnis * q;
    return ergebnis;
}

Extended Hypergeometrisch(int n, int M, int N, int k) {
    if (k < 0 || k > n) return 0;
    if (M < k || static_cast<std::int64_t>(N) - M < n - k || n > N) return 0;

    // ln C(N, n), accurate to far better than needed to pick the evaluation. lgammal_r
    // because lgammal writes the global signgam, and tables may be computed on threads.
    int vorzeichen = 0;
    const Extended ln_nenner = lgammal_r(N + 1.0L, &vorzeichen) -
                               lgammal_r(n + 1.0L, &vorzeichen) -
                               lgammal_r(static_cast<Extended>(N) - n + 1, &vorzeichen);

    // The coefficient quotient while C(N, n) < e^11200 ≈ 10^4864: then C(M, k) and
    // C(N − M, n − k) are at most C(N, n) (Vandermonde) and C(M, k)/C(N, n) stays clear of
    // the subnormal range, so the quotient is as accurate as its three loops.
    if (ln_nenner < 11200) {
        // A table asks for the same C(N, n) 4001 times; remembering the last one per thread
        // saves up to half the work and, being the same loop's value, changes no result.
        thread_local int letztes_N = -1, letztes_n = -1;
        thread_local Extended letzter_nenner = 1;
        if (N != letztes_N || n != letztes_n) {
            letzter_nenner = Binomialkoeffizient(N, n);
            letztes_N = N;
            letztes_n = n;
        }
        return Binomialkoeffizient(M, k) / letzter_nenner * Binomialkoeffizient(N - M, n - k);
    }

    // Larger C(N, n) (up to about 10^24650 for N = 2³¹ − 1, n = 4000) would overflow into
    // inf/inf. Then P = C(n, k) · Π (M − i)/(N − i) · Π (N − M − j)/(N − k − j): every
    // ratio is at most 1, so the product falls monotonically from C(n, k) (finite for the
    // n ≤ 4000 the program allows) to P. The divisions do not depend on each other, so
    // this path is also the faster one.
    Extended ergebnis = Binomialkoeffizient(n, k);
    const std::int64_t gross_N = N;
    const std::int64_t markiert = M;
    for (std::int64_t i = 0; i < k; ++i)
        ergebnis *= static_cast<Extended>(markiert - i) / static_cast<Extended>(gross_N - i);
    for (std::int64_t j = 0; j < n - k; ++j)
        ergebnis *= static_cast<Extended>(gross_N - markiert - j) /
                    static_cast<Extended>(gross_N - k - j);
    return ergebnis;
}

Extended Poissonverteilung(int k, Extended mu) {
    if (k < 0) return 0;
    // mu = 0 would take ln(0): the distribution degenerates to all mass at k = 0, the limit
    // of the formula. Negative or NaN mu is not a distribution and is treated the same way,
    // so no NaN leaves here.
    if (!(mu > 0)) return k == 0 ? 1 : 0;

    if (k <= Groesste_Fakultaet) {
        const Extended f = Fakultaet(k);
        return std::exp(k * std::log(mu) - mu) / f;
    }
    // k! overflows from k = 1755 on. Then ln P = −bd0(k, mu) − stirlerr(k) − ln √(2πk) with
    // ln k! in Stirling's form: both parts are free of the cancellation that
    // k·ln(mu) − mu − ln k! suffers (about 10⁻¹⁴ absolute at k = 4000). expl gives 0 where
    // P is below the extended range.
    const Extended kk = k;
    return std::exp(-Abweichung_bd0(kk, mu) - Stirlingfehler(kk) - Ln_Wurzel_zwei_Pi -
                    0.5L * std::log(kk));
}

Extended Geometrisch(int k, Extended p) {
    if (k < 1) return 0;
    // p = 1 would take ln(0): the first trial always succeeds, the limit of p·(1 − p)^(k−1).
    if (p >= 1) return k == 1 ? 1 : 0;
    return p * std::exp((k - 1) * std::log(1 - p));
}

Extended Normaldichte(Extended mu, Extended sigma, Extended x) {
    // sigma = 0 (the normal curve of p0 = 0 or 1) would divide by zero and give NaN. The
    // density then has no finite curve to draw; 0 means nothing is drawn.
    if (!(sigma > 0)) return 0;
    Extended t = (x - mu) / sigma;
    t = t * t;
    const Extended e = std::exp(-t / 2);
    return e / (std::sqrt(Zwei_Pi) * sigma);
}

Extended Phi(Extended x) {
    if (std::isnan(x)) return 0.5L;
    // Beyond |x| = 8 the alternating series' rounding (10⁻⁸ at 8, growing like e^(x²/2))
    // exceeds the whole tail 1 − Φ(8) ≈ 6·10⁻¹⁶, and for |x| of some tens its terms overflow
    // into NaN. The limit is the only honest value there.
    if (std::fabs(x) > 8) return x > 0 ? 1 : 0;

    // The integer power x^(2a+1) is the product 1·x·x·…·x in ascending order; growing it
    // by two multiplications per term forms exactly the same products. Dividing by 2^a and
    // multiplying by the exact 2^−a round the same real number, so they agree bit for bit;
    // the multiplication is the cheaper of the two.
    Extended summe = x;
    Extended potenz = x;
    Extended halbe_hoch_a = 1;
    Extended vorzeichen = -1;
    const Extended term_grenze = 1e-10L;
    for (int a = 1; a <= Groesste_Fakultaet; ++a) {
        potenz = potenz * x;
        potenz = potenz * x;
        halbe_hoch_a = halbe_hoch_a * 0.5L;
        Extended term = potenz * vorzeichen;
        term = term / (2 * a + 1);
        term = term * halbe_hoch_a;
        term = term / Fakultaeten[a];
        summe = summe + term;
        vorzeichen = -vorzeichen;
        if (!(std::fabs(term) >= term_grenze)) break;
    }
    return summe / std::sqrt(Zwei_Pi) + 0.5L;
}

Extended Phi_invers(Extended y) {
    const Extended schritt = 0.0001L;
    // The search is bounded at ±7, the range of Sigmafaktor. Φ never reaches 1 or 0; the
    // series' rounding lets it "reach" them somewhere beyond 6.6, a place that carries no
    // meaning, so y ≥ 1 (Umgebung = 100) and y ≤ 0 give the bound itself. A search that
    // passes the bound stops there; every y reached before gets exactly the plain
    // stepping search's result.
    const Extended grenze = 7;
    if (y >= 1) return grenze;
    if (y <= 0) return -grenze;
    Extended r = 0;
    if (y >= 0.5L) {
        while (y > Phi(r)) {
            r = r + schritt;
            if (r >= grenze) return grenze;
        }
    } else {
        while (y < Phi(r)) {
            r = r - schritt;
            if (r <= -grenze) return -grenze;
        }
    }
    return r;
}
