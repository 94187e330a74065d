// The chart out of the window: alone on a whole screen, into a PNG or PDF file, on paper.
// Each draws the picture anew at the resolution it needs; drawing changes nothing of the state.

#include "ui/Quorvel.h"

#include "analysis/Zahlentexte.h"
#include "charts/Beschreibung.h"
#include "charts/Diagramm.h"
#include "charts/OC.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Vollbild.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

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

// Magnified for a projector: the chart's width fills the screen's, which gives the scale, and
// the height is what the screen has left at that scale (as a taller window gives the chart).
void TForm1::Vollbild_zeigen() {
    QScreen* s = screen();
    QImage Bild = Image1->Bild();
    if (s) {
        const qreal dpr = s->devicePixelRatio();
        const QSize Schirm = s->size() * dpr;
        const int Breite = Logische_Breite(Bild);
        const qreal Skala = static_cast<qreal>(Schirm.width()) / Breite;
        Bild = Grafik_in_Skala(Skala, QSize(Breite, std::max(1, static_cast<int>(Schirm.height() / Skala))));
        // Shown pixel for pixel on that screen.
        Bild.setDevicePixelRatio(dpr);
    }
    auto* v = new Vollbild(Bild);
    if (s) v->setScreen(s);
    v->showFullScreen();
    v->activateWindow();
}

namespace {
// One A4 landscape page: the window's caption, the chart across the page's width at the
// device's resolution, and below it as text the numbers a worksheet needs. The chart is stored
// losslessly: as JPEG its hatches and texts would blur.
bool Auf_Seite(QPagedPaintDevice& Geraet, const TForm1& f, const QStringList& Zeilen) {
    QPainter p;
    if (!p.begin(&Geraet)) return false;
    const QRect Seite = p.viewport();
    QFont Titelschrift(QStringLiteral("Arial"), 14, QFont::Bold);
    QFont Textschrift(QStringLiteral("Arial"), 11);
    const int Titelhoehe = QFontMetrics(Titelschrift, &Geraet).height();
    const int Zeilenhoehe = QFontMetrics(Textschrift, &Geraet).height();
    const int Abstand = Zeilenhoehe / 2;

    const QSize Logisch(Logische_Breite(f.Image1->Bild()), Logische_Hoehe(f.Image1->Bild()));
    // Across the width, unless the lines below would not fit: then as large as they allow.
    const int frei = Seite.height() - Titelhoehe - 2 * Abstand - Zeilen.size() * Zeilenhoehe;
    const qreal Skala = std::min(static_cast<qreal>(Seite.width()) / Logisch.width(),
                                 static_cast<qreal>(std::max(frei, 1)) / Logisch.height());
    // A printer's 1200 dpi would make a picture of 70 million pixels; 600 dpi are plenty.
    const qreal Dichte = std::min<qreal>(1, 600.0 / std::max(Geraet.logicalDpiX(), 1));
    QImage Bild = f.Grafik_in_Skala(Skala * Dichte);
    Bild.setDevicePixelRatio(Dichte);
    p.setRenderHint(QPainter::LosslessImageRendering);

    int y = 0;
    p.setFont(Titelschrift);
    p.drawText(QRect(0, y, Seite.width(), Titelhoehe), Qt::AlignLeft | Qt::AlignVCenter, f.Titel_ohne_Marke());
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
}  // namespace

bool TForm1::Als_PNG_schreiben(QImage Bild, const QString& Name) {
    Bild.setDevicePixelRatio(1);
    // zlib's fastest level (quality 80): a chart is mostly white and shrinks nearly as well.
    return Bild.convertToFormat(QImage::Format_RGB888).save(Name, "PNG", 80);
}

QString TForm1::Dateiname_vorschlagen(const QString& Format) const {
    static const char* const Arten[] = {"binomial", "hypergeometrisch", "poisson", "geometrisch"};
    const int Art = ComboBox_Verteilung_p0->currentIndex();
    QString Was;
    if (Gezeigt == Bildart::OC)
        Was = QStringLiteral("oc");
    else if (Gezeigt == Bildart::Verteilung && Art >= vaBinomial && Art <= vaGeometr)
        Was = QString::fromLatin1(Arten[Art]);
    const QString Name =
        Was.isEmpty() ? QStringLiteral("grafik")
                      : QStringLiteral("%1-n%2-p%3").arg(Was, Qt_Text(Zahl_ganz(z.n)), Qt_Text(Zahl_allgemein(z.p0)));
    return Name + (Format == QLatin1String("PDF") ? QStringLiteral(".pdf") : QStringLiteral(".png"));
}

// The first offer of a run is PNG 2× in the pictures folder; later ones the folder and format
// chosen last.
void TForm1::Grafik_speichern() {
    Speicherangebot Angebot{
        {},
        {QStringLiteral("PNG 1×"), QStringLiteral("PNG 2×"), QStringLiteral("PNG 4×"), QStringLiteral("PDF")},
        Letztes_Format.isEmpty() ? QStringLiteral("PNG 2×") : Letztes_Format};
    QString Ordner = Letzter_Ordner;
    if (Ordner.isEmpty()) Ordner = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString Vorschlag = Dateiname_vorschlagen(Angebot.Format);
    Angebot.Datei = !Ordner.isEmpty() && QDir(Ordner).exists() ? QDir(Ordner).filePath(Vorschlag) : Vorschlag;
    QString Format;
    const QString Name = dienste().Speicherort_waehlen(this, Angebot, Format);
    if (Name.isEmpty()) return;
    Letzter_Ordner = QFileInfo(Name).absolutePath();
    Letztes_Format = Format;
    const bool gespeichert = Grafik_schreiben(Name, Format);
    if (!gespeichert) dienste().Meldung(QStringLiteral("Die Grafik konnte nicht gespeichert werden."));
}

bool TForm1::Grafik_schreiben(const QString& Name, const QString& Format) {
    if (Format == QLatin1String("PDF")) {
        QPdfWriter Datei(Name);
        Datei.setResolution(300);
        Datei.setPageSize(QPageSize(QPageSize::A4));
        Datei.setPageOrientation(QPageLayout::Landscape);
        Datei.setTitle(Titel_ohne_Marke());
        Datei.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
        return Auf_Seite(Datei, *this,
                         Arbeitsblatt_Texte(z, Schalter_lesen(), Edit_Alfali->text(), Edit_Alfare->text()));
    }
    // "PNG 2×": the factor before the sign.
    const int Skala = std::max(1, Format.mid(4).remove(QChar(0x00D7)).toInt());
    return Als_PNG_schreiben(Grafik_in_Skala(Skala), Name);
}

void TForm1::Grafik_drucken() {
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageOrientation(QPageLayout::Landscape);
    Drucker.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    if (!dienste().Drucker_waehlen(this, Drucker)) return;
    if (!Auf_Seite(Drucker, *this, Arbeitsblatt_Texte(z, Schalter_lesen(), Edit_Alfali->text(), Edit_Alfare->text())))
        dienste().Meldung(QStringLiteral("Die Grafik konnte nicht gedruckt werden."));
}
