#pragma once
// What lies under the mouse pointer on a chart, from the geometry of the chart shown: the k of
// a bar slot and its values, the p of the OC curve and its beta, and which of the chart's
// movable marks (the two bounds of V and the sample result x) a press takes hold of. No
// widget: the window asks these and shows the answers.

#include "analysis/Zustand.h"
#include "charts/Geometrie.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

// The k whose bar slot holds the point: slots span the columns x_Ursprung + (k - k1) w to one
// before the next slot, rows from the markers' top (8 px above y_Oben) to the image's bottom
// with the axis numbers. None outside the slots, or while the slots have no width.
std::optional<int> k_an_Stelle(const Diagrammgeometrie& g, QPoint Stelle);

// The tooltip of bar k: k, then for p0 and every further distribution drawn P(X=k), P(X<=k)
// and P(X>=k), in the value grid's format ("P0(X=15) = 17,46%").
QString Saeulentext(const Zustand& z, const Schalter& s, int k);

// On the OC chart: the p of the point's column on the p1 axis, 0..1; none off the axis or
// above or below the plot.
std::optional<Extended> p_an_Stelle(const Diagrammgeometrie& g, QPoint Stelle);
// "p = 0,3500" and "β(p) = 0,9521", in the OC table's format.
QString OC_Punkttext(const Zustand& z, Extended p);

// The outline around bar k (the tallest bar drawn at k, 2 px clear of it), for a short
// highlight; empty outside k1..k2 or while the slots have no width.
QRect Saeulenrahmen(const Zustand& z, const Schalter& s, const Diagrammgeometrie& g, int k);

// The marks a press can take hold of. The bounds only while a marking shows the regions (α,
// the acceptance region or β), x only while its marker is shown.
enum class Griff { keiner, V_links, V_rechts, x };

// What a press at Stelle grabs: a mark whose line lies within 4 px (the nearest; the edge of
// V links after its last bar, the edge of V rechts before its first, the marker of x), else
// the mark whose bar is pressed (the bar of kli, kre or x).
Griff Griff_bei(const Zustand& z, const Schalter& s, const Diagrammgeometrie& g, QPoint Stelle);

// The value of a mark as the inputs hold it (kli, kre, x).
int Wert_von(const Zustand& z, Griff gr);

// The value a drag gives that started at Start and has moved dx pixels since: one step per
// slot width, rounded, held within the mark's range (V links -1..kre-1, V rechts kli+1..n+1,
// x 0..n), so that no bound leaves -1..n+1 or passes the other. Start itself while the
// pointer has not moved a step.
int Gezogener_Wert(const Zustand& z, const Diagrammgeometrie& g, Griff gr, int Start, int dx);
// One step from Start, as a key moves a mark (Richtung -1 or +1), in the same range.
int Schritt(const Zustand& z, Griff gr, int Start, int Richtung);
