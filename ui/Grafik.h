#pragma once
// The chart of an evaluation as a picture, and its ways into files: drawn anew at the size and
// scale each needs, from a const evaluation. Used by the window and by `quorvel --grafik`.

#include "analysis/Eingaben.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"
#include "charts/OC.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;

// The distribution chart of a (or with OC the OC chart) into Bild, at its size and scale;
// returns its geometry, and the OC's beta table into t where asked for. The distribution
// chart shows the samples of st over it (Gezeigte_Stichproben). In the colours F.
Diagrammgeometrie Grafik_zeichnen(QImage& Bild, const Auswertung& a, bool OC, OC_Tabelle* t = nullptr,
                                  const Stichprobenstand* st = nullptr, const Farbsatz& F = Standardfarben());
// The same into a new picture of Groesse logical pixels at device scale Skala.
QImage Grafik_zeichnen(const Auswertung& a, bool OC, QSize Groesse, qreal Skala, const Stichprobenstand* st = nullptr,
                       const Farbsatz& F = Standardfarben());
// The samples a chart of a shows: those of a run of the window (Lauf) while there is one,
// else those of the inputs; none when neither has any.
inline const Stichprobenstand* Gezeigte_Stichproben(const Auswertung& a, const Stichprobenstand* Lauf = nullptr) {
    return Lauf ? Lauf : a.Stichproben ? &*a.Stichproben : nullptr;
}

// The picture in the scale a page asks for.
using Bildquelle = std::function<QImage(qreal Skala)>;

// One A4 landscape page: Titel, the chart (Logisch is its size at scale 1) across the page's
// width at the device's resolution, and below it the worksheet's lines.
bool Auf_Seite(QPagedPaintDevice& Geraet, const QString& Titel, QSize Logisch, const Bildquelle& Bild,
               const QStringList& Zeilen);

// The image at its device pixels into a PNG file; false when it can't be written.
bool Als_PNG_schreiben(QImage Bild, const QString& Name);

// The file's format follows what its name says: a name ending in .pdf is a PDF and one ending
// in .png a PNG (at the chosen factor, 2× when PDF was chosen); any other name gets the chosen
// format's extension. Returns the format; Name may grow by its extension.
QString Exportformat(QString& Name, const QString& Format);

// The chart into Name in Format ("PNG 2×", any whole factor, or "PDF": the worksheet page
// with Titel and Zeilen); false when it can't be written.
bool Grafik_schreiben(const QString& Name, const QString& Format, const QString& Titel, QSize Logisch,
                      const Bildquelle& Bild, const QStringList& Zeilen);
