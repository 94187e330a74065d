#pragma once
// The start values of the program, the one place they are written: the reset stores them
// in Zustand, the window derives the field texts from them, and a p out of range falls
// back to its row's value here.

#include "probability/UStochastik.h"

struct Startwerte {
    int x = 1;
    int n = 20;
    int k1 = 0;
    int k2 = 20;
    Extended p[3] = {0.8L, 0.6L, 0.3L};  // M/N of each row, exactly
    int M[3] = {80, 30, 21};
    int N[3] = {100, 50, 70};
    Extended Alfali = 5;
    Extended Alfare = 5;
    int kli = 12;
    int kre = 20;
    Extended Sigmafaktor = 1.96L;
    Extended Umgebung = 95;
};

inline constexpr Startwerte Start{};
