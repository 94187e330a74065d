#pragma once
// The window's inputs and what they give, without a widget: every change goes through here,
// is judged by the field rules of analysis/, evaluated once and announced by one signal. The
// window only shows the inputs and the evaluation (ui/Quorvel.h).

#include "analysis/Eingaben.h"

#include <QObject>

#include <string>

class Sitzung : public QObject {
    Q_OBJECT
public:
    explicit Sitzung(QObject* Eltern = nullptr);

    const Eingaben& Stand() const { return e; }
    const Auswertung& Ergebnis() const { return a; }

    // The user's entry into field f (see Eingeben in analysis/Eingaben.h).
    Eingabeurteil Eingeben(Feld f, const std::string& Text);
    void Kasten_setzen(Kasten k, bool an);
    Eingabeurteil Art_waehlen(int Zeile, int Art);
    void Saeulendiagramm_waehlen(bool Saeulen);
    // The OC chart, or back to the distribution chart: the view is an input of its own.
    void OC_zeigen(bool OC);
    // "Std": the start values; the Info box stays as it is.
    void Zuruecksetzen();
    // A lesson file's inputs, checked beforehand.
    void Setzen(const Eingaben& neu);

    // The panel of samples (ui/Stichprobenfeld.h): its entries, and the counts of a finished
    // draw shown or not, always over the distribution chart. Any other change of the inputs
    // ends the counts shown.
    Eingabeurteil Stichprobenzahl_eingeben(const std::string& Text);
    Eingabeurteil Startwert_eingeben(const std::string& Text);
    void Ziehen_aus_waehlen(int Zeile);
    void Stichproben_zeigen(bool gezeigt);

signals:
    // Inputs or evaluation changed: the window shows them anew, once.
    void geaendert();

private:
    // Takes neu and evaluates it, when it differs from the inputs there are; the counts shown
    // go unless they are what changes (or neu brings its own).
    void Uebernehmen(Eingaben neu, bool Stichproben_bleiben = false);

    Eingaben e;
    Auswertung a;
};
