#include "ui/Dokument.h"

#include "charts/Beschreibung.h"
#include "ui/Aufgabe.h"
#include "ui/Dienste.h"
#include "ui/Grafik.h"
#include "ui/Sitzung.h"
#include "ui/Tasten.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QWidget>

namespace {

const QString Einstellung_Zuletzt = QStringLiteral("Zuletzt geöffnet");  // kein Text
constexpr int Zuletzt_hoechstens = 8;

QSettings Einstellungen() { return QSettings(QStringLiteral("Quorvel-Entwicklung"), QStringLiteral("Quorvel")); }

QString Seitentitel(const QString& Datei) {
    return Datei.isEmpty() ? Programmtitel : QFileInfo(Datei).fileName() + QStringLiteral(" – ") + Programmtitel;
}

}  // namespace

Dokument::Dokument(QWidget& f, Sitzung& sitzung) : Fenster(f), s(sitzung), Gespeichert(sitzung.Stand()) {
    connect(&s, &Sitzung::geaendert, this, &Dokument::Titel_setzen);
}

bool Dokument::geaendert() const { return !(s.Stand() == Gespeichert); }

QString Dokument::Titel_ohne_Marke() const { return Seitentitel(Name); }

void Dokument::Titel_setzen() {
    if (Name.isEmpty()) {
        Fenster.setWindowTitle(Programmtitel);
        Fenster.setWindowModified(false);
        return;
    }
    Fenster.setWindowTitle(QFileInfo(Name).fileName() + QStringLiteral("[*] – ") + Programmtitel);
    Fenster.setWindowModified(geaendert());
}

bool Dokument::Oeffnen(const QString& Datei) {
    if (!Aenderungen_sichern()) return false;
    const Eingaben_gelesen g = Eingaben_laden(Datei);
    if (!g.Wert) {
        dienste().Meldung(tr("„%1“ lässt sich nicht öffnen: %2").arg(QFileInfo(Datei).fileName(), g.Fehler));
        return false;
    }
    Name = QFileInfo(Datei).absoluteFilePath();
    Gespeichert = *g.Wert;
    s.Setzen(*g.Wert);
    Titel_setzen();
    Zuletzt_eintragen(Name);
    return true;
}

void Dokument::Oeffnen_waehlen() {
    QString Ordner = Name.isEmpty() ? Letzter_Ordner : QFileInfo(Name).absolutePath();
    if (Ordner.isEmpty()) Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString Gewaehlt = dienste().Aufgabe_zum_Oeffnen(&Fenster, Ordner, Beispielordner());
    if (Gewaehlt.isEmpty()) return;
    Letzter_Ordner = QFileInfo(Gewaehlt).absolutePath();
    Oeffnen(Gewaehlt);
}

bool Dokument::Schreiben_nach(const QString& Ziel) {
    const QByteArray Text = Aufgabe_schreiben(Aufgabe_aus(s.Stand(), s.Ergebnis()));
    QSaveFile f(Ziel);
    if (!f.open(QIODevice::WriteOnly) || f.write(Text) != Text.size() || !f.commit()) {
        dienste().Meldung(
            tr("„%1“ konnte nicht gespeichert werden: %2").arg(QFileInfo(Ziel).fileName(), f.errorString()));
        return false;
    }
    Name = QFileInfo(Ziel).absoluteFilePath();
    Gespeichert = s.Stand();
    Titel_setzen();
    Zuletzt_eintragen(Name);
    return true;
}

bool Dokument::Speichern() { return Name.isEmpty() ? Speichern_unter() : Schreiben_nach(Name); }

bool Dokument::Speichern_unter() {
    QString Vorschlag = Name;
    if (Vorschlag.isEmpty()) {
        QString Ordner = Letzter_Ordner;
        if (Ordner.isEmpty()) Ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        Vorschlag = QDir(Ordner).filePath(tr("aufgabe.quorvel", "suggested name of a new lesson file"));
    }
    QString Ziel = dienste().Aufgabe_zum_Speichern(&Fenster, Vorschlag);
    if (Ziel.isEmpty()) return false;
    if (QFileInfo(Ziel).suffix().isEmpty()) Ziel += QStringLiteral(".quorvel");
    Letzter_Ordner = QFileInfo(Ziel).absolutePath();
    return Schreiben_nach(Ziel);
}

bool Dokument::Aenderungen_sichern(bool Schliessen) {
    if ((Name.isEmpty() && !Schliessen) || !geaendert()) return true;
    const QString Frage = Name.isEmpty() ? tr("Änderungen speichern?")
                                         : tr("Änderungen an „%1“ speichern?").arg(QFileInfo(Name).fileName());
    switch (dienste().Aenderungen_fragen(&Fenster, Frage)) {
    case Dienste::Antwort::Speichern:
        return Speichern();
    case Dienste::Antwort::Verwerfen:
        return true;
    case Dienste::Antwort::Abbrechen:
        break;
    }
    return false;
}

QStringList Dokument::Zuletzt_geoeffnet() {
    QSettings e = Einstellungen();
    // A missing or unreadable settings file is an empty list.
    if (e.status() != QSettings::NoError) return {};
    QStringList l;
    for (const QVariant& v : e.value(Einstellung_Zuletzt).toList())
        if (v.typeId() == QMetaType::QString && !v.toString().isEmpty() && !l.contains(v.toString())) l << v.toString();
    return l.mid(0, Zuletzt_hoechstens);
}

void Dokument::Zuletzt_eintragen(const QString& Datei) {
    QStringList l = Zuletzt_geoeffnet();
    l.removeAll(Datei);
    l.prepend(Datei);
    QSettings e = Einstellungen();
    if (e.status() != QSettings::NoError) return;
    e.setValue(Einstellung_Zuletzt, l.mid(0, Zuletzt_hoechstens));
}

void Dokument::Zuletzt_zeigen(QMenu* Menue) {
    Menue->clear();
    const QStringList l = Zuletzt_geoeffnet();
    if (l.isEmpty()) Menue->addAction(tr("(keine)"))->setEnabled(false);
    for (int i = 0; i < l.size(); ++i) {
        const QString& Datei = l[i];
        QAction* a = Menue->addAction(Nummeriert(i + 1, QFileInfo(Datei).fileName()));
        a->setToolTip(Datei);
        a->setStatusTip(Datei);
        connect(a, &QAction::triggered, this, [this, Datei] { Oeffnen(Datei); });
    }
}

QString Dokument::Beispielordner() {
    // Installed beside the program: <prefix>/bin/quorvel, <prefix>/share/quorvel/beispiele.
    const QString d =
        QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../share/quorvel/beispiele"));
    return QFileInfo(d).isDir() ? QDir::cleanPath(d) : QString();
}

void Dokument::Menue_anlegen(QToolButton* Knopf, QAction* Oeffnen_, QAction* Speichern_, QAction* Speichern_unter_,
                             const QList<QAction*>& Grafik) {
    auto* Menue = new QMenu(Knopf);
    Menue->setObjectName(QStringLiteral("Menue_Datei"));
    Menue->setAccessibleName(tr("Datei"));
    Menue->addAction(Oeffnen_);
    QMenu* Zuletzt = Menue->addMenu(tr("&Zuletzt geöffnet"));
    Zuletzt->setObjectName(QStringLiteral("Menue_Zuletzt"));
    Zuletzt->setAccessibleName(tr("Zuletzt geöffnet"));
    connect(Zuletzt, &QMenu::aboutToShow, this, [this, Zuletzt] { Zuletzt_zeigen(Zuletzt); });
    Menue->addAction(Speichern_);
    Menue->addAction(Speichern_unter_);
    Menue->addSeparator();
    Menue->addActions(Grafik);
    Knopf->setMenu(Menue);
    Knopf->setPopupMode(QToolButton::InstantPopup);
    Knopf->setToolTip(tr("Datei: Aufgabe öffnen, speichern; Grafik exportieren, drucken (F10, Alt+D)"));
    connect(Oeffnen_, &QAction::triggered, this, &Dokument::Oeffnen_waehlen);
    connect(Speichern_, &QAction::triggered, this, &Dokument::Speichern);
    connect(Speichern_unter_, &QAction::triggered, this, &Dokument::Speichern_unter);
}

namespace {

bool Datei_schreiben(const QString& Name, const QByteArray& Text) {
    QSaveFile f(Name);
    return f.open(QIODevice::WriteOnly) && f.write(Text) == Text.size() && f.commit();
}

}  // namespace

bool Dokument::Zustand_schreiben(const QString& Ordner) const {
    const QDir d(Ordner);
    return Datei_schreiben(d.filePath(QStringLiteral("eingaben.quorvel")),  // kein Text
                           Aufgabe_schreiben(Aufgabe_aus(s.Stand(), s.Ergebnis()))) &&
           Datei_schreiben(d.filePath(QStringLiteral("gespeichert.quorvel")),  // kein Text
                           Aufgabe_schreiben(Aufgabe_aus(Gespeichert, auswerten(Gespeichert)))) &&
           Datei_schreiben(d.filePath(QStringLiteral("name")), Name.toUtf8());  // kein Text
}

bool Dokument::Zustand_lesen(const QString& Ordner) {
    const QDir d(Ordner);
    const Eingaben_gelesen e = Eingaben_laden(d.filePath(QStringLiteral("eingaben.quorvel")));     // kein Text
    const Eingaben_gelesen g = Eingaben_laden(d.filePath(QStringLiteral("gespeichert.quorvel")));  // kein Text
    QFile n(d.filePath(QStringLiteral("name")));                                                   // kein Text
    if (!e.Wert || !g.Wert || !n.open(QIODevice::ReadOnly)) return false;
    Name = QString::fromUtf8(n.readAll());
    Gespeichert = *g.Wert;
    s.Setzen(*e.Wert);
    Titel_setzen();
    return true;
}

QString Grafik_aus_Aufgabe(const QString& Datei, const QString& Bilddatei, int Skala) {
    const Eingaben_gelesen g = Eingaben_laden(Datei);
    if (!g.Wert) return QCoreApplication::translate("Dokument", "„%1“: %2").arg(Datei, g.Fehler);
    const Auswertung a = auswerten(*g.Wert, Grafikbreite_Datei);
    const QSize Groesse(Grafikbreite_Datei, Grafikhoehe_Datei);
    const bool PDF = Bilddatei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive);
    const bool OC = g.Wert->OC;
    const bool geschrieben = Grafik_schreiben(
        Bilddatei, PDF ? QStringLiteral("PDF") : QStringLiteral("PNG %1×").arg(Skala), Seitentitel(Datei), Groesse,
        [&](qreal f) { return Grafik_zeichnen(a, OC, Groesse, f, Gezeigte_Stichproben(a)); },
        Arbeitsblatt_Texte(a.z, a.s, QString::fromStdString(g.Wert->Alfali.Text),
                           QString::fromStdString(g.Wert->Alfare.Text), Gezeigte_Stichproben(a),
                           Gezeigte_p_Texte(*g.Wert, a)));
    if (!geschrieben)
        return QCoreApplication::translate("Dokument", "„%1“ konnte nicht geschrieben werden").arg(Bilddatei);
    return {};
}
