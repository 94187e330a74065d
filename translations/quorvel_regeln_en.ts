<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Eingaberegeln</name>
    <message>
        <source>%1 – %2 eingesetzt</source>
        <translation>%1 – set to %2</translation>
    </message>
    <message>
        <source>%1 muss zwischen %2 und %3 liegen</source>
        <translation>%1 must be between %2 and %3</translation>
    </message>
    <message>
        <source>100 %</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>n darf bei hypergeometrischer Verteilung höchstens N%1 = %2 sein</source>
        <translation>n must be at most N%1 = %2 for the hypergeometric distribution</translation>
    </message>
    <message>
        <source>n zu groß für Hypergeo</source>
        <translation>n too large for the hypergeometric distribution</translation>
    </message>
    <message>
        <source>p%1 muss zwischen 0 und 1 liegen, etwa %2 oder 1/6</source>
        <translation>p%1 must be between 0 and 1, e.g. %2 or 1/6</translation>
    </message>
    <message>
        <source>M%1 muss zwischen 0 und %2 liegen, kleiner als N%1 = %3</source>
        <translation>M%1 must be between 0 and %2, less than N%1 = %3</translation>
    </message>
    <message>
        <source>M%1 muss kleiner als N%1 sein !</source>
        <translation>M%1 must be less than N%1!</translation>
    </message>
    <message>
        <source>N%1 muss größer als M%1 = %2 und mindestens n = %3 sein</source>
        <translation>N%1 must be greater than M%1 = %2 and at least n = %3</translation>
    </message>
    <message>
        <source>N%1 muss größer als M%1 sein !</source>
        <translation>N%1 must be greater than M%1!</translation>
    </message>
    <message>
        <source>N%1 muss größer gleich n sein !</source>
        <translation>N%1 must be at least n!</translation>
    </message>
    <message>
        <source>Der Faktor vor σ</source>
        <translation>The multiple of σ</translation>
    </message>
    <message>
        <source>Die Umgebung</source>
        <translation>The interval&apos;s probability</translation>
    </message>
    <message>
        <source>Die Anzahl</source>
        <translation>The number of samples</translation>
    </message>
    <message>
        <source>Der Startwert</source>
        <translation>The seed</translation>
    </message>
</context>
<context>
    <name>Serienwerte</name>
    <message>
        <source>p0=%1 bis p0=%2     n=%3</source>
        <translation>p0=%1 to p0=%2     n=%3</translation>
    </message>
</context>
<context>
    <name>Stichproben</name>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 von %2 in V, %3 in A</source>
        <translation>%1 of %2 in V, %3 in A</translation>
    </message>
    <message>
        <source>relative Häufigkeit in V: %1</source>
        <translation>relative frequency in V: %1</translation>
    </message>
    <message>
        <source>95-%-Intervall: [%1; %2]</source>
        <translation>95% interval: [%1; %2]</translation>
    </message>
    <message>
        <source>exakt: α-Fehler = %1</source>
        <translation>exact: P(Type I error) = %1</translation>
    </message>
    <message>
        <source>exakt: 1 − β(p%1) = %2</source>
        <translation>exact: power 1 − β(p%1) = %2</translation>
    </message>
    <message>
        <source>%1 Werte größer als n</source>
        <translation>%1 values greater than n</translation>
    </message>
</context>
<context>
    <name>Testentscheidung</name>
    <message>
        <source>x=%1 liegt nicht in {0; ... ;%2}: keine Entscheidung</source>
        <translation>x=%1 is not in {0; ... ;%2}: no decision</translation>
    </message>
    <message>
        <source>x=%1 ∉ V: H0 wird nicht verworfen (kein Verwerfungsbereich)</source>
        <translation>x=%1 ∉ V: H0 is not rejected (no critical region)</translation>
    </message>
    <message>
        <source>%1 und %2</source>
        <translation>%1 and %2</translation>
    </message>
    <message>
        <source>x=%1 ∈ V: H0 wird verworfen, da %2</source>
        <translation>x=%1 ∈ V: H0 is rejected, since %2</translation>
    </message>
    <message>
        <source>x=%1 ∉ V: H0 wird nicht verworfen, da %2</source>
        <translation>x=%1 ∉ V: H0 is not rejected, since %2</translation>
    </message>
</context>
</TS>
