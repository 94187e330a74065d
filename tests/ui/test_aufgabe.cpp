// Lesson files: what is saved opens to the same window, a faulty file changes nothing and
// says why, the caption follows the file, unsaved changes are asked about, and the chart
// rendered from the command line is the window's.

#include "Fensterhilfe.h"

#include "ui/Aufgabe.h"

#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>

#include <array>
#include <functional>
#include <random>

namespace {

QString Quelle(const char* Datei) { return QStringLiteral(QUORVEL_QUELLEN "/") + QString::fromUtf8(Datei); }

bool Schreiben(const QString& Name, const QByteArray& Text) {
    QFile f(Name);
    return f.open(QIODevice::WriteOnly) && f.write(Text) == Text.size();
}

// Every edit field's text and every box: what the user sees of the settings.
QStringList Ansicht(TForm1& f) {
    QStringList l;
    for (QLineEdit* e : f.findChildren<QLineEdit*>()) l << e->objectName() + "=" + e->text();
    for (QCheckBox* k : f.findChildren<QCheckBox*>()) l << k->objectName() + (k->isChecked() ? "=1" : "=0");
    for (QComboBox* c : f.findChildren<QComboBox*>()) l << c->objectName() + "=" + c->currentText();
    // The hint beside a field tells of the last entry, not of the settings.
    for (QLabel* t : f.findChildren<QLabel*>())
        if (t->objectName() != "Eingabehinweis") l << t->objectName() + "=" + t->text();
    return l;
}

class Aufgabentest : public Fenstertest {
protected:
    void SetUp() override {
        // Recent files go to a folder of this test, never the user's settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Ordner.path());
        QSettings::setDefaultFormat(QSettings::NativeFormat);
        Fenstertest::SetUp();
    }
    void Ein(QCheckBox* k) {
        if (!k->isChecked()) k->click();
    }
    QTemporaryDir Ordner;
};

struct Zustandsfall {
    const char* Name;
    std::function<void(Aufgabentest&, TForm1&)> Einstellen;
};

class Aufgabe_Rundreise : public Aufgabentest, public ::testing::WithParamInterface<Zustandsfall> {
public:
    using Aufgabentest::Ein;
    using Fenstertest::Eingeben;
    using Fenstertest::Waehlen;
};

// 500 samples from p1 shown: opening draws them again from their seed.
void Stichproben_gezeigt(Aufgabentest& t, TForm1& f) {
    auto& r = static_cast<Aufgabe_Rundreise&>(t);
    r.Ein(f.CheckBox_p1_zeichnen);
    f.Aktion_Stichproben_ziehen->trigger();
    QWidget* p = f.findChild<QWidget*>("Stichproben");
    QApplication::setActiveWindow(p);
    ASSERT_TRUE(QTest::qWaitForWindowActive(p));
    r.Waehlen(p->findChild<QComboBox*>("ComboBox_Ziehen_aus"), 1);
    r.Eingeben(p->findChild<QLineEdit*>("Edit_Stichprobenzahl"), "500");
    r.Eingeben(p->findChild<QLineEdit*>("Edit_Startwert"), "4711");
    p->findChild<QPushButton*>("Button_Stichproben_starten")->click();
    ASSERT_TRUE(p->findChild<QLabel*>("Label_Simulation")->text().startsWith("293 von 500 in V"));
    QApplication::setActiveWindow(&f);
}

}  // namespace

// Saved, then opened in a fresh window: the same fields, boxes, labels and chart pixels.
TEST_P(Aufgabe_Rundreise, GleichesFensterGleicheGrafik) {
    GetParam().Einstellen(*this, *f);
    const QString Datei = Ordner.filePath("a.quorvel");
    rec->Speichern_Datei = Datei;
    QTest::keyClick(f->Edit_n, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(QFile::exists(Datei));
    EXPECT_EQ(f->windowTitle(), "a.quorvel[*] – " + Programmtitel);
    EXPECT_FALSE(f->isWindowModified());

    TForm1 g;
    g.show();
    ASSERT_TRUE(g.Aufgabe().Oeffnen(Datei));
    EXPECT_EQ(rec->Meldungen, QStringList{});
    EXPECT_EQ(Ansicht(g).join('\n').toStdString(), Ansicht(*f).join('\n').toStdString());
    EXPECT_TRUE(g.Image1->Bild() == f->Image1->Bild());
    EXPECT_EQ(g.windowTitle(), f->windowTitle());
    EXPECT_FALSE(g.isWindowModified());
}

INSTANTIATE_TEST_SUITE_P(Aufgabe, Aufgabe_Rundreise,
                         ::testing::Values(Zustandsfall{"Startwerte", [](Aufgabentest&, TForm1&) {}},
                                           Zustandsfall{"Belebt",
                                                        [](Aufgabentest& t, TForm1& f) {
                                                            auto& r = static_cast<Aufgabe_Rundreise&>(t);
                                                            r.Waehlen(f.ComboBox_Verteilung_p1, vaHypergeo);
                                                            r.Eingeben(f.Edit_N1, "200");
                                                            r.Eingeben(f.Edit_M1, "70");
                                                            r.Waehlen(f.ComboBox_Verteilung_p2, vaPoisson);
                                                            r.Eingeben(f.Edit_n, "50");
                                                            r.Eingeben(f.Edit_p0, "1/4");
                                                            r.Eingeben(f.Edit_Stichprobenergebnis, "17");
                                                            r.Ein(f.CheckBox_p1_zeichnen);
                                                            r.Ein(f.CheckBox_p2_zeichnen);
                                                            r.Ein(f.CheckBox_Vertrauensintervall_berechnen);
                                                            r.Eingeben(f.Edit_Alfali, "2,5");
                                                            r.Eingeben(f.Edit_kre, "22");
                                                            r.Ein(f.CheckBox_Alfa_zeigen);
                                                            r.Waehlen(f.ComboBox_Histo_Saeule, 1);
                                                            f.BitBtn_OC->click();
                                                        }},
                                           Zustandsfall{"Stichproben", Stichproben_gezeigt}),
                         [](const auto& i) { return std::string(i.param.Name); });

struct Fehlerfall {
    const char* Name;
    QByteArray Text;
    const char* Meldung;  // after "„t.quorvel“ lässt sich nicht öffnen: "
};

class Aufgabe_abgewiesen : public Aufgabentest, public ::testing::WithParamInterface<Fehlerfall> {};

// One message naming the file and its first problem; the window keeps what it had.
TEST_P(Aufgabe_abgewiesen, EineMeldungNichtsGeaendert) {
    Eingeben(f->Edit_n, "30");
    const QStringList vorher = Ansicht(*f);
    const QImage Bild = f->Image1->Bild();
    const QString Titel = f->windowTitle();
    const QString Datei = Ordner.filePath("t.quorvel");
    ASSERT_TRUE(Schreiben(Datei, GetParam().Text));
    EXPECT_FALSE(f->Aufgabe().Oeffnen(Datei));
    ASSERT_EQ(rec->Meldungen.size(), 1);
    EXPECT_TRUE(rec->Meldungen[0].startsWith(QStringLiteral("„t.quorvel“ lässt sich nicht öffnen: ") +
                                             QString::fromUtf8(GetParam().Meldung)))
        << rec->Meldungen[0].toStdString();
    EXPECT_EQ(Ansicht(*f).join('\n').toStdString(), vorher.join('\n').toStdString());
    EXPECT_TRUE(f->Image1->Bild() == Bild);
    EXPECT_EQ(f->windowTitle(), Titel);
    EXPECT_EQ(rec->Toene, 0);
}

namespace {
QByteArray Wuerfel() {
    QFile f(Quelle("data/beispiele/wuerfel.quorvel"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
QByteArray Ersetzt(const char* alt, const QByteArray& neu) { return Wuerfel().replace(alt, neu); }
// Version 2 with the samples' number and row as given, no seed, nothing shown.
QByteArray Version2(const char* Anzahl_und_Zeile) {
    return QByteArray("\"Version\": 2, \"Stichproben\": {\"Anzahl\": ") + Anzahl_und_Zeile +
           ", \"Startwert\": \"\", \"gezeigt\": false}";
}
}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Aufgabe, Aufgabe_abgewiesen,
    ::testing::Values(
        Fehlerfall{"Leer", "", "keine Quorvel-Aufgabe (Zeile 1, Spalte 1"},
        Fehlerfall{"Abgebrochen", "{\"Format\": \"Quorvel-Aufgabe\",\n  \"Version\": 1,\n  \"Felder\": {",
                   "keine Quorvel-Aufgabe (Zeile 3, Spalte 14: ein Objekt ist nicht mit „}“ geschlossen)"},
        Fehlerfall{"AnderesFormat", "{\"Format\": \"Tabelle\"}", "keine Quorvel-Aufgabe (Format"},
        Fehlerfall{"Liste", "[1, 2]", "keine Quorvel-Aufgabe (ein Objekt"},
        Fehlerfall{"Neuer", Ersetzt("\"Version\": 1", "\"Version\": 3"),
                   "Version 3: die Datei stammt aus einer neueren"},
        Fehlerfall{"Version2OhneStichproben", Ersetzt("\"Version\": 1", "\"Version\": 2"), "„Stichproben“ fehlt"},
        Fehlerfall{"KeineStichprobe", Ersetzt("\"Version\": 1", Version2("\"0\", \"Ziehen_aus\": \"H0\"")),
                   "Stichproben: Anzahl muss zwischen 1 und 1000000 liegen („0“)"},
        Fehlerfall{"AusUngezeichnetemP1", Ersetzt("\"Version\": 1", Version2("\"10\", \"Ziehen_aus\": \"p1\"")),
                   "Stichproben: aus p1 wird nur gezogen, während p1 gezeichnet wird"},
        Fehlerfall{"RiesenVersion", Ersetzt("\"Version\": 1", "\"Version\": 1e999999"),
                   "keine Quorvel-Aufgabe (Zeile 3, Spalte 24: ungültige Zahl)"},
        Fehlerfall{"FeldFehlt", Ersetzt("\"x\": \"5\",", ""), "Felder: „x“ fehlt"},
        Fehlerfall{"Unbekannt", Ersetzt("\"x\": \"5\",", "\"x\": \"5\", \"y\": \"1\","),
                   "Felder: unbekannter Schlüssel „y“"},
        Fehlerfall{"ZahlStattText", Ersetzt("\"n\": \"60\"", "\"n\": 60"), "n: muss ein Text"},
        Fehlerfall{"KeinWahrheitswert", Ersetzt("\"Info\": true", "\"Info\": 1"), "Info: muss true oder false"},
        Fehlerfall{"Art", Ersetzt("\"Binomial\", \"Binomial\", \"Binomial\"", "\"Binomial\", \"Normal\", \"Binomial\""),
                   "Verteilungen[1]: muss einer"},
        Fehlerfall{"nZuGross", Ersetzt("\"n\": \"60\"", "\"n\": \"5000\""), "n: muss zwischen 1 und 4000 liegen"},
        Fehlerfall{"nKeineZahl", Ersetzt("\"n\": \"60\"", "\"n\": \"sechzig\""), "n: muss zwischen 1 und 4000 liegen"},
        Fehlerfall{"pAusserhalb", Ersetzt("\"p0\": \"1/6\"", "\"p0\": \"7/6\""), "p0: muss zwischen 0 und 1 liegen"},
        Fehlerfall{"SchalterSchliessenSichAus",
                   Ersetzt("\"Annahmebereich_zeigen\": false", "\"Annahmebereich_zeigen\": true"),
                   "Alfa_zeigen: lässt sich"},
        Fehlerfall{"Nullbyte", QByteArray("{\"Format\"\0: 1}", 15),
                   "keine Quorvel-Aufgabe (Zeile 1, Spalte 10: ein Nullbyte)"},
        Fehlerfall{"KeinUtf8", Ersetzt("\"n\": \"60\"", "\"n\": \"6\xff\""), "keine Quorvel-Aufgabe (Zeile 5, Spalte"},
        Fehlerfall{"TiefVerschachtelt", QByteArray(100000, '['), "keine Quorvel-Aufgabe (Zeile 1, Spalte"},
        Fehlerfall{"Steuerzeichen", Ersetzt("\"n\": \"60\"", "\"n\": \"6\\u00010\""), "n: enthält ein Steuerzeichen"},
        Fehlerfall{"ZuGross", QByteArray(Aufgabe_hoechstens + 1, ' '), "die Datei ist größer als 1 MB"}),
    [](const auto& i) { return std::string(i.param.Name); });

// A changed setting marks the caption; Std, another file and closing ask first; Abbrechen
// keeps everything, Verwerfen goes on, Speichern writes the file first.
TEST_F(Aufgabentest, UngespeicherteAenderungenFragen) {
    const QString Datei = Ordner.filePath("w.quorvel");
    ASSERT_TRUE(Schreiben(Datei, Wuerfel()));
    ASSERT_TRUE(f->Aufgabe().Oeffnen(Datei));
    EXPECT_EQ(f->Edit_p0->text(), "1/6");
    // A file of version 1 has no samples: they keep their start values.
    EXPECT_TRUE(f->Eingaben_des_Fensters().Stand().Stichproben == Stichprobenwahl{});
    EXPECT_FALSE(f->isWindowModified());
    f->CheckBox_Sigma_zeigen->click();
    EXPECT_TRUE(f->isWindowModified());
    EXPECT_TRUE(f->windowTitle().startsWith("w.quorvel[*] – "));
    f->CheckBox_Sigma_zeigen->click();  // as in the file again
    EXPECT_FALSE(f->isWindowModified());
    Eingeben(f->Edit_n, "80");
    EXPECT_TRUE(f->isWindowModified());

    rec->Antwort_auf_Frage = Dienste::Antwort::Abbrechen;
    f->SpeedButton_Standardwerte->click();
    EXPECT_EQ(rec->Fragen, QStringList{"Änderungen an „w.quorvel“ speichern?"});
    EXPECT_EQ(f->Edit_n->text(), "80");
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());

    rec->Antwort_auf_Frage = Dienste::Antwort::Verwerfen;
    f->SpeedButton_Standardwerte->click();
    EXPECT_EQ(f->Edit_n->text(), "20");
    EXPECT_EQ(f->Aufgabe().Datei(), QFileInfo(Datei).absoluteFilePath());
    EXPECT_TRUE(f->isWindowModified());

    rec->Antwort_auf_Frage = Dienste::Antwort::Speichern;
    EXPECT_TRUE(f->close());
    TForm1 g;
    ASSERT_TRUE(g.Aufgabe().Oeffnen(Datei));
    EXPECT_EQ(g.Edit_n->text(), "20");
    EXPECT_EQ(rec->Fragen.size(), 4);

    // An untitled window with changes asks before it closes, as one with a file does.
    rec->Fragen.clear();
    rec->Antwort_auf_Frage = Dienste::Antwort::Abbrechen;
    TForm1 h;
    h.show();
    EXPECT_TRUE(h.close());
    h.show();
    h.Edit_n->setText("30");
    h.Edit_n->setModified(true);
    h.Feld_verlassen(h.Edit_n);
    EXPECT_FALSE(h.close());
    EXPECT_EQ(rec->Fragen, QStringList{"Änderungen speichern?"});
}

// A file dropped on the window opens; the list of recent files keeps eight, newest first,
// and survives a settings file that is not one.
TEST_F(Aufgabentest, ZiehenUndZuletztGeoeffnet) {
    ASSERT_TRUE(Schreiben(Ordner.filePath("Quorvel-Entwicklung/Quorvel.conf"), QByteArray("\xff\0[[[=\n", 7)) ||
                (QDir().mkpath(Ordner.filePath("Quorvel-Entwicklung")) &&
                 Schreiben(Ordner.filePath("Quorvel-Entwicklung/Quorvel.conf"), QByteArray("\xff\0[[[=\n", 7))));
    EXPECT_EQ(Dokument::Zuletzt_geoeffnet(), QStringList{});

    const QString Datei = Ordner.filePath("gezogen.quorvel");
    ASSERT_TRUE(Schreiben(Datei, Wuerfel()));
    QMimeData Daten;
    Daten.setUrls({QUrl::fromLocalFile(Datei)});
    const QPoint Stelle = f->Image1->geometry().center();
    QDragEnterEvent Hinein(Stelle, Qt::CopyAction, &Daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.get(), &Hinein);
    EXPECT_TRUE(Hinein.isAccepted());
    QDropEvent Fallen(QPointF(Stelle), Qt::CopyAction, &Daten, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.get(), &Fallen);
    QTRY_COMPARE(f->Edit_n->text(), QStringLiteral("60"));
    EXPECT_TRUE(f->windowTitle().startsWith("gezogen.quorvel[*] – "));
    EXPECT_EQ(Dokument::Zuletzt_geoeffnet(), QStringList{QFileInfo(Datei).absoluteFilePath()});

    for (int i = 0; i < 9; ++i) {
        rec->Speichern_Datei = Ordner.filePath(QStringLiteral("a%1.quorvel").arg(i));
        ASSERT_TRUE(f->Aufgabe().Speichern_unter());
    }
    const QStringList l = Dokument::Zuletzt_geoeffnet();
    ASSERT_EQ(l.size(), 8);
    EXPECT_EQ(QFileInfo(l.first()).fileName(), "a8.quorvel");
    EXPECT_EQ(QFileInfo(l.last()).fileName(), "a1.quorvel");

    // Writing into a folder that does not exist says so.
    rec->Speichern_Datei = Ordner.filePath("fehlt/b.quorvel");
    EXPECT_FALSE(f->Aufgabe().Speichern_unter());
    ASSERT_EQ(rec->Meldungen.size(), 1);
    EXPECT_TRUE(rec->Meldungen[0].startsWith("„b.quorvel“ konnte nicht gespeichert werden"));
}

// quorvel --grafik: the die task's chart, pixel for pixel the window's after typing its values;
// a faulty file gives its problem.
TEST_F(Aufgabentest, GrafikVonDerKommandozeile) {
    const QString Bild = Ordner.filePath("w.png");
    ASSERT_EQ(Grafik_aus_Aufgabe(Quelle("data/beispiele/wuerfel.quorvel"), Bild, 1), QString());
    Eingeben(f->Edit_n, "60");
    Eingeben(f->Edit_p0, "1/6");
    Eingeben(f->Edit_p1, "0,1");
    Eingeben(f->Edit_Stichprobenergebnis, "5");
    Eingeben(f->Edit_Alfare, "0");
    Ein(f->CheckBox_Erwartungswert_zeigen);
    Ein(f->CheckBox_Alfa_zeigen);
    Ein(f->CheckBox_Stichprobenergebnis_zeigen);
    // At the form's size, which the chart from the command line has.
    f->resize(1031, f->height());
    const QImage Fenster = f->Image1->Bild().convertToFormat(QImage::Format_RGB888);
    const QImage Datei = QImage(Bild).convertToFormat(QImage::Format_RGB888);
    ASSERT_EQ(Datei.size(), Fenster.size());
    EXPECT_TRUE(Datei == Fenster);

    ASSERT_TRUE(Schreiben(Ordner.filePath("b.quorvel"), Ersetzt("\"n\": \"60\"", "\"n\": \"0\"")));
    EXPECT_EQ(Grafik_aus_Aufgabe(Ordner.filePath("b.quorvel"), Bild, 1),
              "„" + Ordner.filePath("b.quorvel") + "“: n: muss zwischen 1 und 4000 liegen („0“)");
}

// The window is a function of its inputs: after random histories of what a user does (valid
// and refused entries, boxes, kinds, OC and Histo, explorations started and stopped), the
// window equals a fresh window that opens the lesson file saved from it, and the chart of that
// file from the command line, whatever happened before.
TEST_F(Aufgabentest, GleicheEingabenGleichesFensterNachJederGeschichte) {
    std::mt19937 Zufall(20261209);
    auto Wahl = [&](int n) { return static_cast<int>(Zufall() % static_cast<unsigned>(n)); };
    const std::vector<std::pair<QLineEdit*, QStringList>> Felder{
        {f->Edit_n, {"20", "100", "2000", "60", "7", "4000", "0", "9999"}},
        {f->Edit_Stichprobenergebnis, {"5", "72", "1947", "30"}},
        {f->Edit_k1, {"0", "3", "1500", "99"}},
        {f->Edit_k2, {"10", "50", "1700", "20"}},
        {f->Edit_p0, {"0,3", "1/6", "0,8", "0,02", "2"}},
        {f->Edit_p1, {"0,32", "0,6", "1/0"}},
        {f->Edit_Alfali, {"5", "2,5", "0", "100", "150"}},
        {f->Edit_Alfare, {"5", "2,5", "0", "50"}},
        {f->Edit_kli, {"12", "-1", "559", "3", "70"}},
        {f->Edit_kre, {"20", "641", "59", "5"}},
        {f->Edit_N0, {"100", "40", "3000"}},
        {f->Edit_M0, {"30", "80"}},
        {f->Edit_Sigmafaktor, {"2", "1,5", "9"}},
        {f->Edit_Umgebung, {"90", "99,99"}},
    };
    const std::vector<QAbstractButton*> Knoepfe{f->CheckBox_p1_zeichnen,
                                                f->CheckBox_Alfa_zeigen,
                                                f->CheckBox_Annahmebereich_zeigen,
                                                f->CheckBox_Beta_zeigen,
                                                f->CheckBox_Info,
                                                f->CheckBox_p0_kumuliert,
                                                f->CheckBox_Vertrauensintervall_berechnen,
                                                f->CheckBox_Umgebung_schraffieren,
                                                f->CheckBox_Stichprobenergebnis_zeigen,
                                                f->BitBtn_OC,
                                                f->BitBtn_Histoneu,
                                                f->BitBtn_p0Animation,
                                                f->Button_n_variabel};
    f->resize(Grafikbreite_Datei, f->height());
    for (int Geschichte = 0; Geschichte < 40; ++Geschichte) {
        QStringList Protokoll;
        for (int Schritt = 0; Schritt < 25; ++Schritt) {
            switch (Wahl(4)) {
            case 0:
            case 1: {
                const auto& [Feld, Texte] = Felder[Wahl(static_cast<int>(Felder.size()))];
                if (!Feld->isVisible() || !Feld->isEnabled()) break;
                const QString t = Texte[Wahl(static_cast<int>(Texte.size()))];
                Protokoll << Feld->objectName() + "=" + t;
                Eingeben(Feld, t);
                break;
            }
            case 2: {
                QAbstractButton* k = Knoepfe[Wahl(static_cast<int>(Knoepfe.size()))];
                Protokoll << k->objectName();
                k->click();
                if (Wahl(2)) QTest::keyClick(f.get(), Qt::Key_Escape);
                break;
            }
            default: {
                const int Zeile = Wahl(3), Art = Wahl(4);
                Protokoll << QStringLiteral("Verteilung_p%1=%2").arg(Zeile).arg(Art);
                Waehlen(
                    std::array{f->ComboBox_Verteilung_p0, f->ComboBox_Verteilung_p1, f->ComboBox_Verteilung_p2}[Zeile],
                    Art);
            }
            }
        }
        // A refused entry still stands in its field; the user puts it right before saving.
        QTest::keyClick(f.get(), Qt::Key_Escape);
        f->BitBtn_Histoneu->setFocus();
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) e->setModified(false);
        // An exploration's picture stays only until the next change; the view is an input.
        f->BitBtn_Histoneu->click();
        if (Wahl(3) == 0) f->BitBtn_OC->click();
        const QString Datei = Ordner.filePath(QStringLiteral("g%1.quorvel").arg(Geschichte));
        rec->Speichern_Datei = Datei;
        rec->Meldungen.clear();
        ASSERT_TRUE(f->Aufgabe().Speichern_unter());
        const std::string Wie = Protokoll.join(", ").toStdString();

        TForm1 g;
        g.show();
        g.resize(f->size());
        ASSERT_TRUE(g.Aufgabe().Oeffnen(Datei)) << rec->Meldungen.join('\n').toStdString() << "\n" << Wie;
        ASSERT_EQ(Ansicht(g).join('\n').toStdString(), Ansicht(*f).join('\n').toStdString()) << Wie;
        ASSERT_TRUE(g.Image1->Bild() == f->Image1->Bild()) << Wie;
        const QString Bild = Ordner.filePath("g.png");
        ASSERT_EQ(Grafik_aus_Aufgabe(Datei, Bild, 1), QString());
        ASSERT_TRUE(QImage(Bild).convertToFormat(QImage::Format_RGB888) ==
                    f->Image1->Bild().convertToFormat(QImage::Format_RGB888))
            << Wie;
    }
}
