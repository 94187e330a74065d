#pragma once
// The window on the screen it opens on: the outer rectangle it opens at (the remembered one of
// this screen setup and zoom, else the described size, fitted into the screen either way), its
// place remembered at closing, and the zoom (Ctrl+Plus, Ctrl+Minus, Ctrl+0, and the entries of
// the submenu "Ansicht").
//
// The zoom is Qt's own scale factor, so fonts and chart are drawn at device scale; Qt reads it
// only when the application starts. A new zoom therefore starts the program anew in the same
// process (exec) with the window's state handed over in a temporary folder: the inputs, the
// file's name and its unsaved-changes mark survive.

#include <QObject>
#include <QRect>
#include <QStringList>

class Dokument;
class QAction;
class QMenu;
class QWidget;

class Bildschirmgroesse : public QObject {
public:
    Bildschirmgroesse(QWidget& Fenster, Dokument& d, QMenu* Menue);

    // The outer rectangle, frame included, for the window to open at.
    QRect Oeffnungsrahmen() const;
    // At closing: the outer rectangle of a window neither maximised nor full screen.
    void Platz_merken() const;
    // The zoom this process draws at, in percent.
    static int Zoom();
    // Right after QApplication, before any window: a remembered zoom of this screen setup
    // other than 100 starts the program anew at it with Argumente, the command line as given
    // (no return).
    static void Zoom_beim_Start(const QStringList& Argumente);
    // The state the previous process handed over, into the new window's document.
    static void Zustand_uebernehmen(Dokument& d);

    QAction* Groesser = nullptr;
    QAction* Kleiner = nullptr;
    QAction* Normal = nullptr;
    // The submenu "Ansicht" of the Datei menu, for further settings of the view.
    QMenu* Ansichtsmenue = nullptr;

private:
    void Zoom_waehlen(int Richtung);

    QWidget& Fenster;
    Dokument& dokument;
};
