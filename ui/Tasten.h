#pragma once
// The keys of what has no key of its own. The small picture buttons take no Tab focus; the
// Datei button opens its menu at a press, which neither a key nor a screen reader's
// "show menu" gives by itself. F10 and Alt+D open it as a menu bar would; the menu then
// works with the arrows, Enter, Esc and the underlined letters.

#include <QKeySequence>
#include <QString>
#include <QToolButton>

class QWidget;

// A tool button whose menu opens at a press, and also at the screen reader's "show menu" or
// "press" (Qt's own button does neither in this mode).
class Menueknopf : public QToolButton {
    Q_OBJECT
public:
    explicit Menueknopf(QWidget* parent = nullptr);
    // The menu below the button, after the current event: a key's or a screen reader's call
    // returns first, then the menu runs its own loop.
    void Menue_oeffnen();
};

// F10 and Alt+D in Fenster open Datei's menu.
void Dateimenue_tasten(QWidget& Fenster, Menueknopf& Datei);
// "Text (Taste)" for a hint: the text without its & marks, the key in the words of the loaded
// translation ("Strg+E").
QString Mit_Taste(const QString& Text, const QKeySequence& Taste);
// A menu entry's text with its & mark: "&1 aufgabe.quorvel" for the first recent file.
QString Nummeriert(int Nummer, const QString& Text);
