#pragma once
// Shows an exploration (explorations/Erkundung.h) in the chart image: its first frame at once,
// each further frame when the pause after the previous one is over, paced by a single-shot
// QTimer in the main event loop. It draws frames and nothing else: no input, no state of the
// window is read or written. A screen reader hears a run once, when it is over: the frames of
// an animation come too fast to be read out one by one.

#include "charts/Geometrie.h"
#include "explorations/Erkundung.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class Bildfeld;

class Erkundungsanzeige : public QObject {
    Q_OBJECT
public:
    // Draws into Feld.Bild() at its size of the moment and repaints Feld.
    explicit Erkundungsanzeige(Bildfeld& Feld, QObject* parent = nullptr);

    // Ends a run still going (without beendet) and starts this one: frame 0 is drawn and shown
    // before this returns. A family is one frame without a pause: it has ended (beendet) by
    // then too.
    void starten(Erkundungsart Art, int n_Nutzer, Extended p0_Nutzer, bool Info);
    // Ends the run at once: no further frame, the frame shown stays, no beendet (but vorbei).
    void anhalten();
    bool laeuft() const { return Lauf.has_value(); }
    // Whether a run of Art is going on.
    bool laeuft(Erkundungsart Art) const { return Lauf && Lauf->Art() == Art; }
    // The geometry of the frame shown last (the clipboard copy's width).
    const Diagrammgeometrie& Geometrie() const { return g; }
    // The colours of the frames from now on (default: the standard colours). F must outlive
    // the display: Standardfarben() or Projektorfarben().
    void Farben_setzen(const Farbsatz& F) { Farben = &F; }

public slots:
    // What the timer calls when a pause is over: the next frame, or the end (beendet) after
    // the last frame's pause. Tests call it to step without waiting. Nothing while stopped.
    void naechstes_Bild();

signals:
    // A frame is in the image; Beschreibung is what a screen reader hears of it.
    void Bild_gezeigt(const QString& Beschreibung);
    // The run showed its last frame and its pause is over (a family: right after its frame).
    void beendet();
    // Once per run, when it has ended or was stopped: what a screen reader hears of the frame
    // it left in the image.
    void vorbei(const QString& Beschreibung);

private:
    void zeigen(int i);
    void beenden();
    void aufhoeren();

    Bildfeld& Feld;
    QTimer Zeitgeber{this};
    std::optional<Erkundung> Lauf;
    int Bildnummer = 0;
    int Laeufe = 0;  // runs started, so that a run started by a receiver of Bild_gezeigt stands
    Diagrammgeometrie g;
    QString Beschreibung;  // of the frame shown last
    const Farbsatz* Farben = &Standardfarben();
};
