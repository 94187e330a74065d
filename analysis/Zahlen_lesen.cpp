#include "analysis/Zahlen_lesen.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

bool ist_Leerzeichen(char c) { return c == ' ' || c == '\t'; }

// Only the ASCII digits; the bytes of a UTF-8 sequence all lie above them.
bool ist_Ziffer(char c) { return c >= '0' && c <= '9'; }

// Steps over an optional sign at i; true for a minus.
bool Vorzeichen_lesen(std::string_view t, std::size_t& i)
{
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) return t[i++] == '-';
    return false;
}

// One number with the point as separator: blanks, sign, digits, fraction, exponent,
// the whole text. The conversion itself is std::from_chars, which never looks at the
// locale; the text is checked here first so that "inf", "nan" and hex forms never reach it.
std::optional<Extended> Zahl_lesen(std::string_view t)
{
    const std::size_t ende = t.size();
    std::size_t i = 0;
    while (i < ende && ist_Leerzeichen(t[i])) ++i;
    const bool negativ = Vorzeichen_lesen(t, i);

    std::string ganz, bruch;
    while (i < ende && ist_Ziffer(t[i])) ganz += t[i++];
    if (i < ende && t[i] == '.') {
        ++i;
        while (i < ende && ist_Ziffer(t[i])) bruch += t[i++];
    }
    if (ganz.empty() && bruch.empty()) return std::nullopt;

    std::string exponent;
    bool exponent_negativ = false;
    if (i < ende && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        exponent_negativ = Vorzeichen_lesen(t, i);
        while (i < ende && ist_Ziffer(t[i])) exponent += t[i++];
        if (exponent.empty()) return std::nullopt;
    }
    if (i != ende) return std::nullopt;

    std::string text = negativ ? "-" : "";
    text += ganz.empty() ? "0" : ganz;
    if (!bruch.empty()) text += "." + bruch;
    if (!exponent.empty()) text += (exponent_negativ ? "e-" : "e") + exponent;

    Extended wert = 0;
    const auto [ptr, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler == std::errc() && ptr == text.data() + text.size()) return wert;
    if (fehler != std::errc::result_out_of_range) return std::nullopt;

    // Out of range: too large fails, too small reads as 0 (the standard conversion's
    // underflow), so the decimal magnitude of the text decides.
    long long stelle;  // power of ten of the leading nonzero digit, without the exponent
    const auto erste = ganz.find_first_not_of('0');
    if (erste != std::string::npos) {
        stelle = static_cast<long long>(ganz.size() - erste) - 1;
    } else {
        const auto erste_bruch = bruch.find_first_not_of('0');
        if (erste_bruch == std::string::npos) return std::nullopt;  // zero never overflows
        stelle = -static_cast<long long>(erste_bruch) - 1;
    }
    long long hoch = 0;
    for (char c : exponent) {
        hoch = hoch * 10 + (c - '0');
        if (hoch > 1'000'000'000'000LL) break;  // far beyond either end of the range
    }
    const long long groesse = stelle + (exponent_negativ ? -hoch : hoch);
    if (groesse >= 0) return std::nullopt;
    return Extended{0};
}

}  // namespace

bool Ganzzahl_lesen(std::string_view Text, int& Wert)
{
    const std::size_t ende = Text.size();
    std::size_t i = 0;
    while (i < ende && ist_Leerzeichen(Text[i])) ++i;
    const bool negativ = Vorzeichen_lesen(Text, i);
    if (i == ende) return false;
    const long long grenze = negativ ? 2147483648LL : 2147483647LL;
    long long betrag = 0;
    for (; i < ende; ++i) {
        if (!ist_Ziffer(Text[i])) return false;
        betrag = betrag * 10 + (Text[i] - '0');
        if (betrag > grenze) return false;
    }
    Wert = static_cast<int>(negativ ? -betrag : betrag);
    return true;
}

bool Dezimal_lesen(std::string_view Text, Extended& Wert)
{
    std::string text(Text);
    for (char& c : text)
        if (c == ',') c = '.';

    const std::size_t strich = text.find('/');
    const std::string_view ganz_text(text);
    const std::string_view zaehler_text = ganz_text.substr(0, strich);
    Extended nenner = 1;
    if (strich != std::string::npos) {
        const auto n = Zahl_lesen(ganz_text.substr(strich + 1));
        if (!n || *n == 0) return false;
        nenner = *n;
    }
    const auto zaehler = Zahl_lesen(zaehler_text);
    if (!zaehler) return false;

    Extended quotient = *zaehler / nenner;
    if (!std::isfinite(quotient)) return false;
    // A quotient below the normal range reads as 0 like a number that small does; and "-0"
    // reads as plain 0, so a field never comes to show "-0".
    if (quotient == 0 || std::fpclassify(quotient) == FP_SUBNORMAL) quotient = 0;
    Wert = quotient;
    return true;
}
