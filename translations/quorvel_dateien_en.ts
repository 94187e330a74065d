<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="de_DE">
<context>
    <name>Aufgabe</name>
    <message>
        <source>ein Objekt ist nicht mit „}“ geschlossen</source>
        <translation>an object is not closed with “}”</translation>
    </message>
    <message>
        <source>nach einem Schlüssel fehlt „:“</source>
        <translation>“:” is missing after a key</translation>
    </message>
    <message>
        <source>eine Liste ist nicht mit „]“ geschlossen</source>
        <translation>a list is not closed with “]”</translation>
    </message>
    <message>
        <source>zwischen zwei Werten fehlt „,“</source>
        <translation>“,” is missing between two values</translation>
    </message>
    <message>
        <source>ungültiger Wert</source>
        <translation>invalid value</translation>
    </message>
    <message>
        <source>die Datei endet mitten in einer Zahl</source>
        <translation>the file ends in the middle of a number</translation>
    </message>
    <message>
        <source>ungültige Zahl</source>
        <translation>invalid number</translation>
    </message>
    <message>
        <source>ungültige Escape-Folge</source>
        <translation>invalid escape sequence</translation>
    </message>
    <message>
        <source>kein gültiges UTF-8</source>
        <translation>not valid UTF-8</translation>
    </message>
    <message>
        <source>ein Text ist nicht mit „&quot;“ geschlossen</source>
        <translation>a text is not closed with “&quot;”</translation>
    </message>
    <message>
        <source>ein Objekt „{ … }“ erwartet</source>
        <translation>an object “{ … }” expected</translation>
    </message>
    <message>
        <source>zu tief verschachtelt</source>
        <translation>nested too deeply</translation>
    </message>
    <message>
        <source>zu groß</source>
        <translation>too large</translation>
    </message>
    <message>
        <source>Zeichen nach dem Ende der Daten</source>
        <translation>characters after the end of the data</translation>
    </message>
    <message>
        <source>ungültige Daten</source>
        <translation>invalid data</translation>
    </message>
    <message>
        <source>Zeile %1, Spalte %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>%1„%2“ fehlt</source>
        <translation>%1“%2” is missing</translation>
    </message>
    <message>
        <source>%1unbekannter Schlüssel „%2“</source>
        <translation>%1unknown key “%2”</translation>
    </message>
    <message>
        <source>%1: muss ein Text in Anführungszeichen sein</source>
        <translation>%1: must be a text in quotation marks</translation>
    </message>
    <message>
        <source>%1: zu lang</source>
        <translation>%1: too long</translation>
    </message>
    <message>
        <source>%1: enthält ein Steuerzeichen</source>
        <translation>%1: contains a control character</translation>
    </message>
    <message>
        <source>%1: muss true oder false sein</source>
        <translation>%1: must be true or false</translation>
    </message>
    <message>
        <source>%1: muss einer dieser Texte sein: %2</source>
        <translation>%1: must be one of these texts: %2</translation>
    </message>
    <message>
        <source>die Datei ist größer als 1 MB</source>
        <translation>the file is larger than 1 MB</translation>
    </message>
    <message>
        <source>keine Quorvel-Aufgabe (%1: ein Nullbyte)</source>
        <translation>not a Quorvel task (%1: a null byte)</translation>
    </message>
    <message>
        <source>keine Quorvel-Aufgabe (%1: %2)</source>
        <translation>not a Quorvel task (%1: %2)</translation>
    </message>
    <message>
        <source>keine Quorvel-Aufgabe (ein Objekt „{ … }“ erwartet)</source>
        <translation>not a Quorvel task (an object “{ … }” expected)</translation>
    </message>
    <message>
        <source>keine Quorvel-Aufgabe (Format ist nicht „%1“)</source>
        <translation>not a Quorvel task (Format is not “%1”)</translation>
    </message>
    <message>
        <source>Version: muss eine ganze Zahl ab 1 sein</source>
        <translation>Version: must be a whole number from 1</translation>
    </message>
    <message>
        <source>Version %1: die Datei stammt aus einer neueren Quorvel-Version (diese liest Version %2)</source>
        <translation>Version %1: the file comes from a newer version of Quorvel (this one reads version %2)</translation>
    </message>
    <message>
        <source>Stichproben: muss ein Objekt „{ … }“ sein</source>
        <translation>Stichproben: must be an object “{ … }”</translation>
    </message>
    <message>
        <source>Felder: muss ein Objekt „{ … }“ sein</source>
        <translation>Felder: must be an object “{ … }”</translation>
    </message>
    <message>
        <source>Schalter: muss ein Objekt „{ … }“ sein</source>
        <translation>Schalter: must be an object “{ … }”</translation>
    </message>
    <message>
        <source>Verteilungen: muss eine Liste von drei Texten sein</source>
        <translation>Verteilungen: must be a list of three texts</translation>
    </message>
    <message>
        <source>%1: %2 („%3“)</source>
        <translation>%1: %2 (“%3”)</translation>
    </message>
    <message>
        <source>%1: lässt sich mit den übrigen Schaltern nicht so setzen</source>
        <translation>%1: cannot be set like this together with the other switches</translation>
    </message>
    <message>
        <source>muss zwischen 1 und %1 liegen</source>
        <translation>must be between 1 and %1</translation>
    </message>
    <message>
        <source>muss zwischen 0 und %1 liegen</source>
        <translation>must be between 0 and %1</translation>
    </message>
    <message>
        <source>muss zwischen 0 und n liegen</source>
        <translation>must be between 0 and n</translation>
    </message>
    <message>
        <source>muss zwischen k1 und n liegen</source>
        <translation>must be between k1 and n</translation>
    </message>
    <message>
        <source>muss zwischen 0 und 1 liegen</source>
        <translation>must be between 0 and 1</translation>
    </message>
    <message>
        <source>muss eine ganze Zahl ab 0 sein</source>
        <translation>must be a whole number from 0</translation>
    </message>
    <message>
        <source>muss eine ganze Zahl größer als M sein</source>
        <translation>must be a whole number greater than M</translation>
    </message>
    <message>
        <source>muss zwischen 0 und 100 liegen</source>
        <translation>must be between 0 and 100</translation>
    </message>
    <message>
        <source>muss zwischen -1 und %1 liegen</source>
        <translation>must be between -1 and %1</translation>
    </message>
    <message>
        <source>muss zwischen 0 und 7 liegen</source>
        <translation>must be between 0 and 7</translation>
    </message>
    <message>
        <source>Anzahl muss zwischen 1 und %1 liegen („%2“)</source>
        <translation>Anzahl must be between 1 and %1 (“%2”)</translation>
    </message>
    <message>
        <source>Startwert muss eine ganze Zahl ab 0 sein („%1“)</source>
        <translation>Startwert must be a whole number from 0 (“%1”)</translation>
    </message>
    <message>
        <source>aus p%1 wird nur gezogen, während p%1 gezeichnet wird</source>
        <translation>samples are drawn from p%1 only while p%1 is drawn</translation>
    </message>
    <message>
        <source>gezeigt nur mit Startwert und mit der Ansicht „Verteilung“</source>
        <translation>gezeigt only with a Startwert and with the view “Verteilung”</translation>
    </message>
    <message>
        <source>die Datei gibt es nicht</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>die Datei lässt sich nicht lesen</source>
        <translation>the file cannot be read</translation>
    </message>
</context>
<context>
    <name>Diagrammzeiger</name>
    <message>
        <source>Tasten nach einem Klick in die Grafik oder Strg+G:
←/→ x, Umschalt+←/→ V links, Strg+←/→ V rechts</source>
        <translation>Keys after a click in the chart or Ctrl+G:
←/→ x, Shift+←/→ V left, Ctrl+←/→ V right</translation>
    </message>
</context>
<context>
    <name>Dienste</name>
    <message>
        <source>Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s</source>
        <translation>Discrete distributions - Hypothesis test - Operating characteristic - Confidence interval - V2.07s</translation>
    </message>
    <message>
        <source>Grafik speichern</source>
        <translation>Save chart</translation>
    </message>
    <message>
        <source>Aufgabe öffnen</source>
        <translation>Open task</translation>
    </message>
    <message>
        <source>Quorvel-Aufgaben (*.quorvel);;Alle Dateien (*)</source>
        <translation>Quorvel tasks (*.quorvel);;All files (*)</translation>
    </message>
    <message>
        <source>Aufgabe speichern</source>
        <translation>Save task</translation>
    </message>
    <message>
        <source>Quorvel-Aufgaben (*.quorvel)</source>
        <translation>Quorvel tasks (*.quorvel)</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Dokument</name>
    <message>
        <source>„%1“ lässt sich nicht öffnen: %2</source>
        <translation>“%1” cannot be opened: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht gespeichert werden: %2</source>
        <translation>“%1” could not be saved: %2</translation>
    </message>
    <message>
        <source>aufgabe.quorvel</source>
        <comment>suggested name of a new task file</comment>
        <translation>task.quorvel</translation>
    </message>
    <message>
        <source>Änderungen speichern?</source>
        <translation>Save changes?</translation>
    </message>
    <message>
        <source>Änderungen an „%1“ speichern?</source>
        <translation>Save changes to “%1”?</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Datei: Aufgabe öffnen, speichern; Grafik exportieren, drucken (F10, Alt+D)</source>
        <translation>File: open, save a task; export, print the chart (F10, Alt+D)</translation>
    </message>
    <message>
        <source>„%1“: %2</source>
        <translation>“%1”: %2</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht geschrieben werden</source>
        <translation>“%1” could not be written</translation>
    </message>
</context>
<context>
    <name>Grafikausgabe</name>
    <message>
        <source>binomial</source>
        <translation>binomial</translation>
    </message>
    <message>
        <source>hypergeometrisch</source>
        <translation>hypergeometric</translation>
    </message>
    <message>
        <source>poisson</source>
        <translation>poisson</translation>
    </message>
    <message>
        <source>geometrisch</source>
        <translation>geometric</translation>
    </message>
    <message>
        <source>grafik</source>
        <translation>chart</translation>
    </message>
    <message>
        <source>Die Grafik konnte nicht gespeichert werden.</source>
        <translation>The chart could not be saved.</translation>
    </message>
    <message>
        <source>Die Grafik konnte nicht gedruckt werden.</source>
        <translation>The chart could not be printed.</translation>
    </message>
</context>
<context>
    <name>Stichprobenfeld</name>
    <message>
        <source>Anhalten</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Starten</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Noch keine Stichproben gezogen.</source>
        <translation>No samples drawn yet.</translation>
    </message>
    <message>
        <source>Stichproben: </source>
        <translation>Samples: </translation>
    </message>
</context>
<context>
    <name>Stichprobenformular</name>
    <message>
        <source>Stichproben ziehen</source>
        <translation>Draw samples</translation>
    </message>
    <message>
        <source>Anzahl &amp;m:</source>
        <translation>Number &amp;m:</translation>
    </message>
    <message>
        <source>1 bis 1 000 000 Stichproben; bis 100 einzeln gezogen, mehr auf einmal</source>
        <translation>1 to 1,000,000 samples; up to 100 drawn one by one, more all at once</translation>
    </message>
    <message>
        <source>Anzahl der Stichproben</source>
        <translation>Number of samples</translation>
    </message>
    <message>
        <source>ziehen &amp;aus:</source>
        <translation>draw &amp;from:</translation>
    </message>
    <message>
        <source>H0 zeigt den α-Fehler, p1 oder p2 die Macht 1 − β</source>
        <translation>H0 shows the Type I error, p1 or p2 the power 1 − β</translation>
    </message>
    <message>
        <source>Stichproben ziehen aus</source>
        <translation>Draw samples from</translation>
    </message>
    <message>
        <source>&amp;Startwert:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>derselbe Startwert zieht dieselben Stichproben, auf jedem Rechner</source>
        <translation>the same seed draws the same samples, on every computer</translation>
    </message>
    <message>
        <source>Startwert des Zufallsgenerators</source>
        <translation>Seed of the random number generator</translation>
    </message>
    <message>
        <source>Stichproben ziehen starten oder anhalten</source>
        <translation>Start or stop drawing samples</translation>
    </message>
    <message>
        <source>Starten</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Noch keine Stichproben gezogen.</source>
        <translation>No samples drawn yet.</translation>
    </message>
</context>
<context>
    <name>TStringGrid</name>
    <message>
        <source>&amp;Alles markieren</source>
        <translation>Select &amp;all</translation>
    </message>
    <message>
        <source>&amp;Kopieren</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Tabelle kopieren</source>
        <translation>Copy &amp;table</translation>
    </message>
</context>
<context>
    <name>Vollbild</name>
    <message>
        <source>Grafik</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Grafik im Vollbild</source>
        <translation>Chart in full screen</translation>
    </message>
</context>
<context>
    <name>Wertetabellenmodell</name>
    <message>
        <source>Anzahl</source>
        <translation>Count</translation>
    </message>
</context>
</TS>
