#pragma once
// The real window with recorded desktop services and a clock that never really waits: every
// round of event processing inside Warten is recorded (the rest of the wait it asked for) and
// may run a hook, the way a user acts while an animation waits.

#include "tests/ui/Fensterhilfe.h"

#include "explorations/Uhr.h"
#include "ui/Bildfeld.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct Testuhr : Uhr {
    std::uint32_t jetzt = 0;
    // Milliseconds that one round takes; 0: the whole rest, so every Warten is one round.
    std::uint32_t Schritt = 0;
    std::vector<std::uint32_t> Runden;
    std::function<void()> Haken;

    std::uint32_t Millisekunden() override { return jetzt; }
    void Ereignisse_abwarten(std::uint32_t rest) override {
        Runden.push_back(rest);
        if (Haken) Haken();
        QCoreApplication::processEvents();
        jetzt += Schritt == 0 ? rest : std::min(Schritt, rest);
    }
};

class Explorationsfenster : public Fenstertest {
protected:
    void SetUp() override {
        auto u = std::make_unique<Testuhr>();
        uhr_ = u.get();
        Uhr_setzen(std::move(u));
        Fenstertest::SetUp();
    }
    void TearDown() override {
        Fenstertest::TearDown();
        Uhr_setzen(nullptr);
    }

    // Column of the top outline of bar k, and its row for probability v on the scale Pmax.
    int Balkenmitte(int k) const {
        return f->Geometrie_des_Bildes().x_Ursprung + (k - f->Stand().k1) * f->Geometrie_des_Bildes().Saeulenbreite +
               f->Geometrie_des_Bildes().Saeulenbreite / 2;
    }
    int Balkenoberkante(long double v, long double Pmax) const {
        return f->Geometrie_des_Bildes().y_Ursprung -
               static_cast<int>(std::nearbyint(v / Pmax * f->Geometrie_des_Bildes().Hoehe_Skala));
    }
    QRgb Pixel(int x, int y) const { return f->Image1->Bild().pixel(x, y) | 0xFF000000u; }

    Testuhr* uhr_ = nullptr;
};
