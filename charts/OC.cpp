#include "charts/OC.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The frame's texts keep the normal style: the chart draws into a fresh image, so there is
// no earlier canvas state whose bold style could leak into it.
Schrift Rahmenschrift() { return Schrift{}; }

void Text(QImage& Bild, int x, int y, const QString& t) {
    Text_ausgeben(Bild, x, y, t, Rahmenschrift(), true, clWhite);
}

// The small circle on the curve at p0. Its outline keeps the dashed pen of the marker line
// drawn just before; the box covers x1..x2-1 like every rectangle of the charts.
void Markierungskreis(QImage& Bild, int x1, int y1, int x2, int y2, QRgb Farbe) {
    Logisch_malen(Bild, QRect(x1, y1, x2 - x1, y2 - y1), [&](QPainter& p) {
        QPen stift(QColor::fromRgb(Farbe), 1, Qt::DashLine);
        p.setPen(stift);
        p.setBrush(QBrush(QColor::fromRgb(clWhite), Qt::SolidPattern));
        p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
    });
}

}  // namespace

OC_Tabelle OC_Tabelle_Spalte_p1() {
    OC_Tabelle t;
    for (int r = 1; r <= OC_Tabellenzeilen; ++r) t.p1[r - 1] = Zahl_fest(static_cast<Extended>(r) / 50.0L, 4, 2);
    return t;
}

Diagrammgeometrie OC_Geometrie(const QImage& Bild) {
    Diagrammgeometrie g;
    g.x_Ursprung = 30;
    g.y_Ursprung = Logische_Hoehe(Bild) - 30;
    g.y_Oben = 45;
    g.OC_Breite = OC_Achsenlaenge;
    g.x_Ende = g.x_Ursprung + g.OC_Breite + 30;
    g.Hoehe_Skala = g.y_Ursprung - g.y_Oben;
    g.Pmax = 1;
    return g;
}

void OC_KOS(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Farbsatz& F) {
    const int x0 = g.x_Ursprung, y0 = g.y_Ursprung, W = g.OC_Breite, H = g.Hoehe_Skala;

    Bild_loeschen(Bild, false);

    // p1 axis with arrow and caption.
    Linie(Bild, x0, y0, x0 + W + 10, y0, clBlack, 1, Stiftart::psSolid);
    Text(Bild, x0 + W + 25, y0 - 7, QStringLiteral("p1"));
    Pfeil_rechts(x0 + W + 10, y0, Bild);

    for (int i = 1; i <= 10; ++i) {
        const int xi = x0 + Pixel_runden(static_cast<long double>(i) * W / 10.0L);
        Linie(Bild, xi, y0, xi, y0 + 5, clBlack, 1, Stiftart::psSolid);
        Text(Bild, xi - 5, y0 + 8, Qt_Text(Zahl_fest(static_cast<Extended>(i) / 10.0L, 3, 1)));
    }

    Linie(Bild, x0, y0, x0, g.y_Oben - 10, clBlack, 1, Stiftart::psSolid);
    Pfeil_oben(x0, g.y_Oben - 10, Bild);
    Text(Bild, x0 - 4, 3, QStringLiteral("β"));

    // Caption line; both alphas go before both level texts, which may overlap them.
    Text(Bild, x0 + 30, 10, QCoreApplication::translate("OC", "OC-Kurve für  n=%1").arg(Qt_Text(Zahl_ganz(z.n))));
    Text(Bild, x0 + 175, 10, QStringLiteral("p0=") + Qt_Text(Zahl_fest(z.p0, 4, 2)));
    // The places were laid out for "-li="; a longer word for the left level moves the right one
    // on by the difference, so that it covers no more of it than "-li=" does.
    const QString links = QCoreApplication::translate("OC", "-li=");
    const int rechts_weiter =
        std::max(0, Textbreite(links, Rahmenschrift()) - Textbreite(QStringLiteral("-li="), Rahmenschrift()));
    Text(Bild, x0 + 240, 10, QStringLiteral("α"));
    Text(Bild, x0 + 310 + rechts_weiter, 10, QStringLiteral("α"));
    Text(Bild, x0 + 250, 10, links + Qt_Text(Zahl_fest(z.Alfali, 4, 1)) + QStringLiteral("%"));
    Text(Bild, x0 + 320 + rechts_weiter, 10,
         QCoreApplication::translate("OC", "-re=") + Qt_Text(Zahl_fest(z.Alfare, 4, 1)) + QStringLiteral("%"));

    // Probability 0 has no grid line: the p1 axis stands there.
    for (int i = 0; i <= 4; ++i) {
        const int yi = g.y_Oben + Pixel_runden(static_cast<long double>(i) * H / 5.0L);
        Linie(Bild, x0 - 3, yi, x0 + W, yi, F.Hilfslinien, 1, Stiftart::psDot);
        Text(Bild, x0 - 25, yi - 8, Qt_Text(Zahl_fest(1.0L - static_cast<Extended>(i) / 5.0L, 3, 1)));
    }
}

Extended OC_Annahme(const Zustand& z, Extended p) {
    // At p = 0 or 1 the distribution sits on k = 0 or k = n, so acceptance is certain or
    // impossible.
    if (p <= 0.0L || p >= 1.0L) {
        const Annahmebereich A = Annahmebereich_bestimmen(z);
        const int k = p <= 0.0L ? 0 : z.n;
        return (A.A_links <= k && k <= A.A_rechts) ? 1.0L : 0.0L;
    }
    const Extended b = Annahmewahrscheinlichkeit(z, p);
    if (!std::isfinite(b)) return 0.0L;
    if (b < 0.0L) return 0.0L;
    if (b > 1.0L) return 1.0L;
    return b;
}

namespace {
// OC_Annahme(z, i / W) for i = 1..W-1, before anything is drawn.
std::vector<Extended> OC_Kurvenwerte(const Zustand& z, int W) {
    std::vector<Extended> werte(static_cast<std::size_t>(std::max(W, 2)), 0.0L);
    for (int i = 1; i < W; ++i) werte[static_cast<std::size_t>(i)] = OC_Annahme(z, static_cast<Extended>(i) / W);
    return werte;
}
}  // namespace

OC_Tabelle OC_zeichnen(QImage& Bild, const Zustand& z, const Farbsatz& F) {
    const Diagrammgeometrie g = OC_Geometrie(Bild);
    OC_KOS(Bild, z, g, F);

    const int x0 = g.x_Ursprung, y0 = g.y_Ursprung, W = g.OC_Breite, H = g.Hoehe_Skala;
    OC_Tabelle t = OC_Tabelle_Spalte_p1();
    const int Schritt = W / 50;

    auto y_von = [&](Extended b) { return y0 - Pixel_runden(b * H); };

    const std::vector<Extended> Annahme = OC_Kurvenwerte(z, W);
    int x_vor = x0 + 1;
    int y_vor = y_von(Annahme[1]);
    for (int x = x0 + 2; x <= x0 + W - 1; ++x) {
        const Extended b = Annahme[static_cast<std::size_t>(x - x0)];
        const int y = y_von(b);
        Linie(Bild, x_vor, y_vor, x, y, F.OC_Kurve, 2, Stiftart::psSolid);
        x_vor = x;
        y_vor = y;
        if (Schritt > 0 && (x - x0) % Schritt == 0) {
            const int r = (x - x0) / Schritt;
            if (r >= 1 && r <= OC_Tabellenzeilen) t.Beta[r - 1] = Zahl_fest(b, 6, 4);
        }
    }

    const int xp = x0 + Pixel_runden(W * z.p0);
    const int yp = y_von(OC_Annahme(z, z.p0));
    Linie(Bild, xp, g.y_Oben, xp, y0, F.Hilfslinien, 1, Stiftart::psDash);
    Markierungskreis(Bild, xp - 3, yp - 3, xp + 3, yp + 3, F.OC_Kurve);
    return t;
}
