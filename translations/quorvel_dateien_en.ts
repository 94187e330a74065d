<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Stichprobenformular</name>
    <message>
        <source>Stichproben ziehen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl &amp;m:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 bis 1 000 000 Stichproben; bis 100 einzeln gezogen, mehr auf einmal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl der Stichproben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ziehen &amp;aus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H0 zeigt den α-Fehler, p1 oder p2 die Macht 1 − β</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichproben ziehen aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Startwert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>derselbe Startwert zieht dieselben Stichproben, auf jedem Rechner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startwert des Zufallsgenerators</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichproben ziehen starten oder anhalten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Noch keine Stichproben gezogen.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
