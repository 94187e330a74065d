#include "probability/Ziehung.h"

#include "probability/Paar.h"

#include <algorithm>
#include <cmath>

namespace {

Extended Masse(Extended p) { return std::isfinite(p) && p > 0 ? p : 0; }

}  // namespace

Ziehung::Ziehung(std::span<const Extended> t, Extended jenseits)
{
    const int n = std::max(static_cast<int>(t.size()) - 1, 0);
    std::vector<paar::Paar> Teilsummen(static_cast<std::size_t>(n) + 1, paar::Paar{0, 0});
    paar::Paar s{0, 0};
    for (std::size_t k = 0; k < t.size(); ++k) Teilsummen[k] = s = paar::plus(s, Masse(t[k]));
    const Extended rest = Masse(jenseits);
    const paar::Paar Gesamt = paar::plus(s, rest);

    // Without any mass every F(k) stays 0, so every draw passes n.
    Summe.assign(static_cast<std::size_t>(n) + 1, 0);
    if (Gesamt.hi > 0) {
        Extended vorher = 0;
        for (int k = 0; k <= n; ++k) {
            // Held non-decreasing: a near-tie rounded the other way must not make a k negative.
            vorher = std::max(vorher, std::min(paar::durch(Teilsummen[k], Gesamt).hi, Extended{1}));
            Summe[k] = vorher;
        }
        // Nothing beyond n: the last bound is 1 exactly, so every x·2^-64 < 1 finds its k.
        if (rest == 0) Summe[n] = 1;
    }

    while ((1 << Bits) < n + 1) ++Bits;
    Einstieg.resize(std::size_t{1} << Bits);
    int k = 0;
    for (std::size_t j = 0; j < Einstieg.size(); ++j) {
        const Extended unten = std::ldexp(static_cast<Extended>(j), -Bits);
        while (k <= n && Summe[k] <= unten) ++k;
        Einstieg[j] = k;
    }
}

int Ziehung::ziehen(std::mt19937_64& g) const
{
    const std::uint64_t x = g();
    const Extended u = Gleichverteilt(x);
    // A shift by all 64 bits would be undefined; with n = 0 there is one bucket.
    const std::size_t j = Bits > 0 ? static_cast<std::size_t>(x >> (64 - Bits)) : 0;
    const int n = this->n();
    int k = Einstieg[j];
    while (k <= n && u >= Summe[k]) ++k;
    return k;
}

Extended Ziehung::kumuliert(int k) const
{
    if (k < 0) return 0;
    return Summe[static_cast<std::size_t>(std::min(k, n()))];
}
