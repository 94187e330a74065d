#pragma once
// The layout names the fonts "ms sans serif", "Arial" and "symbol", none of which is
// installed. This is the one place that says what stands in for them, for the window's
// controls and for the charts, which need different faces for "ms sans serif": the controls
// keep Liberation Sans at its own width, the charts a narrow face (see Schriften.cpp).

#include <QFont>
#include <QString>

// Makes QFont resolve the window's old names to their stand-ins; call it before the window
// sets its first font. Later calls do nothing.
void Fensterschriften_ersetzen();

// A font with the family (and, where the chart needs it, the width) that stands in for the
// chart font `Name`; compared without case and surrounding blanks, and the empty name is
// "ms sans serif". Any other name keeps its family. Size, weight and rendering are the
// caller's.
QFont Diagrammschrift(const QString& Name);
