#include "ui/Dienste.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

const Titeltext Programmtitel;

Titeltext::operator QString() const {
    return QCoreApplication::translate(
        "Dienste", "Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s");
}

Dienste::~Dienste() = default;

void Dienste::Meldung(const QString& Text) {
    QMessageBox box(QMessageBox::NoIcon, Programmtitel, Text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

void Dienste::Signalton() { QApplication::beep(); }

void Dienste::Bild_kopieren(const QImage& Bild) { QApplication::clipboard()->setImage(Bild); }

void Dienste::Tabelle_kopieren(const QString& Text, const QString& Html) {
    auto* daten = new QMimeData;
    daten->setText(Text);
    daten->setHtml(Html);
    QApplication::clipboard()->setMimeData(daten);  // the clipboard takes ownership
}

QString Dienste::Speicherort_waehlen(QWidget* Eltern, const Speicherangebot& Angebot, QString& Format) {
    const auto Filter = [](const QString& f) {
        return f + (f == QLatin1String("PDF") ? QStringLiteral(" (*.pdf)") : QStringLiteral(" (*.png)"));  // kein Text
    };
    QStringList Filterliste;
    for (const QString& f : Angebot.Formate) Filterliste << Filter(f);
    QString gewaehlt = Filter(Angebot.Format);
    const QString Name =
        QFileDialog::getSaveFileName(Eltern, QCoreApplication::translate("Dienste", "Grafik speichern"), Angebot.Datei,
                                     Filterliste.join(QStringLiteral(";;")), &gewaehlt);
    Format = gewaehlt.left(gewaehlt.indexOf(QStringLiteral(" (")));
    return Name;
}

bool Dienste::Drucker_waehlen(QWidget* Eltern, QPrinter& Drucker) {
    QPrintDialog Dialog(&Drucker, Eltern);
    return Dialog.exec() == QDialog::Accepted;
}

QString Dienste::Aufgabe_zum_Oeffnen(QWidget* Eltern, const QString& Ordner, const QString& Beispiele) {
    QFileDialog Dialog(Eltern, QCoreApplication::translate("Dienste", "Aufgabe öffnen"), Ordner,
                       QCoreApplication::translate("Dienste", "Quorvel-Aufgaben (*.quorvel);;Alle Dateien (*)"));
    Dialog.setAcceptMode(QFileDialog::AcceptOpen);
    Dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog: the side bar with the examples is the same on every desktop.
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!Beispiele.isEmpty()) {
        QList<QUrl> Orte = Dialog.sidebarUrls();
        Orte << QUrl::fromLocalFile(Beispiele);
        Dialog.setSidebarUrls(Orte);
    }
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    return Dialog.selectedFiles().constFirst();
}

QString Dienste::Aufgabe_zum_Speichern(QWidget* Eltern, const QString& Vorschlag) {
    QFileDialog Dialog(Eltern, QCoreApplication::translate("Dienste", "Aufgabe speichern"), Vorschlag,
                       QCoreApplication::translate("Dienste", "Quorvel-Aufgaben (*.quorvel)"));
    Dialog.setAcceptMode(QFileDialog::AcceptSave);
    Dialog.setDefaultSuffix(QStringLiteral("quorvel"));
    Dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return {};
    return Dialog.selectedFiles().constFirst();
}

Dienste::Antwort Dienste::Aenderungen_fragen(QWidget* Eltern, const QString& Frage) {
    QMessageBox box(QMessageBox::Question, Programmtitel, Frage,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, Eltern);
    box.button(QMessageBox::Save)->setText(QCoreApplication::translate("Dienste", "Speichern"));
    box.button(QMessageBox::Discard)->setText(QCoreApplication::translate("Dienste", "Verwerfen"));
    box.button(QMessageBox::Cancel)->setText(QCoreApplication::translate("Dienste", "Abbrechen"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Antwort::Speichern;
    case QMessageBox::Discard:
        return Antwort::Verwerfen;
    default:
        return Antwort::Abbrechen;
    }
}

namespace {
std::unique_ptr<Dienste>& aktuelle() {
    static std::unique_ptr<Dienste> d = std::make_unique<Dienste>();
    return d;
}
}  // namespace

Dienste& dienste() { return *aktuelle(); }

void Dienste_setzen(std::unique_ptr<Dienste> d) { aktuelle() = d ? std::move(d) : std::make_unique<Dienste>(); }

std::unique_ptr<Dienste> Dienste_tauschen(std::unique_ptr<Dienste> d) {
    std::unique_ptr<Dienste> vorher = std::move(aktuelle());
    aktuelle() = d ? std::move(d) : std::make_unique<Dienste>();
    return vorher;
}
