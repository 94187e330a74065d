// The p0 and n animations frame by frame on a fake clock, and what happens when the user acts
// while they wait: other handlers, a second animation, closing the window.

#include "Explorationsfenster.h"

#include "explorations/Animation.h"

#include <QPushButton>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr long double eps = std::numeric_limits<long double>::epsilon();

// p0 = i/200 as its shortest decimal text: i/200 = 5i thousandths, trailing zeros dropped.
QString p0_Text(int i) {
    QString s = QStringLiteral("0,%1").arg(5 * i, 3, 10, QLatin1Char('0'));
    while (s.endsWith('0')) s.chop(1);
    return s;
}

TEST(Animationsskala, P0AnimationNimmtDenGroesserenKandidaten) {
    // B(20; 0,05) at m = 1: 20 * 0,05 * 0,95^19 = 0,95^19 (closed form), about 0,3774.
    const long double erwartet = std::pow(0.95L, 19);
    EXPECT_NEAR(Pmax_p0_Animation(20), erwartet, 64 * eps);
    EXPECT_NEAR(Pmax_p0_Animation(20), 0.3774L, 0.00005L);
    // n = 19, m = 0: P(X=0) = 0,95^19 and P(X=1) = 19 * 0,05 * 0,95^18 = 0,95^19 are equal.
    EXPECT_NEAR(Pmax_p0_Animation(19), erwartet, 64 * eps);
    // n = 39, m = 1: the mode of B(39; 0,05) is 1, P(X=2) = 741 * 0,05^2 * 0,95^37 is smaller;
    // n = 40, m = 2: P(X=2) = 780 * 0,05^2 * 0,95^38 beats P(X=3) = 9880 * 0,05^3 * 0,95^37.
    EXPECT_NEAR(Pmax_p0_Animation(39), 39 * 0.05L * std::pow(0.95L, 38), 256 * eps);
    EXPECT_NEAR(Pmax_p0_Animation(40), 780 * 0.0025L * std::pow(0.95L, 38), 256 * eps);
}

TEST(Animationsskala, NAnimation) {
    // B(5; 0,8) at k = 4: 5 * 0,8^4 * 0,2 = 0,4096 exactly in decimal.
    EXPECT_NEAR(Pmax_n_Animation(0.8L), 0.4096L, 64 * eps);
}

using Animationen = Explorationsfenster;

TEST_F(Animationen, P0AnimationBeiN20) {
    Eingeben(f->Edit_p0, "0,3");
    std::vector<QString> p0_Texte;
    std::vector<long double> Skalen;
    uhr_->Haken = [&] {
        p0_Texte.push_back(f->Edit_p0->text());
        Skalen.push_back(f->Stand().Pmax);
    };
    f->BitBtn_p0Animation->click();

    ASSERT_EQ(uhr_->Runden.size(), 181u);
    EXPECT_EQ(uhr_->Runden.front(), 2000u);
    for (size_t i = 1; i < uhr_->Runden.size(); ++i) ASSERT_EQ(uhr_->Runden[i], 2u) << "frame " << i;
    for (int i = 10; i <= 190; ++i) ASSERT_EQ(p0_Texte[i - 10], p0_Text(i)) << "frame " << i - 10;
    EXPECT_EQ(p0_Texte.front(), "0,05");
    EXPECT_EQ(p0_Texte[1], "0,055");
    EXPECT_EQ(p0_Texte.back(), "0,95");
    for (long double s : Skalen) ASSERT_NEAR(s, std::pow(0.95L, 19), 64 * eps);

    EXPECT_EQ(f->Edit_p0->text(), "0,8");
    EXPECT_EQ(f->Stand().p0, 0.8L);
    EXPECT_EQ(f->Stand().n, 20);
    EXPECT_EQ(f->Edit_k2->text(), "20");
    EXPECT_FALSE(f->Stand().Serie_laeuft);
    EXPECT_TRUE(rec->Meldungen.isEmpty());
}

TEST_F(Animationen, P0AnimationBehaeltDasNDesNutzers) {
    Eingeben(f->Edit_n, "37");
    std::vector<int> n_je_Bild;
    uhr_->Haken = [&] { n_je_Bild.push_back(f->Stand().n); };
    f->BitBtn_p0Animation->click();
    ASSERT_EQ(n_je_Bild.size(), 181u);
    for (int n : n_je_Bild) ASSERT_EQ(n, 37);
    EXPECT_EQ(f->Stand().n, 37);
    EXPECT_EQ(f->Edit_n->text(), "37");
    EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, 37);
}

// Any non-white pixel of the plot area right of the slot of k = n, up to the end of the axis
// slot of k = 100.
int Pixel_rechts_von_n(const TForm1& f, int n) {
    const Zustand& z = f.Stand();
    const QImage& b = f.Image1->Bild();
    int gefunden = 0;
    const int von = f.Geometrie_des_Bildes().x_Ursprung + (n + 1 - z.k1) * f.Geometrie_des_Bildes().Saeulenbreite + 1;
    const int bis = f.Geometrie_des_Bildes().x_Ursprung + (100 + 1 - z.k1) * f.Geometrie_des_Bildes().Saeulenbreite;
    for (int y = f.Geometrie_des_Bildes().y_Oben; y < f.Geometrie_des_Bildes().y_Ursprung; ++y)
        for (int x = von; x <= bis; ++x) gefunden += (b.pixel(x, y) | 0xFF000000u) != 0xFFFFFFFFu;
    return gefunden;
}

TEST_F(Animationen, NAnimation) {
    // A longer table first: the reset computes only 0..20 and would leave 21..300 behind.
    Eingeben(f->Edit_n, "300");
    int Bild = 0;
    uhr_->Haken = [&] {
        const int n = 5 + Bild++;
        const Zustand& z = f->Stand();
        EXPECT_EQ(z.n, n);
        EXPECT_EQ(f->Edit_n->text(), QString::number(n));
        EXPECT_EQ(f->Edit_k2->text(), QString::number(n));
        EXPECT_EQ(z.k1, 0);
        EXPECT_EQ(z.k2, 100);
        EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, 100);
        EXPECT_NEAR(z.Pmax, 0.4096L, 64 * eps);
        for (int k = n + 1; k <= 100; ++k) ASSERT_EQ(z.P0_Tabelle[k], 0.0L) << "n=" << n << " k=" << k;
        EXPECT_EQ(Pixel_rechts_von_n(*f, n), 0) << "n=" << n;
    };
    f->BitBtn_nAnimation->click();

    ASSERT_EQ(uhr_->Runden.size(), 96u);
    EXPECT_EQ(uhr_->Runden.front(), 2000u);
    EXPECT_EQ(uhr_->Runden.back(), 2000u);
    for (size_t i = 1; i + 1 < uhr_->Runden.size(); ++i) ASSERT_EQ(uhr_->Runden[i], 25u) << "frame " << i;

    EXPECT_EQ(f->Edit_n->text(), "20");
    EXPECT_EQ(f->Edit_k2->text(), "20");
    EXPECT_EQ(f->Stand().n, 20);
    EXPECT_EQ(f->Stand().k2, 20);
    EXPECT_EQ(f->Stand().p0, 0.8L);
    EXPECT_EQ(f->Geometrie_des_Bildes().k_Spanne, 100);  // the last frame stays in the image
    EXPECT_FALSE(f->Stand().Serie_laeuft);
}

// The user's actions inside a wait run to completion; the animation then goes on from the
// state they left, with its own frame counter.
TEST_F(Animationen, EingabenUndKnoepfeWaehrendDesWartens) {
    int Runde = 0;
    uhr_->Haken = [&] {
        switch (++Runde) {
        case 3:
            Eingeben(f->Edit_n, "60");
            break;
        case 5:
            f->Button_p0_variabel->click();
            break;
        case 7:
            f->Button_n_variabel->click();
            break;
        case 9:
            f->BitBtn_OC->click();
            break;
        default:
            break;
        }
        // Never a bar from a table entry above the current n within the axis.
        for (int k = f->Stand().n + 1; k <= f->Stand().k2; ++k) ASSERT_EQ(f->Stand().P0_Tabelle[k], 0.0L) << "k=" << k;
    };
    f->BitBtn_p0Animation->click();
    EXPECT_EQ(uhr_->Runden.size(), 181u);
    EXPECT_FALSE(f->Stand().Serie_laeuft);
    EXPECT_EQ(f->Stand().p0, 0.8L);
    EXPECT_EQ(f->Edit_p0->text(), "0,8");
}

TEST_F(Animationen, ZweiteAnimationImWartenLaeuftDurchDannDieErste) {
    int Runde = 0;
    std::vector<QString> n_Texte;
    uhr_->Haken = [&] {
        if (++Runde == 3) f->BitBtn_nAnimation->click();
        n_Texte.push_back(f->Edit_n->text());
        for (int k = f->Stand().n + 1; k <= f->Stand().k2; ++k) ASSERT_EQ(f->Stand().P0_Tabelle[k], 0.0L) << "k=" << k;
    };
    Eingeben(f->Edit_n, "30");
    f->BitBtn_p0Animation->click();
    // 181 frames of the outer run and 96 of the nested one.
    EXPECT_EQ(uhr_->Runden.size(), 181u + 96u);
    // The outer frames after the nested run compute with the n it left (20).
    EXPECT_EQ(n_Texte.back(), "20");
    EXPECT_EQ(f->Stand().n, 20);
    EXPECT_EQ(f->Stand().p0, 0.8L);
    EXPECT_FALSE(f->Stand().Serie_laeuft);
}

struct Schliessfall {
    const char* Name;
    bool n_Animation;
    int Runde;  // the wait in which the window is closed
};

class Schliessen_im_Warten : public Explorationsfenster, public ::testing::WithParamInterface<Schliessfall> {};

TEST_P(Schliessen_im_Warten, EndetNachDiesemWartenOhneWeiteresBild) {
    const Schliessfall& c = GetParam();
    int Runde = 0;
    uhr_->Haken = [&] {
        if (++Runde == c.Runde) f->close();
    };
    (c.n_Animation ? f->BitBtn_nAnimation : f->BitBtn_p0Animation)->click();
    EXPECT_EQ(uhr_->Runden.size(), static_cast<size_t>(c.Runde));
    EXPECT_FALSE(f->isVisible());
    EXPECT_FALSE(f->Stand().Serie_laeuft);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Schliessen_im_Warten,
                         ::testing::Values(Schliessfall{"p0_erstes_Bild", false, 1},
                                           Schliessfall{"p0_mitten", false, 40}, Schliessfall{"n_mitten", true, 10},
                                           Schliessfall{"n_letztes_Bild", true, 96}),
                         [](const auto& i) { return std::string(i.param.Name); });

// Closing inside a nested animation ends both runs.
TEST_F(Animationen, SchliessenInVerschachtelterAnimation) {
    int Runde = 0;
    uhr_->Haken = [&] {
        ++Runde;
        if (Runde == 2) f->BitBtn_nAnimation->click();
        if (Runde == 6) f->close();
    };
    f->BitBtn_p0Animation->click();
    EXPECT_EQ(Runde, 6);
}

// All at once, as a restless user would: change an input, click another button, close. The
// window object itself goes away inside the wait; the animation must not touch it again.
TEST_F(Animationen, EingabeKnopfUndZerstoerenImWarten) {
    int Runde = 0;
    TForm1* Fenster = f.get();
    uhr_->Haken = [&] {
        ++Runde;
        if (Runde == 4) {
            Eingeben(f->Edit_n, "45");
            f->Button_n_variabel->click();
            f->close();
            f.reset();
        }
    };
    Fenster->BitBtn_p0AnimationClick();
    EXPECT_EQ(Runde, 4);
    EXPECT_EQ(f, nullptr);
}

TEST_F(Animationen, WiederGezeigtesFensterAnimiertWieder) {
    uhr_->Haken = [&] {
        if (uhr_->Runden.size() == 2) f->close();
    };
    f->BitBtn_nAnimation->click();
    ASSERT_EQ(uhr_->Runden.size(), 2u);
    uhr_->Haken = nullptr;
    f->show();
    f->BitBtn_nAnimation->click();
    EXPECT_EQ(uhr_->Runden.size(), 2u + 96u);
}

}  // namespace
