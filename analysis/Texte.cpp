#include "analysis/Texte.h"

#include <vector>

namespace {
Uebersetzer Aktueller = nullptr;
}  // namespace

void Uebersetzer_setzen(Uebersetzer u) { Aktueller = u; }

std::string translate(const char* Kontext, const char* Quelle)
{
    return Aktueller ? Aktueller(Kontext, Quelle) : std::string(Quelle);
}

std::string Einsetzen(const std::string& Vorlage, std::initializer_list<std::string> Werte)
{
    const std::vector<std::string> w(Werte);
    std::string t;
    t.reserve(Vorlage.size());
    for (std::size_t i = 0; i < Vorlage.size(); ++i) {
        const char c = Vorlage[i];
        if (c == '%' && i + 1 < Vorlage.size() && Vorlage[i + 1] >= '1' && Vorlage[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(Vorlage[i + 1] - '1');
            if (n < w.size()) {
                t += w[n];
                ++i;
                continue;
            }
        }
        t += c;
    }
    return t;
}
