// The window's document: the lesson file it was opened from or saved to, its caption and
// changed-mark, opening (all or nothing), saving, the recent files, dropping a file on the
// window and the question before unsaved changes are lost. Without a file the window is
// exactly what it is without this part.

#include "ui/Quorvel.h"

#include "analysis/Eingaberegeln.h"
#include "analysis/Zustand.h"
#include "ui/Aufgabe.h"
#include "ui/Dienste.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

namespace {

// Records what the rules say instead of showing it, while a file is tried out.
struct Stille : Dienste {
    QStringList Meldungen;
    void Meldung(const QString& Text) override { Meldungen << Text; }
    void Signalton() override {}
    void Bild_kopieren(const QImage&) override {}
    void Tabelle_kopieren(const QString&, const QString&) override {}
};

// What a field accepts, for a file's value the field refused or corrected.
QString Bereich(const QString& Schluessel) {
    const QChar c = Schluessel.at(0);
    if (Schluessel == QLatin1String("n")) return QStringLiteral("muss zwischen 1 und %1 liegen").arg(k_Maximum);
    if (Schluessel == QLatin1String("x")) return QStringLiteral("muss zwischen 0 und n liegen");
    if (Schluessel == QLatin1String("k1")) return QStringLiteral("muss zwischen 0 und k2 liegen");
    if (Schluessel == QLatin1String("k2")) return QStringLiteral("muss zwischen k1 und n liegen");
    if (c == QLatin1Char('p')) return QStringLiteral("muss zwischen 0 und 1 liegen");
    if (c == QLatin1Char('M')) return QStringLiteral("muss eine ganze Zahl ab 0 und kleiner als N sein");
    if (c == QLatin1Char('N')) return QStringLiteral("muss eine ganze Zahl größer als M und mindestens n sein");
    if (Schluessel == QLatin1String("V_links")) return QStringLiteral("muss zwischen -1 und V_rechts liegen");
    if (Schluessel == QLatin1String("V_rechts")) return QStringLiteral("muss zwischen V_links und n + 1 liegen");
    if (Schluessel == QLatin1String("Sigmafaktor")) return QStringLiteral("muss zwischen 0 und 7 liegen");
    return QStringLiteral("muss zwischen 0 und 100 liegen");
}

QString Schluessel_von(const char* s) { return QString::fromUtf8(s); }

const QString Einstellung_Zuletzt = QStringLiteral("Zuletzt geöffnet");
constexpr int Zuletzt_hoechstens = 8;

QSettings Einstellungen() { return QSettings(QStringLiteral("Quorvel-Entwicklung"), QStringLiteral("Quorvel")); }

}  // namespace

// --- The file and the window ----------------------------------------------------------------

Aufgabe TForm1::Aufgabe_erfassen() const {
    // V_links getippt, V_rechts getippt: the bound was typed after its level, so the level
    // shown is the bound's; opening types the level and then that bound.
    Aufgabe a;
    for (const auto& f : Aufgabenfelder)
        a.Felder[Schluessel_von(f.Schluessel)] = findChild<QLineEdit*>(QString::fromUtf8(f.Steuerelement))->text();
    for (const auto& s : Aufgabenschalter)
        a.Schalter[Schluessel_von(s.Schluessel)] =
            findChild<QCheckBox*>(QString::fromUtf8(s.Steuerelement))->isChecked();
    for (int i = 0; i < 3; ++i) a.Verteilungen[i] = std::clamp(Zeilen[i].Art->currentIndex(), 0, 3);
    a.Saeulendiagramm = ComboBox_Histo_Saeule->currentIndex() == 1;
    a.OC = Gezeigt == Bildart::OC;
    a.V_links_getippt = V_links_getippt;
    a.V_rechts_getippt = V_rechts_getippt;
    return a;
}

// From the start values, as a user types: the kinds; N, M and n in whatever order the rules
// let them in (a hypergeometric row needs N >= n and M < N); the other rows' p; k1, k2, x;
// the levels, then a bound typed after its level; the σ factor, then the neighbourhood where
// it is not the factor's; the chart kind; the boxes; the OC view. Every value passes its
// field's exit handler. A value refused or corrected is the problem.
QString TForm1::Aufgabe_eintragen(const Aufgabe& a, QStringList* Folge, const QStringList* Vorgabe,
                                  const QStringList* Meldungen) {
    Dokument_pruefen_aus = true;
    const auto Ende = qScopeGuard([this] { Dokument_pruefen_aus = false; });
    Standardwerte_setzen();
    Histo_neu_zeichnen();
    auto Feld = [this](const QString& Schluessel) {
        for (const auto& f : Aufgabenfelder)
            if (Schluessel == QLatin1String(f.Schluessel))
                return findChild<QLineEdit*>(QString::fromUtf8(f.Steuerelement));
        return static_cast<QLineEdit*>(nullptr);
    };
    auto Tippen = [&](const QString& Schluessel) -> QString {
        QLineEdit* e = Feld(Schluessel);
        const QString t = a.Felder.value(Schluessel);
        const qsizetype m = Meldungen ? Meldungen->size() : 0;
        // A redraw may narrow the k range right after k1 or k2 was taken: only the rule tells
        // a correction from that.
        if ((Schluessel == QLatin1String("k1") && k1_pruefen(t.toStdString(), z.k2).Art == Urteilsart::Korrigieren) ||
            (Schluessel == QLatin1String("k2") &&
             k2_pruefen(t.toStdString(), z.k1, z.n).Art == Urteilsart::Korrigieren))
            return QStringLiteral("%1: %2 („%3“)").arg(Schluessel, Bereich(Schluessel), t);
        const bool k = Schluessel.startsWith(QLatin1Char('k'));
        e->setText(t);
        e->setModified(true);
        Feld_verlassen(e);
        if (Meldungen && Meldungen->size() > m)
            return Schluessel + QStringLiteral(": ") + Meldungen->constLast().trimmed();
        if (e->isModified() || (!k && e->text() != t))
            return QStringLiteral("%1: %2 („%3“)").arg(Schluessel, Bereich(Schluessel), t);
        return {};
    };

    for (int i = 0; i < 3; ++i)
        if (Zeilen[i].Art->currentIndex() != a.Verteilungen[i]) {
            Zeilen[i].Art->setCurrentIndex(a.Verteilungen[i]);
            Verteilungsart_umschalten(i);
        }

    if (Vorgabe) {
        for (const QString& k : *Vorgabe)
            if (const QString p = Tippen(k); !p.isEmpty()) return p;
    } else {
        QStringList offen;
        for (int i = 0; i < 3; ++i)
            for (const QString& k : {QStringLiteral("N%1").arg(i), QStringLiteral("M%1").arg(i)})
                if (a.Verteilungen[i] == vaHypergeo || a.Felder.value(k) != Feld(k)->text()) offen << k;
        offen << QStringLiteral("n");
        // Each round takes at least one value or ends with the first refusal.
        while (!offen.isEmpty()) {
            QString erstes;
            bool genommen = false;
            for (const QString& k : QStringList(offen)) {
                if (const QString p = Tippen(k); p.isEmpty()) {
                    offen.removeOne(k);
                    if (Folge) *Folge << k;
                    genommen = true;
                } else if (erstes.isEmpty())
                    erstes = p;
            }
            if (!genommen) return erstes;
        }
    }
    for (int i = 0; i < 3; ++i)
        if (a.Verteilungen[i] != vaHypergeo)
            if (const QString p = Tippen(QStringLiteral("p%1").arg(i)); !p.isEmpty()) return p;
    for (const char* k : {"k1", "k2", "x", "Alfa_links", "Alfa_rechts"})
        if (const QString p = Tippen(QString::fromLatin1(k)); !p.isEmpty()) return p;
    if (a.V_links_getippt)
        if (const QString p = Tippen(QStringLiteral("V_links")); !p.isEmpty()) return p;
    if (a.V_rechts_getippt)
        if (const QString p = Tippen(QStringLiteral("V_rechts")); !p.isEmpty()) return p;
    if (const QString p = Tippen(QStringLiteral("Sigmafaktor")); !p.isEmpty()) return p;
    if (Edit_Umgebung->text() != a.Felder.value(QStringLiteral("Umgebung")))
        if (const QString p = Tippen(QStringLiteral("Umgebung")); !p.isEmpty()) return p;
    if (a.Saeulendiagramm) {
        ComboBox_Histo_Saeule->setCurrentIndex(1);
        ComboBox_Histo_SaeuleChange();
    }
    const qsizetype Meldungen_vorher = Meldungen ? Meldungen->size() : 0;
    // The interval's box last: it makes x/n the p0 that the markings then follow.
    std::vector<Aufgabenschluessel> Reihe(Aufgabenschalter.begin(), Aufgabenschalter.end());
    std::stable_partition(Reihe.begin(), Reihe.end(), [](const Aufgabenschluessel& s) {
        return QLatin1String(s.Schluessel) != QLatin1String("Vertrauensintervall_berechnen");
    });
    for (const auto& s : Reihe) {
        auto* k = findChild<QCheckBox*>(QString::fromUtf8(s.Steuerelement));
        const bool soll = a.Schalter.value(Schluessel_von(s.Schluessel));
        if (k->isChecked() != soll) k->setChecked(soll);
        if (Meldungen && Meldungen->size() > Meldungen_vorher)
            return Schluessel_von(s.Schluessel) + QStringLiteral(": ") + Meldungen->constLast().trimmed();
    }
    // Boxes that clear each other cannot all be on.
    for (const auto& s : Aufgabenschalter)
        if (findChild<QCheckBox*>(QString::fromUtf8(s.Steuerelement))->isChecked() !=
            a.Schalter.value(Schluessel_von(s.Schluessel)))
            return QStringLiteral("%1: lässt sich mit den übrigen Schaltern nicht so setzen")
                .arg(Schluessel_von(s.Schluessel));
    // A later change of p0 or n (the interval's x/n among them) moved levels or bounds on from
    // where they were typed: where they now show otherwise, the file's texts are typed again,
    // the level first, the bound after it.
    for (const auto& [Niveau, Grenze, getippt] :
         {std::tuple{QStringLiteral("Alfa_links"), QStringLiteral("V_links"), a.V_links_getippt},
          std::tuple{QStringLiteral("Alfa_rechts"), QStringLiteral("V_rechts"), a.V_rechts_getippt}}) {
        if (Feld(Niveau)->text() != a.Felder.value(Niveau))
            if (const QString p = Tippen(Niveau); !p.isEmpty()) return p;
        if (getippt && Feld(Grenze)->text() != a.Felder.value(Grenze))
            if (const QString p = Tippen(Grenze); !p.isEmpty()) return p;
    }
    if (a.OC) BitBtn_OCClick();
    return {};
}

// --- Reading and trying out a file ----------------------------------------------------------

Aufgabe_gelesen TForm1::Aufgabe_laden(const QString& Datei) {
    const QFileInfo Info(Datei);
    if (!Info.isFile()) return {std::nullopt, QStringLiteral("die Datei gibt es nicht")};
    // A file far too long for a task is not read at all.
    if (Info.size() > Aufgabe_hoechstens) return {std::nullopt, QStringLiteral("die Datei ist größer als 1 MB")};
    QFile f(Datei);
    if (!f.open(QIODevice::ReadOnly)) return {std::nullopt, QStringLiteral("die Datei lässt sich nicht lesen")};
    return Aufgabe_lesen(f.read(Aufgabe_hoechstens + 1));
}

QString TForm1::Aufgabe_probieren(const Aufgabe& a, QStringList& Folge, const std::function<void(TForm1&)>& Danach) {
    auto s = std::make_unique<Stille>();
    Stille* still = s.get();
    std::unique_ptr<Dienste> vorher = Dienste_tauschen(std::move(s));
    QString Problem;
    {
        TForm1 Probe;
        // The chart at the form's size: the outer size a framed window opens with.
        if (Danach) Probe.resize(1031, Probe.height());
        Problem = Probe.Aufgabe_eintragen(a, &Folge, nullptr, &still->Meldungen);
        if (Problem.isEmpty() && Danach) Danach(Probe);
    }
    Dienste_tauschen(std::move(vorher));
    return Problem;
}

QString TForm1::Titel_ohne_Marke() const {
    QString t = windowTitle();
    return t.remove(QStringLiteral("[*]"));
}

void TForm1::Titel_setzen() {
    if (Datei.isEmpty()) {
        setWindowTitle(Grundtitel);
        setWindowModified(false);
        return;
    }
    setWindowTitle(QFileInfo(Datei).fileName() + QStringLiteral("[*] – ") + Grundtitel);
}

void TForm1::Dokument_pruefen() {
    if (Datei.isEmpty() || Dokument_pruefen_aus) return;
    setWindowModified(Aufgabe_schreiben(Aufgabe_erfassen()) != Gespeichert);
}

bool TForm1::Aufgabe_oeffnen(const QString& Name) {
    if (!Aenderungen_sichern()) return false;
    const QString Anzeige = QFileInfo(Name).fileName();
    Aufgabe_gelesen g = Aufgabe_laden(Name);
    QStringList Folge;
    QString Problem = g.Fehler;
    if (g.Wert) Problem = Aufgabe_probieren(*g.Wert, Folge);
    if (!Problem.isEmpty()) {
        dienste().Meldung(QStringLiteral("„%1“ lässt sich nicht öffnen: %2").arg(Anzeige, Problem));
        return false;
    }
    // What the trial took, in its order: nothing is refused here.
    Aufgabe_eintragen(*g.Wert, nullptr, &Folge);
    Datei = QFileInfo(Name).absoluteFilePath();
    Gespeichert = Aufgabe_schreiben(Aufgabe_erfassen());
    Titel_setzen();
    setWindowModified(false);
    Zuletzt_eintragen(Datei);
    return true;
}

void TForm1::Aufgabe_oeffnen_waehlen() {
    QString Ordner = Datei.isEmpty() ? Letzter_Aufgabenordner : QFileInfo(Datei).absolutePath();
    if (Ordner.isEmpty()) Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString Name = dienste().Aufgabe_zum_Oeffnen(this, Ordner, Beispielordner());
    if (Name.isEmpty()) return;
    Letzter_Aufgabenordner = QFileInfo(Name).absolutePath();
    Aufgabe_oeffnen(Name);
}

bool TForm1::Aufgabe_schreiben_nach(const QString& Name) {
    const QByteArray Text = Aufgabe_schreiben(Aufgabe_erfassen());
    QSaveFile f(Name);
    if (!f.open(QIODevice::WriteOnly) || f.write(Text) != Text.size() || !f.commit()) {
        dienste().Meldung(QStringLiteral("„%1“ konnte nicht gespeichert werden: %2")
                              .arg(QFileInfo(Name).fileName(), f.errorString()));
        return false;
    }
    Datei = QFileInfo(Name).absoluteFilePath();
    Gespeichert = Text;
    Titel_setzen();
    setWindowModified(false);
    Zuletzt_eintragen(Datei);
    return true;
}

bool TForm1::Aufgabe_speichern() {
    if (Datei.isEmpty()) return Aufgabe_speichern_unter();
    return Aufgabe_schreiben_nach(Datei);
}

bool TForm1::Aufgabe_speichern_unter() {
    QString Vorschlag = Datei;
    if (Vorschlag.isEmpty()) {
        QString Ordner = Letzter_Aufgabenordner;
        if (Ordner.isEmpty()) Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        Vorschlag = QDir(Ordner).filePath(QStringLiteral("aufgabe.quorvel"));
    }
    QString Name = dienste().Aufgabe_zum_Speichern(this, Vorschlag);
    if (Name.isEmpty()) return false;
    if (QFileInfo(Name).suffix().isEmpty()) Name += QStringLiteral(".quorvel");
    Letzter_Aufgabenordner = QFileInfo(Name).absolutePath();
    return Aufgabe_schreiben_nach(Name);
}

bool TForm1::Aenderungen_sichern() {
    if (Datei.isEmpty() || !isWindowModified()) return true;
    switch (dienste().Aenderungen_fragen(
        this, QStringLiteral("Änderungen an „%1“ speichern?").arg(QFileInfo(Datei).fileName()))) {
    case Dienste::Antwort::Speichern:
        return Aufgabe_speichern();
    case Dienste::Antwort::Verwerfen:
        return true;
    case Dienste::Antwort::Abbrechen:
        break;
    }
    return false;
}

// "Std": the start values, after the question; the file stays the window's.
void TForm1::Std_geklickt() {
    if (!Aenderungen_sichern()) return;
    SpeedButton_StandardwerteClick();
}

// --- Ways in: the recent files, dropping a file, closing --------------------------------------

QStringList TForm1::Zuletzt_geoeffnet() {
    QSettings e = Einstellungen();
    // A missing or unreadable settings file is an empty list.
    if (e.status() != QSettings::NoError) return {};
    QStringList l;
    for (const QVariant& v : e.value(Einstellung_Zuletzt).toList())
        if (v.typeId() == QMetaType::QString && !v.toString().isEmpty() && !l.contains(v.toString())) l << v.toString();
    return l.mid(0, Zuletzt_hoechstens);
}

void TForm1::Zuletzt_eintragen(const QString& Name) {
    QStringList l = Zuletzt_geoeffnet();
    l.removeAll(Name);
    l.prepend(Name);
    QSettings e = Einstellungen();
    if (e.status() != QSettings::NoError) return;
    e.setValue(Einstellung_Zuletzt, l.mid(0, Zuletzt_hoechstens));
}

void TForm1::Zuletzt_zeigen(QMenu* Menue) {
    Menue->clear();
    const QStringList l = Zuletzt_geoeffnet();
    if (l.isEmpty()) Menue->addAction(QStringLiteral("(keine)"))->setEnabled(false);
    for (const QString& Name : l) {
        QAction* a = Menue->addAction(QFileInfo(Name).fileName());
        a->setToolTip(Name);
        a->setStatusTip(Name);
        connect(a, &QAction::triggered, this, [this, Name] { Aufgabe_oeffnen(Name); });
    }
}

QString TForm1::Beispielordner() {
    // Installed beside the program: <prefix>/bin/quorvel, <prefix>/share/quorvel/beispiele.
    const QString d =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/quorvel/beispiele"));
    return QFileInfo(d).isDir() ? QDir::cleanPath(d) : QString();
}

namespace {
// The one local file a drag brings, else empty.
QString Gezogene_Datei(const QMimeData* m) {
    if (!m || !m->hasUrls() || m->urls().size() != 1 || !m->urls().constFirst().isLocalFile()) return {};
    return m->urls().constFirst().toLocalFile();
}
}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!Gezogene_Datei(e->mimeData()).isEmpty()) e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QString Name = Gezogene_Datei(e->mimeData());
    if (Name.isEmpty()) return;
    e->acceptProposedAction();
    // After the drop has ended: the question or the message must not hold the dragging program.
    QTimer::singleShot(0, this, [this, Name] { Aufgabe_oeffnen(Name); });
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (Aenderungen_sichern())
        e->accept();
    else
        e->ignore();
}

void TForm1::Dateimenue_anlegen() {
    auto* Menue = new QMenu(SpeedButton_Datei);
    Menue->setAccessibleName(QStringLiteral("Datei"));
    Menue->addAction(Aktion_Aufgabe_oeffnen);
    QMenu* Zuletzt = Menue->addMenu(QStringLiteral("Zuletzt geöffnet"));
    Zuletzt->setObjectName(QStringLiteral("Menue_Zuletzt"));
    Zuletzt->setAccessibleName(Zuletzt->title());
    connect(Zuletzt, &QMenu::aboutToShow, this, [this, Zuletzt] { Zuletzt_zeigen(Zuletzt); });
    Menue->addAction(Aktion_Aufgabe_speichern);
    Menue->addAction(Aktion_Aufgabe_speichern_unter);
    Menue->addSeparator();
    Menue->addAction(Aktion_Grafik_speichern);
    Menue->addAction(Aktion_Grafik_drucken);
    SpeedButton_Datei->setMenu(Menue);
    SpeedButton_Datei->setPopupMode(QToolButton::InstantPopup);
    SpeedButton_Datei->setToolTip(QStringLiteral("Datei: Aufgabe öffnen, speichern; Grafik exportieren, drucken"));
    connect(Aktion_Aufgabe_oeffnen, &QAction::triggered, this, &TForm1::Aufgabe_oeffnen_waehlen);
    connect(Aktion_Aufgabe_speichern, &QAction::triggered, this, &TForm1::Aufgabe_speichern);
    connect(Aktion_Aufgabe_speichern_unter, &QAction::triggered, this, &TForm1::Aufgabe_speichern_unter);
    setAcceptDrops(true);
    Grundtitel = windowTitle();
}

// --- The chart of a file, without a window shown ---------------------------------------------

QString TForm1::Grafik_aus_Aufgabe(const QString& Name, const QString& Bilddatei, int Skala) {
    const Aufgabe_gelesen g = Aufgabe_laden(Name);
    if (!g.Wert) return QStringLiteral("„%1“: %2").arg(Name, g.Fehler);
    QStringList Folge;
    bool geschrieben = false;
    const bool PDF = Bilddatei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    const QString Problem = Aufgabe_probieren(*g.Wert, Folge, [&](TForm1& f) {
        geschrieben = f.Grafik_schreiben(Bilddatei, PDF ? QStringLiteral("PDF") : QStringLiteral("PNG %1×").arg(Skala));
    });
    if (!Problem.isEmpty()) return QStringLiteral("„%1“: %2").arg(Name, Problem);
    if (!geschrieben) return QStringLiteral("„%1“ konnte nicht geschrieben werden").arg(Bilddatei);
    return {};
}
