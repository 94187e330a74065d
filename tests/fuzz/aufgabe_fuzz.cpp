// libFuzzer target for the lesson file reader: any bytes give a task or a German problem,
// never a crash, and a task read is written and read back unchanged.
// Build: cmake -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DQUORVEL_FUZZ=ON -DBUILD_TESTING=OFF
//        cmake --build build-fuzz --target aufgabe_fuzz; build-fuzz/aufgabe_fuzz -runs=1000000

#include "ui/Aufgabe.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Daten, size_t Laenge) {
    const QByteArray Text(reinterpret_cast<const char*>(Daten), static_cast<qsizetype>(Laenge));
    const Aufgabe_gelesen g = Aufgabe_lesen(Text);
    if (g.Wert.has_value() == !g.Fehler.isEmpty()) std::abort();
    if (g.Wert) {
        const Aufgabe_gelesen wieder = Aufgabe_lesen(Aufgabe_schreiben(*g.Wert));
        if (!wieder.Wert || !(*wieder.Wert == *g.Wert)) std::abort();
    }
    return 0;
}
