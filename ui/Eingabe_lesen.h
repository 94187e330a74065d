#pragma once
// The key filters of the edit fields: they keep typed text to what Ganzzahl_lesen and
// Dezimal_lesen (analysis/Zahlen_lesen.h) can read.

#include <QObject>
#include <QString>

#include <optional>

class QEvent;

enum class Feldart { Ganzzahl, Dezimal };

// The rule for one typed printable character: the character to insert, or none to drop it.
// In decimal fields a comma or a point becomes the decimal sign of the language.
std::optional<QChar> Zeichen_filtern(QChar Zeichen, Feldart Art);

// Event filter for the edit fields (install it on each QLineEdit).
// - Enter/Return: moves the focus on exactly like Tab and is dropped.
// - Key presses that would insert text pass only as far as Zeichen_filtern allows.
// - Everything that inserts nothing passes: Backspace, Delete, cursor and Home/End keys,
//   Tab, Escape, and the Ctrl shortcuts (copy, cut, paste, select all, undo, redo). Pasted
//   text therefore bypasses the filter; the exit handler judges it by the parse alone.
// - Text committed by an input method is filtered like typed text.
class Tastenfilter : public QObject {
    Q_OBJECT
public:
    Tastenfilter(Feldart Art, QObject* Eltern);
    bool eventFilter(QObject* Objekt, QEvent* Ereignis) override;

private:
    Feldart Art_;
};

class Ganzzahl_Tastenfilter : public Tastenfilter {
    Q_OBJECT
public:
    explicit Ganzzahl_Tastenfilter(QObject* Eltern = nullptr) : Tastenfilter(Feldart::Ganzzahl, Eltern) {}
};

class Dezimal_Tastenfilter : public Tastenfilter {
    Q_OBJECT
public:
    explicit Dezimal_Tastenfilter(QObject* Eltern = nullptr) : Tastenfilter(Feldart::Dezimal, Eltern) {}
};
