// The chart out of the window: alone on a whole screen, into a PNG or PDF file, on paper.
// Each draws the picture anew at the resolution it needs; drawing changes nothing of the state.

#include "ui/Quorvel.h"

#include "charts/Diagramm.h"
#include "charts/OC.h"
#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Vollbild.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>


QImage TForm1::Grafik_in_Skala(qreal Skala, QSize Groesse) const {
    if (Groesse.isEmpty()) Groesse = QSize(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild()));
    QImage Bild = Diagrammbild(Groesse.width(), Groesse.height(), Skala);
    if (Gezeigt == Bildart::Anderes) {
        // A family chart or a frame left behind: its pixels, each one a block of the new size.
        const qreal s = Bild.devicePixelRatio();
        Bild = Image1->Bild().scaled(Bild.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
        Bild.setDevicePixelRatio(s);
        return Bild;
    }
    if (Gezeigt == Bildart::Verteilung)
        Verteilungsbild(Bild, Schalter_lesen());
    else
        OC_zeichnen(Bild, z);
    return Bild;
}

void TForm1::Vollbild_zeigen() {
    QScreen* s = screen();
    auto* v = new Vollbild(s ? Grafik_in_Skala(s->devicePixelRatio(), s->size()) : Image1->Bild());
    if (s) v->setScreen(s);
    v->showFullScreen();
    v->activateWindow();
}

namespace {
// The chart over the page's width at the device's resolution.
bool Auf_Seite(QPagedPaintDevice& Geraet, const TForm1& f, QSize Logisch) {
    QPainter p;
    if (!p.begin(&Geraet)) return false;
    const qreal Skala = static_cast<qreal>(p.viewport().width()) / Logisch.width();
    QImage Bild = f.Grafik_in_Skala(Skala);
    Bild.setDevicePixelRatio(1);
    p.drawImage(QPoint(0, 0), Bild);
    return p.end();
}
}  // namespace

bool TForm1::Als_PNG_schreiben(QImage Bild, const QString& Name) {
    Bild.setDevicePixelRatio(1);
    // zlib's fastest level (quality 80): a chart is mostly white and shrinks nearly as well.
    return Bild.convertToFormat(QImage::Format_RGB888).save(Name, "PNG", 80);
}

void TForm1::Grafik_speichern() {
    QString Format;
    const QString Name = dienste().Speicherort_waehlen(this, Format);
    if (Name.isEmpty()) return;
    bool gespeichert = false;
    if (Format == QLatin1String("PDF")) {
        QPdfWriter Datei(Name);
        Datei.setResolution(300);
        Datei.setPageSize(QPageSize(QPageSize::A4));
        Datei.setPageOrientation(QPageLayout::Landscape);
        Datei.setTitle(windowTitle());
        gespeichert = Auf_Seite(Datei, *this, QSize(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild())));
    } else {
        const int Skala = Format.endsWith(QStringLiteral("4×")) ? 4 : Format.endsWith(QStringLiteral("2×")) ? 2 : 1;
        gespeichert = Als_PNG_schreiben(Grafik_in_Skala(Skala), Name);
    }
    if (!gespeichert) dienste().Meldung(QStringLiteral("Die Grafik konnte nicht gespeichert werden."));
}

void TForm1::Grafik_drucken() {
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageOrientation(QPageLayout::Landscape);
    if (!dienste().Drucker_waehlen(this, Drucker)) return;
    if (!Auf_Seite(Drucker, *this, QSize(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild()))))
        dienste().Meldung(QStringLiteral("Die Grafik konnte nicht gedruckt werden."));
}
