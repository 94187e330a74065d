#pragma once
// The chart in words, for screen readers: what the picture now on screen shows.

#include "analysis/Zustand.h"

#include <QString>

// The distribution chart as the last redraw drew it (chart kind, distribution, n and its
// parameter, the k range, further distributions, and the markings that are switched on with
// their sets and errors). Reads the test kind that redraw set.
QString Diagrammbeschreibung(const Zustand& z, const Schalter& s);
// The OC chart: the curve of the test the last distribution chart set, over p1 = 0..1.
QString OC_Beschreibung(const Zustand& z);
