#pragma once
// The chart answers the mouse and the keys: the values of the bar or the OC point under the
// pointer as a tooltip, with the bar's row selected in the grid; a grid row clicked outlines
// its bar; the bounds of V and the sample result x dragged bar by bar, or moved by the arrow
// keys while the chart has the focus. Every step is the value typed into its field, through
// the session; Esc during a drag puts the inputs back as they were at the press. What lies
// under the pointer is the charts' to say (charts/Zeiger.h).

#include "analysis/Eingaben.h"
#include "charts/Geometrie.h"
#include "charts/Zeiger.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class Bildfeld;
class QHelpEvent;
class QKeyEvent;
class QMouseEvent;
class Sitzung;
class TStringGrid;

class Diagrammzeiger : public QObject {
    Q_OBJECT
public:
    // Geometrie: the geometry of the evaluation's chart that Bild shows, or null while Bild
    // shows another picture (an exploration's).
    Diagrammzeiger(Bildfeld& Bild, TStringGrid& Gitter, Sitzung& s, std::function<const Diagrammgeometrie*()> Geometrie,
                   QObject* Eltern);

    // The bar of k outlined, until the next picture: a click on its grid row.
    void Saeule_umranden(int k);
    bool zieht() const { return Zug.has_value(); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // The geometry while Bild shows the distribution chart (the OC chart), else null.
    const Diagrammgeometrie* Verteilungsgeometrie() const;
    const Diagrammgeometrie* OC_Geometrie() const;

    void Bewegt(QMouseEvent* e);
    bool Tooltip(QHelpEvent* e);
    void Gedrueckt(QMouseEvent* e);
    bool Taste(QKeyEvent* e);
    void Setzen(Griff gr, int Wert);

    Bildfeld& Bild;
    TStringGrid& Gitter;
    Sitzung& s;
    std::function<const Diagrammgeometrie*()> Geometrie;

    struct Ziehen {
        Griff gr;
        int Start_x;    // the press's column
        int Startwert;  // the mark's value at the press
        int Wert;       // its value now
        Eingaben vorher;
    };
    std::optional<Ziehen> Zug;
    std::optional<int> Zeile;  // the grid row the pointer selected last
};
