// Exit handlers of the edit fields: parse, check, store, then exactly the follow-up work the
// value needs. Three outcomes: reject (text stays, value kept, focus back, maybe sound and
// message, nothing recomputed), correct (a fixed text and value, silently, then as accepted),
// accept.

#include "ui/Quorvel.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "analysis/Zahlen_lesen.h"
#include "analysis/Zahlentexte.h"
#include "charts/Markierungen.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Eingabe_lesen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }
std::string Text_von(const QLineEdit* Feld) { return Feld->text().toStdString(); }

void Abweisen(QLineEdit* Feld, bool Ton, const QString& Meldung = {}) {
    if (Ton) dienste().Signalton();
    if (!Meldung.isEmpty()) dienste().Meldung(Meldung);
    // A mouse press on a button or box moved the focus away: it reaches that control only after
    // this, and the message box has taken its release, so the control would stay drawn down.
    // Once the press is delivered, nothing stays pressed; the cut-short click clicks nothing.
    QWidget* Fenster = Feld->window();
    QTimer::singleShot(0, Fenster, [Fenster] {
        for (QAbstractButton* k : Fenster->findChildren<QAbstractButton*>())
            if (k->isDown()) k->setDown(false);
    });
    Feld->setFocus();
}

// p of a row: 0..1, otherwise the row's start value. False when the text doesn't read.
bool p_lesen(QLineEdit* Feld, Extended& p, const QString& Ersatztext, Extended Ersatz) {
    Extended w = 0;
    if (!Dezimal_lesen(Text_von(Feld), w)) {
        Abweisen(Feld, false);
        return false;
    }
    if (!(w >= 0 && w <= 1)) {
        w = Ersatz;
        Feld->setText(Ersatztext);
    }
    p = w;
    return true;
}

// The fields of one hypergeometric row and the values of Zustand they stand for.
struct Hypergeo_Zeile {
    QLineEdit* Edit_p;
    QLineEdit* Edit_M;
    QLineEdit* Edit_N;
    int& M;
    int& N;
    Extended& p;
    char Nummer;  // '0', '1', '2' in the messages
};

void p_aus_M_N(const Hypergeo_Zeile& r) {
    r.p = Extended(r.M) / r.N;
    r.Edit_p->setText(Text(Zahl_allgemein(r.p)));
}

// M < N. A negative M, which only a pasted text can bring, would make p negative and the
// hypergeometric terms meaningless: it is rejected with the sound like a text that doesn't read.
bool M_lesen(const Hypergeo_Zeile& r) {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(r.Edit_M), w) || w < 0) {
        Abweisen(r.Edit_M, true);
        return false;
    }
    if (!(w < r.N)) {
        Abweisen(r.Edit_M, true,
                 QStringLiteral("M%1 muss kleiner als N%1 sein !").arg(QChar(r.Nummer)));
        return false;
    }
    r.M = w;
    p_aus_M_N(r);
    return true;
}

// N != 0, then N > M, then N >= n, in this order.
bool N_lesen(const Hypergeo_Zeile& r, int n) {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(r.Edit_N), w) || w == 0) {
        Abweisen(r.Edit_N, true);
        return false;
    }
    if (!(w > r.M)) {
        Abweisen(r.Edit_N, true,
                 QStringLiteral("N%1 muss größer als M%1 sein !").arg(QChar(r.Nummer)));
        return false;
    }
    if (!(w >= n)) {
        Abweisen(r.Edit_N, true,
                 QStringLiteral("N%1 muss größer gleich n sein !").arg(QChar(r.Nummer)));
        return false;
    }
    r.N = w;
    p_aus_M_N(r);
    return true;
}

Hypergeo_Zeile Zeile_von(TForm1& f, int i) {
    Zustand& z = f.z;
    switch (i) {
    case 0: return {f.Edit_p0, f.Edit_M0, f.Edit_N0, z.M0, z.N0, z.p0, '0'};
    case 1: return {f.Edit_p1, f.Edit_M1, f.Edit_N1, z.M1, z.N1, z.p1, '1'};
    default: return {f.Edit_p2, f.Edit_M2, f.Edit_N2, z.M2, z.N2, z.p2, '2'};
    }
}

// Levels in percent: 0..100, anything else is corrected to 0 (no region on that side).
bool Niveau_lesen(QLineEdit* Feld, Extended& Niveau) {
    Extended w = 0;
    if (!Dezimal_lesen(Text_von(Feld), w)) {
        Abweisen(Feld, false);
        return false;
    }
    if (!(w >= 0 && w <= 100)) {
        w = 0;
        Feld->setText(QStringLiteral("0"));
    }
    Niveau = w;
    return true;
}

}  // namespace

void TForm1::Tastenfilter_einrichten() {
    auto* ganz = new Ganzzahl_Tastenfilter(this);
    auto* dezimal = new Dezimal_Tastenfilter(this);
    for (QLineEdit* e : {Edit_n, Edit_Stichprobenergebnis, Edit_k1, Edit_k2, Edit_kli, Edit_kre,
                         Edit_M0, Edit_N0, Edit_M1, Edit_N1, Edit_M2, Edit_N2})
        e->installEventFilter(ganz);
    for (QLineEdit* e : {Edit_p0, Edit_p1, Edit_p2, Edit_Alfali, Edit_Alfare, Edit_Sigmafaktor,
                         Edit_Umgebung})
        e->installEventFilter(dezimal);
}

void TForm1::Edit_nExit() {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_n), w) || w < 1 || w > k_Maximum) return Abweisen(Edit_n, true);
    const QComboBox* Arten[] = {ComboBox_Verteilung_p0, ComboBox_Verteilung_p1,
                                ComboBox_Verteilung_p2};
    const int N[] = {z.N0, z.N1, z.N2};
    for (int i = 0; i < 3; ++i)
        if (Arten[i]->currentIndex() == vaHypergeo && w > N[i])
            return Abweisen(Edit_n, true, QStringLiteral("n zu groß für Hypergeo"));

    z.n = w;
    // k1 and k2 come from their fields, which the change handler of Edit_n normally set to
    // 0 and n. A text that doesn't read, or a range outside 0 <= k1 <= k2 <= n (left over
    // from a rejected entry, or while an exploration kept Edit_k2), would make the chart
    // read the tables beyond n: the whole range 0..n is taken instead and shown.
    int k1 = 0, k2 = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_k1), k1) || !Ganzzahl_lesen(Text_von(Edit_k2), k2) || k1 < 0 ||
        k1 > k2 || k2 > z.n) {
        k1 = 0;
        k2 = z.n;
        Edit_k1->setText(QStringLiteral("0"));
        Edit_k2->setText(Text(Zahl_ganz(k2)));
    }
    z.k1 = k1;
    z.k2 = k2;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_StichprobenergebnisExit() {
    int w = 0;
    if (Ganzzahl_lesen(Text_von(Edit_Stichprobenergebnis), w)) {
        if (w < 0 || w > z.n) {
            w = 0;
            Edit_Stichprobenergebnis->setText(QStringLiteral("0"));
        }
        z.x = w;
        CheckBox_Vertrauensintervall_berechnenClick();
    } else {
        Abweisen(Edit_Stichprobenergebnis, false);
    }
    // The marker goes over the chart as it stands; one drawn for an earlier x stays until
    // the next redraw.
    if (CheckBox_Stichprobenergebnis_zeigen->isChecked()) {
        Stichprobenergebnis_zeichnen(Image1->Bild(), z, Schalter_lesen());
        Image1->update();
    }
}

void TForm1::Edit_k1Exit() {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_k1), w)) return Abweisen(Edit_k1, false);
    if (w < 0 || w > z.k2) {
        w = 0;
        Edit_k1->setText(QStringLiteral("0"));
    }
    z.k1 = w;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_k2Exit() {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_k2), w)) return Abweisen(Edit_k2, false);
    if (w < z.k1 || w > z.n) {
        // The stored n rather than the text of Edit_n: the two agree whenever Edit_n was
        // left, and the field must show the value it stands for.
        w = z.n;
        Edit_k2->setText(Text(Zahl_ganz(w)));
    }
    z.k2 = w;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_p0Exit() {
    // A typed p0 must not be overwritten by x/n of the confidence interval: the box goes off
    // first, whatever the outcome, and its handler resets the interval label.
    CheckBox_Vertrauensintervall_berechnen->setChecked(false);
    if (!p_lesen(Edit_p0, z.p0, QStringLiteral("0,8"), 0.8L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_p1Exit() {
    if (!p_lesen(Edit_p1, z.p1, QStringLiteral("0,6"), 0.6L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_p2Exit() {
    if (!p_lesen(Edit_p2, z.p2, QStringLiteral("0,3"), 0.3L)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_M0Exit() {
    if (!M_lesen(Zeile_von(*this, 0))) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_M1Exit() {
    if (!M_lesen(Zeile_von(*this, 1))) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_M2Exit() {
    if (!M_lesen(Zeile_von(*this, 2))) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N0Exit() {
    if (!N_lesen(Zeile_von(*this, 0), z.n)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N1Exit() {
    if (!N_lesen(Zeile_von(*this, 1), z.n)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

void TForm1::Edit_N2Exit() {
    if (!N_lesen(Zeile_von(*this, 2), z.n)) return;
    Alles_berechnen();
    Histo_neu_zeichnen();
}

// Levels and bounds leave the tables alone: only the other side of the pair and a redraw.
void TForm1::Edit_AlfaliExit() {
    if (!Niveau_lesen(Edit_Alfali, z.Alfali)) return;
    Edit_kli->setText(Text(Zahl_ganz(kli_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_AlfareExit() {
    if (!Niveau_lesen(Edit_Alfare, z.Alfare)) return;
    Edit_kre->setText(Text(Zahl_ganz(kre_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kliExit() {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_kli), w)) return Abweisen(Edit_kli, false);
    if (w < -1 || w > z.kre) {
        w = -1;
        Edit_kli->setText(QStringLiteral("-1"));
    }
    // While there is no right region (kre = n + 1, or n + 2 after a rounding) a bound above n
    // passes the rule; [0; n + 1] holds the same k as [0; n], and the level must come from the
    // table's last valid entry, never from one beyond n. So n is stored and shown.
    if (w > z.n) {
        w = z.n;
        Edit_kli->setText(Text(Zahl_ganz(w)));
    }
    z.kli = w;
    Edit_Alfali->setText(Text(Zahl_allgemein(Alfali_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kreExit() {
    int w = 0;
    if (!Ganzzahl_lesen(Text_von(Edit_kre), w)) return Abweisen(Edit_kre, false);
    // A negative bound (pasted; with kli = -1 it would pass kli <= kre) would make the level
    // read the table below k = 0: it counts as breaking the rule.
    if (w < z.kli || w < 0 || w > z.n + 1) {
        w = z.n + 1;
        Edit_kre->setText(Text(Zahl_ganz(w)));
    }
    z.kre = w;
    Edit_Alfare->setText(Text(Zahl_allgemein(Alfare_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_SigmafaktorExit() {
    Extended w = 0;
    if (!Dezimal_lesen(Text_von(Edit_Sigmafaktor), w) || !(w >= 0 && w <= 7))
        return Abweisen(Edit_Sigmafaktor, true);
    z.Sigmafaktor = w;
    z.Umgebung = Umgebung_aus_Sigmafaktor(w);
    Edit_Umgebung->setText(Text(Zahl_allgemein(z.Umgebung)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}

void TForm1::Edit_UmgebungExit() {
    Extended w = 0;
    if (!Dezimal_lesen(Text_von(Edit_Umgebung), w) || !(w >= 0 && w <= 100))
        return Abweisen(Edit_Umgebung, true);
    z.Umgebung = w;
    z.Sigmafaktor = Sigmafaktor_aus_Umgebung(w);
    Edit_Sigmafaktor->setText(Text(Zahl_allgemein(z.Sigmafaktor)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}
