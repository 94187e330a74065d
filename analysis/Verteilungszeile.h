#pragma once
// The three distribution rows of Zustand, each reached as one set of references, so that
// code for "row i" is written once instead of once per row.

#include "analysis/Zustand.h"

struct Verteilungszeile {
    int& M;
    int& N;
    Extended& p;
    Wertefeld& Tabelle;
    Extended& mue;
    Extended& sigma;
    int Nummer;  // 0, 1, 2

    char Ziffer() const { return static_cast<char>('0' + Nummer); }
};

// Row i of z; any i outside 0..1 gives row 2.
inline Verteilungszeile Zeile_von(Zustand& z, int i)
{
    switch (i) {
    case 0:
        return {z.M0, z.N0, z.p0, z.P0_Tabelle, z.mue0, z.sigma0, 0};
    case 1:
        return {z.M1, z.N1, z.p1, z.P1_Tabelle, z.mue1, z.sigma1, 1};
    default:
        return {z.M2, z.N2, z.p2, z.P2_Tabelle, z.mue2, z.sigma2, 2};
    }
}

// The kind the switches select for row i (same mapping of i as Zeile_von).
inline int Art_von(const Schalter& s, int i)
{
    switch (i) {
    case 0:
        return s.Verteilung_p0;
    case 1:
        return s.Verteilung_p1;
    default:
        return s.Verteilung_p2;
    }
}
