// Exit handlers of the edit fields: the field's rule (analysis/Eingaberegeln.h) judges the
// text, the verdict is carried out, then exactly the follow-up work the value needs. Three
// outcomes: reject (text stays, value kept, focus back, maybe sound and message, nothing
// recomputed), correct (a fixed text and value, silently, then as accepted), accept.

#include "ui/Quorvel.h"

#include "analysis/Ablehnungsbereich.h"
#include "analysis/Berechnung.h"
#include "analysis/Eingaberegeln.h"
#include "analysis/Verteilungszeile.h"
#include "analysis/Zahlentexte.h"
#include "charts/Markierungen.h"
#include "charts/Qt_Text.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Eingabe_lesen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

namespace {

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

// Carries out the verdict on Feld; false when the entry was rejected. A correction shows its
// text first and is then taken like a typed value.
template <class T>
bool Anwenden(QLineEdit* Feld, const Urteil<T>& u, T& Ziel) {
    if (u.Art == Urteilsart::Abweisen) {
        Abweisen(Feld, u.Ton, Qt_Text(u.Meldung));
        return false;
    }
    if (u.Art == Urteilsart::Korrigieren) Feld->setText(Qt_Text(u.Text));
    // Taken: the text is the value's again, and leaving the field once more changes nothing.
    Feld->setModified(false);
    Ziel = u.Wert;
    return true;
}

// A taken M or N makes the row's p M/N, shown in its p field.
void p_aus_M_N(const Verteilungszeile& r, QLineEdit* Edit_p) {
    r.p = Extended(r.M) / r.N;
    Edit_p->setText(Qt_Text(Zahl_allgemein(r.p)));
}

bool M_uebernehmen(const Verteilungszeile& r, QLineEdit* Edit_M, QLineEdit* Edit_p) {
    if (!Anwenden(Edit_M, M_pruefen(Text_von(Edit_M), r), r.M)) return false;
    p_aus_M_N(r, Edit_p);
    return true;
}

bool N_uebernehmen(const Verteilungszeile& r, int n, QLineEdit* Edit_N, QLineEdit* Edit_p) {
    if (!Anwenden(Edit_N, N_pruefen(Text_von(Edit_N), r, n), r.N)) return false;
    p_aus_M_N(r, Edit_p);
    return true;
}

bool p_uebernehmen(const Verteilungszeile& r, QLineEdit* Edit_p) {
    return Anwenden(Edit_p, p_pruefen(Text_von(Edit_p), r), r.p);
}

}  // namespace

void TForm1::Tastenfilter_einrichten() {
    auto* ganz = new Ganzzahl_Tastenfilter(this);
    auto* dezimal = new Dezimal_Tastenfilter(this);
    for (QLineEdit* e : {Edit_n, Edit_Stichprobenergebnis, Edit_k1, Edit_k2, Edit_kli, Edit_kre})
        e->installEventFilter(ganz);
    for (QLineEdit* e : {Edit_Alfali, Edit_Alfare, Edit_Sigmafaktor, Edit_Umgebung}) e->installEventFilter(dezimal);
    for (const Zeilenfelder& r : Zeilen) {
        r.M->installEventFilter(ganz);
        r.N->installEventFilter(ganz);
        r.p->installEventFilter(dezimal);
    }
}

void TForm1::Ausgaenge_verbinden() {
    Ausgaenge = {
        {Edit_n, [this] { Edit_nExit(); }},
        {Edit_Stichprobenergebnis, [this] { Edit_StichprobenergebnisExit(); }},
        {Edit_k1, [this] { Edit_k1Exit(); }},
        {Edit_k2, [this] { Edit_k2Exit(); }},
        {Edit_Alfali, [this] { Edit_AlfaliExit(); }},
        {Edit_Alfare, [this] { Edit_AlfareExit(); }},
        {Edit_kli, [this] { Edit_kliExit(); }},
        {Edit_kre, [this] { Edit_kreExit(); }},
        {Edit_Sigmafaktor, [this] { Edit_SigmafaktorExit(); }},
        {Edit_Umgebung, [this] { Edit_UmgebungExit(); }},
    };
    for (int i = 0; i < 3; ++i) {
        Ausgaenge.emplace_back(Zeilen[i].p, [this, i] { Edit_pExit(i); });
        Ausgaenge.emplace_back(Zeilen[i].M, [this, i] { Edit_MExit(i); });
        Ausgaenge.emplace_back(Zeilen[i].N, [this, i] { Edit_NExit(i); });
    }
    connect(qApp, &QApplication::focusChanged, this, &TForm1::Fokus_gewechselt);
    // A text the program writes into a field shows from its first character; the user's own
    // typing (the field has the focus) scrolls as usual.
    for (const auto& Ausgang : Ausgaenge) {
        QLineEdit* e = Ausgang.first;
        connect(e, &QLineEdit::textChanged, e, [e] {
            if (!e->hasFocus()) e->setCursorPosition(0);
        });
    }
}

// An exit handler runs only when the focus goes from its field to another control of this
// window: not when the window loses activation (neu is null), nor when a popup or message box
// takes the focus (another window), nor when the field itself was hidden or disabled. While
// an exit handler runs (it may put the focus back or open a message box), the focus moves it
// causes end no other entry.
void TForm1::Fokus_gewechselt(QWidget* alt, QWidget* neu) {
    if (Ausgang_laeuft || !alt || !neu || alt == neu || neu->window() != this) return;
    if (alt->isVisible() && alt->isEnabled()) Feld_verlassen(alt);
    Dokument_pruefen();
    // A field left for good shows its text from the first character again, however far the
    // user moved the cursor in it.
    if (auto* e = qobject_cast<QLineEdit*>(alt); e && !e->hasFocus()) e->setCursorPosition(0);
}

// Only a text the user edited since the program last wrote the field is an entry (Qt keeps
// that fact as isModified): a field merely passed through by Tab, Enter or a click keeps its
// value, even where its text is only the 15-digit form of it.
void TForm1::Feld_verlassen(QWidget* Feld) {
    for (const auto& [f, Handler] : Ausgaenge) {
        if (f != Feld) continue;
        if (!f->isModified()) return;
        Ausgang_laeuft = true;
        Handler();
        Ausgang_laeuft = false;
        return;
    }
}

void TForm1::Edit_nExit() {
    const Schalter s = Schalter_lesen();
    if (!Anwenden(Edit_n, n_pruefen(Text_von(Edit_n), z, s), z.n)) return;
    // k1 and k2 come from their fields, which the change handler of Edit_n normally set to
    // 0 and n; a range left over from a rejected entry, or from an exploration that kept
    // Edit_k2, is replaced.
    const k_Bereich_Urteil k = k_Bereich_nach_n(Text_von(Edit_k1), Text_von(Edit_k2), z.n);
    if (k.ersetzt) {
        Edit_k1->setText(Qt_Text(k.k1_Text));
        Edit_k2->setText(Qt_Text(k.k2_Text));
    }
    z.k1 = k.k1;
    z.k2 = k.k2;
    Alles_berechnen(s);
    Histo_neu_zeichnen(s);
}

void TForm1::Edit_StichprobenergebnisExit() {
    if (Anwenden(Edit_Stichprobenergebnis, x_pruefen(Text_von(Edit_Stichprobenergebnis), z.n), z.x))
        CheckBox_Vertrauensintervall_berechnenClick();
    // The marker goes over the chart as it stands; one drawn for an earlier x stays until
    // the next redraw.
    if (CheckBox_Stichprobenergebnis_zeigen->isChecked()) {
        Stichprobenergebnis_zeichnen(Image1->Bild(), z, Geometrie, Schalter_lesen());
        Image1->update();
    }
}

void TForm1::Edit_k1Exit() {
    if (!Anwenden(Edit_k1, k1_pruefen(Text_von(Edit_k1), z.k2), z.k1)) return;
    Neu_berechnen_und_zeichnen();
}

void TForm1::Edit_k2Exit() {
    if (!Anwenden(Edit_k2, k2_pruefen(Text_von(Edit_k2), z.k1, z.n), z.k2)) return;
    Neu_berechnen_und_zeichnen();
}

void TForm1::Edit_pExit(int i) {
    // A typed p0 must not be overwritten by x/n of the confidence interval: the box goes off
    // first, whatever the outcome, and its handler resets the interval label.
    if (i == 0) CheckBox_Vertrauensintervall_berechnen->setChecked(false);
    if (!p_uebernehmen(Zeile_von(z, i), Zeilen[i].p)) return;
    Neu_berechnen_und_zeichnen();
}

void TForm1::Edit_MExit(int i) {
    if (!M_uebernehmen(Zeile_von(z, i), Zeilen[i].M, Zeilen[i].p)) return;
    Neu_berechnen_und_zeichnen();
}

void TForm1::Edit_NExit(int i) {
    if (!N_uebernehmen(Zeile_von(z, i), z.n, Zeilen[i].N, Zeilen[i].p)) return;
    Neu_berechnen_und_zeichnen();
}

// Levels and bounds leave the tables alone: only the other side of the pair and a redraw.
// A typed level is the user's own: the bound comes from it by the scan alone.
void TForm1::Edit_AlfaliExit() {
    if (!Anwenden(Edit_Alfali, Niveau_pruefen(Text_von(Edit_Alfali)), z.Alfali)) return;
    z.kli_Ursprung = kein_Ursprung;
    V_links_getippt = false;
    Edit_kli->setText(Qt_Text(Zahl_ganz(kli_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_AlfareExit() {
    if (!Anwenden(Edit_Alfare, Niveau_pruefen(Text_von(Edit_Alfare)), z.Alfare)) return;
    z.kre_Ursprung = kein_Ursprung;
    V_rechts_getippt = false;
    Edit_kre->setText(Qt_Text(Zahl_ganz(kre_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kliExit() {
    if (!Anwenden(Edit_kli, kli_pruefen(Text_von(Edit_kli), z.kre, z.n), z.kli)) return;
    V_links_getippt = true;
    Edit_Alfali->setText(Qt_Text(Zahl_allgemein(Alfali_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_kreExit() {
    if (!Anwenden(Edit_kre, kre_pruefen(Text_von(Edit_kre), z.kli, z.n), z.kre)) return;
    V_rechts_getippt = true;
    Edit_Alfare->setText(Qt_Text(Zahl_allgemein(Alfare_berechnen(z))));
    Histo_neu_zeichnen();
}

void TForm1::Edit_SigmafaktorExit() {
    if (!Anwenden(Edit_Sigmafaktor, Sigmafaktor_pruefen(Text_von(Edit_Sigmafaktor)), z.Sigmafaktor)) return;
    z.Umgebung = Umgebung_aus_Sigmafaktor(z.Sigmafaktor);
    Edit_Umgebung->setText(Qt_Text(Zahl_allgemein(z.Umgebung)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}

void TForm1::Edit_UmgebungExit() {
    if (!Anwenden(Edit_Umgebung, Umgebung_pruefen(Text_von(Edit_Umgebung)), z.Umgebung)) return;
    z.Sigmafaktor = Sigmafaktor_aus_Umgebung(z.Umgebung);
    Edit_Sigmafaktor->setText(Qt_Text(Zahl_allgemein(z.Sigmafaktor)));
    Umgebungsgrenzen_berechnen(z);
    Histo_neu_zeichnen();
}
