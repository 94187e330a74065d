#include "charts/Beschreibung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Testentscheidung.h"
#include "analysis/Zahlentexte.h"
#include "charts/Infobox.h"
#include "charts/Qt_Text.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString Prozent(Extended w) {
    return std::isfinite(w) ? Qt_Text(Zahl_fest(w, 6, 2)) + QLatin1Char('%') : QStringLiteral("–");
}

QString Zahl(Extended w) { return std::isfinite(w) ? Qt_Text(Zahl_allgemein(w)) : QStringLiteral("–"); }

// "Binomialverteilung mit p0=0,8" and the like, p the parameter as it is to be read.
QString Verteilungsname(int Art, const QString& Name, const QString& p, int M, int N) {
    switch (Art) {
    case vaBinomial:
        return QStringLiteral("Binomialverteilung mit %1=%2").arg(Name, p);
    case vaHypergeo:
        return QStringLiteral("hypergeometrische Verteilung mit M=%1 und N=%2").arg(M).arg(N);
    case vaPoisson:
        return QStringLiteral("Poissonverteilung mit %1=%2").arg(Name, p);
    case vaGeometr:
        return QStringLiteral("geometrische Verteilung mit %1=%2").arg(Name, p);
    default:
        return QStringLiteral("keine Verteilung");
    }
}

bool Verteilung_bekannt(int Art) { return Art >= vaBinomial && Art <= vaGeometr; }

// The genitive after the chart's kind: "der Binomialverteilung mit p0=0,8".
QString Verteilung_Genitiv(int Art, const QString& Name, const QString& p, int M, int N) {
    if (!Verteilung_bekannt(Art)) return QStringLiteral("ohne Verteilung");
    return QStringLiteral("der ") +
           Verteilungsname(Art, Name, p, M, N)
               .replace(QStringLiteral("ische Verteilung"), QStringLiteral("ischen Verteilung"));
}

// A further row drawn over the chart: "dazu die Binomialverteilung mit p1=0,5".
QString Verteilung_dazu(int Art, const QString& Name, const QString& p, int M, int N) {
    if (!Verteilung_bekannt(Art)) return QStringLiteral("zu %1 keine Verteilung").arg(Name);
    return QStringLiteral("dazu die ") + Verteilungsname(Art, Name, p, M, N);
}

// A parameter as its field shows it ("1/6"), else its value.
QString Parameter(const QString& Feldtext, Extended p) { return Feldtext.isEmpty() ? Zahl(p) : Feldtext; }

// The acceptance region's probability under H0, as the information box gives it.
QString P_A(const Zustand& z) {
    return QStringLiteral("P(A)=") + Prozent(std::max<Extended>(0, 100 - Alfa_Fehler_erreicht(z)));
}

// "aus H0", "aus p1".
QString Herkunft(const Stichprobenstand& st) {
    return st.Zeile == 0 ? QStringLiteral("aus H0") : QStringLiteral("aus p%1").arg(st.Zeile);
}

QString Exakter_Wert(const Stichprobenstand& st) {
    return (st.Zeile == 0 ? QStringLiteral("exakter α-Fehler ") : QStringLiteral("exakt 1−β(p%1) ").arg(st.Zeile)) +
           Prozent(st.Rate.exakt);
}

QString Testart(const Zustand& z) {
    if (z.Test_links) return QStringLiteral("linksseitigen Tests");
    if (z.Test_rechts) return QStringLiteral("rechtsseitigen Tests");
    if (z.Test_beidseitig) return QStringLiteral("beidseitigen Tests");
    return QStringLiteral("Tests ohne Verwerfungsbereich");
}

QString Entscheidung(const Zustand& z) { return QStringLiteral("Entscheidung: ") + Qt_Text(Entscheidungstext(z)); }

}  // namespace

QString Diagrammbeschreibung(const Zustand& z, const Schalter& s, const Stichprobenstand* st,
                             const std::array<QString, 3>& p_Texte) {
    const QString Art = s.p0_kumuliert      ? QStringLiteral("Kumulierte Verteilung")
                        : z.Saeulendiagramm ? QStringLiteral("Säulendiagramm")
                                            : QStringLiteral("Histogramm");
    QStringList Teile;
    Teile << QStringLiteral("%1 %2 für n=%3, k von %4 bis %5")
                 .arg(Art, Verteilung_Genitiv(s.Verteilung_p0, QStringLiteral("p0"), Parameter(p_Texte[0], z.p0), z.M0,
                                              z.N0))
                 .arg(z.n)
                 .arg(z.k1)
                 .arg(z.k2);
    if (s.p1_zeichnen)
        Teile << Verteilung_dazu(s.Verteilung_p1, QStringLiteral("p1"), Parameter(p_Texte[1], z.p1), z.M1, z.N1);
    if (s.p2_zeichnen)
        Teile << Verteilung_dazu(s.Verteilung_p2, QStringLiteral("p2"), Parameter(p_Texte[2], z.p2), z.M2, z.N2);
    if (s.Alfa_zeigen)
        Teile << QStringLiteral("Verwerfungsbereich V=%1, α-Fehler %2, %3")
                     .arg(Ablehnungsmenge(z), Prozent(Alfa_Fehler_erreicht(z)), P_A(z));
    if (s.Annahmebereich_zeigen) Teile << QStringLiteral("Annahmebereich A=%1, %2").arg(Annahmemenge(z), P_A(z));
    if (s.Beta_zeigen)
        Teile << QStringLiteral("β-Fehler für p1 %1").arg(Prozent(100 * Annahmewahrscheinlichkeit(z, z.p1)));
    if (s.Erwartungswert_zeigen) Teile << QStringLiteral("Erwartungswert µ=") + Zahl(z.mue0);
    if (s.Umgebung_schraffieren) Teile << QStringLiteral("%1%-Umgebung von µ schraffiert").arg(Zahl(z.Umgebung));
    if (s.Normalverteilung) Teile << QStringLiteral("mit Normalverteilungskurve");
    if (s.Stichprobenergebnis_zeigen) Teile << QStringLiteral("Stichprobenergebnis x=%1").arg(z.x);
    if (st)
        Teile << QStringLiteral("%1 Stichproben %2 als relative Häufigkeiten: %3 in V, %4 in A, %5 in V, %6")
                     .arg(st->Ergebnis.m)
                     .arg(Herkunft(*st))
                     .arg(st->Ergebnis.in_V)
                     .arg(st->Ergebnis.in_A)
                     .arg(Prozent(st->Rate.Rate), Exakter_Wert(*st));
    if (s.Stichprobenergebnis_zeigen && s.Alfa_zeigen) Teile << Entscheidung(z);
    return Teile.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString OC_Beschreibung(const Zustand& z, const QString& p0_Text) {
    return QStringLiteral(
               "OC-Kurve des %1 für n=%2 und p0=%3: Annahmewahrscheinlichkeit β(p1) für p1 von 0 bis 1, "
               "Verwerfungsbereich V=%4.")
        .arg(Testart(z))
        .arg(z.n)
        .arg(Parameter(p0_Text, z.p0), Ablehnungsmenge(z));
}

std::array<QString, 3> Gezeigte_p_Texte(const Eingaben& e, const Auswertung& a) {
    return {Qt_Text(a.Edit_p0), Qt_Text(Text_von(e, Feld::p1)), Qt_Text(Text_von(e, Feld::p2))};
}

QStringList Arbeitsblatt_Texte(const Zustand& z, const Schalter& s, const QString& Alfa_links,
                               const QString& Alfa_rechts, const Stichprobenstand* st,
                               const std::array<QString, 3>& p_Texte) {
    QStringList t;
    t << QStringLiteral("Stichprobenumfang n=%1").arg(z.n);
    t << QStringLiteral("Verteilung von p0: ") +
             Verteilungsname(s.Verteilung_p0, QStringLiteral("p0"), Parameter(p_Texte[0], z.p0), z.M0, z.N0);
    if (s.p1_zeichnen)
        t << QStringLiteral("Verteilung von p1: ") +
                 Verteilungsname(s.Verteilung_p1, QStringLiteral("p1"), Parameter(p_Texte[1], z.p1), z.M1, z.N1);
    if (s.p2_zeichnen)
        t << QStringLiteral("Verteilung von p2: ") +
                 Verteilungsname(s.Verteilung_p2, QStringLiteral("p2"), Parameter(p_Texte[2], z.p2), z.M2, z.N2);
    t << QStringLiteral("Hypothese H0: p=%1").arg(Parameter(p_Texte[0], z.p0));
    t << QStringLiteral("Signifikanzniveaus: α links %1%, α rechts %2%").arg(Alfa_links, Alfa_rechts);
    t << QStringLiteral("Verwerfungsbereich V=%1, Annahmebereich A=%2").arg(Ablehnungsmenge(z), Annahmemenge(z));
    const Alfa_Anteile a = Alfa_Fehler_Anteile(z);
    t << QStringLiteral("erreichter α-Fehler: links %1, rechts %2, zusammen %3")
             .arg(Prozent(a.links), Prozent(a.rechts), Prozent(Alfa_Fehler_erreicht(z)));
    if (s.Stichprobenergebnis_zeigen && s.Alfa_zeigen) t << Entscheidung(z);
    if (s.Beta_zeigen)
        t << QStringLiteral("β-Fehler für p1=%1: %2")
                 .arg(Parameter(p_Texte[1], z.p1), Prozent(100 * Annahmewahrscheinlichkeit(z, z.p1)));
    t << QStringLiteral("Erwartungswert µ=%1, Standardabweichung σ=%2")
             .arg(Qt_Text(Zahl_fest(z.mue0, 7, 2)), Qt_Text(Zahl_fest(z.sigma0, 7, 2)));
    if (s.Vertrauensintervall_berechnen)
        t << QStringLiteral("Konfidenzintervall zu x=%1: %2").arg(z.x).arg(Qt_Text(Konfidenzintervall_Text(z)));
    if (st) {
        const Stichprobenergebnis& e = st->Ergebnis;
        const QString Anzahl = e.m < st->m ? QStringLiteral("%1 von %2").arg(e.m).arg(st->m) : QString::number(e.m);
        t << QStringLiteral("Stichproben %1 (Startwert %2): %3 gezogen, %4 in V, %5 in A")
                 .arg(Herkunft(*st))
                 .arg(st->Startwert)
                 .arg(Anzahl)
                 .arg(e.in_V)
                 .arg(e.in_A);
        t << QStringLiteral("relative Häufigkeit in V %1 (95%-Intervall %2 bis %3), %4")
                 .arg(Prozent(st->Rate.Rate), Prozent(st->Rate.unten), Prozent(st->Rate.oben), Exakter_Wert(*st));
    }
    return t;
}
