#include "charts/Markierungen.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Runden.h"
#include "charts/Diagramm.h"
#include "charts/UGrafik.h"

#include <algorithm>
#include <cmath>

namespace {

int Tabellenende(const Zustand& z) { return std::clamp(z.n, 0, k_Maximum); }

void Bereich_schraffieren(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Wertefeld& Werte, int von,
                          int bis, bool linke_Haelfte, QRgb Farbe, Pinselart Stil) {
    const k_Bereich b = Bereich_schneiden(z, g, von, bis);
    if (b.von > b.bis) return;
    Saeulen_zeichnen(Bild, z, g, Werte, b.von, b.bis, linke_Haelfte, Farbe, Stil);
}

}  // namespace

// Every region is cut to the shown range as well as to the valid table: a bar left of the
// origin would cover the axis numbers, and an entry beyond n belongs to no distribution.
k_Bereich Bereich_schneiden(const Zustand& z, const Diagrammgeometrie& g, int von, int bis) {
    return {std::max({von, g.k1, 0}), std::min({bis, g.k2, Tabellenende(z)})};
}

k_Bereich Umgebung_runden(const Zustand& z) {
    const int n = Tabellenende(z);
    // A NaN bound (a neighbourhood of an undefined sigma) counts as the nearest end of 0..n.
    return {Ganz_runden(z.Umgebung_li, 0, n, 0), Ganz_runden(z.Umgebung_re, 0, n, n)};
}

std::optional<int> Markierungsspalte(const QImage& Bild, const Diagrammgeometrie& g, Extended t) {
    // Without a slot width no k has a column: every marker would pile up on the origin.
    if (g.Saeulenbreite <= 0) return std::nullopt;
    const Extended px = g.x_Ursprung + std::trunc((t + 0.5L - g.k1) * g.Saeulenbreite);
    if (std::isnan(px)) return std::nullopt;
    // Anything left of column 0 or right of the last column is clipped away in the same way,
    // so the clamp changes no pixel and keeps huge moments (a geometric p near 0) convertible.
    return static_cast<int>(std::clamp<Extended>(px, -1.0L, static_cast<Extended>(Logische_Breite(Bild))));
}

void Markierung_zeichnen(QImage& Bild, const Diagrammgeometrie& g, QRgb Farbe, Extended t) {
    const std::optional<int> px = Markierungsspalte(Bild, g, t);
    if (!px) return;
    Linie(Bild, *px, g.y_Ursprung + 3, *px, g.y_Oben - 8, Farbe, 1, Stiftart::psSolid);
}

void Alfa_links_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&,
                         const Farbsatz& F) {
    Bereich_schraffieren(Bild, z, g, z.P0_Tabelle, g.k1, z.kli, true, F.Bereiche, Pinselart::bsFDiagonal);
}

void Alfa_rechts_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&,
                          const Farbsatz& F) {
    Bereich_schraffieren(Bild, z, g, z.P0_Tabelle, z.kre, g.k2, true, F.Bereiche, Pinselart::bsFDiagonal);
}

void Annahmebereich_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&,
                             const Farbsatz& F) {
    Bereich_schraffieren(Bild, z, g, z.P0_Tabelle, z.kli + 1, z.kre - 1, true, F.Bereiche, Pinselart::bsFDiagonal);
}

void Umgebung_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&, const Farbsatz& F) {
    const k_Bereich u = Umgebung_runden(z);
    Bereich_schraffieren(Bild, z, g, z.P0_Tabelle, u.von, u.bis, true, F.Bereiche, Pinselart::bsFDiagonal);
}

// Origin-anchored like the p1 bars: with their own direction (the standard palette) the p1
// hatch lines inside the acceptance region turn the beta colour; a cross adds the other
// diagonal, so that A differs from V in pattern too.
void Beta_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&, const Farbsatz& F) {
    const Annahmebereich a = Annahmebereich_bestimmen(z);
    Bereich_schraffieren(Bild, z, g, z.P1_Tabelle, a.A_links, a.A_rechts, false, F.Beta, F.Beta_Muster);
}

void Normalkurve_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&,
                          const Farbsatz& F) {
    // No curve where it is undefined: a degenerate or undefined sigma has no density, and a
    // zero scale or slot width leaves no mapping to pixels.
    if (g.Saeulenbreite <= 0 || !(g.Pmax > 0) || !std::isfinite(g.Pmax) || !(z.sigma0 > 0) ||
        !std::isfinite(z.sigma0) || !std::isfinite(z.mue0))
        return;
    // Drawn per device column, so that at a device scale the curve is as smooth as the
    // texts rather than a staircase of logical blocks; at scale 1 a device column is a
    // logical one. The pen is two logical pixels wide.
    const Extended s = Bild.devicePixelRatio();
    const Extended Skala = g.Hoehe_Skala / g.Pmax * s;
    const int Y0 = Geraetepixel(Bild, g.y_Ursprung);
    const int X0 = Geraetepixel(Bild, g.x_Ursprung);
    const Extended Slot = g.Saeulenbreite * s;
    const int Stift = std::max(1, Geraetepixel(Bild, 2));
    auto Y = [&](Extended t) { return Y0 - Pixel_runden(Normaldichte(z.mue0, z.sigma0, t) * Skala); };
    const Extended Start = g.k1 - 0.5L;
    int x_alt = X0;
    int y_alt = Y(Start);
    // Columns right of the image are clipped anyway; stopping there bounds the work.
    const int x_bis = Geraetepixel(Bild, std::min(g.x_Ende, Logische_Breite(Bild)));
    for (int px = X0 + 1; px <= x_bis; ++px) {
        const int y = Y(static_cast<Extended>(px - X0) / Slot + Start);
        Geraetelinie(Bild, x_alt, y_alt, px, y, F.Normalkurve, Stift);
        x_alt = px;
        y_alt = y;
    }
}

void Erwartungswerte_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                              const Farbsatz& F) {
    Markierung_zeichnen(Bild, g, F.Erwartungswerte, z.mue0);
    if (s.p1_zeichnen) Markierung_zeichnen(Bild, g, F.Erwartungswerte, z.mue1);
    if (s.p2_zeichnen) Markierung_zeichnen(Bild, g, F.Erwartungswerte, z.mue2);
}

// The real bounds, not the rounded neighbourhood, and not cut to 0..n.
void Sigmagrenzen_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                           const Farbsatz& F) {
    auto Grenzen = [&](Extended mue, Extended sigma, QRgb Farbe) {
        Markierung_zeichnen(Bild, g, Farbe, mue + z.Sigmafaktor * sigma);
        Markierung_zeichnen(Bild, g, Farbe, mue - z.Sigmafaktor * sigma);
    };
    Grenzen(z.mue0, z.sigma0, F.Sigma_p0);
    if (s.p1_zeichnen) Grenzen(z.mue1, z.sigma1, F.Sigma_p1);
    if (s.p2_zeichnen) Grenzen(z.mue2, z.sigma2, F.Sigma_p2);
}

void Stichprobenergebnis_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter&,
                                  const Farbsatz& F) {
    Markierung_zeichnen(Bild, g, F.Stichprobe, z.x);
}
