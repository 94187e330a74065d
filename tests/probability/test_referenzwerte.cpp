#include "probability/UStochastik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <limits>
#include <string>

namespace {

struct Binomial_Referenz {
    int n, k;
    double p;
    long double wert;
};
struct Hypergeo_Referenz {
    int n, M, N, k;
    long double wert;
};
struct Poisson_Referenz {
    int k;
    double mu;
    long double wert;
};
struct Geometrisch_Referenz {
    int k;
    double p;
    long double wert;
};

// Exact values from tools/referenz/referenzwerte.py (rational arithmetic; Poisson with a
// 60-digit e^-mu). The double inputs there are converted to long double here, so both
// sides evaluate the same numbers.
#include "tools/referenz/referenzwerte.inc"

// Every probability that the extended range holds comfortably is correctly rounded: within
// half an ulp, eps/2 relatively (the 25-digit reference adds 5e-26).
constexpr long double Toleranz = std::numeric_limits<long double>::epsilon() / 2;
constexpr long double Untergrenze = 1e-300L;

// Returns the largest relative error seen; records failures with the row's description.
long double pruefe(long double ist, long double soll, const std::string& fall) {
    EXPECT_TRUE(std::isfinite(ist) && ist >= 0) << fall;
    if (soll >= Untergrenze) {
        const long double rel = std::fabs(ist - soll) / soll;
        EXPECT_LE(rel, Toleranz) << fall << ": " << static_cast<double>(ist) << " vs " << static_cast<double>(soll);
        return rel;
    }
    // Below 1e-300 only the absolute size matters: no garbage where the truth is tiny.
    EXPECT_LE(ist, Untergrenze) << fall;
    return 0;
}

void melde(const char* was, long double groesster) {
    std::cout << "[ Referenz ] " << was << ": largest relative error " << static_cast<double>(groesster) << "\n";
}

}  // namespace

TEST(Referenzwerte, Binomialverteilung) {
    long double groesster = 0;
    for (const auto& r : Binomial_Referenzwerte)
        groesster = std::fmax(groesster, pruefe(Binomialverteilung(r.n, r.k, static_cast<long double>(r.p)), r.wert,
                                                "B(" + std::to_string(r.n) + ", " + std::to_string(r.k) + ", " +
                                                    std::to_string(r.p) + ")"));
    melde("binomial", groesster);
}

TEST(Referenzwerte, Hypergeometrisch) {
    long double groesster = 0;
    for (const auto& r : Hypergeo_Referenzwerte)
        groesster = std::fmax(groesster, pruefe(Hypergeometrisch(r.n, r.M, r.N, r.k), r.wert,
                                                "H(" + std::to_string(r.n) + ", " + std::to_string(r.M) + ", " +
                                                    std::to_string(r.N) + ", " + std::to_string(r.k) + ")"));
    melde("hypergeometric", groesster);
}

TEST(Referenzwerte, Poissonverteilung) {
    long double groesster = 0;
    for (const auto& r : Poisson_Referenzwerte)
        groesster = std::fmax(groesster, pruefe(Poissonverteilung(r.k, static_cast<long double>(r.mu)), r.wert,
                                                "P(" + std::to_string(r.k) + "; " + std::to_string(r.mu) + ")"));
    melde("Poisson", groesster);
}

TEST(Referenzwerte, Geometrisch) {
    long double groesster = 0;
    for (const auto& r : Geometrisch_Referenzwerte)
        groesster = std::fmax(groesster, pruefe(Geometrisch(r.k, static_cast<long double>(r.p)), r.wert,
                                                "G(" + std::to_string(r.k) + "; " + std::to_string(r.p) + ")"));
    melde("geometric", groesster);
}
