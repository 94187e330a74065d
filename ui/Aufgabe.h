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
// This part reads and writes the text only (QtCore): the shape, the keys, the types. Whether
// the values pass the fields' rules the window finds out by typing them (ui/Dokument.cpp).

#include <QByteArray>
#include <QMap>
#include <QString>

#include <array>
#include <optional>

inline constexpr int Aufgabenversion = 1;
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
    bool operator==(const Aufgabe&) const = default;
};

struct Aufgabe_gelesen {
    std::optional<Aufgabe> Wert;
    QString Fehler;  // German, the first problem found; empty when read
};

// Never throws, reads at most Aufgabe_hoechstens bytes' worth.
Aufgabe_gelesen Aufgabe_lesen(const QByteArray& Text);
QByteArray Aufgabe_schreiben(const Aufgabe& a);
