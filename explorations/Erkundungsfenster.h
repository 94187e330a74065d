#pragma once
// What the family charts and the animations need of the window. They reset, show, recompute
// and redraw through this, never through the window's widgets, so that the window alone knows
// its controls.

#include "analysis/Zustand.h"
#include "charts/Geometrie.h"

class QImage;
class QString;
class QWidget;

class Erkundungsfenster {
public:
    // The window's one analysis state.
    virtual Zustand& Stand() = 0;
    // What the reset button does: every field and variable to its start value, then a redraw.
    virtual void Zuruecksetzen() = 0;
    // The state's n into the n field. Its change handler puts k1 to 0 and, unless
    // Serie_laeuft is set, k2 to n in their fields.
    virtual void n_zeigen() = 0;
    // The state's p0, k1 or k2 into its field.
    virtual void p0_zeigen() = 0;
    virtual void k1_zeigen() = 0;
    virtual void k2_zeigen() = 0;
    // The recomputation that follows an input (tables, moments, bounds, labels, grid).
    virtual void Neu_berechnen() = 0;
    // The distribution chart of the state anew, on screen.
    virtual void Neu_zeichnen() = 0;
    // The chart's bitmap, for drawing over the chart; Bild_zeigen puts it on screen, with the
    // words that tell a screen reader what it shows.
    virtual QImage& Bild() = 0;
    // The geometry of the chart Neu_zeichnen drew last, for drawing over it.
    virtual const Diagrammgeometrie& Geometrie_des_Bildes() const = 0;
    virtual void Bild_zeigen(const QString& Beschreibung) = 0;
    // The window itself, so that an animation notices its close during a wait.
    virtual QWidget& Fenster() = 0;

protected:
    ~Erkundungsfenster() = default;
};
