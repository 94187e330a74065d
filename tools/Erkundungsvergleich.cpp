// TEMPORARY: renders every frame of the explorations the old way (the real window through its
// Erkundungsfenster path, each frame caught in the wait after it) and the new way
// (Erkundung::Bild_zeichnen into an image of the same size and scale) and compares them byte
// for byte (QImage ==) with their descriptions.
//   QT_QPA_PLATFORM=offscreen ./quorvel_erkundungsvergleich [Fensterbreite Fensterhoehe]

#include "explorations/Erkundung.h"
#include "explorations/Uhr.h"
#include "ui/Bildfeld.h"
#include "ui/Quorvel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct Fanguhr : Uhr {
    std::uint32_t jetzt = 0;
    std::function<void()> Haken;
    std::uint32_t Millisekunden() override { return jetzt; }
    void Ereignisse_abwarten(std::uint32_t rest) override {
        if (Haken) Haken();
        jetzt += rest;
    }
};
Fanguhr* uhr_ = nullptr;

struct Fall {
    Erkundungsart Art;
    const char* n;
    const char* p0;
    bool Info;
    bool belebt;     // boxes, column chart and p1 on before the click (the reset clears them)
    bool verengen;   // old path: k1..k2 put back to 0..n after each frame (each frame narrows anew)
};

const char* Name(Erkundungsart a) {
    switch (a) {
    case Erkundungsart::mehrere_p0: return "mehrere p0";
    case Erkundungsart::mehrere_n: return "mehrere n";
    case Erkundungsart::p0_Animation: return "p0-Ani";
    case Erkundungsart::n_Animation: return "n-Ani";
    }
    return "?";
}

int Bilder_gesamt = 0, Bilder_gleich = 0, Texte_gleich = 0, Faelle_ungleich = 0;

void vergleichen(const Fall& c, QSize Fenster) {
    TForm1 f;
    f.show();
    f.resize(Fenster);
    QApplication::processEvents();
    f.Edit_n->setText(QString::fromLatin1(c.n));
    f.Edit_nExit();
    f.Edit_p0->setText(QString::fromLatin1(c.p0));
    f.Edit_pExit(0);
    f.CheckBox_Info->setChecked(c.Info);
    if (c.belebt) {
        f.CheckBox_p1_zeichnen->setChecked(true);
        f.CheckBox_Normalverteilung->setChecked(true);
        f.CheckBox_Alfa_zeigen->setChecked(true);
        f.CheckBox_Sigma_zeigen->setChecked(true);
        f.ComboBox_Histo_Saeule->setCurrentIndex(1);
        f.ComboBox_Histo_SaeuleChange();
    }
    const int n = f.Stand().n;
    const Extended p0 = f.Stand().p0;
    const bool Info = f.CheckBox_Info->isChecked();

    std::vector<QImage> alt;
    std::vector<QString> alt_Text;
    uhr_->Haken = [&] {
        alt.push_back(f.Image1->Bild().copy());
        alt_Text.push_back(f.Image1->accessibleDescription());
        if (c.verengen) {
            f.Stand().k1 = 0;
            f.Stand().k2 = f.Stand().n;
        }
    };
    switch (c.Art) {
    case Erkundungsart::mehrere_p0: f.Button_p0_variabelClick(); break;
    case Erkundungsart::mehrere_n: f.Button_n_variabelClick(); break;
    case Erkundungsart::p0_Animation: f.BitBtn_p0AnimationClick(); break;
    case Erkundungsart::n_Animation: f.BitBtn_nAnimationClick(); break;
    }
    uhr_->Haken = nullptr;
    if (alt.empty()) {
        alt.push_back(f.Image1->Bild().copy());
        alt_Text.push_back(f.Image1->accessibleDescription());
    }

    const Erkundung e(c.Art, n, p0, Info);
    int gleich = 0, Text = 0, erstes_ungleich = -1;
    if (static_cast<int>(alt.size()) != e.Bildzahl())
        std::printf("  FRAME COUNT old %zu new %d\n", alt.size(), e.Bildzahl());
    for (int i = 0; i < e.Bildzahl() && i < static_cast<int>(alt.size()); ++i) {
        QImage neu(alt[i].size(), QImage::Format_RGB32);
        neu.setDevicePixelRatio(alt[i].devicePixelRatio());
        neu.fill(Qt::red);  // whatever the frame leaves undrawn shows
        QString Beschreibung;
        e.Bild_zeichnen(i, neu, Beschreibung);
        if (neu == alt[i])
            ++gleich;
        else if (erstes_ungleich < 0)
            erstes_ungleich = i;
        if (Beschreibung == alt_Text[i]) ++Text;
    }
    Bilder_gesamt += e.Bildzahl();
    Bilder_gleich += gleich;
    Texte_gleich += Text;
    if (gleich != e.Bildzahl() || Text != e.Bildzahl()) ++Faelle_ungleich;
    std::printf("%-10s n=%-5s p0=%-5s Info=%d belebt=%d verengen=%d image %dx%d@%g: frames %3d, equal %3d, "
                "descriptions equal %3d%s\n",
                Name(c.Art), c.n, c.p0, c.Info, c.belebt, c.verengen, alt[0].width(), alt[0].height(),
                alt[0].devicePixelRatio(), e.Bildzahl(), gleich, Text,
                erstes_ungleich >= 0 ? qPrintable(QStringLiteral(" (first unequal: %1)").arg(erstes_ungleich)) : "");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto u = std::make_unique<Fanguhr>();
    uhr_ = u.get();
    Uhr_setzen(std::move(u));
    const QSize Fenster = argc >= 3 ? QSize(std::atoi(argv[1]), std::atoi(argv[2])) : QSize(1031, 750);

    std::vector<Fall> Faelle;
    for (bool Info : {true, false}) {
        for (const char* n : {"20", "150", "500", "2000"})
            Faelle.push_back({Erkundungsart::p0_Animation, n, "0,3", Info, false, false});
        for (const char* n : {"15", "20", "50", "150", "500"})
            Faelle.push_back({Erkundungsart::mehrere_p0, n, "0,3", Info, false, false});
        for (const char* p0 : {"0", "0,2", "0,5", "0,8", "0,99", "1"})
            Faelle.push_back({Erkundungsart::mehrere_n, "300", p0, Info, false, false});
        Faelle.push_back({Erkundungsart::n_Animation, "300", "0,3", Info, false, false});
        // What the user had on before the click does not reach the frames.
        Faelle.push_back({Erkundungsart::p0_Animation, "150", "0,3", Info, true, false});
        Faelle.push_back({Erkundungsart::mehrere_p0, "50", "0,3", Info, true, false});
        Faelle.push_back({Erkundungsart::mehrere_n, "60", "0,35", Info, true, false});
        Faelle.push_back({Erkundungsart::n_Animation, "60", "0,35", Info, true, false});
        // The deliberate change: each frame narrows around its own distribution. The old path
        // with k1..k2 put back after each frame must give the new frames exactly.
        Faelle.push_back({Erkundungsart::p0_Animation, "2000", "0,3", Info, false, true});
        Faelle.push_back({Erkundungsart::p0_Animation, "4000", "0,3", Info, false, true});
    }
    for (const Fall& c : Faelle) vergleichen(c, Fenster);
    std::printf("TOTAL frames %d, equal %d, descriptions equal %d, cases with a difference %d\n", Bilder_gesamt,
                Bilder_gleich, Texte_gleich, Faelle_ungleich);
    Uhr_setzen(nullptr);
    return 0;
}
