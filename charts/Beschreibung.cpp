#include "charts/Beschreibung.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Testentscheidung.h"
#include "analysis/Zahlentexte.h"
#include "charts/Infobox.h"
#include "charts/Qt_Text.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

QString Prozent(Extended w) {
    return std::isfinite(w) ? Qt_Text(Zahl_fest(w, 6, 2)) + QLatin1Char('%') : QStringLiteral("–");
}

QString Zahl(Extended w) { return std::isfinite(w) ? Qt_Text(Zahl_allgemein(w)) : QStringLiteral("–"); }

bool Verteilung_bekannt(int Art) { return Art >= vaBinomial && Art <= vaGeometr; }

// How a distribution stands in its sentence. Each form is a whole phrase of its own, since
// German inflects the name ("der hypergeometrischen Verteilung") and English words it apart.
enum Form { Nennform, Genitiv, dazu };

// The phrases by form and kind (binomial, hypergeometric, Poisson, geometric); %1 the
// parameter's name and %2 its value, for the hypergeometric %1 = M and %2 = N.
constexpr const char* Verteilungsphrasen[3][4] = {
    {QT_TRANSLATE_NOOP("Beschreibung", "Binomialverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "hypergeometrische Verteilung mit M=%1 und N=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "Poissonverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "geometrische Verteilung mit %1=%2")},
    // After the chart's kind: "Histogramm der Binomialverteilung mit p0=0,8".
    {QT_TRANSLATE_NOOP("Beschreibung", "der Binomialverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "der hypergeometrischen Verteilung mit M=%1 und N=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "der Poissonverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "der geometrischen Verteilung mit %1=%2")},
    // A further row drawn over the chart.
    {QT_TRANSLATE_NOOP("Beschreibung", "dazu die Binomialverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "dazu die hypergeometrische Verteilung mit M=%1 und N=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "dazu die Poissonverteilung mit %1=%2"),
     QT_TRANSLATE_NOOP("Beschreibung", "dazu die geometrische Verteilung mit %1=%2")},
};

// "Binomialverteilung mit p0=0,8" and the like in the given form, p the parameter as it is to
// be read.
QString Verteilung(Form f, int Art, const QString& Name, const QString& p, int M, int N) {
    if (!Verteilung_bekannt(Art)) {
        switch (f) {
        case Nennform:
            return QCoreApplication::translate("Beschreibung", "keine Verteilung");
        case Genitiv:
            return QCoreApplication::translate("Beschreibung", "ohne Verteilung");
        case dazu:
            return QCoreApplication::translate("Beschreibung", "zu %1 keine Verteilung").arg(Name);
        }
        return {};
    }
    const QString Phrase = QCoreApplication::translate("Beschreibung", Verteilungsphrasen[f][Art - vaBinomial]);
    return Art == vaHypergeo ? Phrase.arg(QString::number(M), QString::number(N)) : Phrase.arg(Name, p);
}

// A parameter as its field shows it ("1/6"), else its value.
QString Parameter(const QString& Feldtext, Extended p) { return Feldtext.isEmpty() ? Zahl(p) : Feldtext; }

// The acceptance region's probability under H0, as the information box gives it.
QString P_A(const Zustand& z) {
    return QStringLiteral("P(A)=") + Prozent(std::max<Extended>(0, 100 - Alfa_Fehler_erreicht(z)));
}

// "aus H0", "aus p1".
QString Herkunft(const Stichprobenstand& st) {
    return st.Zeile == 0 ? QCoreApplication::translate("Beschreibung", "aus H0")
                         : QCoreApplication::translate("Beschreibung", "aus p%1").arg(st.Zeile);
}

QString Exakter_Wert(const Stichprobenstand& st) {
    if (st.Zeile == 0)
        return QCoreApplication::translate("Beschreibung", "exakter α-Fehler %1").arg(Prozent(st.Rate.exakt));
    return QCoreApplication::translate("Beschreibung", "exakt 1−β(p%1) %2")
        .arg(QString::number(st.Zeile), Prozent(st.Rate.exakt));
}

// The test as the OC description names it, in the genitive.
QString Testart(const Zustand& z) {
    if (z.Test_links) return QCoreApplication::translate("Beschreibung", "linksseitigen Tests");
    if (z.Test_rechts) return QCoreApplication::translate("Beschreibung", "rechtsseitigen Tests");
    if (z.Test_beidseitig) return QCoreApplication::translate("Beschreibung", "beidseitigen Tests");
    return QCoreApplication::translate("Beschreibung", "Tests ohne Verwerfungsbereich");
}

}  // namespace

QString Diagrammbeschreibung(const Zustand& z, const Schalter& s, const Stichprobenstand* st,
                             const std::array<QString, 3>& p_Texte) {
    const QString Art = s.p0_kumuliert      ? QCoreApplication::translate("Beschreibung", "Kumulierte Verteilung")
                        : z.Saeulendiagramm ? QCoreApplication::translate("Beschreibung", "Säulendiagramm")
                                            : QCoreApplication::translate("Beschreibung", "Histogramm");
    QStringList Teile;
    Teile << QCoreApplication::translate("Beschreibung", "%1 %2 für n=%3, k von %4 bis %5")
                 .arg(Art, Verteilung(Genitiv, s.Verteilung_p0, QStringLiteral("p0"), Parameter(p_Texte[0], z.p0), z.M0,
                                      z.N0))
                 .arg(z.n)
                 .arg(z.k1)
                 .arg(z.k2);
    if (s.p1_zeichnen)
        Teile << Verteilung(dazu, s.Verteilung_p1, QStringLiteral("p1"), Parameter(p_Texte[1], z.p1), z.M1, z.N1);
    if (s.p2_zeichnen)
        Teile << Verteilung(dazu, s.Verteilung_p2, QStringLiteral("p2"), Parameter(p_Texte[2], z.p2), z.M2, z.N2);
    if (s.Alfa_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "Verwerfungsbereich V=%1, α-Fehler %2, %3")
                     .arg(Ablehnungsmenge(z), Prozent(Alfa_Fehler_erreicht(z)), P_A(z));
    if (s.Annahmebereich_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "Annahmebereich A=%1, %2").arg(Annahmemenge(z), P_A(z));
    if (s.Beta_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "β-Fehler für p1 %1")
                     .arg(Prozent(100 * Annahmewahrscheinlichkeit(z, z.p1)));
    if (s.Erwartungswert_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "Erwartungswert µ=%1").arg(Zahl(z.mue0));
    if (s.Umgebung_schraffieren)
        Teile << QCoreApplication::translate("Beschreibung", "%1%-Umgebung von µ schraffiert").arg(Zahl(z.Umgebung));
    if (s.Normalverteilung) Teile << QCoreApplication::translate("Beschreibung", "mit Normalverteilungskurve");
    if (s.Stichprobenergebnis_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "Stichprobenergebnis x=%1").arg(z.x);
    if (st)
        Teile << QCoreApplication::translate(
                     "Beschreibung", "%1 Stichproben %2 als relative Häufigkeiten: %3 in V, %4 in A, %5 in V, %6")
                     .arg(QString::number(st->Ergebnis.m), Herkunft(*st), QString::number(st->Ergebnis.in_V),
                          QString::number(st->Ergebnis.in_A), Prozent(st->Rate.Rate), Exakter_Wert(*st));
    if (s.Stichprobenergebnis_zeigen && s.Alfa_zeigen)
        Teile << QCoreApplication::translate("Beschreibung", "Entscheidung: %1", "ein Teil des Satzes")
                     .arg(Qt_Text(Entscheidungstext(z)));
    return Teile.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString OC_Beschreibung(const Zustand& z, const QString& p0_Text) {
    return QCoreApplication::translate(
               "Beschreibung",
               "OC-Kurve des %1 für n=%2 und p0=%3: Annahmewahrscheinlichkeit β(p1) für p1 von 0 bis 1, "
               "Verwerfungsbereich V=%4.")
        .arg(Testart(z), QString::number(z.n), Parameter(p0_Text, z.p0), Ablehnungsmenge(z));
}

std::array<QString, 3> Gezeigte_p_Texte(const Eingaben& e, const Auswertung& a) {
    return {Qt_Text(a.Edit_p0), Qt_Text(Text_von(e, Feld::p1)), Qt_Text(Text_von(e, Feld::p2))};
}

QStringList Arbeitsblatt_Texte(const Zustand& z, const Schalter& s, const QString& Alfa_links,
                               const QString& Alfa_rechts, const Stichprobenstand* st,
                               const std::array<QString, 3>& p_Texte) {
    QStringList t;
    t << QCoreApplication::translate("Beschreibung", "Stichprobenumfang n=%1").arg(z.n);
    t << QCoreApplication::translate("Beschreibung", "Verteilung von p0: %1")
             .arg(Verteilung(Nennform, s.Verteilung_p0, QStringLiteral("p0"), Parameter(p_Texte[0], z.p0), z.M0, z.N0));
    if (s.p1_zeichnen)
        t << QCoreApplication::translate("Beschreibung", "Verteilung von p1: %1")
                 .arg(Verteilung(Nennform, s.Verteilung_p1, QStringLiteral("p1"), Parameter(p_Texte[1], z.p1), z.M1,
                                 z.N1));
    if (s.p2_zeichnen)
        t << QCoreApplication::translate("Beschreibung", "Verteilung von p2: %1")
                 .arg(Verteilung(Nennform, s.Verteilung_p2, QStringLiteral("p2"), Parameter(p_Texte[2], z.p2), z.M2,
                                 z.N2));
    t << QCoreApplication::translate("Beschreibung", "Hypothese H0: p=%1").arg(Parameter(p_Texte[0], z.p0));
    t << QCoreApplication::translate("Beschreibung", "Signifikanzniveaus: α links %1%, α rechts %2%")
             .arg(Alfa_links, Alfa_rechts);
    t << QCoreApplication::translate("Beschreibung", "Verwerfungsbereich V=%1, Annahmebereich A=%2")
             .arg(Ablehnungsmenge(z), Annahmemenge(z));
    const Alfa_Anteile a = Alfa_Fehler_Anteile(z);
    t << QCoreApplication::translate("Beschreibung", "erreichter α-Fehler: links %1, rechts %2, zusammen %3")
             .arg(Prozent(a.links), Prozent(a.rechts), Prozent(Alfa_Fehler_erreicht(z)));
    if (s.Stichprobenergebnis_zeigen && s.Alfa_zeigen)
        t << QCoreApplication::translate("Beschreibung", "Entscheidung: %1", "eine Zeile für sich")
                 .arg(Qt_Text(Entscheidungstext(z)));
    if (s.Beta_zeigen)
        t << QCoreApplication::translate("Beschreibung", "β-Fehler für p1=%1: %2")
                 .arg(Parameter(p_Texte[1], z.p1), Prozent(100 * Annahmewahrscheinlichkeit(z, z.p1)));
    t << QCoreApplication::translate("Beschreibung", "Erwartungswert µ=%1, Standardabweichung σ=%2")
             .arg(Qt_Text(Zahl_fest(z.mue0, 7, 2)), Qt_Text(Zahl_fest(z.sigma0, 7, 2)));
    if (s.Vertrauensintervall_berechnen)
        t << QCoreApplication::translate("Beschreibung", "Konfidenzintervall zu x=%1: %2")
                 .arg(QString::number(z.x), Qt_Text(Konfidenzintervall_Text(z)));
    if (st) {
        const Stichprobenergebnis& e = st->Ergebnis;
        const QString Anzahl = e.m < st->m
                                   ? QCoreApplication::translate("Beschreibung", "%1 von %2").arg(e.m).arg(st->m)
                                   : QString::number(e.m);
        t << QCoreApplication::translate("Beschreibung", "Stichproben %1 (Startwert %2): %3 gezogen, %4 in V, %5 in A")
                 .arg(Herkunft(*st), QString::number(st->Startwert), Anzahl, QString::number(e.in_V),
                      QString::number(e.in_A));
        t << QCoreApplication::translate("Beschreibung", "relative Häufigkeit in V %1 (95%-Intervall %2 bis %3), %4")
                 .arg(Prozent(st->Rate.Rate), Prozent(st->Rate.unten), Prozent(st->Rate.oben), Exakter_Wert(*st));
    }
    return t;
}
