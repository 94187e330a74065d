// The main window: its creation from the form ui/Quorvel.ui, the wiring of its controls to the
// session, and showing inputs and evaluation. The entries of the edit fields are in
// Eingabe.cpp, the chart's ways out in Grafikausgabe.cpp, the window's size in Fenstergroesse.cpp.

#include "ui/Quorvel.h"

#include "analysis/Zahlentexte.h"
#include "charts/Beschreibung.h"
#include "charts/Diagramm.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"
#include "explorations/Erkundung.h"
#include "ui/Bildfeld.h"
#include "ui/Bildschirmgroesse.h"
#include "ui/Diagrammzeiger.h"
#include "ui/Dienste.h"
#include "ui/Erkundungsanzeige.h"
#include "ui/Farbwahl.h"
#include "ui/Formular.h"
#include "ui/Grafik.h"
#include "ui/Stichprobenfeld.h"
#include "ui/Tasten.h"
#include "ui/Wertetabelle.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include <initializer_list>
#include <utility>

TForm1::TForm1(QWidget* parent) : QWidget(parent), dokument(*this, sitzung) {
    Formular_anmelden();
    Steuerelemente_anlegen();
    Band_einrichten();
    if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    Ereignisse_verbinden();
    Eingaben_verbinden();
    StringGrid1->Tabelle_einrichten(sitzung.Stand().n.Wert);
    Anordnen();
    Anzeigen();
}

TForm1::~TForm1() {
    // The children die after this body; their focus changes must not reach a half-gone window.
    disconnect(qApp, nullptr, this, nullptr);
    // The panel works on the session, which goes before the children do.
    delete Stichproben;
    Stichproben = nullptr;
}

// The form makes the controls and sets the focus order: Tab (and Enter in a field) walks them
// in the form's tab order, and Qt skips hidden and disabled ones.
void TForm1::Steuerelemente_anlegen() {
    setupUi(this);
    Formular_ergaenzen(this);
    // The window takes the face colour of the buttons, the box of mu the tooltip colour.
    Hintergrund(this, palette().color(QPalette::Button));
    Hintergrund(CheckBox_Erwartungswert_zeigen, palette().color(QPalette::ToolTipBase));
    // The small picture buttons run the window's actions; each hint names the key in the words
    // of the loaded translation ("Strg+E").
    for (const auto& [Knopf, Aktion] :
         {std::pair{SpeedButton_Grafik_speichern, Aktion_Grafik_speichern},
          std::pair{SpeedButton_Grafik_drucken, Aktion_Grafik_drucken},
          std::pair{SpeedButton_Vollbild, Aktion_Vollbild}, std::pair{SpeedButton_Hilfe, Aktion_Hilfe},
          std::pair{SpeedButton_Stichproben, Aktion_Stichproben_ziehen}})
        Knopf->setToolTip(Mit_Taste(Aktion->text(), Aktion->shortcut()));
    dokument.Menue_anlegen(SpeedButton_Datei, Aktion_Aufgabe_oeffnen, Aktion_Aufgabe_speichern,
                           Aktion_Aufgabe_speichern_unter, {Aktion_Grafik_speichern, Aktion_Grafik_drucken});
    Platz = new Bildschirmgroesse(*this, dokument, SpeedButton_Datei->menu());
    Dateimenue_tasten(*this, *SpeedButton_Datei);
    Farbauswahl = new Farbwahl(*this);
    Platz->Ansichtsmenue->addSeparator();
    Platz->Ansichtsmenue->addAction(Farbauswahl->Aktion());
    setAcceptDrops(true);
    Felder = {Edit_n,       Edit_Stichprobenergebnis,
              Edit_k1,      Edit_k2,
              Edit_p0,      Edit_p1,
              Edit_p2,      Edit_M0,
              Edit_M1,      Edit_M2,
              Edit_N0,      Edit_N1,
              Edit_N2,      Edit_Alfali,
              Edit_Alfare,  Edit_kli,
              Edit_kre,     Edit_Sigmafaktor,
              Edit_Umgebung};
    Kaesten = {CheckBox_p1_zeichnen,
               CheckBox_p2_zeichnen,
               CheckBox_Vertrauensintervall_berechnen,
               CheckBox_Info,
               CheckBox_Erwartungswert_zeigen,
               CheckBox_Sigma_zeigen,
               CheckBox_Umgebung_schraffieren,
               CheckBox_Normalverteilung,
               CheckBox_Alfa_zeigen,
               CheckBox_Annahmebereich_zeigen,
               CheckBox_Beta_zeigen,
               CheckBox_waagerechte_Strichelung,
               CheckBox_p0_kumuliert,
               CheckBox_Stichprobenergebnis_zeigen};
    Arten = {ComboBox_Verteilung_p0, ComboBox_Verteilung_p1, ComboBox_Verteilung_p2};
    Erkundung = new Erkundungsanzeige(*Image1, this);
    Erkundung->Farben_setzen(Farbauswahl->Farben());
    Stichproben = new Stichprobenfeld(sitzung, this);
}

void TForm1::Ereignisse_verbinden() {
    connect(&sitzung, &Sitzung::geaendert, this, [this] {
        Erkundung_anhalten();
        Anzeigen();
    });
    // The chart at its new size; an exploration's picture keeps its pixels. A resize changes
    // no field and runs no handler.
    connect(Image1, &Bildfeld::Groesse_geaendert, this, [this] {
        if (!Erkundungsbild) Zeichnen();
    });
    connect(Image1, &Bildfeld::Doppelklick, this, &TForm1::Vollbild_zeigen);
    // The chart in the colours chosen; an exploration's frames, drawn with every box off, are
    // black and white in every palette and keep their pixels.
    connect(Farbauswahl, &Farbwahl::geaendert, this, [this] {
        Erkundung->Farben_setzen(Farbauswahl->Farben());
        if (!Erkundungsbild) Zeichnen();
    });
    Image1->installEventFilter(this);
    // The chart answers the pointer and its keys; a grid row clicked outlines its bar.
    Zeiger = new Diagrammzeiger(
        *Image1, *StringGrid1, sitzung,
        [this]() -> const Diagrammgeometrie* { return Erkundungsbild ? nullptr : &Geometrie; }, this);
    connect(StringGrid1, &QAbstractItemView::clicked, Zeiger,
            [this](const QModelIndex& i) { Zeiger->Saeule_umranden(i.row()); });
    connect(Aktion_Vollbild, &QAction::triggered, this, &TForm1::Vollbild_zeigen);
    connect(Aktion_Grafik_speichern, &QAction::triggered, this, &TForm1::Grafik_speichern);
    connect(Aktion_Grafik_drucken, &QAction::triggered, this, &TForm1::Grafik_drucken);
    connect(Aktion_Hilfe, &QAction::triggered, this, &TForm1::Hilfe_zeigen);
    connect(SpeedButton_Grafik_speichern, &QToolButton::clicked, Aktion_Grafik_speichern, &QAction::trigger);
    connect(SpeedButton_Grafik_drucken, &QToolButton::clicked, Aktion_Grafik_drucken, &QAction::trigger);
    connect(SpeedButton_Vollbild, &QToolButton::clicked, Aktion_Vollbild, &QAction::trigger);
    connect(SpeedButton_Hilfe, &QToolButton::clicked, Aktion_Hilfe, &QAction::trigger);
    connect(Aktion_Stichproben_ziehen, &QAction::triggered, Stichproben, &Stichprobenfeld::Oeffnen);
    connect(SpeedButton_Stichproben, &QToolButton::clicked, Aktion_Stichproben_ziehen, &QAction::trigger);
    // A run of samples draws over the distribution chart: an exploration's picture goes.
    connect(Stichproben, &Stichprobenfeld::Lauf_geaendert, this, [this] {
        if (Erkundung->laeuft()) Erkundung->anhalten();
        Zeichnen();
    });
    connect(BitBtn_Histoneu, &QPushButton::clicked, this, &TForm1::Histo_geklickt);
    connect(BitBtn_OC, &QPushButton::clicked, this, [this] {
        Erkundung_anhalten();
        sitzung.OC_zeigen(true);
        if (Erkundungsbild) Anzeigen();
    });
    connect(SpeedButton_Standardwerte, &QToolButton::clicked, this, &TForm1::Std_geklickt);
    connect(SpeedButton_Clipboard, &QToolButton::clicked, this, &TForm1::Clipboard_geklickt);
    connect(Button_p0_variabel, &QPushButton::clicked, this, [this] { Erkunden(int(Erkundungsart::mehrere_p0)); });
    connect(Button_n_variabel, &QPushButton::clicked, this, [this] { Erkunden(int(Erkundungsart::mehrere_n)); });
    connect(BitBtn_p0Animation, &QPushButton::clicked, this, [this] { Erkunden(int(Erkundungsart::p0_Animation)); });
    connect(BitBtn_nAnimation, &QPushButton::clicked, this, [this] { Erkunden(int(Erkundungsart::n_Animation)); });
    // A frame is only shown; a screen reader hears the run once, when it is over. A stop the
    // window follows with a chart of its own leaves that chart's description alone.
    connect(Erkundung, &Erkundungsanzeige::Bild_gezeigt, this, [this] {
        Geometrie = Erkundung->Geometrie();
        Bild_zeigen({});
    });
    connect(Erkundung, &Erkundungsanzeige::vorbei, this, [this](const QString& Beschreibung) {
        QTimer::singleShot(0, this, [this, Beschreibung] {
            if (Erkundungsbild && !Erkundung->laeuft()) Bild_zeigen(Beschreibung);
        });
    });
}

// --- Showing inputs and evaluation ----------------------------------------------------------

namespace {

// The right end of the rejection region V, "; ... ;n]".
QString V_n_Text(int n) { return QStringLiteral("; ... ;") + Qt_Text(Zahl_ganz(n)) + QStringLiteral("]"); }

// What field f shows: the inputs' text, or what is derived there (the k range shown, the
// bounds, p0 = x/n of the interval).
std::string Feldtext(const Eingaben& e, const Auswertung& a, Feld f) {
    switch (f) {
    case Feld::k1:
        return a.verengt ? Zahl_ganz(a.z.k1) : e.k1.Text;
    case Feld::k2:
        return a.verengt ? Zahl_ganz(a.z.k2) : e.k2.Text;
    case Feld::p0:
        return a.Edit_p0;
    case Feld::kli:
        return a.Edit_kli;
    case Feld::kre:
        return a.Edit_kre;
    default:
        return Text_von(e, f);
    }
}

}  // namespace

void TForm1::Feld_zeigen(int i) {
    QLineEdit* f = Felder[i];
    // An entry the user has not finished (or that was refused) stays as typed.
    if (f->isModified()) return;
    const QString t = Qt_Text(Feldtext(sitzung.Stand(), sitzung.Ergebnis(), static_cast<Feld>(i)));
    if (f->text() == t) return;
    f->setText(t);
    // A text the program writes shows from its first character.
    if (!f->hasFocus()) f->setCursorPosition(0);
}

void TForm1::Anzeigen() {
    const Eingaben& e = sitzung.Stand();
    const Auswertung& a = sitzung.Ergebnis();
    for (int i = 0; i < Feldzahl; ++i) Feld_zeigen(i);
    for (int k = 0; k < 14; ++k) {
        const QSignalBlocker b(Kaesten[k]);
        Kaesten[k]->setChecked(Kasten_an(e.s, static_cast<Kasten>(k)));
    }
    const int Art[3] = {e.s.Verteilung_p0, e.s.Verteilung_p1, e.s.Verteilung_p2};
    const std::array<std::array<QWidget*, 4>, 3> Hypergeo = {{{Edit_M0, Edit_N0, Label_M0, Label_N0},
                                                              {Edit_M1, Edit_N1, Label_M1, Label_N1},
                                                              {Edit_M2, Edit_N2, Label_M2, Label_N2}}};
    for (int i = 0; i < 3; ++i) {
        Arten[i]->setCurrentIndex(Art[i]);
        for (QWidget* w : Hypergeo[i]) w->setVisible(Art[i] == vaHypergeo);
        Felder[static_cast<int>(Feld::p0) + i]->setEnabled(Art[i] != vaHypergeo);
    }
    ComboBox_Histo_Saeule->setCurrentIndex(e.Saeulendiagramm ? 1 : 0);
    Label_V_n->setText(V_n_Text(a.z.n));
    // The value labels say what they are: a screen reader hears the name with the value.
    for (const auto& [l, Name, Text] :
         {std::tuple{Label_Intervallwahrscheinlichkeit, QT_TRANSLATE_NOOP("Quorvel", "P0(k1<=x<=k2) "),
                     &a.Intervall.Label_Intervallwahrscheinlichkeit},
          std::tuple{Label_Intervallwahrscheinlichkeit2, QT_TRANSLATE_NOOP("Quorvel", "P0(k1<x<k2) "),
                     &a.Intervall.Label_Intervallwahrscheinlichkeit2},
          std::tuple{Label_Vertrauensintervall_ausgeben, QT_TRANSLATE_NOOP("Quorvel", "Konfidenzintervall "),
                     &a.Label_Vertrauensintervall_ausgeben}}) {
        l->setText(Qt_Text(*Text));
        l->setAccessibleName(QCoreApplication::translate("Quorvel", Name) + l->text());
    }
    Zeichnen();
}

void TForm1::Zeichnen() {
    const Auswertung& a = sitzung.Ergebnis();
    Erkundungsbild = false;
    OC_Tabelle t;
    const Stichprobenstand* st = Gezeigte_Stichproben();
    Geometrie = Grafik_zeichnen(Image1->Bild(), a, sitzung.Stand().OC, &t, st, Farbauswahl->Farben());
    // p0, p1 and p2 are read out as the fields show them ("1/6").
    const std::array<QString, 3> p_Texte = Gezeigte_p_Texte(sitzung.Stand(), a);
    if (sitzung.Stand().OC) {
        StringGrid1->OC_Tabelle_zeigen(t);
        Bild_zeigen(OC_Beschreibung(a.z, p_Texte[0]));
    } else {
        StringGrid1->Tabelle_fuellen(a.z, a.s.p1_zeichnen, a.s.p2_zeichnen, st ? &st->Ergebnis.Haeufigkeit : nullptr);
        Bild_zeigen(Diagrammbeschreibung(a.z, a.s, st, p_Texte));
    }
}

// A screen reader hears the new description as the chart's, and only a new one; an empty one
// leaves the description as it is.
void TForm1::Bild_zeigen(const QString& Beschreibung) {
    if (!Beschreibung.isEmpty() && Beschreibung != Image1->accessibleDescription())
        Image1->setAccessibleDescription(Beschreibung);
    Image1->Hervorheben({});
    Image1->update();
}

void TForm1::Nach_Aenderung() {
    // The interval asked for while row 0 is not binomial: said again after every change.
    if (sitzung.Ergebnis().keine_Binomialverteilung)
        dienste().Meldung(QCoreApplication::translate("Quorvel", "Keine Binomialverteilung !"));
}

// --- Buttons --------------------------------------------------------------------------------

// Back to the distribution chart and the value grid.
void TForm1::Histo_geklickt() {
    Erkundung_anhalten();
    sitzung.OC_zeigen(false);
    Anzeigen();
}

// "Std": the start values after the question about unsaved changes; an entry in progress in a
// field shows its start text too.
void TForm1::Std_geklickt() {
    Erkundung_anhalten();
    if (!dokument.Aenderungen_sichern()) return;
    for (QLineEdit* f : Felder) f->setModified(false);
    sitzung.Zuruecksetzen();
    Anzeigen();
}

// A copy at scale 1 on every screen; the stripe right of it shows white until the next redraw.
void TForm1::Clipboard_geklickt() {
    QImage& Bild = Image1->Bild();
    const QImage Kopie = Zwischenablagebild(Bild.devicePixelRatio() == 1 ? Bild : Grafik_in_Skala(1), Geometrie);
    dienste().Bild_kopieren(Kopie);
    const int b = Logische_Breite(Bild);
    if (Kopie.width() < b)
        Rechteck(Bild, Kopie.width(), 0, b, Logische_Hoehe(Bild), clWhite, clWhite, 1, Stiftart::psSolid,
                 Pinselart::bsSolid);
    Image1->update();
}

// --- Explorations ---------------------------------------------------------------------------

void TForm1::Erkunden(int Art) {
    const auto a = static_cast<Erkundungsart>(Art);
    // Its button again stops a run; another button starts its own.
    if (Erkundung->laeuft(a)) return Erkundung_anhalten();
    const Eingaben& e = sitzung.Stand();
    if (a == Erkundungsart::mehrere_p0 && e.n.Wert > n_mehrere_p0_hoechstens)
        return dienste().Meldung(QCoreApplication::translate("Quorvel", "n zu groß"));
    Stichproben->anhalten();
    Erkundungsbild = true;
    Erkundung->starten(a, e.n.Wert, sitzung.Ergebnis().z.p0, e.s.Info);
}

const Stichprobenstand* TForm1::Gezeigte_Stichproben() const {
    return ::Gezeigte_Stichproben(sitzung.Ergebnis(), Stichproben ? Stichproben->Lauf() : nullptr);
}

bool TForm1::Erkundung_laeuft() const { return Erkundung && Erkundung->laeuft(); }

void TForm1::Erkundung_anhalten() {
    if (Erkundung && Erkundung->laeuft()) Erkundung->anhalten();
    if (Stichproben) Stichproben->anhalten();
}

// Esc in the window (no control wants it) stops an animation or a run of samples. Not a
// shortcut: a window of its own, the chart alone on the whole screen, keeps its Esc.
void TForm1::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return Erkundung_anhalten();
    QWidget::keyPressEvent(e);
}

// A click on the chart stops an animation; a double click still asks for full screen.
bool TForm1::eventFilter(QObject* o, QEvent* e) {
    if (o == Image1 && e->type() == QEvent::MouseButtonPress) Erkundung_anhalten();
    if (e->type() == QEvent::KeyPress && Taste_im_Feld(o, static_cast<QKeyEvent*>(e))) return true;
    return QWidget::eventFilter(o, e);
}
