#pragma once
// What the window's form (ui/Quorvel.ui) cannot say itself: pixel font sizes, colours of the
// desktop theme, and the fonts and pictures it names being there at all.

#include <QColor>

class QWidget;

// Once, before the first form is set up: the stand-in fonts for the form's font names and the
// resource with the button pictures.
void Formular_anmelden();

// After setupUi: every widget whose form entry has the dynamic property "Pixelgroesse" gets its
// font at that pixel size (a form's <font> holds point sizes only).
void Formular_ergaenzen(QWidget* Fenster);

// w's background in a colour of the desktop theme, which a form cannot name.
void Hintergrund(QWidget* w, const QColor& Farbe);
