#pragma once
// Samples drawn in class over the distribution chart: the relative frequency of each k of the
// range shown as a short orange bar across its slot (the running share in the cumulative
// chart), drawn over the bars without hiding them, and in the information box the counts, the
// rate with its interval and the exact value. Drawn from a const count, after the chart.

#include "analysis/Stichproben.h"
#include "analysis/Zustand.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"

#include <QImage>

// The standard colour of the frequencies: none of the distributions', markings' or hatches'.
constexpr QRgb clHaeufigkeit = 0xFFFF8000;

// A frequency above the chart's scale stands at its top with a small arrowhead above it. The
// slot of the value drawn last (st.zuletzt) is lit up, its bars still to be seen. Values
// beyond n have no slot; nothing is drawn while the slots have no width.
void Haeufigkeiten_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                            const Stichprobenstand& st, const Farbsatz& F = Standardfarben());
