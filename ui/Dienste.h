#pragma once
// The window's ways out to the desktop: message box, alert sound, clipboard. Tests replace the
// whole object with a recorder, so nothing modal or audible happens while they run.

#include <QImage>
#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

#include <memory>

// What the save dialog offers: the file (folder and suggested name), the formats in the order
// listed ("PNG 1×", "PNG 2×", "PNG 4×", "PDF") and the one selected.
struct Speicherangebot {
    QString Datei;
    QStringList Formate;
    QString Format;
};

class Dienste {
public:
    virtual ~Dienste();
    // Modal box with the program title as caption and one OK button.
    virtual void Meldung(const QString& Text);
    virtual void Signalton();
    virtual void Bild_kopieren(const QImage& Bild);
    // Cells for a spreadsheet: the same table as tab-separated text and as an HTML table.
    virtual void Tabelle_kopieren(const QString& Text, const QString& Html);
    // The file to save the chart in, and the chosen format, one of Angebot.Formate; an empty
    // name when the user cancels.
    virtual QString Speicherort_waehlen(QWidget* Eltern, const Speicherangebot& Angebot, QString& Format);
    // Qt's print dialog on Drucker; false when the user cancels.
    virtual bool Drucker_waehlen(QWidget* Eltern, QPrinter& Drucker);
    // A lesson file to open, starting in Ordner, with the example tasks' folder beside it
    // (when it exists); an empty name when the user cancels.
    virtual QString Aufgabe_zum_Oeffnen(QWidget* Eltern, const QString& Ordner, const QString& Beispiele);
    // Where to save a lesson file, starting with Vorschlag; empty when the user cancels.
    virtual QString Aufgabe_zum_Speichern(QWidget* Eltern, const QString& Vorschlag);
    // The question before unsaved changes are lost: Speichern, Verwerfen or Abbrechen.
    enum class Antwort { Speichern, Verwerfen, Abbrechen };
    virtual Antwort Aenderungen_fragen(QWidget* Eltern, const QString& Frage);
};

Dienste& dienste();
// Takes ownership; a null pointer puts the desktop services back.
void Dienste_setzen(std::unique_ptr<Dienste> d);
// Puts d in place and hands back the services that were there (for a moment of quiet).
std::unique_ptr<Dienste> Dienste_tauschen(std::unique_ptr<Dienste> d);

// Caption of the window and of every message box, in the language chosen at start: read where
// it is shown, since the language is chosen after static initialisation.
struct Titeltext {
    operator QString() const;
};
extern const Titeltext Programmtitel;
