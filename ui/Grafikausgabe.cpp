// The chart out of the window: alone on a whole screen, into a PNG or PDF file, on paper. Each
// draws the picture anew at the resolution it needs (ui/Grafik.h); drawing changes nothing.

#include "ui/Quorvel.h"

#include "analysis/Zahlentexte.h"
#include "charts/Beschreibung.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Farbwahl.h"
#include "ui/Grafik.h"
#include "ui/Vollbild.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

QImage TForm1::Grafik_in_Skala(qreal Skala, QSize Groesse) const {
    if (Groesse.isEmpty()) Groesse = QSize(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild()));
    if (!Erkundungsbild)
        return Grafik_zeichnen(sitzung.Ergebnis(), sitzung.Stand().OC, Groesse, Skala, Gezeigte_Stichproben(),
                               Farbauswahl->Farben());
    // An exploration's picture: its pixels, each one a block of the new size.
    const QImage Leer = Diagrammbild(Groesse.width(), Groesse.height(), Skala);
    QImage Bild = Image1->Bild().scaled(Leer.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    Bild.setDevicePixelRatio(Leer.devicePixelRatio());
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

// "binomial-n20-p0,8.png", "oc-n20-p0,8.pdf"; "grafik.png" for an exploration's picture. The
// names in the program's language, p0 with its decimal sign.
QString TForm1::Dateiname_vorschlagen(const QString& Format) const {
    static const char* const Namen[] = {
        QT_TRANSLATE_NOOP("Grafikausgabe", "binomial"), QT_TRANSLATE_NOOP("Grafikausgabe", "hypergeometrisch"),
        QT_TRANSLATE_NOOP("Grafikausgabe", "poisson"), QT_TRANSLATE_NOOP("Grafikausgabe", "geometrisch")};
    const Zustand& z = sitzung.Ergebnis().z;
    const int Art = sitzung.Stand().s.Verteilung_p0;
    QString Was;
    if (!Erkundungsbild)
        Was = sitzung.Stand().OC ? QStringLiteral("oc") : QCoreApplication::translate("Grafikausgabe", Namen[Art]);
    const QString Name =
        Was.isEmpty() ? QCoreApplication::translate("Grafikausgabe", "grafik")
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
    QString Name = dienste().Speicherort_waehlen(this, Angebot, Format);
    if (Name.isEmpty()) return;
    Letzter_Ordner = QFileInfo(Name).absolutePath();
    Letztes_Format = Format;
    // The file's content is what its name says.
    Format = Exportformat(Name, Format);
    if (!Grafik_schreiben(Name, Format))
        dienste().Meldung(QCoreApplication::translate("Grafikausgabe", "Die Grafik konnte nicht gespeichert werden."));
}

namespace {
QStringList Arbeitsblatt(const Sitzung& s, const Stichprobenstand* st) {
    return Arbeitsblatt_Texte(s.Ergebnis().z, s.Ergebnis().s, QString::fromStdString(s.Stand().Alfali.Text),
                              QString::fromStdString(s.Stand().Alfare.Text), st,
                              Gezeigte_p_Texte(s.Stand(), s.Ergebnis()));
}
}  // namespace

bool TForm1::Grafik_schreiben(const QString& Name, const QString& Format) {
    const QSize Logisch(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild()));
    const QStringList Zeilen = Arbeitsblatt(sitzung, Gezeigte_Stichproben());
    return ::Grafik_schreiben(
        Name, Format, dokument.Titel_ohne_Marke(), Logisch, [this](qreal f) { return Grafik_in_Skala(f); }, Zeilen);
}

void TForm1::Grafik_drucken() {
    QPrinter Drucker(QPrinter::HighResolution);
    Drucker.setPageOrientation(QPageLayout::Landscape);
    Drucker.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    if (!dienste().Drucker_waehlen(this, Drucker)) return;
    const QSize Logisch(Logische_Breite(Image1->Bild()), Logische_Hoehe(Image1->Bild()));
    const QStringList Zeilen = Arbeitsblatt(sitzung, Gezeigte_Stichproben());
    if (!Auf_Seite(
            Drucker, dokument.Titel_ohne_Marke(), Logisch, [this](qreal f) { return Grafik_in_Skala(f); }, Zeilen))
        dienste().Meldung(QCoreApplication::translate("Grafikausgabe", "Die Grafik konnte nicht gedruckt werden."));
}
