#include "charts/Farben.h"

#include "charts/Haeufigkeiten.h"

const Farbsatz& Standardfarben() {
    static const Farbsatz f{
        .Hilfslinien = clGray,
        .p0_Saeulen = clRed,
        .Bereiche = clRed,
        .Erwartungswerte = clRed,
        .p1_Saeulen = clBlue,
        .p2_Saeulen = clLime,
        .Beta = clBlack,
        // The p1 bars' own direction: inside A their hatch lines turn black.
        .Beta_Muster = Pinselart::bsBDiagonal,
        .Normalkurve = clBlue,
        .Sigma_p0 = clBlack,
        .Sigma_p1 = clBlue,
        .Sigma_p2 = clGreen,
        .Stichprobe = clPurple,
        .Haeufigkeiten = clHaeufigkeit,
        .Zuletzt = 0xFFFFFF00,
        .OC_Kurve = clRed,
    };
    return f;
}

const Farbsatz& Projektorfarben() {
    // Found by a search over sRGB for the largest smallest difference of every pair under
    // normal, deuteranope and protanope vision, nominal and washed out, each colour at least
    // 3:1 against white even washed out. Lime is too light for any projector; p2 is green
    // dark enough to mark its own bounds.
    constexpr QRgb Grau = 0xFF555555, Rot = 0xFF962700, Blau = 0xFF2975D5, Gruen = 0xFF288E59, Orange = 0xFFC65C00;
    static const Farbsatz f{
        .Hilfslinien = Grau,
        .p0_Saeulen = Rot,
        .Bereiche = Rot,
        .Erwartungswerte = Rot,
        .p1_Saeulen = Blau,
        .p2_Saeulen = Gruen,
        .Beta = clBlack,
        // Across the p1 bars' diagonal a grid of level and upright lines, which no other hatch
        // has: a diagonal cross would look like V in the histogram, where the alpha hatch
        // crosses the p1 bars.
        .Beta_Muster = Pinselart::bsCross,
        .Normalkurve = Blau,
        .Sigma_p0 = clBlack,
        .Sigma_p1 = Blau,
        .Sigma_p2 = Gruen,
        .Stichprobe = Orange,
        .Haeufigkeiten = Orange,
        .Zuletzt = 0xFFFFFF00,
        .OC_Kurve = Rot,
    };
    return f;
}
