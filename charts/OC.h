#pragma once
// Operating characteristic chart: the probability that the current test accepts H0 for every
// true p1 between 0 and 1, drawn onto a QImage, with the beta table for p1 = 0,02 .. 0,98.
// The chart knows no widgets; it hands the table texts back and the value grid shows them.

#include "analysis/Zustand.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"

#include <QImage>

#include <array>
#include <string>

// Pixel length of the p1 axis from p1 = 0 to p1 = 1.
constexpr int OC_Achsenlaenge = 400;
// Table rows r = 1..49 for p1 = r/50; no row for 0 or 1.
constexpr int OC_Tabellenzeilen = 49;

// The two columns of the OC table below its header row; index r - 1 holds table row r.
struct OC_Tabelle {
    std::array<std::string, OC_Tabellenzeilen> p1;    // "0,02" .. "0,98"
    std::array<std::string, OC_Tabellenzeilen> Beta;  // "0,9521"; empty until the curve is drawn
};

// Column 0 filled, column 1 empty: the table as the layout sets it up before the curve runs.
OC_Tabelle OC_Tabelle_Spalte_p1();

// x_Ursprung, y_Ursprung, y_Oben, OC_Breite, x_Ende, Hoehe_Skala from the image's height.
Diagrammgeometrie OC_Geometrie(const QImage& Bild);

// The empty frame: white image, p1 axis with ticks, probability axis, caption line with n,
// p0 and both levels, dotted grid lines.
void OC_KOS(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Farbsatz& F = Standardfarben());

// The acceptance probability as the chart uses it: always finite and within [0, 1]. Reads
// z only.
Extended OC_Annahme(const Zustand& z, Extended p);

// OC_KOS at OC_Geometrie(Bild), the curve, the p0 marker; changes nothing but the image.
// Returns the table with both columns filled.
OC_Tabelle OC_zeichnen(QImage& Bild, const Zustand& z, const Farbsatz& F = Standardfarben());
