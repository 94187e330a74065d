// The English window's files, grid, samples' panel and chart pointer: what the user reads is
// English with the decimal point, and a lesson file opens alike whichever language wrote it.

#include "Fensterhilfe.h"

#include "ui/Bildfeld.h"
#include "ui/Sitzung.h"
#include "ui/Sprache.h"
#include "ui/Stichprobenfeld.h"
#include "ui/Wertetabelle.h"

#include <QFile>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>

#include <functional>
#include <vector>

namespace {

class Englisch : public Englischer_Fenstertest {
protected:
    QTemporaryDir Ordner;
};

struct Tabellenablage : Dienste {
    QString Text, Html;
    void Tabelle_kopieren(const QString& t, const QString& h) override { Text = t, Html = h; }
};

// Start values: binomial n = 20, p0 = 0.8; P(X = 15) = 17.46 %.
QString Fehlermeldung(TForm1& f, Rekorder& rec, const QTemporaryDir& d) {
    const QString Datei = d.filePath("t.quorvel");
    QFile t(Datei);
    if (!t.open(QIODevice::WriteOnly) || t.write("{\"Format\": ") < 0) return "not written";
    t.close();
    f.Aufgabe().Oeffnen(Datei);
    return rec.Meldungen.join('|');
}

QString Titel_mit_Datei(TForm1& f, Rekorder& rec, const QTemporaryDir& d) {
    rec.Speichern_Datei = d.filePath("a.quorvel");
    f.Aufgabe().Speichern_unter();
    return f.windowTitle();
}

QString Kopierte_Zeile(TForm1& f, Rekorder&, const QTemporaryDir&) {
    TStringGrid& g = *f.StringGrid1;
    g.selectionModel()->select(QItemSelection(g.model()->index(15, 0), g.model()->index(15, 0)),
                               QItemSelectionModel::ClearAndSelect);
    auto eigene = std::make_unique<Tabellenablage>();
    Tabellenablage& ablage = *eigene;
    auto vorher = Dienste_tauschen(std::move(eigene));
    QTest::keySequence(&g, QKeySequence::Copy);
    const QString Gesehen = ablage.Text + '|' + ablage.Html;
    Dienste_tauschen(std::move(vorher));
    return Gesehen;
}

QString Stichprobenfenster(TForm1& f, Rekorder&, const QTemporaryDir&) {
    f.Aktion_Stichproben_ziehen->trigger();
    const auto* p = f.findChild<Stichprobenfeld*>();
    if (!p) return "no panel";
    return p->windowTitle() + '|' + p->findChild<QPushButton*>("Button_Stichproben_starten")->text() + '|' +
           p->findChild<QLabel*>("Label_Simulation")->text();
}

QString Saeulentooltip(TForm1& f, Rekorder&, const QTemporaryDir&) {
    const QPoint p(40 + 20 * 15 + 10, 300);  // the middle of bar 15
    QTest::mouseMove(f.Image1, p);
    QToolTip::hideText();
    QHelpEvent e(QEvent::ToolTip, p, f.Image1->mapToGlobal(p));
    QApplication::sendEvent(f.Image1, &e);
    return QToolTip::isVisible() ? QToolTip::text() : QString();
}

struct Anblickfall {
    const char* Name;
    std::function<QString(TForm1&, Rekorder&, const QTemporaryDir&)> Sehen;
    std::vector<const char*> Teile;  // each in what is seen
};

class Englisch_gesehen : public Englisch, public ::testing::WithParamInterface<Anblickfall> {};

TEST_P(Englisch_gesehen, EnglischMitDezimalpunkt) {
    const QString Gesehen = GetParam().Sehen(*f, *rec, Ordner);
    for (const char* t : GetParam().Teile)
        EXPECT_TRUE(Gesehen.contains(QString::fromUtf8(t))) << t << "\nin: " << Gesehen.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Englisch_gesehen,
    ::testing::Values(
        Anblickfall{"TitelMitDatei", Titel_mit_Datei, {"a.quorvel[*] – Discrete distributions - Hypothesis test - "}},
        Anblickfall{"Fehlermeldung",
                    Fehlermeldung,
                    {"“t.quorvel” cannot be opened: not a Quorvel task (line 1, column 12: an object is not closed "
                     "with “}”)"}},
        // The plain text as shown; the HTML value for a spreadsheet in any locale.
        Anblickfall{"KopierteZeile", Kopierte_Zeile, {"15\t17.46%|", "x:num=\"0.1746\"", ">17.46%</td>"}},
        Anblickfall{"Stichprobenfenster", Stichprobenfenster, {"Draw samples|Start|No samples drawn yet."}},
        Anblickfall{"Saeulentooltip", Saeulentooltip, {"P0(X=15) = 17.46%", "Keys after a click in the chart"}}),
    [](const auto& i) { return std::string(i.param.Name); });

struct Sprachenfall {
    const char* Name;
    Sprache Schreiben, Lesen;
    const char* p0;
    const char* Alfa;
};

class Aufgabe_andere_Sprache : public Fenstertest, public ::testing::WithParamInterface<Sprachenfall> {
protected:
    void SetUp() override {
        Sprache_einstellen(GetParam().Schreiben);
        Fenstertest::SetUp();
    }
    void TearDown() override {
        Fenstertest::TearDown();
        Sprache_einstellen(Sprache::Deutsch);
    }
    QTemporaryDir Ordner;
};

// The fields keep their text as typed; the other language reads it to the same inputs.
TEST_P(Aufgabe_andere_Sprache, GibtDieselbenEingaben) {
    Sitzung& s = f->Eingaben_des_Fensters();
    ASSERT_EQ(s.Eingeben(Feld::p0, GetParam().p0).Art, Urteilsart::Annehmen);
    ASSERT_EQ(s.Eingeben(Feld::Alfali, GetParam().Alfa).Art, Urteilsart::Annehmen);
    rec->Speichern_Datei = Ordner.filePath("a.quorvel");
    ASSERT_TRUE(f->Aufgabe().Speichern_unter());
    const Eingaben geschrieben = s.Stand();

    f.reset();
    Sprache_einstellen(GetParam().Lesen);
    f = std::make_unique<TForm1>();
    ASSERT_TRUE(f->Aufgabe().Oeffnen(Ordner.filePath("a.quorvel"))) << rec->Meldungen.join('|').toStdString();
    EXPECT_TRUE(f->Eingaben_des_Fensters().Stand() == geschrieben);
    EXPECT_EQ(f->Edit_p0->text(), QString::fromUtf8(GetParam().p0));
    EXPECT_FALSE(f->Aufgabe().geaendert());
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, Aufgabe_andere_Sprache,
    ::testing::Values(Sprachenfall{"EnglischNachDeutsch", Sprache::Englisch, Sprache::Deutsch, "0.75", "2.5"},
                      Sprachenfall{"DeutschNachEnglisch", Sprache::Deutsch, Sprache::Englisch, "0,75", "2,5"}),
    [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
