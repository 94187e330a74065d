// The main window: its creation from the form ui/Quorvel.ui, the wiring of its events and the
// handlers that only switch, recompute and redraw. The exit handlers of the edit fields are in
// Eingabe.cpp.

#include "ui/Quorvel.h"

#include "analysis/Berechnung.h"
#include "analysis/Konfidenzintervall.h"
#include "analysis/Startwerte.h"
#include "analysis/Zahlentexte.h"
#include "charts/Beschreibung.h"
#include "analysis/Ablehnungsbereich.h"
#include "charts/Diagramm.h"
#include "charts/OC.h"
#include "charts/Qt_Text.h"
#include "charts/UGrafik.h"
#include "explorations/Erkundung.h"
#include "ui/Bildfeld.h"
#include "ui/Dienste.h"
#include "ui/Erkundungsanzeige.h"
#include "ui/Formular.h"
#include "ui/Wertetabelle.h"

#include <QApplication>
#include <QScreen>

#include <initializer_list>
#include <utility>

namespace {

// The right end of the rejection region V, "; ... ;n]".
QString V_n_Text(const QString& n) { return QStringLiteral("; ... ;") + n + QStringLiteral("]"); }

}  // namespace

// --- Construction ---------------------------------------------------------------------------

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Formular_anmelden();
    Steuerelemente_anlegen();
    if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->availableGeometry().center() - rect().center());
    Anordnen();
    Ereignisse_verbinden();
    Tastenfilter_einrichten();
    FormCreate();
    erstellt = true;
}

TForm1::~TForm1() {
    // The children die after this body; their focus changes must not reach a half-gone window.
    disconnect(qApp, nullptr, this, nullptr);
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
          std::pair{SpeedButton_Vollbild, Aktion_Vollbild}, std::pair{SpeedButton_Hilfe, Aktion_Hilfe}})
        Knopf->setToolTip(
            QStringLiteral("%1 (%2)").arg(Aktion->text(), Aktion->shortcut().toString(QKeySequence::NativeText)));
    Dateimenue_anlegen();
    Zeilen = {{{ComboBox_Verteilung_p0, Edit_p0, Edit_M0, Edit_N0, Label_M0, Label_N0},
               {ComboBox_Verteilung_p1, Edit_p1, Edit_M1, Edit_N1, Label_M1, Label_N1},
               {ComboBox_Verteilung_p2, Edit_p2, Edit_M2, Edit_N2, Label_M2, Label_N2}}};
}

void TForm1::Ereignisse_verbinden() {
    connect(Image1, &Bildfeld::Groesse_geaendert, this, &TForm1::Bildgroesse_angepasst);
    connect(Image1, &Bildfeld::Doppelklick, this, &TForm1::Vollbild_zeigen);
    connect(Aktion_Vollbild, &QAction::triggered, this, &TForm1::Vollbild_zeigen);
    connect(Aktion_Grafik_speichern, &QAction::triggered, this, &TForm1::Grafik_speichern);
    connect(Aktion_Grafik_drucken, &QAction::triggered, this, &TForm1::Grafik_drucken);
    connect(Aktion_Hilfe, &QAction::triggered, this, &TForm1::Hilfe_zeigen);
    connect(SpeedButton_Grafik_speichern, &QToolButton::clicked, Aktion_Grafik_speichern, &QAction::trigger);
    connect(SpeedButton_Grafik_drucken, &QToolButton::clicked, Aktion_Grafik_drucken, &QAction::trigger);
    connect(SpeedButton_Vollbild, &QToolButton::clicked, Aktion_Vollbild, &QAction::trigger);
    connect(SpeedButton_Hilfe, &QToolButton::clicked, Aktion_Hilfe, &QAction::trigger);
    connect(BitBtn_Histoneu, &QPushButton::clicked, this, &TForm1::BitBtn_HistoneuClick);
    connect(CheckBox_Beta_zeigen, &QCheckBox::toggled, this, &TForm1::BitBtn_HistoneuClick);
    connect(BitBtn_OC, &QPushButton::clicked, this, &TForm1::BitBtn_OCClick);
    connect(SpeedButton_Standardwerte, &QToolButton::clicked, this, &TForm1::Std_geklickt);
    connect(SpeedButton_Clipboard, &QToolButton::clicked, this, &TForm1::SpeedButton_ClipboardClick);
    connect(CheckBox_p1_zeichnen, &QCheckBox::toggled, this, &TForm1::CheckBox_p1_zeichnenClick);
    connect(CheckBox_p2_zeichnen, &QCheckBox::toggled, this, &TForm1::CheckBox_p2_zeichnenClick);
    connect(CheckBox_p0_kumuliert, &QCheckBox::toggled, this, &TForm1::CheckBox_p0_kumuliertClick);
    connect(ComboBox_Histo_Saeule, &QComboBox::activated, this, &TForm1::ComboBox_Histo_SaeuleChange);
    connect(CheckBox_Alfa_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Alfa_zeigenClick);
    connect(CheckBox_Annahmebereich_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Annahmebereich_zeigenClick);
    connect(CheckBox_waagerechte_Strichelung, &QCheckBox::toggled, this, &TForm1::CheckBox_Annahmebereich_zeigenClick);
    connect(CheckBox_Umgebung_schraffieren, &QCheckBox::toggled, this, &TForm1::CheckBox_Umgebung_schraffierenClick);
    connect(CheckBox_Info, &QCheckBox::toggled, this, &TForm1::CheckBox_InfoClick);
    connect(CheckBox_Normalverteilung, &QCheckBox::toggled, this, &TForm1::CheckBox_NormalverteilungClick);
    connect(CheckBox_Erwartungswert_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Erwartungswert_zeigenClick);
    connect(CheckBox_Sigma_zeigen, &QCheckBox::toggled, this, &TForm1::CheckBox_Sigma_zeigenClick);
    connect(CheckBox_Stichprobenergebnis_zeigen, &QCheckBox::toggled, this,
            &TForm1::CheckBox_Stichprobenergebnis_zeigenClick);
    connect(CheckBox_Vertrauensintervall_berechnen, &QCheckBox::toggled, this,
            &TForm1::CheckBox_Vertrauensintervall_berechnenClick);
    connect(ComboBox_Verteilung_p0, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p0Change);
    connect(ComboBox_Verteilung_p1, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p1Change);
    connect(ComboBox_Verteilung_p2, &QComboBox::activated, this, &TForm1::ComboBox_Verteilung_p2Change);
    connect(Edit_n, &QLineEdit::textChanged, this, &TForm1::Edit_nChange);
    connect(BitBtn_p0Animation, &QPushButton::clicked, this, &TForm1::BitBtn_p0AnimationClick);
    connect(BitBtn_nAnimation, &QPushButton::clicked, this, &TForm1::BitBtn_nAnimationClick);
    connect(Button_p0_variabel, &QPushButton::clicked, this, &TForm1::Button_p0_variabelClick);
    connect(Button_n_variabel, &QPushButton::clicked, this, &TForm1::Button_n_variabelClick);

    Ausgaenge_verbinden();
}

// --- Reading the switches, recomputing, redrawing ------------------------------------------

Schalter TForm1::Schalter_lesen() const {
    Schalter s;
    s.Verteilung_p0 = Zeilen[0].Art->currentIndex();
    s.Verteilung_p1 = Zeilen[1].Art->currentIndex();
    s.Verteilung_p2 = Zeilen[2].Art->currentIndex();
    s.p1_zeichnen = CheckBox_p1_zeichnen->isChecked();
    s.p2_zeichnen = CheckBox_p2_zeichnen->isChecked();
    s.Vertrauensintervall_berechnen = CheckBox_Vertrauensintervall_berechnen->isChecked();
    s.Info = CheckBox_Info->isChecked();
    s.Erwartungswert_zeigen = CheckBox_Erwartungswert_zeigen->isChecked();
    s.Sigma_zeigen = CheckBox_Sigma_zeigen->isChecked();
    s.Umgebung_schraffieren = CheckBox_Umgebung_schraffieren->isChecked();
    s.Normalverteilung = CheckBox_Normalverteilung->isChecked();
    s.Alfa_zeigen = CheckBox_Alfa_zeigen->isChecked();
    s.Annahmebereich_zeigen = CheckBox_Annahmebereich_zeigen->isChecked();
    s.Beta_zeigen = CheckBox_Beta_zeigen->isChecked();
    s.waagerechte_Strichelung = CheckBox_waagerechte_Strichelung->isChecked();
    s.p0_kumuliert = CheckBox_p0_kumuliert->isChecked();
    s.Stichprobenergebnis_zeigen = CheckBox_Stichprobenergebnis_zeigen->isChecked();
    return s;
}

void TForm1::Alles_berechnen() { Alles_berechnen(Schalter_lesen()); }
void TForm1::Histo_neu_zeichnen() { Histo_neu_zeichnen(Schalter_lesen()); }

void TForm1::Neu_berechnen_und_zeichnen() {
    const Schalter s = Schalter_lesen();
    Alles_berechnen(s);
    Histo_neu_zeichnen(s);
}

void TForm1::Alles_berechnen(const Schalter& s) {
    if (Zuruecksetzung_laeuft) return;
    // Until the next redraw the picture belongs to the state before this recomputation.
    Gezeigt = Bildart::Anderes;
    const Berechnungstexte t = ::Alles_berechnen(z, s);
    Edit_kli->setText(Qt_Text(t.Edit_kli));
    Edit_kre->setText(Qt_Text(t.Edit_kre));
    Intervalltexte_zeigen(t.Intervall);
    // Whatever the kind of distribution 0: only the box's own click asks for a binomial one.
    if (s.Vertrauensintervall_berechnen) {
        Edit_p0->setText(Qt_Text(t.Edit_p0));
        Konfidenztext_zeigen(Qt_Text(t.Label_Vertrauensintervall_ausgeben));
    }
    if (!z.Serie_laeuft) StringGrid1->Tabelle_fuellen(z, s.p1_zeichnen, s.p2_zeichnen);
}

// The value labels say what they are: a screen reader hears the name with the value.
void TForm1::Intervalltexte_zeigen(const Intervalltexte& t) {
    Label_Intervallwahrscheinlichkeit->setText(Qt_Text(t.Label_Intervallwahrscheinlichkeit));
    Label_Intervallwahrscheinlichkeit2->setText(Qt_Text(t.Label_Intervallwahrscheinlichkeit2));
    Label_Intervallwahrscheinlichkeit->setAccessibleName(QStringLiteral("P0(k1<=x<=k2) ") +
                                                         Label_Intervallwahrscheinlichkeit->text());
    Label_Intervallwahrscheinlichkeit2->setAccessibleName(QStringLiteral("P0(k1<x<k2) ") +
                                                          Label_Intervallwahrscheinlichkeit2->text());
}

void TForm1::Konfidenztext_zeigen(const QString& Text) {
    Label_Vertrauensintervall_ausgeben->setText(Text);
    Label_Vertrauensintervall_ausgeben->setAccessibleName(QStringLiteral("Konfidenzintervall ") + Text);
}

// p0 = x/n is the test's p0: one that is not in force yet is taken like a typed p0, with the
// recomputation and (unless a redraw is about to follow) the redraw; otherwise only the
// interval's text is refreshed (the factor may have changed).
void TForm1::Konfidenzintervall_zeigen() {
    if (z.p0 != Konfidenz_p0(z)) {
        Alles_berechnen();
        if (!Vor_dem_Zeichnen) Histo_neu_zeichnen();
        return;
    }
    Konfidenztext_zeigen(Qt_Text(Konfidenzintervall_Text(z)));
}

// The window's part of a redraw, in its order: the interval's click, the chart's geometry (a
// narrowed k range becomes the state's and the fields'), the test kind, the levels reached
// where the information box shows them; then the chart draws what it is given.
void TForm1::Histo_neu_zeichnen(const Schalter& s) {
    if (Zuruecksetzung_laeuft) return;
    if (Erkundungen) Erkundungen->anhalten();
    // The right end of V is the n in force: a refused entry still standing in Edit_n is not it.
    Label_V_n->setText(V_n_Text(Qt_Text(Zahl_ganz(z.n))));
    // Every redraw runs the interval box's click: before the drawing, so that the picture is
    // that of p0 = x/n throughout (scale, bounds and bars alike).
    if (CheckBox_Vertrauensintervall_berechnen->isChecked()) {
        Vor_dem_Zeichnen = true;
        CheckBox_Vertrauensintervall_berechnenClick();
        Vor_dem_Zeichnen = false;
    }
    const Diagrammgeometrie g = Geometrie_berechnen(Image1->Bild(), z, s);
    if (g.verengt) {
        z.k1 = g.k1;
        z.k2 = g.k2;
        k1_zeigen();
        k2_zeigen();
        Intervalltexte_zeigen(Intervallwahrscheinlichkeiten(z));
    }
    Testart_setzen(z);
    if (s.Info && (s.Alfa_zeigen || s.Annahmebereich_zeigen)) Alfa_Fehler(z);
    ::Histo_neu_zeichnen(Image1->Bild(), z, g, s);
    Geometrie = g;
    Gezeigt = Bildart::Verteilung;
    Bild_zeigen(Diagrammbeschreibung(z, s));
}

Diagrammgeometrie TForm1::Verteilungsbild(QImage& Bild, const Schalter& s) const {
    const Diagrammgeometrie g = Geometrie_berechnen(Bild, z, s);
    ::Histo_neu_zeichnen(Bild, z, g, s);
    return g;
}

void TForm1::Standardwerte_setzen() {
    // The variables first (every step's value at once).
    Startwerte_setzen(z);
    V_links_getippt = V_rechts_getippt = false;

    Edit_Stichprobenergebnis->setText(Qt_Text(Zahl_ganz(Start.x)));
    Edit_n->setText(Qt_Text(Zahl_ganz(Start.n)));
    Edit_k1->setText(Qt_Text(Zahl_ganz(Start.k1)));
    Edit_k2->setText(Qt_Text(Zahl_ganz(Start.k2)));

    // The fields of the hypergeometric distribution show only while it is chosen.
    for (int i = 0; i < 3; ++i) {
        const Zeilenfelder& r = Zeilen[i];
        for (QWidget* w : std::initializer_list<QWidget*>{r.M, r.N, r.Label_M, r.Label_N}) w->hide();
        r.M->setText(Qt_Text(Zahl_ganz(Start.M[i])));
        r.N->setText(Qt_Text(Zahl_ganz(Start.N[i])));
        r.p->setEnabled(true);
        r.p->setText(Qt_Text(Zahl_allgemein(Start.p[i])));
    }

    Label_V_n->setText(V_n_Text(Edit_n->text()));
    Intervalltexte_zeigen({"P=1,0", Label_Intervallwahrscheinlichkeit2->text().toStdString()});
    Konfidenztext_zeigen(QString::fromLatin1(Leeres_Konfidenzintervall));
    Edit_Alfali->setText(Qt_Text(Zahl_allgemein(Start.Alfali)));
    Edit_Alfare->setText(Qt_Text(Zahl_allgemein(Start.Alfare)));
    Edit_kli->setText(Qt_Text(Zahl_ganz(Start.kli)));
    Edit_kre->setText(Qt_Text(Zahl_ganz(Start.kre)));
    Edit_Sigmafaktor->setText(Qt_Text(Zahl_allgemein(Start.Sigmafaktor)));
    Edit_Umgebung->setText(Qt_Text(Zahl_allgemein(Start.Umgebung)));

    // Selecting from code runs no change handler (those are wired to activated).
    for (QComboBox* c : {ComboBox_Verteilung_p0, ComboBox_Verteilung_p1, ComboBox_Verteilung_p2, ComboBox_Histo_Saeule})
        c->setCurrentIndex(0);
    z.Saeulendiagramm = false;

    // Clearing a checked box runs its handler, as any change of a box does; Info stays. Their
    // recomputations and redraws wait for the one recomputation below and the caller's redraw:
    // on the way, with boxes still on, a redraw would store the levels reached as the levels
    // and a recomputation with the interval box on would take x/n as p0.
    Zuruecksetzung_laeuft = true;
    for (QCheckBox* k : std::initializer_list<QCheckBox*>{
             CheckBox_p1_zeichnen, CheckBox_p2_zeichnen, CheckBox_Erwartungswert_zeigen, CheckBox_Sigma_zeigen,
             CheckBox_Umgebung_schraffieren, CheckBox_Vertrauensintervall_berechnen, CheckBox_Normalverteilung,
             CheckBox_Alfa_zeigen, CheckBox_Annahmebereich_zeigen, CheckBox_Beta_zeigen,
             CheckBox_waagerechte_Strichelung, CheckBox_p0_kumuliert, CheckBox_Stichprobenergebnis_zeigen})
        k->setChecked(false);
    Zuruecksetzung_laeuft = false;

    Alles_berechnen();
    // The reset's table is the grid's even where it starts a series (Serie_laeuft): the
    // series' members leave the grid alone.
    if (z.Serie_laeuft) StringGrid1->Tabelle_fuellen(z, false, false);
}

// --- Handlers -------------------------------------------------------------------------------

void TForm1::FormCreate() {
    StringGrid1->Tabelle_einrichten(z.n);
    Standardwerte_setzen();
    Histo_neu_zeichnen();
}

void TForm1::BitBtn_HistoneuClick() {
    Neu_berechnen_und_zeichnen();
    StringGrid1->Tabelle_fuellen(z, CheckBox_p1_zeichnen->isChecked(), CheckBox_p2_zeichnen->isChecked());
}

void TForm1::BitBtn_OCClick() {
    if (Erkundungen) Erkundungen->anhalten();
    // The chart takes the test kind the last redraw of the distribution chart set; its beta
    // table goes into the grid.
    StringGrid1->OC_Tabelle_zeigen(OC_zeichnen(Image1->Bild(), z));
    Geometrie = OC_Geometrie(Image1->Bild());
    Gezeigt = Bildart::OC;
    Bild_zeigen(OC_Beschreibung(z));
}

void TForm1::SpeedButton_StandardwerteClick() {
    Standardwerte_setzen();
    Histo_neu_zeichnen();
}

// A copy at scale 1 on every screen; the stripe right of it shows white until the next redraw.
void TForm1::SpeedButton_ClipboardClick() {
    QImage& Bild = Image1->Bild();
    const QImage Kopie = Zwischenablagebild(Bild.devicePixelRatio() == 1 ? Bild : Grafik_in_Skala(1), Geometrie);
    dienste().Bild_kopieren(Kopie);
    const int b = Logische_Breite(Bild);
    if (Kopie.width() < b)
        Rechteck(Bild, Kopie.width(), 0, b, Logische_Hoehe(Bild), clWhite, clWhite, 1, Stiftart::psSolid,
                 Pinselart::bsSolid);
    Image1->update();
}

void TForm1::CheckBox_p1_zeichnenClick() { Neu_berechnen_und_zeichnen(); }

void TForm1::CheckBox_p2_zeichnenClick() { Neu_berechnen_und_zeichnen(); }

// Clearing the cumulative chart from the handler of "Annahmebereich A" or of the neighbourhood
// hatching must not clear the very box being switched on: otherwise a click on it while the
// cumulative chart is shown would end with that box off, against the rule that checking it
// clears the others.
void TForm1::CheckBox_p0_kumuliertClick() {
    if (Einschaltender != CheckBox_Umgebung_schraffieren) CheckBox_Umgebung_schraffieren->setChecked(false);
    if (Einschaltender != CheckBox_Annahmebereich_zeigen) CheckBox_Annahmebereich_zeigen->setChecked(false);
    Alles_berechnen();
    if (CheckBox_waagerechte_Strichelung->isChecked()) CheckBox_waagerechte_Strichelung->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::ComboBox_Histo_SaeuleChange() {
    z.Saeulendiagramm = ComboBox_Histo_Saeule->currentIndex() == 1;
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Alfa_zeigenClick() {
    if (CheckBox_Alfa_zeigen->isChecked()) {
        CheckBox_Umgebung_schraffieren->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        CheckBox_Annahmebereich_zeigen->setChecked(false);
    }
    Histo_neu_zeichnen();
}

// Also the handler of "waagerechte Hilfslinien": it tests the acceptance box, not the sender.
void TForm1::CheckBox_Annahmebereich_zeigenClick() {
    if (CheckBox_Annahmebereich_zeigen->isChecked()) {
        QCheckBox* const vorher = std::exchange(Einschaltender, CheckBox_Annahmebereich_zeigen);
        CheckBox_Umgebung_schraffieren->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        CheckBox_Alfa_zeigen->setChecked(false);
        Einschaltender = vorher;
    }
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Umgebung_schraffierenClick() {
    if (CheckBox_Umgebung_schraffieren->isChecked()) {
        QCheckBox* const vorher = std::exchange(Einschaltender, CheckBox_Umgebung_schraffieren);
        CheckBox_Annahmebereich_zeigen->setChecked(false);
        CheckBox_Alfa_zeigen->setChecked(false);
        CheckBox_p0_kumuliert->setChecked(false);
        Einschaltender = vorher;
        // A percentage typed but not yet taken is taken now; one the user did not touch stays.
        if (Edit_Umgebung->isModified()) Edit_UmgebungExit();
    }
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_InfoClick() { Histo_neu_zeichnen(); }

void TForm1::CheckBox_NormalverteilungClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Erwartungswert_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Sigma_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Stichprobenergebnis_zeigenClick() {
    CheckBox_p0_kumuliert->setChecked(false);
    Histo_neu_zeichnen();
}

void TForm1::CheckBox_Vertrauensintervall_berechnenClick() {
    if (!CheckBox_Vertrauensintervall_berechnen->isChecked()) {
        Konfidenztext_zeigen(QString::fromLatin1(Leeres_Konfidenzintervall));
        return;
    }
    if (ComboBox_Verteilung_p0->currentIndex() != vaBinomial) {
        dienste().Meldung(QStringLiteral("Keine Binomialverteilung !"));
        return;
    }
    Konfidenzintervall_zeigen();
}

void TForm1::Verteilungsart_umschalten(int Zeile) {
    const Zeilenfelder& r = Zeilen[Zeile];
    const int i = r.Art->currentIndex();
    if (i >= vaBinomial && i <= vaGeometr) {
        const bool hypergeometrisch = i == vaHypergeo;
        r.p->setEnabled(!hypergeometrisch);
        for (QWidget* w : std::initializer_list<QWidget*>{r.M, r.N, r.Label_M, r.Label_N})
            w->setVisible(hypergeometrisch);
    }
    // p keeps its value: it becomes M/N only when an M or N field is left with a valid entry.
    Edit_nExit();
}

void TForm1::ComboBox_Verteilung_p0Change() { Verteilungsart_umschalten(0); }
void TForm1::ComboBox_Verteilung_p1Change() { Verteilungsart_umschalten(1); }
void TForm1::ComboBox_Verteilung_p2Change() { Verteilungsart_umschalten(2); }

void TForm1::Edit_nChange() {
    Edit_k1->setText(QStringLiteral("0"));
    if (!z.Serie_laeuft) Edit_k2->setText(Edit_n->text());
}

// --- Explorations ---------------------------------------------------------------------------

void TForm1::Button_p0_variabelClick() {
    if (z.n > n_mehrere_p0_hoechstens) return dienste().Meldung(QStringLiteral("n zu groß"));
    Erkundung_zeigen(Erkundungsart::mehrere_p0);
}

void TForm1::Button_n_variabelClick() { Erkundung_zeigen(Erkundungsart::mehrere_n); }
void TForm1::BitBtn_p0AnimationClick() { Erkundung_zeigen(Erkundungsart::p0_Animation); }
void TForm1::BitBtn_nAnimationClick() { Erkundung_zeigen(Erkundungsart::n_Animation); }

void TForm1::Erkundung_zeigen(Erkundungsart Art) {
    if (!Erkundungen) {
        Erkundungen = new Erkundungsanzeige(*Image1, this);
        connect(Erkundungen, &Erkundungsanzeige::Bild_gezeigt, this, [this](const QString& Beschreibung) {
            Geometrie = Erkundungen->Geometrie();
            Bild_zeigen(Beschreibung);
        });
    }
    // The image shows neither the distribution chart nor the OC chart of the inputs now.
    Gezeigt = Bildart::Anderes;
    Erkundungen->starten(Art, z.n, z.p0, CheckBox_Info->isChecked());
}

void TForm1::k1_zeigen() { Edit_k1->setText(Qt_Text(Zahl_ganz(z.k1))); }
void TForm1::k2_zeigen() { Edit_k2->setText(Qt_Text(Zahl_ganz(z.k2))); }
// A screen reader hears the new description as the chart's.
void TForm1::Bild_zeigen(const QString& Beschreibung) {
    Image1->setAccessibleDescription(Beschreibung);
    Image1->update();
    Dokument_pruefen();
}
