#include "ui/Stichprobenfeld.h"

#include <QKeyEvent>

#include "charts/Qt_Text.h"
#include "ui/Dienste.h"
#include "ui/Eingabe_lesen.h"
#include "ui/Eingabehinweis.h"
#include "ui/Grafik.h"
#include "ui/Sitzung.h"

#include <QApplication>
#include <QCloseEvent>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalBlocker>

Stichprobenfeld::Stichprobenfeld(Sitzung& s, QWidget* Fenster) : QWidget(Fenster, Qt::Tool), sitzung(s) {
    setupUi(this);
    Hinweis = new Eingabehinweis(this);
    auto* ganz = new Ganzzahl_Tastenfilter(this);
    Edit_Stichprobenzahl->installEventFilter(ganz);
    Edit_Startwert->installEventFilter(ganz);
    Zeitgeber.setInterval(Takt_ms);
    connect(&Zeitgeber, &QTimer::timeout, this, &Stichprobenfeld::naechste_Stichprobe);
    connect(Button_Stichproben_starten, &QPushButton::clicked, this, &Stichprobenfeld::Starten_oder_anhalten);
    connect(ComboBox_Ziehen_aus, &QComboBox::activated, this,
            [this](int i) { sitzung.Ziehen_aus_waehlen(ComboBox_Ziehen_aus->itemData(i).toInt()); });
    // An entry ends when the focus goes from its field to another control of this panel.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* alt, QWidget* neu) {
        if (!alt || !neu || alt == neu || neu->window() != this) return;
        if (alt == Edit_Stichprobenzahl || alt == Edit_Startwert) Feld_verlassen(static_cast<QLineEdit*>(alt));
    });
    // Counts drawn under other inputs are not theirs: a run ends with the change, and its
    // counts go with it.
    connect(&sitzung, &Sitzung::geaendert, this, [this] {
        Zeitgeber.stop();
        Ziehen.reset();
        Anzeigen();
    });
    Anzeigen();
}

void Stichprobenfeld::Oeffnen() {
    if (!isVisible() && !sitzung.Stand().Stichproben.gezeigt) Startwert_anbieten();
    Anzeigen();
    if (!Platziert) {
        Platziert = true;
        adjustSize();
        // Beside the chart, at the main window's right and lower edge, where the screen has room
        // for it; elsewhere the window manager finds it a place.
        const QWidget* f = parentWidget();
        const QRect Rahmen = f->frameGeometry();
        if (const QScreen* Schirm = f->screen();
            Schirm && Rahmen.right() + 1 + width() <= Schirm->availableGeometry().right())
            move(Rahmen.right() + 1, std::max(Rahmen.top(), Rahmen.bottom() - height() - 40));
    }
    show();
    raise();
    activateWindow();
}

// Offered, not yet taken: it becomes the inputs' seed when the field is left or a run starts,
// so that merely looking at the panel changes no lesson. Six digits at most, to be read out.
void Stichprobenfeld::Startwert_anbieten() {
    Edit_Startwert->setText(QString::number(QRandomGenerator::global()->bounded(1, 1000000)));
    Edit_Startwert->setModified(true);
}

void Stichprobenfeld::Starten_oder_anhalten() {
    if (laeuft())
        anhalten();
    else
        Starten();
}

bool Stichprobenfeld::Feld_verlassen(QLineEdit* Feld) {
    if (!Feld->isModified()) return true;
    const std::string Text = Feld->text().toStdString();
    const Eingabeurteil u =
        Feld == Edit_Stichprobenzahl ? sitzung.Stichprobenzahl_eingeben(Text) : sitzung.Startwert_eingeben(Text);
    if (u.Art == Urteilsart::Abweisen) {
        if (u.Ton) dienste().Signalton();
        Feld->setFocus();
        Hinweis->Zeigen(Feld, QString::fromStdString(u.Grund));
        return false;
    }
    Hinweis->Verbergen();
    Feld->setModified(false);
    Anzeigen();
    return true;
}

void Stichprobenfeld::Starten() {
    if (!Feld_verlassen(Edit_Stichprobenzahl) || !Feld_verlassen(Edit_Startwert)) return;
    // Inputs without a seed yet (the start's, or a lesson's of version 1) take one now.
    if (sitzung.Stand().Stichproben.Startwert.Text.empty()) {
        Startwert_anbieten();
        Feld_verlassen(Edit_Startwert);
    }
    // What the chart showed goes; every run draws over the distribution chart.
    Ziehen.reset();
    sitzung.Stichproben_zeigen(false);
    const Eingaben& e = sitzung.Stand();
    if (e.Stichproben.m.Wert > Animiert_hoechstens) {
        sitzung.Stichproben_zeigen(true);
        return;
    }
    const Auswertung& a = sitzung.Ergebnis();
    const int Zeile = e.Stichproben.Zeile;
    const auto Startwert = static_cast<std::uint64_t>(e.Stichproben.Startwert.Wert);
    Ziehen.emplace(Ziehlauf{Ziehung_der_Zeile(a.z, a.s, Zeile), Ablehnungsgrenzen_von(a.z), std::mt19937_64(Startwert),
                            Stichprobenstand{}});
    Stichprobenstand& st = Ziehen->Stand;
    st.Zeile = Zeile;
    st.m = e.Stichproben.m.Wert;
    st.Startwert = Startwert;
    st.Ergebnis = Leeres_Stichprobenergebnis(Ziehen->d.n());
    st.Rate = Simulationsrate_berechnen(st.Ergebnis, Ziehen->d, Ziehen->g);
    Zeitgeber.start();
    Anzeigen();
    emit Lauf_geaendert();
}

void Stichprobenfeld::naechste_Stichprobe() {
    if (!laeuft() || !Ziehen) return;
    Stichprobenstand& st = Ziehen->Stand;
    if (st.Ergebnis.m >= st.m) {
        // The last sample has been seen: the inputs show all of them now, the same counts
        // drawn at once from the same seed.
        Zeitgeber.stop();
        Ziehen.reset();
        sitzung.Stichproben_zeigen(true);
        return;
    }
    st.zuletzt = Ziehen->d.ziehen(Ziehen->Generator);
    Stichprobe_zaehlen(st.Ergebnis, Ziehen->g, st.zuletzt);
    st.Rate = Simulationsrate_berechnen(st.Ergebnis, Ziehen->d, Ziehen->g);
    Anzeigen();
    emit Lauf_geaendert();
}

void Stichprobenfeld::anhalten() {
    if (!laeuft()) return;
    Zeitgeber.stop();
    if (Ziehen) Ziehen->Stand.zuletzt = -1;
    Anzeigen();
    emit Lauf_geaendert();
}

void Stichprobenfeld::closeEvent(QCloseEvent* e) {
    anhalten();
    QWidget::closeEvent(e);
}

void Stichprobenfeld::Anzeigen() {
    const Stichprobenwahl& w = sitzung.Stand().Stichproben;
    const Schalter& s = sitzung.Stand().s;
    // An entry the user has not finished stays as typed, and so does the seed offered; the
    // seed of counts shown is always the one that drew them.
    const auto Zeigen = [](QLineEdit* f, const std::string& Text) {
        const QString t = Qt_Text(Text);
        if (f->text() != t) f->setText(t);
        f->setModified(false);
    };
    if (!Edit_Stichprobenzahl->isModified()) Zeigen(Edit_Stichprobenzahl, w.m.Text);
    if (w.gezeigt || !Edit_Startwert->isModified()) Zeigen(Edit_Startwert, w.Startwert.Text);

    // H0 always; row 1 and 2 while they are drawn.
    QList<int> Zeilen{0};
    for (int i : {1, 2})
        if (Zeile_ziehbar(s, i)) Zeilen << i;
    QList<int> bisher;
    for (int i = 0; i < ComboBox_Ziehen_aus->count(); ++i) bisher << ComboBox_Ziehen_aus->itemData(i).toInt();
    const QSignalBlocker b(ComboBox_Ziehen_aus);
    if (bisher != Zeilen) {
        ComboBox_Ziehen_aus->clear();
        for (int i : Zeilen)
            ComboBox_Ziehen_aus->addItem(i == 0 ? QStringLiteral("H0") : QStringLiteral("p%1").arg(i), i);
    }
    ComboBox_Ziehen_aus->setCurrentIndex(std::max(0, ComboBox_Ziehen_aus->findData(w.Zeile)));

    Button_Stichproben_starten->setText(laeuft() ? tr("Anhalten") : tr("Starten"));
    const Stichprobenstand* st = Gezeigte_Stichproben(sitzung.Ergebnis(), Lauf());
    Label_Simulation->setText(st ? Qt_Text(Stichprobentext(*st)) : tr("Noch keine Stichproben gezogen."));
    Label_Simulation->setAccessibleName(tr("Stichproben: ") + Label_Simulation->text());
}

void Stichprobenfeld::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) return anhalten();
    QWidget::keyPressEvent(e);
}
