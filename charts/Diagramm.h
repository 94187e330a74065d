#pragma once
// The distribution chart: geometry, frame, bars, markings and information box, drawn
// from Zustand onto a QImage.

#include "analysis/Zustand.h"
#include "charts/UGrafik.h"

#include <QImage>
#include <QString>

#include <functional>

// What the drawing has to hand back to the window in the middle of its work.
struct Diagramm_Rueckrufe {
    // The k range was narrowed to mue0 +- 3.5 sigma0: the window shows the new k1 and k2.
    std::function<void(int k1, int k2)> k_Bereich_verengt;
};

// The fixed frame of the distribution chart.
constexpr int Diagramm_x_Ursprung = 40;
constexpr int Diagramm_y_Oben = 52;
constexpr int Saeulenbreite_hoechstens = 20;

// Writes the seven geometry variables from the image size and k1, k2. When more values of k
// are to be shown than the axis has pixels, narrows k1..k2 to round(mue0 -+ 3.5 sigma0), cut
// to 0..n, and returns true. Saeulenbreite is never negative; it stays 0 when even the
// narrowed range is wider than the axis.
bool Geometrie_berechnen(const QImage& Bild, Zustand& z);

// k labelling rule of the axis: which k get a number for a given k_Spanne, and how far left
// of its tick centre the number starts (by its count of digits).
bool k_beschriftet(int k, int k_Spanne);
int k_Beschriftungsversatz(int k);

// The empty coordinate system: white image, k axis with ticks and numbers, probability axis
// with its caption, arrowheads, and with s.waagerechte_Strichelung the auxiliary lines.
void Histo_KOS(QImage& Bild, const Zustand& z, const Schalter& s);
// Auxiliary line i = 0..4 (top down): its row and its label, (1 - i/5) Pmax with 3 decimals.
int Hilfslinie_Zeile(const Zustand& z, int i);
QString Hilfslinie_Text(const Zustand& z, int i);
void Pfeil_rechts(int x, int y, QImage& Bild);
void Pfeil_oben(int x, int y, QImage& Bild);

// Pixel height of probability v on the chart's scale: round(v / Pmax * Hoehe_Skala), ties to
// even. 0 when the quotient is not finite (Pmax = 0 included), clamped to +-Pixel_Grenze.
int Balkenhoehe(const Zustand& z, Extended v);

// One bar per k of k_von..k_bis (cut to the valid table entries 0..n), in the slot of k
// measured from k1; the column chart uses the left (p0) or right (p1, p2) part of the slot.
// Draws nothing while Saeulenbreite < 1: the slots then have no width.
void Saeulen_zeichnen(QImage& Bild, const Zustand& z, const Wertefeld& Werte, int k_von, int k_bis,
                      bool linke_Haelfte, QRgb Farbe, Pinselart Pinselstil);

// A further member of a family over the first one's chart: black, unfilled outlines of
// P0_Tabelle over k1..k2, each over its whole slot (families are drawn as histograms).
void Umrisse_zeichnen(QImage& Bild, const Zustand& z);
// A white band over the chart's first caption row, and the family's caption on it in bold.
void Serienbeschriftung_zeichnen(QImage& Bild, const Zustand& z, const QString& Text);

// The whole chart anew. The caller has already put the caption of Label_V_n.
void Histo_neu_zeichnen(QImage& Bild, Zustand& z, const Schalter& s, const Diagramm_Rueckrufe& r);

// The chart of z again, at the image's new size, without a trace in z or the window: it draws
// on a copy of z with no callbacks (narrowing the k range, the levels reached and the test
// flags belong to that picture) and takes over only the picture's geometry, which the
// clipboard copy reads.
void Histo_nachzeichnen(QImage& Bild, Zustand& z, const Schalter& s);

// The copy of the chart for the clipboard: at least 680 px wide and reaching 15 px past the
// right end of the last chart's axis. A copy wider than the image (a window narrowed below
// 680 px) is white beyond the image.
QImage Zwischenablagebild(const QImage& Bild, const Zustand& z);
