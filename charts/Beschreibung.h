#pragma once
// The chart in words: for screen readers, what the picture now on screen shows; for a
// worksheet, the numbers under it.

#include "analysis/Eingaben.h"
#include "analysis/Stichproben.h"
#include "analysis/Zustand.h"

#include <QString>
#include <QStringList>

#include <array>

// The distribution chart as the last redraw drew it (chart kind, distribution, n and its
// parameter, the k range, further distributions, and the markings that are switched on with
// their sets, errors and P(A), and with α and x the test's decision on x). Reads the test kind
// that redraw set. With st, the samples drawn over it and where they fell. p_Texte: p0, p1 and
// p2 as their fields show them ("1/6" is read as typed); an empty text gives the value.
QString Diagrammbeschreibung(const Zustand& z, const Schalter& s, const Stichprobenstand* st = nullptr,
                             const std::array<QString, 3>& p_Texte = {});
// The OC chart: the curve of the test the last distribution chart set, over p1 = 0..1; p0 as
// p0_Text, or its value while that is empty.
QString OC_Beschreibung(const Zustand& z, const QString& p0_Text = {});

// p0, p1 and p2 as their fields show them: p0 as typed or x/n of the interval, p1 and p2 as typed.
std::array<QString, 3> Gezeigte_p_Texte(const Eingaben& e, const Auswertung& a);

// The numbers a worksheet needs, one line each, for the page under a saved or printed chart:
// n; each shown distribution with its parameter; H0; the levels as the user set them (the
// texts of their fields, in percent); V and A; the alpha error reached (left, right,
// together); with α and x shown the decision on x; beta at p1 when shown; mu and sigma; the
// confidence interval when it is on; with st the samples drawn: how many of how many, from
// which row and seed, in V and A, the rate with its 95 % interval and the exact value. Reads
// the test kind the last redraw set. p_Texte as for Diagrammbeschreibung.
QStringList Arbeitsblatt_Texte(const Zustand& z, const Schalter& s, const QString& Alfa_links,
                               const QString& Alfa_rechts, const Stichprobenstand* st = nullptr,
                               const std::array<QString, 3>& p_Texte = {});
