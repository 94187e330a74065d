#pragma once
// The colours the charts draw with, named by what they mark. Black (texts, axes, every bar
// outline) and the white background are the same in every palette and stay UGrafik's.
//
// Standardfarben are the charts' own colours. Projektorfarben are for a projector in a lit
// room and for red-green colour-vision deficiencies: every two colours of it that mark
// different things differ clearly also as a deuteranope or protanope sees them and with the
// black level raised, and each keeps a readable contrast to the white; tests/charts
// (test_farben.cpp) holds the measures. Colours that are one in the standard palette (p0,
// its regions and markers; p1, its bounds and the normal curve) stay one; x is marked in the
// frequencies' colour, as both belong to the samples. The beta hatch is a grid of level and
// upright lines, so that A and V of the p1 bars differ in pattern, not only in colour.

#include "charts/UGrafik.h"

struct Farbsatz {
    QRgb Hilfslinien;      // dotted probability lines; the OC grid and its p0 line
    QRgb p0_Saeulen;       // p0 in the column chart
    QRgb Bereiche;         // alpha, acceptance and neighbourhood hatches on p0
    QRgb Erwartungswerte;  // markers of mue0, mue1, mue2
    QRgb p1_Saeulen;       // p1 bars
    QRgb p2_Saeulen;       // p2 bars
    QRgb Beta;             // the acceptance region on the p1 bars
    Pinselart Beta_Muster;
    QRgb Normalkurve;
    QRgb Sigma_p0;  // sigma bounds
    QRgb Sigma_p1;
    QRgb Sigma_p2;
    QRgb Stichprobe;     // marker of the sample result x
    QRgb Haeufigkeiten;  // frequencies of the samples drawn
    QRgb Zuletzt;        // mixed half into the slot of the value drawn last
    QRgb OC_Kurve;       // the OC curve and its circle at p0
};

const Farbsatz& Standardfarben();
const Farbsatz& Projektorfarben();
