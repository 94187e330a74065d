// The entries: an edited field, a box, a picked kind go to the session. An edit field's entry
// ends when the focus leaves it for another control of this window; the field's rule judges
// it (analysis/Eingaberegeln.h). Three outcomes: reject (text stays, focus back, maybe sound
// and message), correct (the field shows the rule's text), accept.

#include "ui/Quorvel.h"

#include "ui/Dienste.h"
#include "ui/Eingabe_lesen.h"
#include "ui/Eingabehinweis.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

void TForm1::Eingaben_verbinden() {
    Hinweis = new Eingabehinweis(this);
    auto* ganz = new Ganzzahl_Tastenfilter(this);
    auto* dezimal = new Dezimal_Tastenfilter(this);
    for (int i = 0; i < Feldzahl; ++i) {
        const auto f = static_cast<Feld>(i);
        const bool Dezimal = f == Feld::p0 || f == Feld::p1 || f == Feld::p2 || f == Feld::Alfali ||
                             f == Feld::Alfare || f == Feld::Sigmafaktor || f == Feld::Umgebung;
        Felder[i]->installEventFilter(Dezimal ? static_cast<QObject*>(dezimal) : ganz);
        // After the key filter, so it comes first: it sees Tab before the focus moves, and
        // the Tab that the key filter makes of Enter.
        Felder[i]->installEventFilter(this);
    }
    connect(qApp, &QApplication::focusChanged, this, &TForm1::Fokus_gewechselt);
    // While n is typed, the k fields show the whole range it would give; a refused n shows
    // the range in force again.
    connect(Edit_n, &QLineEdit::textEdited, this, [this](const QString& t) {
        Edit_k1->setText(QStringLiteral("0"));
        Edit_k2->setText(t);
    });
    for (int k = 0; k < 14; ++k)
        connect(Kaesten[k], &QCheckBox::toggled, this, [this, k](bool an) {
            // A percentage typed but not yet taken is taken before the neighbourhood shows.
            if (static_cast<Kasten>(k) == Kasten::Umgebung_schraffieren && an) Feld_verlassen(Edit_Umgebung);
            sitzung.Kasten_setzen(static_cast<Kasten>(k), an);
            Nach_Aenderung();
        });
    for (int i = 0; i < 3; ++i)
        connect(Arten[i], &QComboBox::activated, this, [this, i](int Art) {
            const Eingabeurteil u = sitzung.Art_waehlen(i, Art);
            if (u.Art == Urteilsart::Abweisen) Urteil_zeigen(Edit_n, u);
            Nach_Aenderung();
        });
    connect(ComboBox_Histo_Saeule, &QComboBox::activated, this,
            [this](int i) { sitzung.Saeulendiagramm_waehlen(i == 1); });
}

// The entry ends only when the focus goes from its field to another control of this window:
// not when the window loses activation (neu is null), nor when a popup or message box takes
// the focus (another window), nor when the field itself was hidden or disabled.
void TForm1::Fokus_gewechselt(QWidget* alt, QWidget* neu) {
    if (!alt || !neu || alt == neu || neu->window() != this) return;
    // The focus going back to a refused entry ends no other entry: the two would hand it to
    // each other for ever.
    if (auto* e = qobject_cast<QLineEdit*>(neu); e && e->isModified()) return;
    if (alt->isVisible() && alt->isEnabled()) Feld_verlassen(alt);
    // A field left for good shows its text from the first character again.
    if (auto* e = qobject_cast<QLineEdit*>(alt); e && !e->hasFocus()) e->setCursorPosition(0);
}

// Tab or Shift+Tab in an edited field (Enter becomes Tab): the entry is judged before the focus
// moves, and a refused one keeps it there, so no other control gets the focus even for a
// moment (a screen reader would name that control while the field keeps the keys). A click
// elsewhere still ends the entry by the focus change.
bool TForm1::Taste_im_Feld(QObject* o, QKeyEvent* k) {
    if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) return false;
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const auto it = std::find(Felder.begin(), Felder.end(), o);
    if (it == Felder.end() || !(*it)->isModified()) return false;
    Feld_verlassen(*it);
    return (*it)->isModified();
}

// Only a text the user edited since the program last wrote the field is an entry (Qt keeps
// that fact as isModified): a field merely passed through keeps its value.
void TForm1::Feld_verlassen(QWidget* w) {
    const auto it = std::find(Felder.begin(), Felder.end(), w);
    if (it == Felder.end() || !(*it)->isModified()) return;
    QLineEdit* f = *it;
    const auto Welches = static_cast<Feld>(it - Felder.begin());
    const Eingabeurteil u = sitzung.Eingeben(Welches, f->text().toStdString());
    if (u.Art == Urteilsart::Abweisen) {
        Anzeigen();
        Urteil_zeigen(f, u);
    } else {
        // Taken: the field shows the value's text, and leaving it again changes nothing.
        f->setModified(false);
        Feld_zeigen(static_cast<int>(Welches));
        if (u.Art == Urteilsart::Korrigieren)
            Hinweis->Zeigen(f, QString::fromStdString(u.Grund));
        else
            Hinweis->Verbergen();
    }
    Nach_Aenderung();
}

void TForm1::Urteil_zeigen(QLineEdit* Feld, const Eingabeurteil& u) {
    if (u.Ton) dienste().Signalton();
    if (!u.Meldung.empty()) dienste().Meldung(QString::fromStdString(u.Meldung));
    // A mouse press on a button or box moved the focus away: it reaches that control only after
    // this, and the message box has taken its release, so the control would stay drawn down.
    // Once the press is delivered, nothing stays pressed; the cut-short click clicks nothing.
    QTimer::singleShot(0, this, [this] {
        for (QAbstractButton* k : findChildren<QAbstractButton*>())
            if (k->isDown()) k->setDown(false);
    });
    Feld->setFocus();
    if (!u.Grund.empty()) Hinweis->Zeigen(Feld, QString::fromStdString(u.Grund), false);
    // The focus came back while Qt was moving it on: Qt tells a screen reader of the control
    // left for only after this, which would leave the reader there. Once that is out, the
    // reader hears this field again and then why it refused.
    QTimer::singleShot(0, Feld, [this, Feld] {
        if (!Feld->hasFocus()) return;
        QAccessibleEvent Fokus(Feld, QAccessible::Focus);
        QAccessible::updateAccessibility(&Fokus);
        Hinweis->Ansagen();
    });
}
