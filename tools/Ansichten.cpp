// Renders two views of the window offscreen, for a look by eye and for the documentation:
// the start values, and a busy state with most markings at once.
// Usage: quorvel_ansichten [folder]   (default docs) -> start.png, belebt.png

#include "ui/Dienste.h"
#include "ui/Quorvel.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// A message box would wait for a click nobody gives offscreen; a message here means the
// busy state went wrong, so it is printed and the run fails.
struct Konsole : Dienste {
    int Meldungen = 0;
    void Meldung(const QString& Text) override {
        ++Meldungen;
        std::fprintf(stderr, "Meldung: %s\n", qPrintable(Text));
    }
    void Signalton() override {
        ++Meldungen;
        std::fprintf(stderr, "Signalton\n");
    }
    void Bild_kopieren(const QImage&) override {}
};

// What the user does: type the text, then leave the field (its exit handler runs).
void Eingeben(QLineEdit* Feld, TForm1& f, const char* Text) {
    Feld->setText(QString::fromUtf8(Text));
    Feld->setModified(true);
    f.Feld_verlassen(Feld);
}

void Ein(QCheckBox* k) {
    if (!k->isChecked()) k->click();
}

bool Speichern(TForm1& f, const QString& Datei) {
    QApplication::processEvents();
    if (!f.grab().save(Datei)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(Datei));
        return false;
    }
    std::printf("%s\n", qPrintable(Datei));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The pictures show the standard colours whatever this machine's user has chosen.
    QTemporaryDir Einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Einstellungen.path());
    QSettings::setDefaultFormat(QSettings::NativeFormat);
    const QString Ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(Ordner);
    auto k = std::make_unique<Konsole>();
    Konsole* konsole = k.get();
    Dienste_setzen(std::move(k));

    int Fehler = 0;
    {
        TForm1 f;
        f.show();
        Fehler += !Speichern(f, Ordner + QStringLiteral("/start.png"));

        Eingeben(f.Edit_n, f, "100");
        Eingeben(f.Edit_Stichprobenergebnis, f, "72");
        Ein(f.CheckBox_p1_zeichnen);
        Ein(f.CheckBox_p2_zeichnen);
        Eingeben(f.Edit_p2, f, "0,7");
        Ein(f.CheckBox_Alfa_zeigen);
        Ein(f.CheckBox_Normalverteilung);
        Ein(f.CheckBox_Erwartungswert_zeigen);
        Ein(f.CheckBox_Sigma_zeigen);
        Ein(f.CheckBox_Stichprobenergebnis_zeigen);
        Ein(f.CheckBox_Info);
        Fehler += !Speichern(f, Ordner + QStringLiteral("/belebt.png"));
    }
    Fehler += konsole->Meldungen;
    Dienste_setzen(nullptr);
    return Fehler == 0 ? 0 : 1;
}
