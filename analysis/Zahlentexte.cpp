#include "analysis/Zahlentexte.h"

#include "analysis/Zahlen_lesen.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

char Dezimal = ',';

// Decimal digits d0 d1 d2 ... of a positive value, meaning d0,d1d2... * 10^exponent.
// An empty digit string stands for zero.
struct Ziffernfolge {
    std::string ziffern;
    int exponent = 0;
};

// std::to_chars never consults the locale and rounds correctly from the exact binary value;
// the parse below still accepts any separator character, so no C library setting can leak in.
Ziffernfolge Ziffern_holen(Extended a, int stellen)
{
    std::string puffer(static_cast<std::size_t>(stellen) + 64, '\0');
    const auto [ende, fehler] =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(), a, std::chars_format::scientific, stellen - 1);
    Ziffernfolge z;
    if (fehler != std::errc{}) {
        return z;
    }
    const char* c = puffer.data();
    for (; c != ende && *c != 'e' && *c != 'E'; ++c) {
        if (*c >= '0' && *c <= '9') {
            z.ziffern.push_back(*c);
        }
    }
    if (c != ende) {
        ++c;
        const bool negativ = (c != ende && *c == '-');
        if (c != ende && (*c == '-' || *c == '+')) {
            ++c;
        }
        int e = 0;
        std::from_chars(c, ende, e);
        z.exponent = negativ ? -e : e;
    }
    return z;
}

// Number of significant digits that holds the exact decimal expansion of a: the value has at
// most 63 - ilogb(a) binary places after the point (16445 for the smallest subnormals).
int Exakte_Stellenzahl(Extended a, int zehnerexponent)
{
    const int binaerstellen = std::clamp(63 - std::ilogb(a), 0, 16445);
    return std::max(1, zehnerexponent + 2 + binaerstellen);
}

bool Ist_Haelfte(const std::string& ziffern, std::size_t ab)
{
    if (ab >= ziffern.size() || ziffern[ab] != '5') {
        return false;
    }
    return std::all_of(ziffern.begin() + static_cast<std::ptrdiff_t>(ab) + 1, ziffern.end(),
                       [](char c) { return c == '0'; });
}

// The first `behalten` digits of d, rounded half away from zero on the digits that follow
// (a tail from 5 on rounds up); zero (no digits) when nothing remains.
Ziffernfolge Stellen_behalten(const Ziffernfolge& d, int behalten)
{
    if (behalten < 0) {
        return {};
    }
    const auto pos = static_cast<std::size_t>(behalten);
    Ziffernfolge r{d.ziffern.substr(0, std::min(pos, d.ziffern.size())), d.exponent};
    if (pos < d.ziffern.size() && d.ziffern[pos] >= '5') {
        int i = static_cast<int>(r.ziffern.size()) - 1;
        while (i >= 0 && r.ziffern[static_cast<std::size_t>(i)] == '9') {
            r.ziffern[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++r.ziffern[static_cast<std::size_t>(i)];
        } else {
            r.ziffern.insert(r.ziffern.begin(), '1');
            ++r.exponent;
        }
    }
    if (std::all_of(r.ziffern.begin(), r.ziffern.end(), [](char c) { return c == '0'; })) {
        return {};
    }
    return r;
}

// Rounds a > 0 half away from zero on its exact binary value to `anzahl` significant digits.
// A 30-digit guard tail decides every case except a tail that reads exactly 5000...; only then
// is the full exact expansion produced.
Ziffernfolge Runden(Extended a, int anzahl)
{
    int genauigkeit = 40;
    bool exakt = false;
    for (;;) {
        const Ziffernfolge d = Ziffern_holen(a, genauigkeit);
        const int behalten = anzahl;
        if (!exakt && behalten + 30 > genauigkeit) {
            genauigkeit = behalten + 30;
            continue;
        }
        const auto pos = static_cast<std::size_t>(behalten);
        if (!exakt && Ist_Haelfte(d.ziffern, pos)) {
            genauigkeit = std::max(genauigkeit, Exakte_Stellenzahl(a, d.exponent));
            exakt = true;
            continue;
        }
        return Stellen_behalten(d, behalten);
    }
}

// The value as a reader takes it: the 18 significant digits that long double holds for every
// decimal of that length. A typed 0,0025 is stored just below the half, yet reads
// 2,50000000000000000E-3 here, so that rounding these digits gives 0,003.
Ziffernfolge Dezimalwert(Extended a) { return Ziffern_holen(a, std::numeric_limits<Extended>::digits10); }

void Nullen_abschneiden(std::string& ziffern)
{
    while (ziffern.size() > 1 && ziffern.back() == '0') {
        ziffern.pop_back();
    }
}

// "2,5E-7", "1E15": first digit, the others after a comma, exponent without plus sign or
// leading zeros.
std::string Wissenschaftlich(Ziffernfolge d)
{
    Nullen_abschneiden(d.ziffern);
    std::string text(1, d.ziffern[0]);
    if (d.ziffern.size() > 1) {
        text += Dezimal;
        text.append(d.ziffern, 1);
    }
    text += 'E';
    text += std::to_string(d.exponent);
    return text;
}

// Integer and fraction digits of d written out in positional form; fraction digits padded
// or cut to `nachkomma` (< 0: as many as the digits need).
std::string Positionell(const Ziffernfolge& d, int nachkomma)
{
    std::string ganz;
    std::string bruch;
    if (d.exponent >= 0) {
        const auto n_ganz = static_cast<std::size_t>(d.exponent) + 1;
        ganz = d.ziffern.substr(0, std::min(n_ganz, d.ziffern.size()));
        ganz.resize(n_ganz, '0');
        if (d.ziffern.size() > n_ganz) {
            bruch = d.ziffern.substr(n_ganz);
        }
    } else {
        ganz = "0";
        bruch = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.ziffern;
    }
    if (nachkomma >= 0) {
        bruch.resize(static_cast<std::size_t>(nachkomma), '0');
    }
    return bruch.empty() ? ganz : ganz + Dezimal + bruch;
}

// Non-finite input is a caller's fault; it must still never show as "nan" or "inf":
// NaN reads as 0 and an infinity as the largest finite value of its sign.
Extended Endlich(Extended wert)
{
    if (std::isnan(wert)) {
        return 0;
    }
    if (std::isinf(wert)) {
        return std::copysign(std::numeric_limits<Extended>::max(), wert);
    }
    return wert;
}

constexpr int Stellen_hoechstens = 100;

}  // namespace

void Dezimalzeichen_setzen(char Zeichen) { Dezimal = Zeichen; }

char Dezimalzeichen() { return Dezimal; }

std::string Zahl_allgemein(Extended wert)
{
    wert = Endlich(wert);
    if (wert == 0) {
        return "0";
    }
    Ziffernfolge d = Runden(std::fabs(wert), 15);
    Nullen_abschneiden(d.ziffern);
    const std::string vorzeichen = wert < 0 ? "-" : "";
    // Fixed notation from 0,0001 up to 15 integer digits, judged after the rounding.
    if (d.exponent >= -4 && d.exponent < 15) {
        return vorzeichen + Positionell(d, -1);
    }
    return vorzeichen + Wissenschaftlich(d);
}

std::string Zahl_fest(Extended wert, int P, int D)
{
    // Out-of-range precisions are pulled into 1..100 significant digits and 0..100 decimals.
    P = std::clamp(P, 1, Stellen_hoechstens);
    D = std::clamp(D, 0, Stellen_hoechstens);
    wert = Endlich(wert);
    const Extended betrag = std::fabs(wert);
    const std::string vorzeichen = wert < 0 ? "-" : "";

    Ziffernfolge d;
    if (betrag != 0) {
        const Ziffernfolge wert_dezimal = Dezimalwert(betrag);
        const int e = wert_dezimal.exponent;
        // An integer part of more than P digits cannot be shown with P digits in fixed form.
        if (e + 1 > P) {
            return vorzeichen + Wissenschaftlich(Stellen_behalten(wert_dezimal, P));
        }
        d = Stellen_behalten(wert_dezimal, e + 1 + std::min(D, P - 1 - e));
        if (!d.ziffern.empty() && d.exponent + 1 > P) {
            return vorzeichen + Wissenschaftlich(Stellen_behalten(wert_dezimal, P));
        }
    }
    if (d.ziffern.empty()) {
        // A value that rounds to zero is shown without a sign: never "-0,00".
        return Positionell({"0", 0}, D);
    }
    return vorzeichen + Positionell(d, D);
}

std::string Zahl_ganz(int wert) { return std::to_string(wert); }

Extended Schreibbarer_Wert(Extended wert)
{
    // Only magnitudes near the bottom of the extended range can read back as 0.
    if (!std::isfinite(wert) || wert == 0 || std::fabs(wert) > 1e-4900L) return wert;
    Extended zurueck = 0;
    if (Dezimal_lesen(Zahl_allgemein(wert), zurueck) && zurueck != 0) return wert;
    // The smallest normal long double, 3,36210314311209…E-4932, rounded up to 15 digits.
    constexpr Extended kleinster = 3.3621031431121e-4932L;
    const Extended betrag = std::fabs(wert) * 2 >= kleinster ? kleinster : 0;
    return wert < 0 ? -betrag : betrag;
}
