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

namespace {

// Width of one slot when `Spanne` + 1 values of k share the axis; 0 when they do not fit or
// the range is empty (k2 < k1 cannot come from the input fields, but must not divide by 0).
int Slotbreite(const Diagrammgeometrie& g, int Spanne) {
    const int achse = g.x_Ende - g.x_Ursprung;
    if (Spanne < 0 || achse <= 0) return 0;
    return achse / (Spanne + 1);  // both non-negative: integer division truncates
}

// Column of the centre of the slot of k.
int Slotmitte(const Diagrammgeometrie& g, int k) {
    return g.x_Ursprung + Pixel_trunc((static_cast<Extended>(k) - g.k1 + 0.5L) * g.Saeulenbreite);
}

}  // namespace

Diagrammgeometrie Geometrie_berechnen(const QImage& Bild, const Zustand& z, const Schalter& s) {
    Diagrammgeometrie g;
    g.x_Ursprung = Diagramm_x_Ursprung;
    g.y_Ursprung = Logische_Hoehe(Bild) - 24;
    g.x_Ende = Logische_Breite(Bild) - 15;
    g.y_Oben = Diagramm_y_Oben;
    g.Hoehe_Skala = g.y_Ursprung - g.y_Oben;
    g.Pmax = s.p0_kumuliert ? 1.0L : z.Pmax;
    g.k1 = z.k1;
    g.k2 = z.k2;

    g.k_Spanne = g.k2 - g.k1;
    g.Saeulenbreite = Slotbreite(g, g.k_Spanne);
    if (g.Saeulenbreite > Saeulenbreite_hoechstens) {
        g.Saeulenbreite = Saeulenbreite_hoechstens;
        g.x_Ende = g.x_Ursprung + Saeulenbreite_hoechstens * (g.k_Spanne + 1) + 10;
    }
    if (g.Saeulenbreite >= 1) return g;

    // More values of k than pixels: show the bulk of p0, mue0 +- 3.5 sigma0.
    g.verengt = true;
    const Extended links = z.mue0 - 3.5L * z.sigma0;
    const Extended rechts = z.mue0 + 3.5L * z.sigma0;
    // A moment that is not finite gives no bound on its side: keep 0 or n there.
    g.k1 = std::isfinite(links) ? std::clamp(Pixel_runden(links), 0, std::max(z.n, 0)) : 0;
    g.k2 = std::isfinite(rechts) ? std::clamp(Pixel_runden(rechts), 0, std::max(z.n, 0)) : std::max(z.n, 0);
    g.k1 = std::min(g.k1, g.k2);
    g.k_Spanne = g.k2 - g.k1;
    g.Saeulenbreite = Slotbreite(g, g.k_Spanne);
    // A narrow distribution at a large n would get slots wider than the cap here, and the
    // next redraw of the very same range would cap them again; cap at once so that both
    // redraws look alike.
    g.Saeulenbreite = std::min(g.Saeulenbreite, Saeulenbreite_hoechstens);
    g.x_Ende = g.x_Ursprung + g.Saeulenbreite * (g.k_Spanne + 1) + 10;
    return g;
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

void Histo_KOS(QImage& Bild, const Diagrammgeometrie& g, const Schalter& s, const Farbsatz& F) {
    Bild_loeschen(Bild, false);
    Schrift normal;  // "ms sans serif", 17, black; every text here gets a white box
    Schrift fett = normal;
    fett.fett = true;

    Linie(Bild, g.x_Ursprung, g.y_Ursprung, g.x_Ende, g.y_Ursprung, clBlack, 1, Stiftart::psSolid);
    Text_ausgeben(Bild, g.x_Ende + 3, g.y_Ursprung + 5, QStringLiteral("k"), fett, true);
    Pfeil_rechts(g.x_Ende, g.y_Ursprung, Bild);

    // Slots without width would pile every tick and number onto the origin column.
    if (g.Saeulenbreite >= 1) {
        for (int k = g.k1; k <= g.k2; ++k) {
            const int X = Slotmitte(g, k);
            if (k % 10 == 0)
                Linie(Bild, X, g.y_Ursprung, X, g.y_Ursprung + 8, clBlack, 2, Stiftart::psSolid);
            else
                Linie(Bild, X, g.y_Ursprung, X, g.y_Ursprung + 5, clBlack, 1, Stiftart::psSolid);
            if (k_beschriftet(k, g.k_Spanne))
                Text_ausgeben(Bild, X - k_Beschriftungsversatz(k), g.y_Ursprung + 7, Qt_Text(Zahl_ganz(k)), normal,
                              true);
        }
    }

    Linie(Bild, g.x_Ursprung, g.y_Ursprung, g.x_Ursprung, 30, clBlack, 1, Stiftart::psSolid);
    Text_ausgeben(Bild, g.x_Ursprung - 30, 5, s.p0_kumuliert ? QStringLiteral("P(X<=k)") : QStringLiteral("P(X=k)"),
                  fett, true);
    Pfeil_oben(g.x_Ursprung, 30, Bild);

    if (s.waagerechte_Strichelung) {
        for (int i = 0; i <= 4; ++i) {
            const int Y = Hilfslinie_Zeile(g, i);
            Linie(Bild, g.x_Ursprung - 3, Y, g.x_Ende, Y, F.Hilfslinien, 1, Stiftart::psDot);
            Text_ausgeben(Bild, g.x_Ursprung - 37, Y - 8, Hilfslinie_Text(g, i), normal, true);
        }
        // A label of five characters in the sans font is a pixel or two wider than the 37
        // pixels left of the axis; its white box must not cut the axis.
        Linie(Bild, g.x_Ursprung, g.y_Ursprung, g.x_Ursprung, 30, clBlack, 1, Stiftart::psSolid);
    }
}

int Hilfslinie_Zeile(const Diagrammgeometrie& g, int i) {
    // i * Hoehe_Skala / 5 never ends in exactly one half, so no tie arises.
    return g.y_Oben + Pixel_runden(static_cast<Extended>(i) * g.Hoehe_Skala / 5.0L);
}

QString Hilfslinie_Text(const Diagrammgeometrie& g, int i) {
    // The chart's scale, as its bars use it. A Pmax that is not finite has no scale to label.
    const Extended Pmax = std::isfinite(g.Pmax) ? g.Pmax : 0.0L;
    return Qt_Text(Zahl_fest((1.0L - static_cast<Extended>(i) / 5.0L) * Pmax, 5, 3));
}

int Balkenhoehe(const Diagrammgeometrie& g, Extended v) {
    // Pmax = 0 (every shown probability 0), or a value that is not finite: no scale exists,
    // so the bar keeps height 0 and shows as its one-pixel outline on the axis.
    const Extended anteil = v / g.Pmax;
    if (!std::isfinite(anteil)) return 0;
    const Extended pixel = anteil * g.Hoehe_Skala;
    if (!std::isfinite(pixel)) return 0;
    return Pixel_runden(pixel);
}

void Saeulen_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Wertefeld& Werte, int k_von,
                      int k_bis, bool linke_Haelfte, QRgb Farbe, Pinselart Pinselstil) {
    const int w = g.Saeulenbreite;
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
        const int h = Balkenhoehe(g, Werte[k]);
        const int X = g.x_Ursprung + (k - g.k1) * w;
        Rechteck(Bild, X + links_ab, g.y_Ursprung - h, X + w + 1 - rechts_ab, g.y_Ursprung + 1, clBlack, Farbe, 1,
                 Stiftart::psSolid, Pinselstil);
    }
}

QImage Zwischenablagebild(const QImage& Bild, const Diagrammgeometrie& g) {
    // The copy keeps the image's scale: its logical width is the copy width, its device
    // pixels are the image's own.
    const int H = Bild.height();
    const int Kopierbreite = Geraetepixel(Bild, g.x_Ende < 680 ? 680 : g.x_Ende + 15);
    QImage Kopie(Kopierbreite, H, QImage::Format_RGB32);
    Kopie.setDevicePixelRatio(Bild.devicePixelRatio());
    Kopie.fill(Qt::white);
    const int Breite = std::min(Kopierbreite, Bild.width());
    for (int y = 0; y < H; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(Bild.constScanLine(y)), Breite,
                    reinterpret_cast<QRgb*>(Kopie.scanLine(y)));
    return Kopie;
}

void Histo_neu_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                        const Farbsatz& F) {
    Histo_KOS(Bild, g, s, F);

    const Wertefeld& p0_Werte = s.p0_kumuliert ? z.P0_kumuliert : z.P0_Tabelle;
    if (z.Saeulendiagramm)
        Saeulen_zeichnen(Bild, z, g, p0_Werte, g.k1, g.k2, true, F.p0_Saeulen, Pinselart::bsHorizontal);
    else
        Saeulen_zeichnen(Bild, z, g, p0_Werte, g.k1, g.k2, true, clBlack, Pinselart::bsClear);
    if (s.p1_zeichnen)
        Saeulen_zeichnen(Bild, z, g, z.P1_Tabelle, g.k1, g.k2, false, F.p1_Saeulen, Pinselart::bsBDiagonal);
    if (s.p2_zeichnen)
        Saeulen_zeichnen(Bild, z, g, z.P2_Tabelle, g.k1, g.k2, false, F.p2_Saeulen, Pinselart::bsBDiagonal);

    if (s.Alfa_zeigen) {
        Alfa_links_zeichnen(Bild, z, g, s, F);
        Alfa_rechts_zeichnen(Bild, z, g, s, F);
    }
    if (s.Beta_zeigen) Beta_zeichnen(Bild, z, g, s, F);
    if (s.Annahmebereich_zeigen) Annahmebereich_zeichnen(Bild, z, g, s, F);
    if (s.Umgebung_schraffieren) Umgebung_zeichnen(Bild, z, g, s, F);
    if (s.Normalverteilung) Normalkurve_zeichnen(Bild, z, g, s, F);
    if (s.Stichprobenergebnis_zeigen) Stichprobenergebnis_zeichnen(Bild, z, g, s, F);

    // The information routines set their own text style (clear brush, bold, 17 px).
    if (s.Info) Info_Zeile1_zeichnen(Bild, z, g, s);
    if (s.Erwartungswert_zeigen) {
        Erwartungswerte_zeichnen(Bild, z, g, s, F);
        if (s.Info) Info_Erwartungswerte_zeichnen(Bild, z, g, s);
    }
    if (s.Sigma_zeigen) {
        Sigmagrenzen_zeichnen(Bild, z, g, s, F);
        if (s.Info) Info_Sigma_zeichnen(Bild, z, g, s);
    }
    if (s.Info) {
        Info_Zeile2_zeichnen(Bild, z, g, s);
        Info_Entscheidung_zeichnen(Bild, z, g, s);
    }
}

void Umrisse_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g) {
    Saeulen_zeichnen(Bild, z, g, z.P0_Tabelle, g.k1, g.k2, true, clBlack, Pinselart::bsClear);
}

void Serienbeschriftung_zeichnen(QImage& Bild, const Diagrammgeometrie& g, const QString& Text) {
    Rechteck(Bild, g.x_Ursprung + 40, 5, g.x_Ende, 20, clWhite, clWhite, 1, Stiftart::psSolid, Pinselart::bsSolid);
    Schrift f;
    f.Name = QStringLiteral("ms sans serif");  // kein Text
    f.Hoehe = 17;
    f.fett = true;
    Text_ausgeben(Bild, g.x_Ursprung + 40, 5, Text, f, false);
}
