#include "charts/Zeiger.h"

#include "analysis/Zahlentexte.h"
#include "charts/Diagramm.h"
#include "charts/OC.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

bool in_der_Hoehe(const Diagrammgeometrie& g, int y) { return y >= g.y_Oben - 8 && y < g.y_Ursprung + 24; }

// Column where the slot of k begins.
int Slotanfang(const Diagrammgeometrie& g, int k) { return g.x_Ursprung + (k - g.k1) * g.Saeulenbreite; }

QString Prozent(Extended p) {
    return std::isfinite(p) ? Qt_Text(Zahl_fest(100 * p, 5, 2)) + QLatin1Char('%') : QStringLiteral("–");
}

// P(X<=k) and P(X>=k) of a row's table: the tables of p1 and p2 come without sums. The
// entries above n hold no value of this row; P(X>=k) takes in the mass a Poisson or geometric
// row has beyond n.
std::pair<Extended, Extended> Summen(const Wertefeld& t, int n, int k) {
    Extended bis_k = 0, vor_k = 0;
    for (int j = 0; j <= std::min(k, n); ++j) {
        if (j == k) vor_k = bis_k;
        bis_k += t[static_cast<size_t>(j)];
    }
    return {std::clamp<Extended>(bis_k, 0, 1), std::clamp<Extended>(1 - vor_k, 0, 1)};
}

std::pair<int, int> Bereich(const Zustand& z, Griff gr) {
    switch (gr) {
    case Griff::V_links:
        return {-1, std::min(z.kre, z.n + 1) - 1};
    case Griff::V_rechts:
        return {std::max(z.kli, -1) + 1, z.n + 1};
    case Griff::x:
        return {0, z.n};
    case Griff::keiner:
        break;
    }
    return {0, -1};
}

int Gehalten(const Zustand& z, Griff gr, int Start, int Schritte) {
    if (Schritte == 0) return Start;
    const auto [lo, hi] = Bereich(z, gr);
    if (lo > hi) return Start;
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(Start) + Schritte, lo, hi));
}

}  // namespace

std::optional<int> k_an_Stelle(const Diagrammgeometrie& g, QPoint Stelle) {
    const int w = g.Saeulenbreite;
    if (w < 1 || !in_der_Hoehe(g, Stelle.y())) return std::nullopt;
    const int d = Stelle.x() - g.x_Ursprung;
    if (d < 0 || d >= w * (g.k_Spanne + 1)) return std::nullopt;
    return g.k1 + d / w;
}

QString Saeulentext(const Zustand& z, const Schalter& s, int k) {
    QStringList t{QStringLiteral("k = %1").arg(k)};
    if (k < 0 || k > z.n || k > k_Maximum) return t.join(QLatin1Char('\n'));
    const QString K = QString::number(k);
    auto Zeilen = [&](const QString& Name, Extended gleich, Extended hoechstens, Extended mindestens) {
        t << QStringLiteral("%1(X=%2) = %3").arg(Name, K, Prozent(gleich))
          << QStringLiteral("%1(X<=%2) = %3").arg(Name, K, Prozent(hoechstens))
          << QStringLiteral("%1(X>=%2) = %3").arg(Name, K, Prozent(mindestens));
    };
    Zeilen(QStringLiteral("P0"), z.P0_Tabelle[k], z.P0_kumuliert[k], z.P0_Rest[k]);
    if (s.p1_zeichnen) {
        const auto [h, m] = Summen(z.P1_Tabelle, z.n, k);
        Zeilen(QStringLiteral("P1"), z.P1_Tabelle[k], h, m);
    }
    if (s.p2_zeichnen) {
        const auto [h, m] = Summen(z.P2_Tabelle, z.n, k);
        Zeilen(QStringLiteral("P2"), z.P2_Tabelle[k], h, m);
    }
    return t.join(QLatin1Char('\n'));
}

std::optional<Extended> p_an_Stelle(const Diagrammgeometrie& g, QPoint Stelle) {
    const int d = Stelle.x() - g.x_Ursprung;
    if (g.OC_Breite <= 0 || d < 0 || d > g.OC_Breite) return std::nullopt;
    if (Stelle.y() < g.y_Oben - 10 || Stelle.y() > g.y_Ursprung + 20) return std::nullopt;
    return static_cast<Extended>(d) / g.OC_Breite;
}

QString OC_Punkttext(const Zustand& z, Extended p) {
    return QStringLiteral("p = %1\nβ(p) = %2")
        .arg(Qt_Text(Zahl_fest(p, 5, 4)), Qt_Text(Zahl_fest(OC_Annahme(z, p), 6, 4)));
}

QRect Saeulenrahmen(const Zustand& z, const Schalter& s, const Diagrammgeometrie& g, int k) {
    if (g.Saeulenbreite < 1 || k < g.k1 || k > g.k2 || k < 0 || k > z.n || k > k_Maximum) return {};
    int h = Balkenhoehe(g, (s.p0_kumuliert ? z.P0_kumuliert : z.P0_Tabelle)[k]);
    if (s.p1_zeichnen) h = std::max(h, Balkenhoehe(g, z.P1_Tabelle[k]));
    if (s.p2_zeichnen) h = std::max(h, Balkenhoehe(g, z.P2_Tabelle[k]));
    const int X = Slotanfang(g, k);
    return QRect(QPoint(X - 2, g.y_Ursprung - h - 2), QPoint(X + g.Saeulenbreite + 2, g.y_Ursprung + 2));
}

Griff Griff_bei(const Zustand& z, const Schalter& s, const Diagrammgeometrie& g, QPoint Stelle) {
    if (g.Saeulenbreite < 1 || !in_der_Hoehe(g, Stelle.y())) return Griff::keiner;
    const bool Grenzen = s.Alfa_zeigen || s.Annahmebereich_zeigen || s.Beta_zeigen;
    struct Marke {
        Griff gr;
        int Linie;   // column of its line
        int Saeule;  // k of its bar
    };
    Marke Marken[3];
    int m = 0;
    // x first: its thin line is the hardest to hit, so it wins a tie.
    if (s.Stichprobenergebnis_zeigen)
        Marken[m++] = {Griff::x,
                       g.x_Ursprung + Pixel_trunc((static_cast<Extended>(z.x) + 0.5L - g.k1) * g.Saeulenbreite), z.x};
    if (Grenzen) {
        const int kli = std::clamp(z.kli, -1, z.n);
        const int kre = std::clamp(z.kre, 0, z.n + 1);
        Marken[m++] = {Griff::V_links, Slotanfang(g, kli + 1), kli};
        Marken[m++] = {Griff::V_rechts, Slotanfang(g, kre), kre};
    }
    Griff naechster = Griff::keiner;
    int Abstand = 5;
    for (int i = 0; i < m; ++i) {
        const int d = std::abs(Stelle.x() - Marken[i].Linie);
        if (d < Abstand) {
            Abstand = d;
            naechster = Marken[i].gr;
        }
    }
    if (naechster != Griff::keiner) return naechster;
    const std::optional<int> k = k_an_Stelle(g, Stelle);
    if (!k) return Griff::keiner;
    for (int i = 0; i < m; ++i)
        if (Marken[i].Saeule == *k) return Marken[i].gr;
    return Griff::keiner;
}

int Wert_von(const Zustand& z, Griff gr) {
    switch (gr) {
    case Griff::V_links:
        return z.kli;
    case Griff::V_rechts:
        return z.kre;
    case Griff::x:
        return z.x;
    case Griff::keiner:
        break;
    }
    return 0;
}

int Gezogener_Wert(const Zustand& z, const Diagrammgeometrie& g, Griff gr, int Start, int dx) {
    const long long w = g.Saeulenbreite;
    if (w < 1) return Start;
    // round(dx / w), halves away from the start, the same to either side.
    const long long Betrag = (2LL * std::llabs(dx) + w) / (2 * w);
    const long long Schritte = dx < 0 ? -Betrag : Betrag;
    return Gehalten(z, gr, Start, static_cast<int>(std::clamp<long long>(Schritte, -k_Maximum - 2, k_Maximum + 2)));
}

int Schritt(const Zustand& z, Griff gr, int Start, int Richtung) { return Gehalten(z, gr, Start, Richtung); }
