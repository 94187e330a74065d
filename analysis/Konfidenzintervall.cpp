#include "analysis/Konfidenzintervall.h"

#include "analysis/Zahlentexte.h"

#include <algorithm>
#include <cmath>

Extended Konfidenz_p0(const Zustand& z) { return Konfidenz_p0(z.x, z.n, z.p0); }

Extended Konfidenz_p0(int x, int n, Extended p0)
{
    // Only the all-zero state before the first reset has no sample; nothing to estimate.
    if (n < 1) return p0;
    // x is checked against n only when typed; a later smaller n must not make x/n exceed 1
    // (negative probabilities, the root of a negative), so x counts as at most n.
    return static_cast<Extended>(std::clamp(x, 0, n)) / n;
}

std::string Konfidenz_p0_setzen(Zustand& z)
{
    z.p0 = Konfidenz_p0(z);
    return Zahl_allgemein(z.p0);
}

Konfidenzgrenzen Konfidenzgrenzen_berechnen(Extended p, Extended n, Extended zf)
{
    const Extended w = zf * zf / n;
    const Extended e = std::sqrt(w / 4 / n + (1 - p) * p / n);
    return {((w / 2 + p) - zf * e) / (w + 1), (zf * e + (w / 2 + p)) / (w + 1)};
}

namespace {
std::string Intervalltext(Konfidenzgrenzen g)
{
    return "[ " + Zahl_fest(g.unten, 6, 4) + " ; " + Zahl_fest(g.oben, 6, 4) + " ]";
}
}  // namespace

std::string Leeres_Konfidenzintervall_Text() { return Intervalltext({}); }

std::string Konfidenzintervall_Text(const Zustand& z)
{
    if (z.n < 1) return Leeres_Konfidenzintervall_Text();
    return Intervalltext(Konfidenzgrenzen_berechnen(z.p0, z.n, z.Sigmafaktor));
}
