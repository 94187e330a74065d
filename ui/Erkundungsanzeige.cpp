#include "ui/Erkundungsanzeige.h"

#include "ui/Bildfeld.h"

Erkundungsanzeige::Erkundungsanzeige(Bildfeld& feld, QObject* parent) : QObject(parent), Feld(feld) {
    Zeitgeber.setSingleShot(true);
    // A pause of 2 ms between frames must not become the coarse timer's 5 % or more.
    Zeitgeber.setTimerType(Qt::PreciseTimer);
    connect(&Zeitgeber, &QTimer::timeout, this, &Erkundungsanzeige::naechstes_Bild);
}

void Erkundungsanzeige::starten(Erkundungsart Art, int n_Nutzer, Extended p0_Nutzer, bool Info) {
    anhalten();
    ++Laeufe;
    Lauf.emplace(Art, n_Nutzer, p0_Nutzer, Info);
    zeigen(0);
}

void Erkundungsanzeige::anhalten() {
    if (!Lauf) return;
    aufhoeren();
    const QString b = Beschreibung;  // a receiver may start the next run
    emit vorbei(b);
}

void Erkundungsanzeige::aufhoeren() {
    Zeitgeber.stop();
    Lauf.reset();
}

void Erkundungsanzeige::naechstes_Bild() {
    if (!Lauf) return;
    Zeitgeber.stop();
    if (Bildnummer + 1 < Lauf->Bildzahl())
        zeigen(Bildnummer + 1);
    else
        beenden();
}

void Erkundungsanzeige::zeigen(int i) {
    Bildnummer = i;
    const int dieser_Lauf = Laeufe;
    g = Lauf->Bild_zeichnen(i, Feld.Bild(), Beschreibung, *Farben);
    Feld.update();
    emit Bild_gezeigt(Beschreibung);
    // A receiver of the signal may have stopped or restarted the run.
    if (!Lauf || Laeufe != dieser_Lauf) return;
    const int Pause = Lauf->Wartezeit_ms(i);
    if (Pause <= 0 && i + 1 >= Lauf->Bildzahl())
        beenden();
    else
        Zeitgeber.start(Pause);
}

void Erkundungsanzeige::beenden() {
    aufhoeren();
    const QString b = Beschreibung;
    emit vorbei(b);
    emit beendet();
}
