#pragma once
// Markings over the distribution chart: hatched regions of k, the normal curve of p0 and
// vertical marker lines. Each routine draws one marking from Zustand and the chart's
// geometry, in the colours of F; Histo_neu_zeichnen calls them when their box is checked.

#include "analysis/Zustand.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"

#include <QImage>

#include <optional>

// Column of the marker line at the real position t on the k axis, clamped to -1..width of the
// image (a line there is clipped exactly like one further out). No column when t is NaN or
// Saeulenbreite is not positive.
std::optional<int> Markierungsspalte(const QImage& Bild, const Diagrammgeometrie& g, Extended t);

// One vertical marker line at position t, from 3 pixels below the k axis up to (not including)
// the row 8 pixels above y_Oben.
void Markierung_zeichnen(QImage& Bild, const Diagrammgeometrie& g, QRgb Farbe, Extended t);

void Alfa_links_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                         const Farbsatz& F = Standardfarben());
void Alfa_rechts_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                          const Farbsatz& F = Standardfarben());
void Beta_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                   const Farbsatz& F = Standardfarben());
void Annahmebereich_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                             const Farbsatz& F = Standardfarben());
void Umgebung_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                       const Farbsatz& F = Standardfarben());
void Normalkurve_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                          const Farbsatz& F = Standardfarben());
void Erwartungswerte_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                              const Farbsatz& F = Standardfarben());
void Sigmagrenzen_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                           const Farbsatz& F = Standardfarben());
void Stichprobenergebnis_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                                  const Farbsatz& F = Standardfarben());

// The k range a hatched region really covers: [von; bis] cut to the shown range k1..k2 and to
// the valid table entries 0..n. Empty (von > bis) when nothing is left.
struct k_Bereich {
    int von;
    int bis;
};
k_Bereich Bereich_schneiden(const Zustand& z, const Diagrammgeometrie& g, int von, int bis);

// Bounds of the neighbourhood as hatched and summed: round(Umgebung_li), round(Umgebung_re),
// ties to even, cut to 0..n.
k_Bereich Umgebung_runden(const Zustand& z);
