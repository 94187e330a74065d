// Warten: the wait between animation frames, on a fake counter (wrap, rounds, abort) and on
// the system clock (really waits, handles events meanwhile, does not spin).

#include "Explorationsfenster.h"

#include <QTimer>

#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>

namespace {

class Warten_Test : public ::testing::Test {
protected:
    void SetUp() override {
        auto u = std::make_unique<Testuhr>();
        uhr_ = u.get();
        Uhr_setzen(std::move(u));
    }
    void TearDown() override { Uhr_setzen(nullptr); }
    Testuhr* uhr_ = nullptr;
};

TEST_F(Warten_Test, NullUndNegativKehrenSofortZurueck) {
    EXPECT_TRUE(Warten(0));
    EXPECT_TRUE(Warten(-5));
    EXPECT_TRUE(uhr_->Runden.empty());
}

struct Zaehlerfall {
    const char* Name;
    std::uint32_t Beginn;
};

class Warten_Zaehler : public Warten_Test, public ::testing::WithParamInterface<Zaehlerfall> {};

// Rounds of 100 ms: a 2000 ms wait takes exactly 20 rounds, each asking for the rest, wherever
// the 32-bit counter stands and whether or not it wraps meanwhile.
TEST_P(Warten_Zaehler, ZweiSekundenAuchUeberDenUeberlauf) {
    uhr_->jetzt = GetParam().Beginn;
    uhr_->Schritt = 100;
    EXPECT_TRUE(Warten(2000));
    ASSERT_EQ(uhr_->Runden.size(), 20u);
    for (std::uint32_t i = 0; i < 20; ++i) EXPECT_EQ(uhr_->Runden[i], 2000u - 100u * i);
    EXPECT_EQ(static_cast<std::uint32_t>(uhr_->jetzt - GetParam().Beginn), 2000u);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Warten_Zaehler,
                         ::testing::Values(Zaehlerfall{"ab_null", 0u}, Zaehlerfall{"Ueberlauf_mittendrin", 0xFFFFFF00u},
                                           Zaehlerfall{"Ueberlauf_nach_erster_Runde", 0xFFFFFFFFu},
                                           Zaehlerfall{"endet_genau_auf_null", 0xFFFFF830u}),
                         [](const auto& i) { return std::string(i.param.Name); });

TEST_F(Warten_Test, UngeradeRestzeitWirdNichtUeberschritten) {
    uhr_->Schritt = 7;
    EXPECT_TRUE(Warten(25));
    // 7 + 7 + 7 + 4: the last round asks only for what is left.
    EXPECT_EQ(uhr_->Runden, (std::vector<std::uint32_t>{25, 18, 11, 4}));
    EXPECT_EQ(uhr_->jetzt, 25u);
}

TEST_F(Warten_Test, AbbruchNachDerRundeInDerErEintritt) {
    uhr_->Schritt = 10;
    int Runden = 0;
    EXPECT_FALSE(Warten(2000, [&] { return ++Runden == 3; }));
    EXPECT_EQ(uhr_->Runden.size(), 3u);
}

// The system clock: the wait lasts at least as long as asked, delivers timers and posted
// calls that fall into it, and sleeps in the dispatcher instead of spinning.
TEST(Warten_Systemuhr, WartetVerarbeitetUndSchlaeft) {
    Uhr_setzen(nullptr);
    bool Zeitgeber = false, Aufruf = false;
    QTimer::singleShot(20, [&] { Zeitgeber = true; });
    QMetaObject::invokeMethod(
        qApp, [&] { Aufruf = true; }, Qt::QueuedConnection);

    const auto Beginn = std::chrono::steady_clock::now();
    const std::clock_t cpu_Beginn = std::clock();
    EXPECT_TRUE(Warten(300));
    const double cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu_Beginn) / CLOCKS_PER_SEC;
    const auto vergangen =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Beginn).count();

    EXPECT_GE(vergangen, 299);  // the tick counter counts whole milliseconds
    EXPECT_TRUE(Zeitgeber);
    EXPECT_TRUE(Aufruf);
    // A spinning wait would burn about the whole 300 ms of processor time.
    EXPECT_LT(cpu_ms, 150.0);
}

}  // namespace
