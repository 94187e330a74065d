<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Bildschirmgroesse</name>
    <message>
        <source>&amp;Ansicht</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ansicht</source>
        <translation>View</translation>
    </message>
    <message>
        <source>&amp;Größer</source>
        <translation>&amp;Larger</translation>
    </message>
    <message>
        <source>&amp;Kleiner</source>
        <translation>&amp;Smaller</translation>
    </message>
    <message>
        <source>&amp;Normalgröße</source>
        <translation>&amp;Normal size</translation>
    </message>
    <message>
        <source>Die Größe lässt sich nicht ändern: der Zustand des Fensters ließ sich nicht sichern.</source>
        <translation>The size cannot be changed: the window&apos;s state could not be saved.</translation>
    </message>
    <message>
        <source>Die Größe lässt sich nicht ändern: %1</source>
        <translation>The size cannot be changed: %1</translation>
    </message>
    <message>
        <source>Die Eingaben des vorigen Fensters ließen sich nicht übernehmen.</source>
        <translation>The previous window&apos;s inputs could not be taken over.</translation>
    </message>
</context>
<context>
    <name>Eingabehinweis</name>
    <message>
        <source>Hinweis zur Eingabe</source>
        <translation>Note on the entry</translation>
    </message>
</context>
<context>
    <name>Farbwahl</name>
    <message>
        <source>&amp;Projektorfarben</source>
        <translation>&amp;Projector colours</translation>
    </message>
    <message>
        <source>Farben und Schraffuren der Grafik, die auch am Beamer und bei Rot-Grün-Schwäche unterscheidbar bleiben</source>
        <translation>Colours and hatching of the chart that stay distinguishable on a projector and with red–green colour blindness</translation>
    </message>
</context>
<context>
    <name>Fenstergroesse</name>
    <message>
        <source>Eingabebereich</source>
        <translation>Input area</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s</source>
        <translation>Discrete distributions - Hypothesis test - Operating characteristic - Confidence interval - V2.07s</translation>
    </message>
    <message>
        <source>Eingaben, Aktionen und Wertetabelle</source>
        <translation>Inputs, actions and table of values</translation>
    </message>
    <message>
        <source>   Ein- und Ausgaben   </source>
        <translation>   Inputs and outputs   </translation>
    </message>
    <message>
        <source>  Stichprobenumfang n  </source>
        <translation>  Sample size n  </translation>
    </message>
    <message>
        <source>n=</source>
        <translation>n=</translation>
    </message>
    <message>
        <source>Stichprobenumfang n</source>
        <translation>Sample size n</translation>
    </message>
    <message>
        <source>höchstens 4000</source>
        <translation>at most 4000</translation>
    </message>
    <message>
        <source>( n&lt;=4000 )</source>
        <translation>( n&lt;=4000 )</translation>
    </message>
    <message>
        <source>  Stichprobenergebnis x  </source>
        <translation>  Sample result x  </translation>
    </message>
    <message>
        <source>x=</source>
        <translation>x=</translation>
    </message>
    <message>
        <source>Stichprobenergebnis x</source>
        <translation>Sample result x</translation>
    </message>
    <message>
        <source>zwischen 0 und n</source>
        <translation>between 0 and n</translation>
    </message>
    <message>
        <source>(0&lt;=x&lt;=n )</source>
        <translation>(0&lt;=x&lt;=n )</translation>
    </message>
    <message>
        <source>  k-Achse einstellen  </source>
        <translation>  Set the k axis  </translation>
    </message>
    <message>
        <source>von k1=</source>
        <translation>k1=</translation>
    </message>
    <message>
        <source>k-Achse von k1</source>
        <translation>k axis from k1</translation>
    </message>
    <message>
        <source>bis k2=</source>
        <translation>to k2=</translation>
    </message>
    <message>
        <source>k-Achse bis k2</source>
        <translation>k axis to k2</translation>
    </message>
    <message>
        <source>  Verteilungen festlegen                 ( für Hypothesentests gelte   H0: p=p0 )  </source>
        <translation>  Set the distributions                 ( for hypothesis tests let   H0: p=p0 )  </translation>
    </message>
    <message>
        <source>Verteilung von p0</source>
        <translation>Distribution of p0</translation>
    </message>
    <message>
        <source>Art der Verteilung zu p0</source>
        <translation>Type of distribution for p0</translation>
    </message>
    <message>
        <source>Binomial</source>
        <translation>Binomial</translation>
    </message>
    <message>
        <source>Hypergeo</source>
        <translation>Hypergeo</translation>
    </message>
    <message>
        <source>Poisson</source>
        <translation>Poisson</translation>
    </message>
    <message>
        <source>Geometr</source>
        <translation>Geometric</translation>
    </message>
    <message>
        <source>p0=</source>
        <translation>p0=</translation>
    </message>
    <message>
        <source>p0</source>
        <translation>p0</translation>
    </message>
    <message>
        <source>M0=</source>
        <translation>M0=</translation>
    </message>
    <message>
        <source>M0</source>
        <translation>M0</translation>
    </message>
    <message>
        <source>Anzahl der Merkmalsträger in der Grundgesamtheit</source>
        <translation>Number in the population with the property</translation>
    </message>
    <message>
        <source>N0=</source>
        <translation>N0=</translation>
    </message>
    <message>
        <source>N0</source>
        <translation>N0</translation>
    </message>
    <message>
        <source>Umfang der Grundgesamtheit</source>
        <translation>Size of the population</translation>
    </message>
    <message>
        <source>Verteilung von p1</source>
        <translation>Distribution of p1</translation>
    </message>
    <message>
        <source>Art der Verteilung zu p1</source>
        <translation>Type of distribution for p1</translation>
    </message>
    <message>
        <source>p1=</source>
        <translation>p1=</translation>
    </message>
    <message>
        <source>p1</source>
        <translation>p1</translation>
    </message>
    <message>
        <source>Verteilung p1 einzeichnen</source>
        <translation>Draw distribution p1</translation>
    </message>
    <message>
        <source>Verteilung einzeichnen</source>
        <translation>Draw distribution</translation>
    </message>
    <message>
        <source>M1=</source>
        <translation>M1=</translation>
    </message>
    <message>
        <source>M1</source>
        <translation>M1</translation>
    </message>
    <message>
        <source>N1=</source>
        <translation>N1=</translation>
    </message>
    <message>
        <source>N1</source>
        <translation>N1</translation>
    </message>
    <message>
        <source>Verteilung von p2</source>
        <translation>Distribution of p2</translation>
    </message>
    <message>
        <source>Art der Verteilung zu p2</source>
        <translation>Type of distribution for p2</translation>
    </message>
    <message>
        <source>p2= </source>
        <translation>p2= </translation>
    </message>
    <message>
        <source>p2</source>
        <translation>p2</translation>
    </message>
    <message>
        <source>Verteilung p2 einzeichnen</source>
        <translation>Draw distribution p2</translation>
    </message>
    <message>
        <source>M2=</source>
        <translation>M2=</translation>
    </message>
    <message>
        <source>M2</source>
        <translation>M2</translation>
    </message>
    <message>
        <source>N2=</source>
        <translation>N2=</translation>
    </message>
    <message>
        <source>N2</source>
        <translation>N2</translation>
    </message>
    <message>
        <source> P0(k1&lt;=x&lt;=k2) </source>
        <translation> P0(k1&lt;=x&lt;=k2) </translation>
    </message>
    <message>
        <source> P0(k1&lt;x&lt;k2) </source>
        <translation> P0(k1&lt;x&lt;k2) </translation>
    </message>
    <message>
        <source>Hypothesentest - Verwerfungsbereich V für H0 festlegen  </source>
        <translation>Hypothesis test - set the critical region V for H0  </translation>
    </message>
    <message>
        <source>α</source>
        <translation>α</translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation>Alpha</translation>
    </message>
    <message>
        <source>links</source>
        <translation>left</translation>
    </message>
    <message>
        <source>&lt;=</source>
        <translation>&lt;=</translation>
    </message>
    <message>
        <source>Alpha links in Prozent</source>
        <translation>Alpha left, in per cent</translation>
    </message>
    <message>
        <source>Signifikanzniveau α links, höchstens so viel Prozent</source>
        <translation>Significance level α left, at most this many per cent</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>rechts</source>
        <translation>right</translation>
    </message>
    <message>
        <source>Alpha rechts in Prozent</source>
        <translation>Alpha right, in per cent</translation>
    </message>
    <message>
        <source>Signifikanzniveau α rechts, höchstens so viel Prozent</source>
        <translation>Significance level α right, at most this many per cent</translation>
    </message>
    <message>
        <source>V</source>
        <translation>V</translation>
    </message>
    <message>
        <source> = [ 0; ... ;</source>
        <translation> = [ 0; ... ;</translation>
    </message>
    <message>
        <source>Verwerfungsbereich links bis k</source>
        <translation>Critical region left, up to k</translation>
    </message>
    <message>
        <source>V links = 0 bis zu diesem k</source>
        <translation>V left = 0 up to this k</translation>
    </message>
    <message>
        <source> ] </source>
        <translation> ] </translation>
    </message>
    <message>
        <source> = [</source>
        <translation> = [</translation>
    </message>
    <message>
        <source>Verwerfungsbereich rechts ab k</source>
        <translation>Critical region right, from k</translation>
    </message>
    <message>
        <source>V rechts = ab diesem k bis n</source>
        <translation>V right = from this k up to n</translation>
    </message>
    <message>
        <source>  Grafische Darstellung  </source>
        <translation>  Graphical display  </translation>
    </message>
    <message>
        <source>Diagrammart</source>
        <translation>Type of chart</translation>
    </message>
    <message>
        <source>Histogramm oder Säulendiagramm</source>
        <translation>Histogram or bar chart</translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Säulendiagramm</source>
        <translation>Bar chart</translation>
    </message>
    <message>
        <source>waagerechte Hilfslinien</source>
        <translation>horizontal grid lines</translation>
    </message>
    <message>
        <source>p0 kumuliert zeichnen</source>
        <translation>draw p0 cumulatively</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Kennzahlen über der Grafik zeigen</source>
        <translation>Show key figures above the chart</translation>
    </message>
    <message>
        <source>  Konfidenzintervall berechnen</source>
        <translation>  Calculate a confidence interval</translation>
    </message>
    <message>
        <source>Konfidenzintervall zu x / n berechnen</source>
        <translation>Calculate the confidence interval for x / n</translation>
    </message>
    <message>
        <source>Konfidenzintervall zu x / n:    </source>
        <translation>Confidence interval for x / n:    </translation>
    </message>
    <message>
        <source>Konfidenzintervall</source>
        <translation>Confidence interval</translation>
    </message>
    <message>
        <source>  Visualisierungen  </source>
        <translation>  Visualisations  </translation>
    </message>
    <message>
        <source>µ</source>
        <translation>µ</translation>
    </message>
    <message>
        <source>Erwartungswert</source>
        <translation>Expected value</translation>
    </message>
    <message>
        <source>μ</source>
        <translation>μ</translation>
    </message>
    <message>
        <source>Erwartungswert zeigen</source>
        <translation>Show expected value</translation>
    </message>
    <message>
        <source>µ: Erwartungswert der Verteilung p0 einzeichnen</source>
        <translation>µ: draw the expected value of distribution p0</translation>
    </message>
    <message>
        <source>Sigma-Faktor</source>
        <translation>Sigma factor</translation>
    </message>
    <message>
        <source>Vielfaches von σ für die Umgebung von µ, höchstens 7</source>
        <translation>Multiple of σ for the interval around µ, at most 7</translation>
    </message>
    <message>
        <source>mal σ</source>
        <translation>times σ</translation>
    </message>
    <message>
        <source>mal Standardabweichung</source>
        <translation>times standard deviation</translation>
    </message>
    <message>
        <source>⋅σ</source>
        <translation>⋅σ</translation>
    </message>
    <message>
        <source>Sigma-Umgebung zeigen</source>
        <translation>Show sigma interval</translation>
    </message>
    <message>
        <source>⋅σ: die Grenzen µ ± Faktor⋅σ einzeichnen</source>
        <translation>⋅σ: draw the bounds µ ± factor⋅σ</translation>
    </message>
    <message>
        <source>Umgebung in Prozent</source>
        <translation>Interval in per cent</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit der Umgebung von µ unter der Normalverteilung</source>
        <translation>Probability of the interval around µ under the normal distribution</translation>
    </message>
    <message>
        <source>% - Umgebung von </source>
        <translation>% interval around </translation>
    </message>
    <message>
        <source>Umgebung von µ schraffieren</source>
        <translation>Shade the interval around µ</translation>
    </message>
    <message>
        <source>Normalverteilung</source>
        <translation>Normal distribution</translation>
    </message>
    <message>
        <source>die Normalverteilungskurve einzeichnen</source>
        <translation>draw the normal distribution curve</translation>
    </message>
    <message>
        <source>Alpha-Fehler bzw. Verwerfungsbereich zeigen</source>
        <translation>Show Type I error or critical region</translation>
    </message>
    <message>
        <source>α-Fehler bzw. V: den Verwerfungsbereich schraffieren</source>
        <translation>α error or V: shade the critical region</translation>
    </message>
    <message>
        <source>- Fehler bzw  V</source>
        <translation>- error or  V</translation>
    </message>
    <message>
        <source>Annahmebereich A zeigen</source>
        <translation>Show acceptance region A</translation>
    </message>
    <message>
        <source>Annahmebereich A</source>
        <translation>Acceptance region A</translation>
    </message>
    <message>
        <source>β</source>
        <translation>β</translation>
    </message>
    <message>
        <source>Beta</source>
        <translation>Beta</translation>
    </message>
    <message>
        <source>Beta-Fehler zeigen</source>
        <translation>Show Type II error</translation>
    </message>
    <message>
        <source>β-Fehler: die Annahmewahrscheinlichkeit unter p1 einzeichnen</source>
        <translation>β error: draw the probability of acceptance under p1</translation>
    </message>
    <message>
        <source>- Fehler</source>
        <translation>- error</translation>
    </message>
    <message>
        <source>Stichprobenergebnis x zeigen</source>
        <translation>Show sample result x</translation>
    </message>
    <message>
        <source>  Aktionen  </source>
        <translation>  Actions  </translation>
    </message>
    <message>
        <source>Histogramm neu zeichnen (Alt+H)</source>
        <translation>Redraw histogram (Alt+H)</translation>
    </message>
    <message>
        <source>Histogramm neu zeichnen</source>
        <translation>Redraw histogram</translation>
    </message>
    <message>
        <source>Histo</source>
        <translation>Histo</translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation>Alt+H</translation>
    </message>
    <message>
        <source>Pfeil</source>
        <translation>Arrow</translation>
    </message>
    <message>
        <source>Histo zeichnet die Verteilungen, OC die Operationscharakteristik</source>
        <translation>Histo draws the distributions, OC the operating characteristic</translation>
    </message>
    <message>
        <source>⇳</source>
        <translation>⇳</translation>
    </message>
    <message>
        <source>OC-Kurve zeichnen (Alt+O)</source>
        <translation>Draw OC curve (Alt+O)</translation>
    </message>
    <message>
        <source>OC-Kurve zeichnen</source>
        <translation>Draw OC curve</translation>
    </message>
    <message>
        <source>OC</source>
        <translation>OC</translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation>Alt+O</translation>
    </message>
    <message>
        <source>n-Animation (Alt+N)</source>
        <translation>n animation (Alt+N)</translation>
    </message>
    <message>
        <source>n-Animation</source>
        <translation>n animation</translation>
    </message>
    <message>
        <source>n-Ani</source>
        <translation>n-Ani</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>p0-Animation (Alt+P)</source>
        <translation>p0 animation (Alt+P)</translation>
    </message>
    <message>
        <source>p0-Animation</source>
        <translation>p0 animation</translation>
    </message>
    <message>
        <source>p0-Ani</source>
        <translation>p0-Ani</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>mehrere n (Alt+M)</source>
        <translation>several n (Alt+M)</translation>
    </message>
    <message>
        <source>mehrere n</source>
        <translation>several n</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>mehrere p0 (Alt+E)</source>
        <translation>several p0 (Alt+E)</translation>
    </message>
    <message>
        <source>mehrere p0</source>
        <translation>several p0</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>auf Anfangswerte zurückstellen (Alt+S)</source>
        <translation>Reset to start values (Alt+S)</translation>
    </message>
    <message>
        <source>auf Anfangswerte zurückstellen</source>
        <translation>Reset to start values</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Grafik ins Clipboard (Alt+C)</source>
        <translation>Copy chart to clipboard (Alt+C)</translation>
    </message>
    <message>
        <source>Grafik ins Clipboard</source>
        <translation>Copy chart to clipboard</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>Grafik exportieren …</source>
        <translation>Export chart …</translation>
    </message>
    <message>
        <source>Grafik drucken …</source>
        <translation>Print chart …</translation>
    </message>
    <message>
        <source>Grafik im Vollbild</source>
        <translation>Chart in full screen</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Stichproben ziehen …</source>
        <translation>Draw samples …</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Wertetabelle</source>
        <translation>Table of values</translation>
    </message>
    <message>
        <source>Wahrscheinlichkeiten je k; nach der OC-Kurve die Tabelle von β(p1)</source>
        <translation>Probabilities for each k; after the OC curve, the table of β(p1)</translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Aufgabe ö&amp;ffnen …</source>
        <translation>&amp;Open task …</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Aufgabe &amp;speichern</source>
        <translation>&amp;Save task</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Aufgabe speichern &amp;unter …</source>
        <translation>Save task &amp;as …</translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation>Ctrl+Shift+S</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Grafik &amp;exportieren …</source>
        <translation>&amp;Export chart …</translation>
    </message>
    <message>
        <source>Grafik als PNG oder PDF exportieren (Strg+E)</source>
        <translation>Export chart as PNG or PDF (Ctrl+E)</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Grafik &amp;drucken …</source>
        <translation>&amp;Print chart …</translation>
    </message>
    <message>
        <source>Grafik drucken (Strg+P)</source>
        <translation>Print chart (Ctrl+P)</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>Stichproben ziehen und in V zählen (Alt+Z)</source>
        <translation>Draw samples and count those in V (Alt+Z)</translation>
    </message>
    <message>
        <source>Alt+Z</source>
        <translation>Alt+Z</translation>
    </message>
    <message>
        <source>Grafik im &amp;Vollbild</source>
        <translation>Chart in &amp;full screen</translation>
    </message>
    <message>
        <source>Grafik im Vollbild (F11; Esc oder F11 zurück)</source>
        <translation>Chart in full screen (F11; Esc or F11 to return)</translation>
    </message>
    <message>
        <source>F11</source>
        <translation>F11</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>Quorvel</name>
    <message>
        <source>P0(k1&lt;=x&lt;=k2) </source>
        <translation>P0(k1&lt;=x&lt;=k2) </translation>
    </message>
    <message>
        <source>P0(k1&lt;x&lt;k2) </source>
        <translation>P0(k1&lt;x&lt;k2) </translation>
    </message>
    <message>
        <source>Konfidenzintervall </source>
        <translation>Confidence interval </translation>
    </message>
    <message>
        <source>Keine Binomialverteilung !</source>
        <translation>Not a binomial distribution!</translation>
    </message>
    <message>
        <source>n zu groß</source>
        <translation>n too large</translation>
    </message>
</context>
<context>
    <name>Quorvel_s</name>
    <message>
        <source>Aufruf: quorvel [Optionen] [aufgabe.quorvel]
        quorvel --grafik bild.png|bild.pdf [--skala 2] aufgabe.quorvel
</source>
        <translation>Usage: quorvel [options] [task.quorvel]
       quorvel --grafik picture.png|picture.pdf [--skala 2] task.quorvel
</translation>
    </message>
    <message>
        <source>
Diskrete Verteilungen und Hypothesentests erkunden: ein Fenster für den
Stochastikunterricht. Ohne Optionen öffnet sich das Fenster, mit einer
Aufgabendatei (.quorvel) die Aufgabe darin.

Optionen:
</source>
        <translation>
Explore discrete distributions and hypothesis tests: a window for teaching
probability and statistics. Without options the window opens; with a task
file (.quorvel), the task in it.

Options:
</translation>
    </message>
    <message>
        <source>
Dazu die Optionen, die jedes Qt-Programm versteht, etwa -platform und -style.
</source>
        <translation>
Also the options every Qt program understands, such as -platform and -style.
</translation>
    </message>
    <message>
        <source>diese Hilfe zeigen</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>die Versionsnummer zeigen</source>
        <translation>show the version number</translation>
    </message>
    <message>
        <source>die Grafik der Aufgabe ohne Fenster in &lt;datei&gt; schreiben (.png oder .pdf)</source>
        <translation>write the task&apos;s chart to &lt;file&gt; without a window (.png or .pdf)</translation>
    </message>
    <message>
        <source>mit --grafik: Auflösung des PNG, 1 bis 8 (Vorgabe 1)</source>
        <translation>with --grafik: resolution of the PNG, 1 to 8 (default 1)</translation>
    </message>
    <message>
        <source>die Sprache der Texte: de oder en (Vorgabe: die der Oberfläche)</source>
        <translation>the language of the texts: de or en (default: the desktop&apos;s)</translation>
    </message>
    <message>
        <source>unbekannte Option „%1“</source>
        <translation>unknown option ‘%1’</translation>
    </message>
    <message>
        <source>der Option „%1“ fehlt ihr Wert</source>
        <translation>option ‘%1’ is missing its value</translation>
    </message>
    <message>
        <source>unerwartetes Argument „%1“</source>
        <translation>unexpected argument ‘%1’</translation>
    </message>
    <message>
        <source>--skala: 1 bis 8 erwartet, nicht „%1“</source>
        <translation>--skala: 1 to 8 expected, not ‘%1’</translation>
    </message>
    <message>
        <source>--skala gilt nur mit --grafik</source>
        <translation>--skala applies only with --grafik</translation>
    </message>
    <message>
        <source>--sprache: de oder en erwartet, nicht „%1“</source>
        <translation>--sprache: de or en expected, not ‘%1’</translation>
    </message>
    <message>
        <source>--grafik braucht eine Aufgabendatei</source>
        <translation>--grafik needs a task file</translation>
    </message>
    <message>
        <source>„quorvel --help“ zeigt die Hilfe.
</source>
        <translation>‘quorvel --help’ shows the help.
</translation>
    </message>
</context>
</TS>
