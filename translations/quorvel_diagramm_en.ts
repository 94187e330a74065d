<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Beschreibung</name>
    <message>
        <source>Binomialverteilung mit %1=%2</source>
        <translation>binomial distribution with %1=%2</translation>
    </message>
    <message>
        <source>hypergeometrische Verteilung mit M=%1 und N=%2</source>
        <translation>hypergeometric distribution with M=%1 and N=%2</translation>
    </message>
    <message>
        <source>Poissonverteilung mit %1=%2</source>
        <translation>Poisson distribution with %1=%2</translation>
    </message>
    <message>
        <source>geometrische Verteilung mit %1=%2</source>
        <translation>geometric distribution with %1=%2</translation>
    </message>
    <message>
        <source>der Binomialverteilung mit %1=%2</source>
        <translation>of the binomial distribution with %1=%2</translation>
    </message>
    <message>
        <source>der hypergeometrischen Verteilung mit M=%1 und N=%2</source>
        <translation>of the hypergeometric distribution with M=%1 and N=%2</translation>
    </message>
    <message>
        <source>der Poissonverteilung mit %1=%2</source>
        <translation>of the Poisson distribution with %1=%2</translation>
    </message>
    <message>
        <source>der geometrischen Verteilung mit %1=%2</source>
        <translation>of the geometric distribution with %1=%2</translation>
    </message>
    <message>
        <source>dazu die Binomialverteilung mit %1=%2</source>
        <translation>also the binomial distribution with %1=%2</translation>
    </message>
    <message>
        <source>dazu die hypergeometrische Verteilung mit M=%1 und N=%2</source>
        <translation>also the hypergeometric distribution with M=%1 and N=%2</translation>
    </message>
    <message>
        <source>dazu die Poissonverteilung mit %1=%2</source>
        <translation>also the Poisson distribution with %1=%2</translation>
    </message>
    <message>
        <source>dazu die geometrische Verteilung mit %1=%2</source>
        <translation>also the geometric distribution with %1=%2</translation>
    </message>
    <message>
        <source>keine Verteilung</source>
        <translation>no distribution</translation>
    </message>
    <message>
        <source>ohne Verteilung</source>
        <translation>without a distribution</translation>
    </message>
    <message>
        <source>zu %1 keine Verteilung</source>
        <translation>no distribution for %1</translation>
    </message>
    <message>
        <source>aus H0</source>
        <translation>from H0</translation>
    </message>
    <message>
        <source>aus p%1</source>
        <translation>from p%1</translation>
    </message>
    <message>
        <source>exakter α-Fehler %1</source>
        <translation>exact Type I error %1</translation>
    </message>
    <message>
        <source>exakt 1−β(p%1) %2</source>
        <translation>exact 1−β(p%1) %2</translation>
    </message>
    <message>
        <source>linksseitigen Tests</source>
        <translation>left-tailed test</translation>
    </message>
    <message>
        <source>rechtsseitigen Tests</source>
        <translation>right-tailed test</translation>
    </message>
    <message>
        <source>beidseitigen Tests</source>
        <translation>two-tailed test</translation>
    </message>
    <message>
        <source>Tests ohne Verwerfungsbereich</source>
        <translation>test without a critical region</translation>
    </message>
    <message>
        <source>Kumulierte Verteilung</source>
        <translation>Cumulative distribution</translation>
    </message>
    <message>
        <source>Säulendiagramm</source>
        <translation>Bar chart</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>%1 %2 für n=%3, k von %4 bis %5</source>
        <translation>%1 %2 for n=%3, k from %4 to %5</translation>
    </message>
    <message>
        <source>Verwerfungsbereich V=%1, α-Fehler %2, %3</source>
        <translation>critical region V=%1, Type I error %2, %3</translation>
    </message>
    <message>
        <source>Annahmebereich A=%1, %2</source>
        <translation>acceptance region A=%1, %2</translation>
    </message>
    <message>
        <source>β-Fehler für p1 %1</source>
        <translation>Type II error for p1 %1</translation>
    </message>
    <message>
        <source>Erwartungswert µ=%1</source>
        <translation>expected value µ=%1</translation>
    </message>
    <message>
        <source>%1%-Umgebung von µ schraffiert</source>
        <translation>%1% neighbourhood of µ hatched</translation>
    </message>
    <message>
        <source>mit Normalverteilungskurve</source>
        <translation>with the normal distribution curve</translation>
    </message>
    <message>
        <source>Stichprobenergebnis x=%1</source>
        <translation>sample result x=%1</translation>
    </message>
    <message>
        <source>%1 Stichproben %2 als relative Häufigkeiten: %3 in V, %4 in A, %5 in V, %6</source>
        <translation>%1 samples %2 as relative frequencies: %3 in V, %4 in A, %5 in V, %6</translation>
    </message>
    <message>
        <source>OC-Kurve des %1 für n=%2 und p0=%3: Annahmewahrscheinlichkeit β(p1) für p1 von 0 bis 1, Verwerfungsbereich V=%4.</source>
        <translation>OC curve of the %1 for n=%2 and p0=%3: probability of acceptance β(p1) for p1 from 0 to 1, critical region V=%4.</translation>
    </message>
    <message>
        <source>Stichprobenumfang n=%1</source>
        <translation>Sample size n=%1</translation>
    </message>
    <message>
        <source>Verteilung von p0: %1</source>
        <translation>Distribution for p0: %1</translation>
    </message>
    <message>
        <source>Verteilung von p1: %1</source>
        <translation>Distribution for p1: %1</translation>
    </message>
    <message>
        <source>Verteilung von p2: %1</source>
        <translation>Distribution for p2: %1</translation>
    </message>
    <message>
        <source>Hypothese H0: p=%1</source>
        <translation>Null hypothesis H0: p=%1</translation>
    </message>
    <message>
        <source>Signifikanzniveaus: α links %1%, α rechts %2%</source>
        <translation>Significance levels: α left %1%, α right %2%</translation>
    </message>
    <message>
        <source>Verwerfungsbereich V=%1, Annahmebereich A=%2</source>
        <translation>Critical region V=%1, acceptance region A=%2</translation>
    </message>
    <message>
        <source>erreichter α-Fehler: links %1, rechts %2, zusammen %3</source>
        <translation>Actual significance level: left %1, right %2, total %3</translation>
    </message>
    <message>
        <source>β-Fehler für p1=%1: %2</source>
        <translation>Type II error for p1=%1: %2</translation>
    </message>
    <message>
        <source>Erwartungswert µ=%1, Standardabweichung σ=%2</source>
        <translation>Expected value µ=%1, standard deviation σ=%2</translation>
    </message>
    <message>
        <source>Konfidenzintervall zu x=%1: %2</source>
        <translation>Confidence interval for x=%1: %2</translation>
    </message>
    <message>
        <source>%1 von %2</source>
        <translation>%1 of %2</translation>
    </message>
    <message>
        <source>Stichproben %1 (Startwert %2): %3 gezogen, %4 in V, %5 in A</source>
        <translation>Samples %1 (seed %2): %3 drawn, %4 in V, %5 in A</translation>
    </message>
    <message>
        <source>relative Häufigkeit in V %1 (95%-Intervall %2 bis %3), %4</source>
        <translation>Relative frequency in V %1 (95% interval %2 to %3), %4</translation>
    </message>
    <message>
        <source>Entscheidung: %1</source>
        <comment>ein Teil des Satzes</comment>
        <translation>decision: %1</translation>
    </message>
    <message>
        <source>Entscheidung: %1</source>
        <comment>eine Zeile für sich</comment>
        <translation>Decision: %1</translation>
    </message>
</context>
<context>
    <name>Erkundung</name>
    <message>
        <source>Histogramme einer Familie von Binomialverteilungen: %1</source>
        <translation>Histograms of a family of binomial distributions: %1</translation>
    </message>
</context>
<context>
    <name>Infobox</name>
    <message>
        <source>-Fehler=%1%</source>
        <translation> error=%1%</translation>
    </message>
    <message>
        <source>%1%-Umgebung={%2; ... ;%3}</source>
        <translation>%1% neighbourhood={%2; ... ;%3}</translation>
    </message>
    <message>
        <source>%1 von %2 in V, %3 in A</source>
        <translation>%1 of %2 in V, %3 in A</translation>
    </message>
    <message>
        <source>%1% [%2%; %3%] exakt α=%4%</source>
        <translation>%1% [%2%; %3%] exact α=%4%</translation>
    </message>
    <message>
        <source>%1% [%2%; %3%] exakt 1-β=%4%</source>
        <translation>%1% [%2%; %3%] exact 1-β=%4%</translation>
    </message>
</context>
<context>
    <name>OC</name>
    <message>
        <source>OC-Kurve für  n=%1</source>
        <translation>OC curve for  n=%1</translation>
    </message>
    <message>
        <source>-li=</source>
        <translation>-left=</translation>
    </message>
    <message>
        <source>-re=</source>
        <translation>-right=</translation>
    </message>
</context>
</TS>
