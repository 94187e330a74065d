#include "explorations/Animation.h"

#include "analysis/Zahlentexte.h"
#include "explorations/Serien.h"
#include "explorations/Uhr.h"
#include "explorations/Erkundungsfenster.h"
#include "explorations/Serie.h"
#include "explorations/Serie.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

// Notices that the window was closed while an animation waits. The window never refuses a
// close, so a close event means it is going away (and with it, as the last window, the
// program); a later show starts afresh. A child of the window, so it dies with it.
class Fensterwache : public QObject {
public:
    explicit Fensterwache(QWidget& Fenster) : QObject(&Fenster) { Fenster.installEventFilter(this); }

    static Fensterwache& von(QWidget& Fenster) {
        for (QObject* c : Fenster.children())
            if (auto* w = dynamic_cast<Fensterwache*>(c)) return *w;
        return *new Fensterwache(Fenster);
    }

    bool geschlossen = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == parent()) {
            if (e->type() == QEvent::Close) geschlossen = true;
            if (e->type() == QEvent::Show) geschlossen = false;
        }
        return false;
    }
};

// Re-entrancy, decided: any handler may run inside a wait, on the same state; a second
// animation started there runs to its end (or to a close), then the outer one goes on from
// the state it left, with its own frame counter. That is safe because every frame recomputes
// its table up to the current n, zeroes what lies above it up to k2, and never reads a value
// cached across a wait. Closing the window ends every running animation after the wait in
// which it happened: the window may be gone by then, so nothing of it is touched unless the
// guard says it still exists, and no further frame is drawn.
class Abbruch {
public:
    explicit Abbruch(Erkundungsfenster& f) : Fenster(&f.Fenster()), Wache(&Fensterwache::von(f.Fenster())) {}
    bool operator()() const { return !Fenster || !Wache || Wache->geschlossen; }

private:
    QPointer<QWidget> Fenster;
    QPointer<Fensterwache> Wache;
};

}  // namespace

void p0_Animationsbild(Erkundungsfenster& f, int i) {
    Zustand& z = f.Stand();
    z.p0 = static_cast<Extended>(i) / 200;
    f.p0_zeigen();
    Binomialtabelle_setzen(z, z.p0, z.k2);
    f.Neu_zeichnen();
}

void p0_Animation(Erkundungsfenster& f) {
    const Abbruch vorbei(f);
    const Serie serie(f, Serienart::p0);
    p0_Achse_setzen(f, Pmax_p0_Animation);

    for (int i = 10; i <= 190; ++i) {
        p0_Animationsbild(f, i);
        if (!Warten(i == 10 ? 2000 : 2, vorbei)) break;
    }
}

void n_Animation(Erkundungsfenster& f) {
    const Abbruch vorbei(f);
    Zustand& z = f.Stand();
    Serie serie(f, Serienart::n);
    serie.Tabellenende = 100;

    z.Pmax = Pmax_n_Animation(z.p0);
    z.k1 = 0;
    z.k2 = 100;
    f.k2_zeigen();

    for (int n = 5; n <= 100; ++n) {
        z.n = n;
        // The n field's change handler shows the frame's n as k2 as well; the axis stays at k2.
        f.n_zeigen();
        // The reset left the table of n = 20 behind, and a handler run in a wait may have left
        // a longer one: zero everything above n that the axis can show.
        Binomialtabelle_setzen(z, z.p0, std::max(z.k2, 100));
        f.Neu_zeichnen();
        if (!Warten(n == 5 || n == 100 ? 2000 : 25, vorbei)) break;
    }
}
