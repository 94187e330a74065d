#include "charts/Diagramm.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Zahlentexte.h"
#include "charts/Infobox.h"
#include "charts/Markierungen.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"

#include <QPolygon>
#include <QString>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// Width of one slot when `Spanne` + 1 values of k share the axis; 0 when they do not fit or
// the range is empty (k2 < k1 cannot come from the input fields, but must not divide by 0).
int Slotbreite(const Zustand& z, int Spanne) {
    const int achse = z.x_Ende - z.x_Ursprung;
    if (Spanne < 0 || achse <= 0) return 0;
    return achse / (Spanne + 1);  // both non-negative: integer division truncates
}

// Column of the centre of the slot of k.
int Slotmitte(const Zustand& z, int k) {
    return z.x_Ursprung + Pixel_trunc((static_cast<Extended>(k) - z.k1 + 0.5L) * z.Saeulenbreite);
}

}  // namespace

bool Geometrie_berechnen(const QImage& Bild, Zustand& z) {
    z.x_Ursprung = Diagramm_x_Ursprung;
    z.y_Ursprung = Logische_Hoehe(Bild) - 24;
    z.x_Ende = Logische_Breite(Bild) - 15;
    z.y_Oben = Diagramm_y_Oben;
    z.Hoehe_Skala = z.y_Ursprung - z.y_Oben;

    z.k_Spanne = z.k2 - z.k1;
    z.Saeulenbreite = Slotbreite(z, z.k_Spanne);
    if (z.Saeulenbreite > Saeulenbreite_hoechstens) {
        z.Saeulenbreite = Saeulenbreite_hoechstens;
        z.x_Ende = z.x_Ursprung + Saeulenbreite_hoechstens * (z.k_Spanne + 1) + 10;
    }
    if (z.Saeulenbreite >= 1) return false;

    // More values of k than pixels: show the bulk of p0, mue0 +- 3.5 sigma0.
    const Extended links = z.mue0 - 3.5L * z.sigma0;
    const Extended rechts = z.mue0 + 3.5L * z.sigma0;
    // A moment that is not finite gives no bound on its side: keep 0 or n there.
    z.k1 = std::isfinite(links) ? std::clamp(Pixel_runden(links), 0, std::max(z.n, 0)) : 0;
    z.k2 = std::isfinite(rechts) ? std::clamp(Pixel_runden(rechts), 0, std::max(z.n, 0)) : std::max(z.n, 0);
    z.k1 = std::min(z.k1, z.k2);
    z.k_Spanne = z.k2 - z.k1;
    z.Saeulenbreite = Slotbreite(z, z.k_Spanne);
    // A narrow distribution at a large n would get slots wider than the cap here, and the
    // next redraw of the very same range would cap them again; cap at once so that both
    // redraws look alike.
    z.Saeulenbreite = std::min(z.Saeulenbreite, Saeulenbreite_hoechstens);
    z.x_Ende = z.x_Ursprung + z.Saeulenbreite * (z.k_Spanne + 1) + 10;
    return true;
}

bool k_beschriftet(int k, int k_Spanne) {
    if (k_Spanne <= 30) return true;
    if (k_Spanne < 70) return k % 2 == 0;
    if (k_Spanne <= 140) return k % 5 == 0;
    if (k_Spanne <= 280) return k % 10 == 0;
    if (k_Spanne < 500) return k % 30 == 0;
    return k % 50 == 0;
}

int k_Beschriftungsversatz(int k) {
    if (k < 10) return 3;
    if (k < 100) return 7;
    if (k < 1000) return 11;
    return 15;
}

void Pfeil_rechts(int x, int y, QImage& Bild) {
    Polygon_zeichnen(Bild, QPolygon({QPoint(x + 10, y), QPoint(x, y - 3), QPoint(x, y + 3), QPoint(x + 10, y)}),
                     clBlack, clWhite, Pinselart::bsSolid);
}

void Pfeil_oben(int x, int y, QImage& Bild) {
    Polygon_zeichnen(Bild, QPolygon({QPoint(x, y - 10), QPoint(x - 3, y), QPoint(x + 3, y), QPoint(x, y - 10)}),
                     clBlack, clWhite, Pinselart::bsSolid);
}

void Histo_KOS(QImage& Bild, const Zustand& z, const Schalter& s) {
    Bild_loeschen(Bild, false);
    Schrift normal;  // "ms sans serif", 17, black; every text here gets a white box
    Schrift fett = normal;
    fett.fett = true;

    Linie(Bild, z.x_Ursprung, z.y_Ursprung, z.x_Ende, z.y_Ursprung, clBlack, 1, Stiftart::psSolid);
    Text_ausgeben(Bild, z.x_Ende + 3, z.y_Ursprung + 5, QStringLiteral("k"), fett, true);
    Pfeil_rechts(z.x_Ende, z.y_Ursprung, Bild);

    // Slots without width would pile every tick and number onto the origin column.
    if (z.Saeulenbreite >= 1) {
        for (int k = z.k1; k <= z.k2; ++k) {
            const int X = Slotmitte(z, k);
            if (k % 10 == 0)
                Linie(Bild, X, z.y_Ursprung, X, z.y_Ursprung + 8, clBlack, 2, Stiftart::psSolid);
            else
                Linie(Bild, X, z.y_Ursprung, X, z.y_Ursprung + 5, clBlack, 1, Stiftart::psSolid);
            if (k_beschriftet(k, z.k_Spanne))
                Text_ausgeben(Bild, X - k_Beschriftungsversatz(k), z.y_Ursprung + 7, Qt_Text(Zahl_ganz(k)), normal, true);
        }
    }

    Linie(Bild, z.x_Ursprung, z.y_Ursprung, z.x_Ursprung, 30, clBlack, 1, Stiftart::psSolid);
    Text_ausgeben(Bild, z.x_Ursprung - 30, 5,
                  s.p0_kumuliert ? QStringLiteral("P(X<=k)") : QStringLiteral("P(X=k)"), fett, true);
    Pfeil_oben(z.x_Ursprung, 30, Bild);

    if (s.waagerechte_Strichelung) {
        for (int i = 0; i <= 4; ++i) {
            const int Y = Hilfslinie_Zeile(z, i);
            Linie(Bild, z.x_Ursprung - 3, Y, z.x_Ende, Y, clGray, 1, Stiftart::psDot);
            Text_ausgeben(Bild, z.x_Ursprung - 37, Y - 8, Hilfslinie_Text(z, i), normal, true);
        }
        // A label of five characters in the sans font is a pixel or two wider than the 37
        // pixels left of the axis; its white box must not cut the axis.
        Linie(Bild, z.x_Ursprung, z.y_Ursprung, z.x_Ursprung, 30, clBlack, 1, Stiftart::psSolid);
    }
}

int Hilfslinie_Zeile(const Zustand& z, int i) {
    // i * Hoehe_Skala / 5 never ends in exactly one half, so no tie arises.
    return z.y_Oben + Pixel_runden(static_cast<Extended>(i) * z.Hoehe_Skala / 5.0L);
}

QString Hilfslinie_Text(const Zustand& z, int i) {
    // The scale in force when the frame is drawn; a cumulative chart sets Pmax = 1 only
    // afterwards, for its bars. A Pmax that is not finite has no scale to label.
    const Extended Pmax = std::isfinite(z.Pmax) ? z.Pmax : 0.0L;
    return Qt_Text(Zahl_fest((1.0L - static_cast<Extended>(i) / 5.0L) * Pmax, 5, 3));
}

int Balkenhoehe(const Zustand& z, Extended v) {
    // Pmax = 0 (every shown probability 0), or a value that is not finite: no scale exists,
    // so the bar keeps height 0 and shows as its one-pixel outline on the axis.
    const Extended anteil = v / z.Pmax;
    if (!std::isfinite(anteil)) return 0;
    const Extended pixel = anteil * z.Hoehe_Skala;
    if (!std::isfinite(pixel)) return 0;
    return Pixel_runden(pixel);
}

void Saeulen_zeichnen(QImage& Bild, const Zustand& z, const Wertefeld& Werte, int k_von, int k_bis,
                      bool linke_Haelfte, QRgb Farbe, Pinselart Pinselstil) {
    const int w = z.Saeulenbreite;
    if (w < 1) return;
    // round(w / 2), halves to even: 1 -> 0, 5 -> 2, 7 -> 4.
    const int halb = (w % 2 == 0) ? w / 2 : ((w / 2) % 2 == 0 ? w / 2 : w / 2 + 1);
    int links_ab = 0, rechts_ab = 0;
    if (z.Saeulendiagramm) {
        if (linke_Haelfte)
            rechts_ab = halb;
        else
            links_ab = halb;
    }
    // Entries above n belong to an earlier, larger n: never draw them.
    const int von = std::max(k_von, 0);
    const int bis = std::min({k_bis, z.n, k_Maximum});
    for (int k = von; k <= bis; ++k) {
        const int h = Balkenhoehe(z, Werte[k]);
        const int X = z.x_Ursprung + (k - z.k1) * w;
        Rechteck(Bild, X + links_ab, z.y_Ursprung - h, X + w + 1 - rechts_ab, z.y_Ursprung + 1, clBlack, Farbe, 1,
                 Stiftart::psSolid, Pinselstil);
    }
}

QImage Zwischenablagebild(const QImage& Bild, const Zustand& z) {
    // The copy keeps the image's scale: its logical width is the copy width, its device
    // pixels are the image's own.
    const int H = Bild.height();
    const int Kopierbreite = Geraetepixel(Bild, z.x_Ende < 680 ? 680 : z.x_Ende + 15);
    QImage Kopie(Kopierbreite, H, QImage::Format_RGB32);
    Kopie.setDevicePixelRatio(Bild.devicePixelRatio());
    Kopie.fill(Qt::white);
    const int Breite = std::min(Kopierbreite, Bild.width());
    for (int y = 0; y < H; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(Bild.constScanLine(y)), Breite,
                    reinterpret_cast<QRgb*>(Kopie.scanLine(y)));
    return Kopie;
}

void Histo_neu_zeichnen(QImage& Bild, Zustand& z, const Schalter& s, const Diagramm_Rueckrufe& r) {
    if (Geometrie_berechnen(Bild, z) && r.k_Bereich_verengt) r.k_Bereich_verengt(z.k1, z.k2);
    Testart_setzen(z);
    Histo_KOS(Bild, z, s);

    const Wertefeld* p0_Werte = &z.P0_Tabelle;
    if (s.p0_kumuliert) {
        z.Pmax = 1.0L;
        p0_Werte = &z.P0_kumuliert;
    }
    if (z.Saeulendiagramm)
        Saeulen_zeichnen(Bild, z, *p0_Werte, z.k1, z.k2, true, clRed, Pinselart::bsHorizontal);
    else
        Saeulen_zeichnen(Bild, z, *p0_Werte, z.k1, z.k2, true, clBlack, Pinselart::bsClear);
    if (s.p1_zeichnen) Saeulen_zeichnen(Bild, z, z.P1_Tabelle, z.k1, z.k2, false, clBlue, Pinselart::bsBDiagonal);
    if (s.p2_zeichnen) Saeulen_zeichnen(Bild, z, z.P2_Tabelle, z.k1, z.k2, false, clLime, Pinselart::bsBDiagonal);

    if (s.Alfa_zeigen) {
        Alfa_links_zeichnen(Bild, z, s);
        Alfa_rechts_zeichnen(Bild, z, s);
    }
    if (s.Beta_zeigen) Beta_zeichnen(Bild, z, s);
    if (s.Annahmebereich_zeigen) Annahmebereich_zeichnen(Bild, z, s);
    if (s.Umgebung_schraffieren) Umgebung_zeichnen(Bild, z, s);
    if (s.Normalverteilung) Normalkurve_zeichnen(Bild, z, s);
    if (s.Stichprobenergebnis_zeigen) Stichprobenergebnis_zeichnen(Bild, z, s);

    // The information routines set their own text style (clear brush, bold, 17 px).
    if (s.Info) Info_Zeile1_zeichnen(Bild, z, s);
    if (s.Erwartungswert_zeigen) {
        Erwartungswerte_zeichnen(Bild, z, s);
        if (s.Info) Info_Erwartungswerte_zeichnen(Bild, z, s);
    }
    if (s.Sigma_zeigen) {
        Sigmagrenzen_zeichnen(Bild, z, s);
        if (s.Info) Info_Sigma_zeichnen(Bild, z, s);
    }
    if (s.Info) Info_Zeile2_zeichnen(Bild, z, s);
}

void Umrisse_zeichnen(QImage& Bild, const Zustand& z) {
    Saeulen_zeichnen(Bild, z, z.P0_Tabelle, z.k1, z.k2, true, clBlack, Pinselart::bsClear);
}

void Serienbeschriftung_zeichnen(QImage& Bild, const Zustand& z, const QString& Text) {
    Rechteck(Bild, z.x_Ursprung + 40, 5, z.x_Ende, 20, clWhite, clWhite, 1, Stiftart::psSolid, Pinselart::bsSolid);
    Schrift f;
    f.Name = QStringLiteral("ms sans serif");
    f.Hoehe = 17;
    f.fett = true;
    Text_ausgeben(Bild, z.x_Ursprung + 40, 5, Text, f, false);
}

void Histo_nachzeichnen(QImage& Bild, Zustand& z, const Schalter& s) {
    auto Kopie = std::make_unique<Zustand>(z);  // 320 kB of tables: not on the stack
    Histo_neu_zeichnen(Bild, *Kopie, s, Diagramm_Rueckrufe{});
    z.x_Ursprung = Kopie->x_Ursprung;
    z.y_Ursprung = Kopie->y_Ursprung;
    z.x_Ende = Kopie->x_Ende;
    z.y_Oben = Kopie->y_Oben;
    z.Hoehe_Skala = Kopie->Hoehe_Skala;
    z.k_Spanne = Kopie->k_Spanne;
    z.Saeulenbreite = Kopie->Saeulenbreite;
}
