#include "analysis/Serienwerte.h"

#include "analysis/Texte.h"
#include "analysis/Zahlentexte.h"
#include "probability/Tabellen.h"

#include <algorithm>
#include <cmath>
#include <span>

Extended Pmax_mehrere_p0(int n)
{
    // round(n/10) in integers: 0,1 has no exact binary form, and n = 15 must give 2.
    int m = n / 10;
    const int Rest = n % 10;
    if (Rest > 5 || (Rest == 5 && m % 2 == 1)) ++m;
    return Binomialverteilung(n, m, 1.0L / 10);
}

Extended p0_mehrere_n(Extended p0) { return p0 == 0 ? 0.2L : p0; }

Extended Pmax_mehrere_n(Extended p0) { return Binomialverteilung(10, Ganz_runden(10 * p0, 0, 10, 0), p0); }

int k2_mehrere_n(Extended p0)
{
    const Extended Varianz = std::max<Extended>(0, 200 * p0 * (1 - p0));
    return Ganz_runden(200 * p0 + 3 * std::sqrt(Varianz), 0, k_Maximum, 0);
}

void Binomialtabelle_setzen(Zustand& z, Extended p, int bis)
{
    const int n = std::clamp(z.n, 0, k_Maximum);
    const int Ende = std::clamp(std::max(bis, n), 0, k_Maximum);
    std::fill(z.P0_Tabelle.begin(), z.P0_Tabelle.begin() + Ende + 1, 0.0L);
    Binomialtabelle(std::span<Extended>(z.P0_Tabelle.data(), static_cast<std::size_t>(n) + 1), n, p);
    z.mue0 = n * p;
    z.sigma0 = std::sqrt(std::max<Extended>(0, n * p * (1 - p)));
}

std::string Beschriftung_mehrere_p0(int n)
{
    return Einsetzen(translate("Serienwerte", "p0=%1 bis p0=%2     n=%3"),
                     {Zahl_allgemein(0.1L), Zahl_allgemein(0.9L), Zahl_ganz(n)});
}

std::string Beschriftung_mehrere_n(Extended p0) { return "n=10  n=50  n=100  n=200     p0=" + Zahl_fest(p0, 4, 2); }

Extended Pmax_p0_Animation(int n)
{
    const int m = n / 20;  // trunc(10 n / 200), exact in integers
    const Extended p = 10.0L / 200;
    return std::max(Binomialverteilung(n, m, p), Binomialverteilung(n, m + 1, p));
}

Extended Pmax_n_Animation(Extended p0) { return Binomialverteilung(5, Ganz_runden(5 * p0, 0, 5, 0), p0); }
