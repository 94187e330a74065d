#include "charts/Haeufigkeiten.h"

#include "charts/Diagramm.h"
#include "charts/Infobox.h"
#include "charts/UGrafik.h"

#include <QPolygon>

#include <algorithm>

namespace {

// Half of every device pixel of the logical rectangle x1 <= x < x2, y1 <= y < y2 mixed with
// Farbe: what lies under it stays to be seen.
void Aufhellen(QImage& Bild, int x1, int y1, int x2, int y2, QRgb Farbe) {
    const int X1 = std::max(Geraetepixel(Bild, x1), 0), X2 = std::min(Geraetepixel(Bild, x2), Bild.width());
    const int Y1 = std::max(Geraetepixel(Bild, y1), 0), Y2 = std::min(Geraetepixel(Bild, y2), Bild.height());
    for (int Y = Y1; Y < Y2; ++Y) {
        auto* Zeile = reinterpret_cast<QRgb*>(Bild.scanLine(Y));
        for (int X = X1; X < X2; ++X) {
            const QRgb c = Zeile[X];
            Zeile[X] =
                qRgb((qRed(c) + qRed(Farbe)) / 2, (qGreen(c) + qGreen(Farbe)) / 2, (qBlue(c) + qBlue(Farbe)) / 2);
        }
    }
}

}  // namespace

void Haeufigkeiten_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                            const Stichprobenstand& st, const Farbsatz& F) {
    const std::vector<long long>& H = st.Ergebnis.Haeufigkeit;
    const long long m = st.Ergebnis.m;
    const int w = g.Saeulenbreite;
    if (w >= 1 && m > 0) {
        const int von = std::max(g.k1, 0);
        const int bis = std::min(g.k2, static_cast<int>(H.size()) - 1);
        const auto Spalte = [&](int k) { return g.x_Ursprung + (k - g.k1) * w; };
        if (st.zuletzt >= von && st.zuletzt <= bis)
            Aufhellen(Bild, Spalte(st.zuletzt) + 1, g.y_Oben, Spalte(st.zuletzt) + w, g.y_Ursprung, F.Zuletzt);
        long long bisher = 0;
        for (int k = 0; k <= bis; ++k) {
            bisher += H[static_cast<std::size_t>(k)];
            const long long Anzahl = s.p0_kumuliert ? bisher : H[static_cast<std::size_t>(k)];
            if (k < von || Anzahl == 0) continue;
            const int Hoehe = g.y_Ursprung - Balkenhoehe(g, static_cast<Extended>(Anzahl) / m);
            const int Y = std::max(Hoehe, g.y_Oben);
            const int X = Spalte(k);
            Rechteck(Bild, X, Y - 1, X + w + 1, Y + 2, F.Haeufigkeiten, F.Haeufigkeiten, 1, Stiftart::psSolid,
                     Pinselart::bsSolid);
            if (Hoehe < g.y_Oben) {
                const int Mitte = X + w / 2;
                Polygon_zeichnen(Bild,
                                 QPolygon({QPoint(Mitte, Y - 8), QPoint(Mitte - 3, Y - 2), QPoint(Mitte + 3, Y - 2)}),
                                 F.Haeufigkeiten, F.Haeufigkeiten, Pinselart::bsSolid);
            }
        }
    }
    Info_Stichproben_zeichnen(Bild, z, g, s, st);
}
