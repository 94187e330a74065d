#pragma once
// The window's ways out to the desktop: message box, alert sound, clipboard. Tests replace the
// whole object with a recorder, so nothing modal or audible happens while they run.

#include <QImage>
#include <QString>

#include <memory>

class Dienste {
public:
    virtual ~Dienste();
    // Modal box with the program title as caption and one OK button.
    virtual void Meldung(const QString& Text);
    virtual void Signalton();
    virtual void Bild_kopieren(const QImage& Bild);
    // Cells for a spreadsheet: the same table as tab-separated text and as an HTML table.
    virtual void Tabelle_kopieren(const QString& Text, const QString& Html);
};

Dienste& dienste();
// Takes ownership; a null pointer puts the desktop services back.
void Dienste_setzen(std::unique_ptr<Dienste> d);

// Caption of the window and of every message box.
extern const QString Programmtitel;
