#pragma once
// The family charts ("mehrere p0", "mehrere n") and the animations ("p0-Ani", "n-Ani") as a
// sequence of frames, each drawn completely from a copy of a start state: nothing here knows a
// window, keeps a drawn state or touches the user's inputs. A timer in ui/ shows the frames.

#include "analysis/Zustand.h"
#include "charts/Farben.h"
#include "charts/Geometrie.h"

#include <memory>

class QImage;
class QString;

enum class Erkundungsart { mehrere_p0, mehrere_n, p0_Animation, n_Animation };

// The window offers the p0 family only up to this n ("n zu groß" above it).
constexpr int n_mehrere_p0_hoechstens = 500;

class Erkundung {
public:
    // The start state of the run: the program's start values, recomputed with every box off
    // and every kind binomial, except the user's n (p0 family, p0 animation) or the user's p0
    // (n family; 0 is drawn as 0,2), and the Info box as the user has it. n is held to
    // 0..k_Maximum, p0 to 0..1.
    Erkundung(Erkundungsart Art, int n_Nutzer, Extended p0_Nutzer, bool Info);

    Erkundungsart Art() const { return art; }
    // 1 for a family; 181 (p0 = 0,05 .. 0,95) or 96 (n = 5 .. 100) for the animations.
    int Bildzahl() const;
    // The pause after frame i: 0 for a family; p0 animation 2000 after the first frame, 2
    // after every other; n animation 2000 after the first and the last, 25 after every other.
    int Wartezeit_ms(int i) const;
    // Frame i (0 .. Bildzahl() - 1) drawn completely into Bild at its size and device scale;
    // returns its geometry. Beschreibung: what a screen reader hears of it. A family is its
    // first member's plain histogram, the outlines of the others and the caption band; an
    // animation frame is the whole distribution chart on the run's fixed scale, its k range
    // narrowed around its own distribution where the axis is too short for it. In the colours F.
    Diagrammgeometrie Bild_zeichnen(int i, QImage& Bild, QString& Beschreibung,
                                    const Farbsatz& F = Standardfarben()) const;

private:
    // The state frame i is drawn from (a family: its first member), before any narrowing.
    void Bildzustand_setzen(int i, Zustand& z) const;

    Erkundungsart art;
    Schalter s;
    std::shared_ptr<const Zustand> Start;  // shared by copies: frames only read it
};
