#include "charts/Infobox.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Testentscheidung.h"
#include "analysis/Zahlentexte.h"
#include "charts/Markierungen.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"

#include <QCoreApplication>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int Zeile1 = 5;
constexpr int Zeile2 = 25;

// A value that is not finite has no number to show: it is written as a dash rather than
// handed to the number format, which would show the largest finite value instead.
QString fest(Extended Wert, int P, int D) {
    if (!std::isfinite(Wert)) return QStringLiteral("–");
    return Qt_Text(Zahl_fest(Wert, P, D));
}

QString allgemein(Extended Wert) {
    if (!std::isfinite(Wert)) return fest(Wert, 15, 0);
    return Qt_Text(Zahl_allgemein(Wert));
}

QString ganz(int Wert) { return QString::number(Wert); }

// What follows the drawn α or β: "-Fehler=4,52%".
QString Fehlertext(Extended Prozent) {
    return QCoreApplication::translate("Infobox", "-Fehler=%1%").arg(fest(Prozent, 6, 2));
}

void zeichnen(QImage& Bild, const Info_Texte& Texte) {
    Schrift f;
    f.fett = true;
    for (const Infotext& t : Texte) Text_ausgeben(Bild, t.x, t.y, t.Text, f, false);
}

}  // namespace

QString Ablehnungsmenge(const Zustand& z) {
    // Regions that overlap reject every k.
    if (z.Test_beidseitig && z.kli >= z.kre) return "{0; ... ;" + ganz(z.n) + "}";
    if (z.Test_links) return "{0; ... ;" + ganz(z.kli) + "}";
    if (z.Test_rechts) return "{" + ganz(z.kre) + "; ... ;" + ganz(z.n) + "}";
    if (z.Test_beidseitig) return "{0; ... ;" + ganz(z.kli) + ";" + ganz(z.kre) + "; ... ;" + ganz(z.n) + "}";
    return QStringLiteral("{ }");
}

QString Annahmemenge(const Zustand& z) {
    const Annahmebereich a = Annahmebereich_bestimmen(z);
    if (a.A_links > a.A_rechts) return QStringLiteral("{ }");
    if (z.Test_links) return "{" + ganz(z.kli + 1) + "; ... ;" + ganz(z.n) + "}";
    if (z.Test_rechts) return "{0; ... ;" + ganz(z.kre - 1) + "}";
    if (z.Test_beidseitig) return "{" + ganz(z.kli + 1) + "; ... ;" + ganz(z.kre - 1) + "}";
    return "{0; ... ;" + ganz(z.n) + "}";
}

// Exact, from the cumulative table of p0 over the same rounded bounds that are hatched.
Extended Umgebungswahrscheinlichkeit(const Zustand& z) {
    const k_Bereich u = Umgebung_runden(z);
    if (u.von > u.bis) return 0;
    return Kumuliert(z, u.bis) - Kumuliert(z, u.von - 1);
}

Info_Texte Info_Zeile1_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    if (!s.Info) return {};
    const int x = g.x_Ursprung;
    return {{x + 40, Zeile1, "n=" + ganz(z.n)}, {x + 115, Zeile1, "p0=" + fest(z.p0, 5, 3)}};
}

Info_Texte Info_Erwartungswerte_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    if (!s.Info || !s.Erwartungswert_zeigen) return {};
    return {{g.x_Ursprung + 190, Zeile1, "µ=" + fest(z.mue0, 7, 2)}};
}

Info_Texte Info_Sigma_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    if (!s.Info || !s.Sigma_zeigen) return {};
    const int x = g.x_Ursprung;
    return {{x + 270, Zeile1, QStringLiteral("σ")},
            {x + 280, Zeile1, "=" + fest(z.sigma0, 5, 2)},
            {x + 335, Zeile1, fest(z.Sigmafaktor, 4, 2)},
            {x + 365, Zeile1, QStringLiteral("·σ")},
            {x + 380, Zeile1, "=" + fest(z.Sigmafaktor * z.sigma0, 6, 2)}};
}

namespace {

// The gap a text that moves keeps to the one it would have covered.
constexpr int Abstand = 8;

// Texts that stand together ("β" and its "-Fehler=…") move together.
using Gruppe = Info_Texte;

QRect Kasten(const Infotext& t) {
    Schrift f;
    f.fett = true;
    return QRect(t.x, t.y, Textbreite(t.Text, f), Texthoehe(t.Text, f));
}

// Places the groups in order; a group that would cover a text placed before it moves right,
// past the end of what it covers and a small gap, until it covers nothing. Groups that cover
// nothing keep their places.
Info_Texte Ohne_Ueberdeckung(const std::vector<Gruppe>& Gruppen) {
    Info_Texte gesetzt;
    std::vector<QRect> Kaesten;
    for (Gruppe g : Gruppen) {
        for (bool verschoben = true; verschoben;) {
            verschoben = false;
            for (const Infotext& t : g) {
                const QRect k = Kasten(t);
                for (const QRect& a : Kaesten) {
                    if (!k.intersects(a)) continue;
                    const int um = a.right() + 1 + Abstand - k.left();
                    for (Infotext& u : g) u.x += um;
                    verschoben = true;
                    break;
                }
                if (verschoben) break;
            }
        }
        for (const Infotext& t : g) {
            Kaesten.push_back(Kasten(t));
            gesetzt.push_back(t);
        }
    }
    return gesetzt;
}

}  // namespace

Info_Texte Info_Zeile2_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    if (!s.Info) return {};
    const int x = g.x_Ursprung;
    std::vector<Gruppe> t;
    if (s.p1_zeichnen) t.push_back({{x + 40, Zeile2, "p1=" + fest(z.p1, 5, 3)}});
    if (s.p2_zeichnen) t.push_back({{x + 115, Zeile2, "p2=" + fest(z.p2, 5, 3)}});
    if (s.Alfa_zeigen) {
        t.push_back({{x + 190, Zeile2, "V=" + Ablehnungsmenge(z)}});
        t.push_back({{x + 410, Zeile2, QStringLiteral("α")}, {x + 420, Zeile2, Fehlertext(Alfa_Fehler_erreicht(z))}});
        if (z.Test_beidseitig && !s.Beta_zeigen) {
            const Alfa_Anteile a = Alfa_Fehler_Anteile(z);
            t.push_back({{x + 520, Zeile2, "=" + fest(a.links, 6, 2) + "%+" + fest(a.rechts, 6, 2) + "%"}});
        }
    }
    if (s.Umgebung_schraffieren) {
        const k_Bereich u = Umgebung_runden(z);
        t.push_back({{x + 190, Zeile2,
                      QCoreApplication::translate("Infobox", "%1%-Umgebung={%2; ... ;%3}")
                          .arg(allgemein(z.Umgebung), ganz(u.von), ganz(u.bis))}});
        t.push_back({{x + 420, Zeile2, "P(U)=" + fest(100 * Umgebungswahrscheinlichkeit(z), 6, 2) + "%"}});
    }
    if (s.Annahmebereich_zeigen) {
        t.push_back({{x + 190, Zeile2, "A=" + Annahmemenge(z)}});
        t.push_back(
            {{x + 350, Zeile2, "P(A)=" + fest(std::max<Extended>(0, 100 - Alfa_Fehler_erreicht(z)), 6, 2) + "%"}});
    }
    // β comes last: where it would cover the α, A or neighbourhood texts, it moves behind them.
    if (s.Beta_zeigen) {
        t.push_back({{x + 365, Zeile2, QStringLiteral("β")},
                     {x + 375, Zeile2, Fehlertext(100 * Annahmewahrscheinlichkeit(z, z.p1))}});
    }
    return Ohne_Ueberdeckung(t);
}

Info_Texte Info_Entscheidung_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s, int Bildbreite) {
    if (!s.Info || !s.Alfa_zeigen || !s.Stichprobenergebnis_zeigen) return {};
    Infotext t{g.x_Ursprung + 520, Zeile1, Qt_Text(Entscheidungstext(z))};
    int frei_ab = g.x_Ursprung;
    for (const Info_Texte& Zeile : {Info_Zeile1_Texte(z, g, s), Info_Erwartungswerte_Texte(z, g, s),
                                    Info_Sigma_Texte(z, g, s)})
        for (const Infotext& a : Zeile) frei_ab = std::max(frei_ab, Kasten(a).right() + 1 + Abstand);
    t.x = std::max(frei_ab, std::min(t.x, Bildbreite - 5 - Kasten(t).width()));
    return {t};
}

void Info_Zeile1_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    zeichnen(Bild, Info_Zeile1_Texte(z, g, s));
}

void Info_Erwartungswerte_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    zeichnen(Bild, Info_Erwartungswerte_Texte(z, g, s));
}

void Info_Sigma_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    zeichnen(Bild, Info_Sigma_Texte(z, g, s));
}

void Info_Zeile2_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    zeichnen(Bild, Info_Zeile2_Texte(z, g, s));
}

Info_Texte Info_Stichproben_Texte(const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                                  const Stichprobenstand& st, int Bildbreite) {
    if (!s.Info) return {};
    // The texts already there keep their places: each is a group that covers nothing.
    std::vector<Gruppe> t;
    for (const Info_Texte& Zeile : {Info_Zeile1_Texte(z, g, s), Info_Erwartungswerte_Texte(z, g, s),
                                    Info_Sigma_Texte(z, g, s), Info_Zeile2_Texte(z, g, s),
                                    Info_Entscheidung_Texte(z, g, s, Bildbreite)})
        for (const Infotext& i : Zeile) t.push_back({i});
    const Stichprobenergebnis& e = st.Ergebnis;
    const Simulationsrate& r = st.Rate;
    const int x = g.x_Ursprung + 560;
    t.push_back({{x, Zeile1,
                  QCoreApplication::translate("Infobox", "%1 von %2 in V, %3 in A")
                      .arg(ganz(e.in_V), ganz(e.m), ganz(e.in_A))}});
    const QString Rate = st.Zeile == 0 ? QCoreApplication::translate("Infobox", "%1% [%2%; %3%] exakt α=%4%")
                                       : QCoreApplication::translate("Infobox", "%1% [%2%; %3%] exakt 1-β=%4%");
    t.push_back(
        {{x, Zeile2, Rate.arg(fest(r.Rate, 6, 2), fest(r.unten, 6, 2), fest(r.oben, 6, 2), fest(r.exakt, 6, 2))}});
    const Info_Texte gesetzt = Ohne_Ueberdeckung(t);
    return Info_Texte(gesetzt.end() - 2, gesetzt.end());
}

void Info_Stichproben_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s,
                               const Stichprobenstand& st) {
    zeichnen(Bild, Info_Stichproben_Texte(z, g, s, st, Logische_Breite(Bild)));
}

void Info_Entscheidung_zeichnen(QImage& Bild, const Zustand& z, const Diagrammgeometrie& g, const Schalter& s) {
    zeichnen(Bild, Info_Entscheidung_Texte(z, g, s, Logische_Breite(Bild)));
}
