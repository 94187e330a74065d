#include "ui/Grafik.h"

#include "charts/Diagramm.h"
#include "charts/Haeufigkeiten.h"
#include "charts/UGrafik.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

Diagrammgeometrie Grafik_zeichnen(QImage& Bild, const Auswertung& a, bool OC, OC_Tabelle* t, const Stichprobenstand* st,
                                  const Farbsatz& F) {
    if (OC) {
        const OC_Tabelle Tabelle = OC_zeichnen(Bild, a.z, F);
        if (t) *t = Tabelle;
        return OC_Geometrie(Bild);
    }
    const Diagrammgeometrie g = Geometrie_berechnen(Bild, a.z, a.s);
    Histo_neu_zeichnen(Bild, a.z, g, a.s, F);
    if (st) Haeufigkeiten_zeichnen(Bild, a.z, g, a.s, *st, F);
    return g;
}

QImage Grafik_zeichnen(const Auswertung& a, bool OC, QSize Groesse, qreal Skala, const Stichprobenstand* st,
                       const Farbsatz& F) {
    QImage Bild = Diagrammbild(Groesse.width(), Groesse.height(), Skala);
    Grafik_zeichnen(Bild, a, OC, nullptr, st, F);
    return Bild;
}

// The chart is stored losslessly: as JPEG its hatches and texts would blur.
bool Auf_Seite(QPagedPaintDevice& Geraet, const QString& Titel, QSize Logisch, const Bildquelle& Quelle,
               const QStringList& Zeilen) {
    QPainter p;
    if (!p.begin(&Geraet)) return false;
    const QRect Seite = p.viewport();
    QFont Titelschrift(QStringLiteral("Arial"), 14, QFont::Bold);
    QFont Textschrift(QStringLiteral("Arial"), 11);
    const int Titelhoehe = QFontMetrics(Titelschrift, &Geraet).height();
    const int Zeilenhoehe = QFontMetrics(Textschrift, &Geraet).height();
    const int Abstand = Zeilenhoehe / 2;

    // Across the width, unless the lines below would not fit: then as large as they allow.
    const int frei = Seite.height() - Titelhoehe - 2 * Abstand - Zeilen.size() * Zeilenhoehe;
    const qreal Skala = std::min(static_cast<qreal>(Seite.width()) / Logisch.width(),
                                 static_cast<qreal>(std::max(frei, 1)) / Logisch.height());
    // A printer's 1200 dpi would make a picture of 70 million pixels; 600 dpi are plenty.
    const qreal Dichte = std::min<qreal>(1, 600.0 / std::max(Geraet.logicalDpiX(), 1));
    QImage Bild = Quelle(Skala * Dichte);
    Bild.setDevicePixelRatio(Dichte);
    p.setRenderHint(QPainter::LosslessImageRendering);

    int y = 0;
    p.setFont(Titelschrift);
    p.drawText(QRect(0, y, Seite.width(), Titelhoehe), Qt::AlignLeft | Qt::AlignVCenter, Titel);
    y += Titelhoehe + Abstand;
    p.drawImage(QPoint(0, y), Bild);
    y += static_cast<int>(Bild.height() / Dichte) + Abstand;
    p.setFont(Textschrift);
    for (const QString& Zeile : Zeilen) {
        p.drawText(QRect(0, y, Seite.width(), Zeilenhoehe), Qt::AlignLeft | Qt::AlignVCenter, Zeile);
        y += Zeilenhoehe;
    }
    return p.end();
}

bool Als_PNG_schreiben(QImage Bild, const QString& Name) {
    Bild.setDevicePixelRatio(1);
    // zlib's fastest level (quality 80): a chart is mostly white and shrinks nearly as well.
    return Bild.convertToFormat(QImage::Format_RGB888).save(Name, "PNG", 80);
}

QString Exportformat(QString& Name, const QString& Format) {
    const bool PDF_gewaehlt = Format == QLatin1String("PDF");
    const QString Endung = QFileInfo(Name).suffix().toLower();
    if (Endung == QLatin1String("pdf")) return QStringLiteral("PDF");                             // kein Text
    if (Endung == QLatin1String("png")) return PDF_gewaehlt ? QStringLiteral("PNG 2×") : Format;  // kein Text
    Name += PDF_gewaehlt ? QStringLiteral(".pdf") : QStringLiteral(".png");
    return Format;
}

bool Grafik_schreiben(const QString& Name, const QString& Format, const QString& Titel, QSize Logisch,
                      const Bildquelle& Bild, const QStringList& Zeilen) {
    if (Format == QLatin1String("PDF")) {
        QPdfWriter Datei(Name);
        Datei.setResolution(300);
        Datei.setPageSize(QPageSize(QPageSize::A4));
        Datei.setPageOrientation(QPageLayout::Landscape);
        Datei.setTitle(Titel);
        Datei.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        return Auf_Seite(Datei, Titel, Logisch, Bild, Zeilen);
    }
    // "PNG 2×": the factor before the sign.
    const int Skala = std::max(1, Format.mid(4).remove(QChar(0x00D7)).toInt());
    return Als_PNG_schreiben(Bild(Skala), Name);
}
