#pragma once
// The geometry of a chart, in logical pixels: computed from the image and the state before
// anything is drawn, then only read. The window keeps the last chart's, which the clipboard
// copy and the family charts read.

#include "probability/UStochastik.h"

struct Diagrammgeometrie {
    int x_Ursprung = 0;
    int y_Ursprung = 0;
    int x_Ende = 0;  // right end of the k axis; on the OC chart 30 px past the p1 axis
    int y_Oben = 0;
    int Hoehe_Skala = 0;  // pixels from probability 0 to Pmax (OC: to 1)
    int k1 = 0;           // the k range shown: the state's, or the narrowed one
    int k2 = 0;
    int k_Spanne = 0;       // k2 - k1
    int Saeulenbreite = 0;  // slot of one k; 0 when k1..k2 does not fit the axis
    bool verengt = false;   // k1..k2 narrowed to mue0 +- 3.5 sigma0, unlike the state's
    Extended Pmax = 0;      // the probability at the top of the scale (1 for P(X<=k))
    int OC_Breite = 0;      // the OC chart's p1 axis, p1 = 0..1
};
