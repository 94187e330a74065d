#pragma once
// The distribution chart: geometry, frame, bars, markings and information box, drawn
// from Zustand onto a QImage.

#include "analysis/Zustand.h"

#include <QImage>

#include <functional>

// What the drawing has to hand back to the window in the middle of its work.
struct Diagramm_Rueckrufe {
    // The k range was narrowed to mue0 +- 3.5 sigma0: the window shows the new k1 and k2.
    std::function<void(int k1, int k2)> k_Bereich_verengt;
    // The confidence-interval check box's handler, run right after the frame is drawn.
    std::function<void()> Vertrauensintervall_Klick;
};

// Returns true when the k range was narrowed (z.k1, z.k2 rewritten).
bool Geometrie_berechnen(const QImage& Bild, Zustand& z);
void Histo_KOS(QImage& Bild, const Zustand& z, const Schalter& s);
void Pfeil_rechts(int x, int y, QImage& Bild);
void Pfeil_oben(int x, int y, QImage& Bild);

void Saeulen_zeichnen(QImage& Bild, const Zustand& z, const Wertefeld& Werte, int k_von, int k_bis,
                      bool linke_Haelfte, QRgb Farbe, int Pinselstil);

// The whole chart anew. The caller has already put the caption of Label_V_n.
void Histo_neu_zeichnen(QImage& Bild, Zustand& z, const Schalter& s, const Diagramm_Rueckrufe& r);
