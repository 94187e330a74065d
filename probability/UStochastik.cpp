#include "probability/UStochastik.h"

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

}  // namespace

Extended Fakultaet(int k)
{
    if (k < 2) return 1;
    // Beyond 1754 the product has left the extended range; the loop would end at +inf too.
    if (k > Groesste_Fakultaet) return std::numeric_limits<Extended>::infinity();
    return Fakultaeten[k];
}

Extended Binomialkoeffizient(int n, int k)
{
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

Extended Normaldichte(Extended mu, Extended sigma, Extended x)
{
    // sigma = 0 (the normal curve of p0 = 0 or 1) would divide by zero and give NaN. The
    // density then has no finite curve to draw; 0 means nothing is drawn.
    if (!(sigma > 0)) return 0;
    Extended t = (x - mu) / sigma;
    t = t * t;
    const Extended e = std::exp(-t / 2);
    return e / (std::sqrt(Zwei_Pi) * sigma);
}

Extended Phi(Extended x)
{
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

Extended Phi_invers(Extended y)
{
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
