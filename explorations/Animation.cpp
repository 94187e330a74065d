#include "explorations/Animation.h"

#include "analysis/Zahlentexte.h"
#include "explorations/Serien.h"
#include "explorations/Uhr.h"
#include "ui/Quorvel.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }

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
    explicit Abbruch(TForm1& f) : Fenster(&f), Wache(&Fensterwache::von(f)) {}
    bool operator()() const { return !Fenster || !Wache || Wache->geschlossen; }
    bool Fenster_lebt() const { return !Fenster.isNull(); }

private:
    QPointer<TForm1> Fenster;
    QPointer<Fensterwache> Wache;
};

}  // namespace

void p0_Animationsbild(TForm1& f, int i) {
    f.z.p0 = static_cast<Extended>(i) / 200;
    f.Edit_p0->setText(q(Zahl_allgemein(f.z.p0)));
    Binomialtabelle_setzen(f.z, f.z.p0, f.z.k2);
    f.Histo_neu_zeichnen();
}

void TForm1::BitBtn_p0AnimationClick() {
    const Abbruch vorbei(*this);
    // The frames run with the series flag false.
    const Extended p0_vorher = p0_Serie_beginnen(*this, Pmax_p0_Animation);

    for (int i = 10; i <= 190; ++i) {
        p0_Animationsbild(*this, i);
        if (!Warten(i == 10 ? 2000 : 2, vorbei)) break;
    }
    if (!vorbei.Fenster_lebt()) return;

    p0_Serie_beenden(*this, p0_vorher);
}

void TForm1::BitBtn_nAnimationClick() {
    const Abbruch vorbei(*this);
    z.Serie_laeuft = true;
    SpeedButton_StandardwerteClick();
    const int n_vorher = z.n;

    z.Pmax = Pmax_n_Animation(z.p0);
    z.k1 = 0;
    z.k2 = 100;
    Edit_k2->setText(QStringLiteral("100"));

    for (int n = 5; n <= 100; ++n) {
        z.n = n;
        // Edit_nChange shows the frame's n in Edit_k2 as well; the axis stays at k2.
        Edit_n->setText(q(Zahl_ganz(n)));
        // The reset left the table of n = 20 behind, and a handler run in a wait may have left
        // a longer one: zero everything above n that the axis can show.
        Binomialtabelle_setzen(z, z.p0, std::max(z.k2, 100));
        Histo_neu_zeichnen();
        if (!Warten(n == 5 || n == 100 ? 2000 : 25, vorbei)) break;
    }
    if (!vorbei.Fenster_lebt()) return;

    n_Serie_beenden(*this, n_vorher, 100);
}
