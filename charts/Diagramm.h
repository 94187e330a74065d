#pragma once
// The distribution chart: geometry, frame, bars, markings and information box, drawn
// from Zustand onto a QImage.

#include "analysis/Zustand.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"
#include "charts/UGrafik.h"

#include <QImage>
#include <QString>

// The fixed frame of the distribution chart.
constexpr int Diagramm_x_Ursprung = 40;
constexpr int Diagramm_y_Oben = 52;
constexpr int Saeulenbreite_hoechstens = 20;

// The geometry of the distribution chart from the image size and k1, k2. When more values of k
// are to be shown than the axis has pixels, its k1..k2 are round(mue0 -+ 3.5 sigma0), cut to
// 0..n, and verengt is set (the evaluation, analysis/Eingaben.h, has narrowed the same way at
// the window's opening width already). Saeulenbreite is
// never negative; it stays 0 when even the narrowed range is wider than the axis. The scale is
// Pmax, or 1 for the cumulative chart.
Diagrammgeometrie Geometrie_berechnen(const QImage& Bild, const Zustand& z, const Schalter& s);

// k labelling rule of the axis: which k get a number for a given k_Spanne, and how far left
// of its tick centre the number starts (by its count of digits).
bool k_beschriftet(int k, int k_Spanne);
int k_Beschriftungsversatz(int k);

// The empty coordinate system: white image, k axis with ticks and numbers, probability axis
// with its caption, arrowheads, and with s.waagerechte_Strichelung the auxiliary lines.
void Histo_KOS(QImage& Bild, const Diagrammgeometrie& g, const Schalter& s, const Farbsatz& F = Standardfarben());
// Auxiliary line i = 0..4 (top down): its row and its label, (1 - i/5) Pmax with 3 decimals.
int Hilfslinie_Zeile(const Diagrammgeometrie& g, int i);
QString Hilfslinie_Text(const Diagrammgeometrie& g, int i);
void Pfeil_rechts(int x, int y, QImage& Bild);
void Pfeil_oben(int x, int y, QImage& Bild);

// Pixel height of probability v on the chart's scale: round(v / Pmax * Hoehe_Skala), ties to
// even. 0 when the quotient is not finite (Pmax = 0 included), clamped to +-Pixel_Grenze.
int Balkenhoehe(const Diagrammgeometrie& g, Extended v);

// One bar per k of k_von..k_bis (cut to the valid table entries 0..n), in the slot of k
// measured from k1; the column chart uses the left (p0) or right (p1, p2) part of the slot.
// Draws nothing while Saeulenbreite < 1: the slots then have no width.
void Saeulen_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Wertefeld& Werte, int k_von,
                      int k_bis, bool linke_Haelfte, QRgb Farbe, Pinselart Pinselstil);

// A further member of a family over the first one's chart: black, unfilled outlines of
// P0_Tabelle over k1..k2, each over its whole slot (families are drawn as histograms).
void Umrisse_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g);
// A white band over the chart's first caption row, and the family's caption on it in bold.
void Serienbeschriftung_zeichnen(QImage& Bild, const Diagrammgeometrie& g, const QString& Text);

// The whole chart anew from the state and its geometry, in the colours F; changes nothing but
// the image. The test kind is the state's (Testart_setzen); the levels reached are computed
// where shown.
void Histo_neu_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                        const Farbsatz& F = Standardfarben());

// The copy of the chart for the clipboard: at least 680 px wide and reaching 15 px past the
// right end of the last chart's axis. A copy wider than the image (a window narrowed below
// 680 px) is white beyond the image.
QImage Zwischenablagebild(const QImage& Bild, const Diagrammgeometrie& g);
