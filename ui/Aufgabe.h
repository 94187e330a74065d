#pragma once
// A lesson file (.quorvel): what a teacher set up, to open again in class. UTF-8 JSON with its
// format name and version; every edit field's text as typed ("1/6" stays "1/6"), the check
// boxes, the kinds of the three distributions and of the chart, and the view shown. Nothing
// derived is stored: tables, moments and intervals come anew from typing the texts.
//
// The bounds V links / V rechts are stored as shown, with a mark whether the bound was typed
// after its level (then the level shown is the bound's and the bound is typed on opening);
// without the mark the level is typed and the bound follows from it.
//
// Reading checks the shape, the keys and the types, then every value by its field's rule; a
// task passes when a window can hold it, so every window saves to a file that opens again.
//
// Version 2 adds the samples drawn in class: their number, the row and the seed as the panel
// shows them, and whether their counts were shown. The counts themselves are drawn again from
// the seed on opening, so a file saved with them opens with the same counts. A file of
// version 1 opens with the samples' start values.

#include "analysis/Eingaben.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <array>
#include <optional>

inline constexpr int Aufgabenversion = 2;
// Longer files are refused unread: a task is a few hundred bytes.
inline constexpr qint64 Aufgabe_hoechstens = 1024 * 1024;

// A key of the file and the objectName of the control it belongs to.
struct Aufgabenschluessel {
    const char* Schluessel;
    const char* Steuerelement;
};
// The edit fields, in the order the file lists them.
extern const std::array<Aufgabenschluessel, 19> Aufgabenfelder;
// The check boxes.
extern const std::array<Aufgabenschluessel, 14> Aufgabenschalter;
// The distribution kinds in the order of the combo boxes' items.
extern const std::array<const char*, 4> Verteilungsarten;

struct Aufgabe {
    QMap<QString, QString> Felder;      // by key of Aufgabenfelder
    QMap<QString, bool> Schalter;       // by key of Aufgabenschalter
    std::array<int, 3> Verteilungen{};  // index into Verteilungsarten
    bool Saeulendiagramm = false;
    bool OC = false;  // the OC chart was shown, else the distribution chart
    bool V_links_getippt = false;
    bool V_rechts_getippt = false;
    QString Stichprobenzahl = QStringLiteral("1000");
    int Ziehen_aus = 0;  // 0 = H0, 1, 2
    QString Startwert;
    bool Stichproben_gezeigt = false;
    bool operator==(const Aufgabe&) const = default;
};

struct Aufgabe_gelesen {
    std::optional<Aufgabe> Wert;
    QString Fehler;  // German, the first problem found; empty when read
};

// Never throws, reads at most Aufgabe_hoechstens bytes' worth.
Aufgabe_gelesen Aufgabe_lesen(const QByteArray& Text);
QByteArray Aufgabe_schreiben(const Aufgabe& a);

// The inputs a task holds: every value by its field's rule, as far as it does not depend on
// other fields that a later change may move on (x above a later n, N below a later n, a
// bound beyond a later n, V rechts below V links all happen in the window and stay so).
// Refused or corrected values are the problem, "x: muss zwischen 0 und 4000 liegen („x“)".
struct Eingaben_gelesen {
    std::optional<Eingaben> Wert;
    QString Fehler;
};
Eingaben_gelesen Eingaben_aus(const Aufgabe& a);
// The task of a window with inputs e and their evaluation: a bound not typed after its level
// is written as shown.
Aufgabe Aufgabe_aus(const Eingaben& e, const Auswertung& a);
// Read from a file and checked; refused unread when larger than Aufgabe_hoechstens.
Eingaben_gelesen Eingaben_laden(const QString& Datei);
