<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Form1</name>
    <message>
        <source>Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eingaben, Aktionen und Wertetabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Ein- und Ausgaben   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Stichprobenumfang n  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichprobenumfang n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>höchstens 4000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>( n&lt;=4000 )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Stichprobenergebnis x  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichprobenergebnis x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zwischen 0 und n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(0&lt;=x&lt;=n )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  k-Achse einstellen  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>von k1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k-Achse von k1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bis k2=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>k-Achse bis k2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Verteilungen festlegen                 ( für Hypothesentests gelte   H0: p=p0 )  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung von p0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art der Verteilung zu p0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binomial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hypergeo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poisson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geometr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M0=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl der Merkmalsträger in der Grundgesamtheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N0=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umfang der Grundgesamtheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung von p1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art der Verteilung zu p1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung p1 einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung von p2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Art der Verteilung zu p2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p2= </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verteilung p2 einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M2=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N2=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> P0(k1&lt;=x&lt;=k2) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> P0(k1&lt;x&lt;k2) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hypothesentest - Verwerfungsbereich V für H0 festlegen  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha links in Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signifikanzniveau α links, höchstens so viel Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rechts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha rechts in Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Signifikanzniveau α rechts, höchstens so viel Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> = [ 0; ... ;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwerfungsbereich links bis k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V links = 0 bis zu diesem k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> = [</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verwerfungsbereich rechts ab k</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>V rechts = ab diesem k bis n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Grafische Darstellung  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diagrammart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm oder Säulendiagramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Säulendiagramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waagerechte Hilfslinien</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0 kumuliert zeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kennzahlen über der Grafik zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Konfidenzintervall berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfidenzintervall zu x / n berechnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfidenzintervall zu x / n:    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Konfidenzintervall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Visualisierungen  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>μ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erwartungswert zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µ: Erwartungswert der Verteilung p0 einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigma-Faktor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vielfaches von σ für die Umgebung von µ, höchstens 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mal σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mal Standardabweichung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⋅σ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sigma-Umgebung zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⋅σ: die Grenzen µ ± Faktor⋅σ einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umgebung in Prozent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wahrscheinlichkeit der Umgebung von µ unter der Normalverteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>% - Umgebung von </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umgebung von µ schraffieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalverteilung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>die Normalverteilungskurve einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alpha-Fehler bzw. Verwerfungsbereich zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>α-Fehler bzw. V: den Verwerfungsbereich schraffieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Fehler bzw  V</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annahmebereich A zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annahmebereich A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta-Fehler zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>β-Fehler: die Annahmewahrscheinlichkeit unter p1 einzeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichprobenergebnis x zeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Aktionen  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm neu zeichnen (Alt+H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogramm neu zeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+H</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pfeil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histo zeichnet die Verteilungen, OC die Operationscharakteristik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>⇳</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OC-Kurve zeichnen (Alt+O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OC-Kurve zeichnen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n-Animation (Alt+N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n-Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>n-Ani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0-Animation (Alt+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0-Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>p0-Ani</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehrere n (Alt+M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehrere n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+M</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehrere p0 (Alt+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehrere p0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auf Anfangswerte zurückstellen (Alt+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>auf Anfangswerte zurückstellen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik ins Clipboard (Alt+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik ins Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik exportieren …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik drucken …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik im Vollbild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichproben ziehen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wertetabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wahrscheinlichkeiten je k; nach der OC-Kurve die Tabelle von β(p1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe ö&amp;ffnen …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe &amp;speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufgabe speichern &amp;unter …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+Shift+S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik &amp;exportieren …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik als PNG oder PDF exportieren (Strg+E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik &amp;drucken …</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik drucken (Strg+P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichproben ziehen und in V zählen (Alt+Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt+Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik im &amp;Vollbild</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grafik im Vollbild (F11; Esc oder F11 zurück)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F11</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
