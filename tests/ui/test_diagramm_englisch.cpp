// The chart's words in English, as the user meets them: the information box, the description a
// screen reader gets, the worksheet under a saved chart; numbers with the decimal point, and no
// German phrase left over from the sentences the German puts together.

#include "Fensterhilfe.h"

#include "charts/Beschreibung.h"
#include "charts/Infobox.h"
#include "ui/Sitzung.h"
#include "ui/Sprache.h"

#include <QAccessible>
#include <QCheckBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class Englisches_Fenster : public Englischer_Fenstertest {
public:
    using Fenstertest::Eingeben;
    using Fenstertest::Waehlen;
};

QString Beschreibung(TForm1& f) {
    return QAccessible::queryAccessibleInterface(f.Image1)->text(QAccessible::Description);
}

QString Infobox(TForm1& f) {
    const Sitzung& s = f.Eingaben_des_Fensters();
    QStringList t;
    for (const Infotext& i : Info_Zeile2_Texte(s.Ergebnis().z, Diagrammgeometrie{}, s.Ergebnis().s)) t << i.Text;
    return t.join('|');
}

QString Arbeitsblatt(TForm1& f) {
    const Sitzung& s = f.Eingaben_des_Fensters();
    return Arbeitsblatt_Texte(s.Ergebnis().z, s.Ergebnis().s, QStringLiteral("5"), QStringLiteral("5"), nullptr,
                              Gezeigte_p_Texte(s.Stand(), s.Ergebnis()))
        .join('\n');
}

struct Englischfall {
    const char* Name;
    std::function<void(Englisches_Fenster&, TForm1&)> Tun;
    std::function<QString(TForm1&)> Text;
    std::vector<const char*> enthalten;
};

class Diagramm_englisch : public Englisches_Fenster, public ::testing::WithParamInterface<Englischfall> {};

TEST_P(Diagramm_englisch, InGanzenSaetzen) {
    GetParam().Tun(*this, *f);
    const QString t = GetParam().Text(*f);
    for (const char* e : GetParam().enthalten) EXPECT_TRUE(t.contains(QString::fromUtf8(e))) << t.toStdString();
    for (const char* Deutsch : {"erteilung", " mit ", " für ", " von ", "Fehler", "bereich", "Umgebung", "exakt"})
        EXPECT_FALSE(t.contains(QString::fromUtf8(Deutsch))) << t.toStdString();
}

void Alfa_Beta(Englisches_Fenster&, TForm1& f) {
    f.CheckBox_Alfa_zeigen->click();
    f.CheckBox_Beta_zeigen->click();
}

// Start values: n=20, p0=0.8, p1=0.6, both levels 5%: V={0..12; 20}, α=4.37%, β(0.6)=41.59%.
INSTANTIATE_TEST_SUITE_P(
    Fenster, Diagramm_englisch,
    ::testing::Values(
        Englischfall{"InfoboxFehler", Alfa_Beta, Infobox, {"α| error=4.37%", "β| error=41.59%"}},
        Englischfall{"InfoboxUmgebung",
                     [](Englisches_Fenster&, TForm1& f) { f.CheckBox_Umgebung_schraffieren->click(); },
                     Infobox,
                     {"95% neighbourhood={12; ... ;20}", "P(U)=99.00%"}},
        Englischfall{"Beschreibung",
                     [](Englisches_Fenster& t, TForm1& f) {
                         Alfa_Beta(t, f);
                         f.CheckBox_p1_zeichnen->click();
                         f.CheckBox_p2_zeichnen->click();
                         t.Waehlen(f.ComboBox_Verteilung_p2, 1);
                     },
                     Beschreibung,
                     {"Histogram of the binomial distribution with p0=0.8 for n=20, k from 0 to 20; "
                      "also the binomial distribution with p1=0.6; also the hypergeometric distribution with M=",
                      "; critical region V={0; ... ;12;20; ... ;20}, Type I error 4.37%, P(A)=95.63%; "
                      "Type II error for p1 41.59%"}},
        Englischfall{"OC",
                     [](Englisches_Fenster&, TForm1& f) { f.BitBtn_OC->click(); },
                     Beschreibung,
                     {"OC curve of the two-tailed test for n=20 and p0=0.8: probability of acceptance β(p1) for p1 "
                      "from 0 to 1, critical region V={0; ... ;12;20; ... ;20}."}},
        Englischfall{"Familie",
                     [](Englisches_Fenster&, TForm1& f) {
                         f.Button_n_variabel->click();
                         QApplication::processEvents();  // the family's description follows its drawing
                     },
                     Beschreibung,
                     {"Histograms of a family of binomial distributions: "}},
        Englischfall{"Arbeitsblatt",
                     [](Englisches_Fenster& t, TForm1& f) {
                         Alfa_Beta(t, f);
                         f.CheckBox_p1_zeichnen->click();
                     },
                     Arbeitsblatt,
                     {"Sample size n=20\nDistribution for p0: binomial distribution with p0=0.8\n"
                      "Distribution for p1: binomial distribution with p1=0.6\nNull hypothesis H0: p=0.8\n"
                      "Significance levels: α left 5%, α right 5%\n"
                      "Critical region V={0; ... ;12;20; ... ;20}, acceptance region A={13; ... ;19}\n"
                      "Actual significance level: left 3.21%, right 1.15%, total 4.37%\n"
                      "Type II error for p1=0.6: 41.59%\nExpected value µ=16.00, standard deviation σ=1.79"}}),
    [](const auto& i) { return std::string(i.param.Name); });

}  // namespace
