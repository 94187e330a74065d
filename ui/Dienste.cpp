#include "ui/Dienste.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

const QString Programmtitel = QStringLiteral(
    "Diskrete Verteilungen  - Hypothesentest - Operationscharakteristik - Konfidenzintervall - V2.07s");

Dienste::~Dienste() = default;

void Dienste::Meldung(const QString& Text) {
    QMessageBox box(QMessageBox::NoIcon, Programmtitel, Text, QMessageBox::Ok,
                    QApplication::activeWindow());
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
        return f + (f == QLatin1String("PDF") ? QStringLiteral(" (*.pdf)") : QStringLiteral(" (*.png)"));
    };
    QStringList Filterliste;
    for (const QString& f : Angebot.Formate) Filterliste << Filter(f);
    QString gewaehlt = Filter(Angebot.Format);
    const QString Name = QFileDialog::getSaveFileName(Eltern, QStringLiteral("Grafik speichern"), Angebot.Datei,
                                                      Filterliste.join(QStringLiteral(";;")), &gewaehlt);
    Format = gewaehlt.left(gewaehlt.indexOf(QStringLiteral(" (")));
    return Name;
}

bool Dienste::Drucker_waehlen(QWidget* Eltern, QPrinter& Drucker) {
    QPrintDialog Dialog(&Drucker, Eltern);
    return Dialog.exec() == QDialog::Accepted;
}

namespace {
std::unique_ptr<Dienste>& aktuelle() {
    static std::unique_ptr<Dienste> d = std::make_unique<Dienste>();
    return d;
}
}  // namespace

Dienste& dienste() { return *aktuelle(); }

void Dienste_setzen(std::unique_ptr<Dienste> d) {
    aktuelle() = d ? std::move(d) : std::make_unique<Dienste>();
}

bool Uebersetzungen_laden() {
    static QTranslator* qtbase = nullptr;
    if (!qtbase) {
        auto* t = new QTranslator(qApp);
        if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete t;
            return false;
        }
        QCoreApplication::installTranslator(t);
        qtbase = t;
    }
    return true;
}
