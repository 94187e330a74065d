#include "charts/Schriften.h"

namespace {

// The chart's texts stand at fixed offsets laid out for the narrow "ms sans serif" face:
// 100 px for "-Fehler=100,00%" before the split of the alpha error, 20 px per slot for a
// three-digit k. DejaVu Sans Condensed at 68 % keeps those apart and stays crisp without
// antialiasing, where a squeezed Liberation Sans runs its letters together. The stretch sits
// in the middle of the range (65..71 at the 14 px em that a 17 px cell gives) that yields
// the same glyph widths. The Greek letters and signs the charts draw (α β σ µ ·) are in it
// too, so "symbol" maps to the same face. Liberation Sans has Arial's metrics.
struct Ersatz {
    const char* Name;
    const char* Fenster;  // nullptr: the window has no text in this font
    const char* Diagramm;
    int Diagrammbreite;  // QFont stretch; 0 leaves the family's own width
};

constexpr Ersatz Ersatzschriften[] = {
    {"ms sans serif", "Liberation Sans", "DejaVu Sans Condensed", 68},  // kein Text
    {"Arial", "Liberation Sans", "Liberation Sans", 0},                 // kein Text
    {"symbol", nullptr, "DejaVu Sans Condensed", 68},                   // kein Text
};

}  // namespace

void Fensterschriften_ersetzen() {
    static const bool einmal = [] {
        for (const Ersatz& e : Ersatzschriften)
            if (e.Fenster) QFont::insertSubstitution(QString::fromLatin1(e.Name), QString::fromLatin1(e.Fenster));
        return true;
    }();
    (void)einmal;
}

QFont Diagrammschrift(const QString& Name) {
    QString name = Name.trimmed().toLower();
    if (name.isEmpty()) name = QString::fromLatin1(Ersatzschriften[0].Name);
    QFont f;
    for (const Ersatz& e : Ersatzschriften) {
        if (name != QString::fromLatin1(e.Name).toLower()) continue;
        f.setFamily(QString::fromLatin1(e.Diagramm));
        if (e.Diagrammbreite != 0) f.setStretch(e.Diagrammbreite);
        return f;
    }
    f.setFamily(Name);
    return f;
}
