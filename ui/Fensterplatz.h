#pragma once
// Where the window may stand and how large it may be drawn: the outer rectangle fitted into a
// screen's available area, the key of a screen setup under which size, place and zoom are
// remembered, and the zoom steps with their cap. Pure functions, and the settings they use.

#include <QList>
#include <QRect>
#include <QString>

#include <array>

// The outer size the window opens at wherever it fits, frame included.
inline constexpr QSize Fenster_Vorgabe{1031, 750};
// The smallest available area the window is fitted into; on a smaller one it keeps its size
// with its title bar on the screen.
inline constexpr QSize Kleinste_Flaeche{1024, 600};
// The logical screen the window is known to fit on without scrolling; a zoom leaves at least
// this much.
inline constexpr QSize Fenster_Mindestflaeche{1024, 720};

// The zoom steps in percent; 100 is the window's own size.
inline constexpr std::array<int, 5> Zoomstufen{100, 125, 150, 175, 200};

// Rahmen (outer rectangle, frame included) moved and if need be shrunk into the available area
// that holds most of it; one on no screen at all goes centred onto the first. Never off-screen
// (on an area below Kleinste_Flaeche: its top left corner on it).
QRect Rahmen_einpassen(const QRect& Rahmen, const QList<QRect>& Verfuegbar);
// The described size, centred on Verfuegbar and no larger than it.
QRect Rahmen_vorgegeben(const QRect& Verfuegbar);

// The largest step whose logical screen (Verfuegbar in device pixels divided by the zoom)
// still holds Fenster_Mindestflaeche; 100 on any smaller screen.
int Zoom_hoechstens(const QSize& Verfuegbar);
// The step Richtung (+1 larger, -1 smaller, 0 normal) from Jetzt, within 100..Hoechstens;
// a Jetzt between steps goes to the next step in that direction.
int Zoom_schritt(int Jetzt, int Richtung, int Hoechstens);

// The screen setup: every screen's geometry in device pixels, in Qt's order.
QString Bildschirmschluessel(const QList<QRect>& Bildschirme);

// Remembered per screen setup (QSettings): the zoom, and the outer rectangle per zoom.
int Zoom_gemerkt(const QString& Schluessel);
void Zoom_merken(const QString& Schluessel, int Prozent);
QRect Rahmen_gemerkt(const QString& Schluessel, int Prozent);
void Rahmen_merken(const QString& Schluessel, int Prozent, const QRect& Rahmen);
