#pragma once
// The window's document: the lesson file its inputs were opened from or saved to, its caption
// and changed-mark (the inputs compared with the file's), opening all or nothing, saving, the
// recent files and the question before unsaved changes are lost.

#include "analysis/Eingaben.h"

#include <QObject>
#include <QString>
#include <QStringList>

class QAction;
class QMenu;
class QToolButton;
class QWidget;
class Sitzung;

class Dokument : public QObject {
    Q_OBJECT
public:
    Dokument(QWidget& Fenster, Sitzung& s);

    // The open lesson file (absolute), empty for none.
    const QString& Datei() const { return Name; }
    // The inputs differ from the file's, or from the start's in an untitled window.
    bool geaendert() const;
    // The caption without Qt's changed-mark placeholder, for a page's title.
    QString Titel_ohne_Marke() const;
    // After the question about unsaved changes: the file's inputs, or one message naming the
    // file and its first problem with the window as it was.
    bool Oeffnen(const QString& Datei);
    void Oeffnen_waehlen();  // Ctrl+O
    bool Speichern();        // Ctrl+S
    bool Speichern_unter();  // Ctrl+Shift+S
    // Unsaved changes to the open file: asks; false when the user cancels or saving failed.
    // Schliessen asks for an untitled window's changes too.
    bool Aenderungen_sichern(bool Schliessen = false);
    // The Datei button's menu: the file actions, the recent files, the chart's export and print.
    void Menue_anlegen(QToolButton* Knopf, QAction* Oeffnen, QAction* Speichern, QAction* Speichern_unter,
                       const QList<QAction*>& Grafik);
    // The window's state for a window of another process (a new zoom): the inputs, the file's
    // inputs they are compared with, and the file's name, into the folder Ordner; and back.
    // Both sets go through the lesson file's writer, so equal inputs stay equal.
    bool Zustand_schreiben(const QString& Ordner) const;
    bool Zustand_lesen(const QString& Ordner);

    // The last lesson files opened or saved, newest first, at most eight (QSettings).
    static QStringList Zuletzt_geoeffnet();
    // The installed example tasks' folder, empty when there is none.
    static QString Beispielordner();

private:
    void Titel_setzen();
    bool Schreiben_nach(const QString& Name);
    static void Zuletzt_eintragen(const QString& Name);
    void Zuletzt_zeigen(QMenu* Menue);

    QWidget& Fenster;
    Sitzung& s;
    QString Name;
    Eingaben Gespeichert;
    QString Letzter_Ordner;
};

// The chart of the file Datei into Bilddatei (.pdf: the worksheet page; else PNG at Skala),
// without a window; the problem in German, empty on success.
QString Grafik_aus_Aufgabe(const QString& Datei, const QString& Bilddatei, int Skala);
// The chart's size in a window at its opening size, which --grafik draws at.
inline constexpr int Grafikbreite_Datei = Bildbreite_Vorgabe;
inline constexpr int Grafikhoehe_Datei = 373;
