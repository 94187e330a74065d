#pragma once
// Why an entry was refused or corrected, in words beside its field: a small balloon under the
// field that the eye sees and a screen reader hears as an alert. It never takes the focus nor
// a click, and goes on the next valid entry or after a while left alone.

#include <QLabel>
#include <QTimer>

class Eingabehinweis : public QLabel {
    Q_OBJECT
public:
    // A child of the window Fenster, hidden.
    explicit Eingabehinweis(QWidget* Fenster);
    // Text under Feld (above it where the window ends); the clock starts again. Ansagen: a
    // screen reader hears it now; else at Ansagen().
    void Zeigen(QWidget* Feld, const QString& Text, bool ansagen = true);
    void Ansagen();
    void Verbergen();
    // Long enough to read a line twice.
    static constexpr int Dauer_ms = 12000;

private:
    QTimer Uhr;
};
