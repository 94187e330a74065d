#pragma once
// The information box above the chart: two rows of key numbers. The texts are composed by
// pure functions (testable without glyph pixels); the drawing routines draw exactly those,
// in bold "ms sans serif" 17, black, with a clear brush.

#include "analysis/Stichproben.h"
#include "analysis/Zustand.h"
#include "charts/Geometrie.h"

#include <QImage>
#include <QString>

#include <vector>

struct Infotext {
    int x;  // top-left corner of the text cell
    int y;
    QString Text;
};
using Info_Texte = std::vector<Infotext>;

// Each returns nothing when CheckBox_Info (or the switch the text explains) is off.
// "n=", "p0=" (row 5).
Info_Texte Info_Zeile1_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
// "µ=" (row 5).
Info_Texte Info_Erwartungswerte_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
// "σ", "=…", factor, "·σ", "=…" (row 5).
Info_Texte Info_Sigma_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
// Row 25. Reads the test-kind flags as the current redraw set them; the levels reached are
// the window's to store before it draws. No text covers another: where the β texts would
// cover the α, A or neighbourhood texts, they stand right behind them instead.
Info_Texte Info_Zeile2_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);

// Samples drawn: "411 von 10000 in V, 9589 in A" in row 5, the rate with its 95 % interval and
// the exact value ("α=" from H0, "1-β=" from row 1 or 2) in row 25, right of the other texts
// of those rows (the decision on x among them) and moved behind any of them they would cover.
Info_Texte Info_Stichproben_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                                  const Stichprobenstand& st, int Bildbreite);
// The test's decision on x in words (analysis/Testentscheidung.h), while α and x are shown:
// in row 5 at offset 520, right of every other text of that row; where the image of width
// Bildbreite ends before the text does, it moves left, but never onto another text.
Info_Texte Info_Entscheidung_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s, int Bildbreite);

void Info_Zeile1_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
void Info_Erwartungswerte_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
void Info_Sigma_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
void Info_Zeile2_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);
void Info_Stichproben_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                               const Stichprobenstand& st);
void Info_Entscheidung_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s);

// Pieces of row 2, also used on their own.
QString Ablehnungsmenge(const Zustand& z);  // "{0; ... ;12;20; ... ;20}"
QString Annahmemenge(const Zustand& z);     // "{13; ... ;19}"
// P(a <= X <= b) for the neighbourhood bounds, from the cumulative table of p0.
Extended Umgebungswahrscheinlichkeit(const Zustand& z);
