#pragma once
// The panel of samples drawn in class (the form ui/Stichproben.ui), a window of its own beside
// the main window. The number of samples, the row drawn from and the seed are inputs of the
// session, judged like every field when left; the button starts and stops; a label gives the
// figures in words. Up to Animiert_hoechstens samples are drawn one by one on a QTimer in the
// main event loop, each lighting up its k on the chart; more are drawn at once and shown as
// the inputs' own (Sitzung::Stichproben_zeigen). A run stops at its button, at Esc, at a click
// on the chart or at any change of the inputs; a stopped run's counts stay shown until the
// inputs change. The panel is a tool window of the main window, whose keys (Esc among them)
// go on working while the panel is active.

#include "analysis/Stichproben.h"
#include "probability/Ziehung.h"

#include "ui_Stichproben.h"

#include <QTimer>
#include <QWidget>

#include <optional>
#include <random>

class Eingabehinweis;
class QLineEdit;
class Sitzung;

class Stichprobenfeld : public QWidget, public Ui::Stichprobenformular {
    Q_OBJECT
public:
    // More samples than these are drawn at once; one each Takt_ms, slow enough to be followed
    // and talked about in class.
    static constexpr int Animiert_hoechstens = 100;
    static constexpr int Takt_ms = 400;

    Stichprobenfeld(Sitzung& s, QWidget* Fenster);

    // In front; a fresh seed is offered each time it opens, unless counts are shown (their seed
    // stays, as it is what drew them).
    void Oeffnen();
    // The button: starts a run after taking what the fields hold, or stops the run going.
    void Starten_oder_anhalten();
    // Ends the run going; its counts stay until the inputs change.
    void anhalten();
    bool laeuft() const { return Zeitgeber.isActive(); }
    // The counts of a run of this panel, going or stopped; nullptr for none (the chart then
    // shows the inputs' own, if any).
    const Stichprobenstand* Lauf() const { return Ziehen ? &Ziehen->Stand : nullptr; }

public slots:
    // What the timer calls: one sample more, or the end after the last one was shown. Tests
    // call it to step without waiting. Nothing while no run goes on.
    void naechste_Stichprobe();

signals:
    // The counts of a run changed: the chart is drawn anew.
    void Lauf_geaendert();

protected:
    // Esc in the panel stops a run, as it does in the main window.
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void Anzeigen();
    // The field's entry, if the user edited it: false when its rule refused it.
    bool Feld_verlassen(QLineEdit* Feld);
    void Starten();
    void Startwert_anbieten();

    struct Ziehlauf {
        Ziehung d;
        Ablehnungsgrenzen g;
        std::mt19937_64 Generator;
        Stichprobenstand Stand;
    };

    Sitzung& sitzung;
    QTimer Zeitgeber{this};
    std::optional<Ziehlauf> Ziehen;
    bool Platziert = false;
    // Why an entry was refused, beside its field.
    Eingabehinweis* Hinweis = nullptr;
};
