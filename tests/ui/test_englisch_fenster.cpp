// The window in English: what the user reads (captions, buttons, items, hints, menus, messages)
// comes from the translation, the letters of a menu stay unique, and German comes back whole.

#include "Fensterhilfe.h"

#include "ui/Eingabehinweis.h"
#include "ui/Sprache.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QMenu>
#include <QSet>

#include <functional>

namespace {

using Englisch = Englischer_Fenstertest;

struct Textfall {
    const char* Name;
    std::function<QString(TForm1&, Rekorder&)> Text;
    const char* erwartet;
};
class Englische_Texte : public Englisch, public ::testing::WithParamInterface<Textfall> {};

TEST_P(Englische_Texte, StehenImFenster) { EXPECT_EQ(GetParam().Text(*f, *rec).toStdString(), GetParam().erwartet); }

INSTANTIATE_TEST_SUITE_P(
    Fenster, Englische_Texte,
    ::testing::Values(
        Textfall{"Fenstertitel",
                 [](TForm1& f, Rekorder&) { return f.windowTitle().section(QStringLiteral(" - "), 0, 0); },
                 "Discrete distributions"},
        Textfall{"Gruppe_n", [](TForm1& f, Rekorder&) { return f.GroupBox_n_eingeben->title().trimmed(); },
                 "Sample size n"},
        Textfall{"Gruppe_V", [](TForm1& f, Rekorder&) { return f.GroupBox_Verwerfungsbereich->title().trimmed(); },
                 "Hypothesis test - set the critical region V for H0"},
        Textfall{"Knopf_mehrere_p0", [](TForm1& f, Rekorder&) { return f.Button_p0_variabel->text(); }, "several p0"},
        Textfall{"Kasten_Annahmebereich", [](TForm1& f, Rekorder&) { return f.CheckBox_Annahmebereich_zeigen->text(); },
                 "Acceptance region A"},
        Textfall{"Verteilung_Geometrisch", [](TForm1& f, Rekorder&) { return f.ComboBox_Verteilung_p2->itemText(3); },
                 "Geometric"},
        Textfall{"Diagrammart_Saeulen", [](TForm1& f, Rekorder&) { return f.ComboBox_Histo_Saeule->itemText(1); },
                 "Bar chart"},
        // The hint names the key as English keyboards label it.
        Textfall{"Knopfhinweis_mit_Taste",
                 [](TForm1& f, Rekorder&) { return f.SpeedButton_Grafik_speichern->toolTip(); },
                 "Export chart … (Ctrl+E)"},
        Textfall{"Menue_Ansicht",
                 [](TForm1& f, Rekorder&) { return f.findChild<QMenu*>(QStringLiteral("Menue_Ansicht"))->title(); },
                 "&View"},
        Textfall{"Wertname_fuer_Vorleser",
                 [](TForm1& f, Rekorder&) {
                     return f.Label_Vertrauensintervall_ausgeben->accessibleName().section(' ', 0, 1);
                 },
                 "Confidence interval"},
        Textfall{"Hilfefenster",
                 [](TForm1& f, Rekorder&) {
                     f.Aktion_Hilfe->trigger();
                     return f.findChild<QDialog*>(QStringLiteral("Hilfe"))->windowTitle();
                 },
                 "Help"},
        Textfall{"Meldung_n_zu_gross",
                 [](TForm1& f, Rekorder& r) {
                     f.Edit_n->setFocus();
                     f.Edit_n->selectAll();
                     QTest::keyClicks(f.Edit_n, "600");
                     QTest::keyClick(f.Edit_n, Qt::Key_Tab);
                     f.Button_p0_variabel->click();
                     return r.Meldungen.join('|');
                 },
                 "n too large"}),
    [](const auto& i) { return std::string(i.param.Name); });

// A letter marked twice in one menu would open neither entry by its key.
TEST_F(Englisch, MenuebuchstabenBleibenEindeutig) {
    for (const char* Name : {"Menue_Datei", "Menue_Ansicht"}) {
        const auto* m = f->findChild<QMenu*>(QString::fromLatin1(Name));
        ASSERT_NE(m, nullptr) << Name;
        QSet<QString> Buchstaben;
        for (const QAction* a : m->actions()) {
            const QString b = QKeySequence::mnemonic(a->text()).toString();
            if (b.isEmpty()) continue;
            EXPECT_FALSE(Buchstaben.contains(b)) << Name << ": " << a->text().toStdString();
            Buchstaben << b;
        }
        EXPECT_GE(Buchstaben.size(), 3) << Name;
    }
}

// A refused entry in English still keeps the field and says why beside it, seen and heard.
TEST_F(Englisch, AbgewiesenesNSagtWarum) {
    Eingeben(f->Edit_n, QStringLiteral("9999"));
    EXPECT_EQ(f->Edit_n->text(), "9999");
    const auto* Hinweis = f->findChild<Eingabehinweis*>();
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_TRUE(Hinweis->isVisible());
    EXPECT_TRUE(Hinweis->text().contains("4000")) << Hinweis->text().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(const_cast<Eingabehinweis*>(Hinweis))->text(QAccessible::Name),
              Hinweis->text());
}

// Back in German, a new window has no English left: the form, the View menu and the numbers.
TEST_F(Englisch, DanachWiederDeutsch) {
    f.reset();
    Sprache_einstellen(Sprache::Deutsch);
    f = std::make_unique<TForm1>();
    EXPECT_EQ(f->GroupBox_n_eingeben->title(), "  Stichprobenumfang n  ");
    EXPECT_EQ(f->ComboBox_Verteilung_p0->itemText(3), "Geometr");
    EXPECT_EQ(f->findChild<QMenu*>(QStringLiteral("Menue_Ansicht"))->title(), "&Ansicht");
    EXPECT_EQ(f->Edit_p0->text(), "0,8");
}

}  // namespace
