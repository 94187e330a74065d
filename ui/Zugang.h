#pragma once
// What a screen reader hears of two kinds of control that Qt's own accessibility describes
// poorly here: the combo boxes (on Linux Qt names a combo box by its current item, so the
// three distribution boxes were all "Binomial") and the fragments of a caption ("<=", "%",
// " = [ 0; ... ;") that read as noise between the fields they frame. The form promotes both.

#include <QComboBox>
#include <QLabel>

// A combo box named by its accessible name ("Verteilung von p1"), the selected item its value
// and its text; its child is the list of its items, the current one selected in it also while
// the list is closed. A new item is announced as a change of that text.
class Benannte_Auswahl : public QComboBox {
    Q_OBJECT
public:
    explicit Benannte_Auswahl(QWidget* parent = nullptr);

private:
    void Auswahl_melden(int i);
    QString gemeldet;
};

// A piece of a caption, shown but not read out.
class Textstueck : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};

// Makes the two known to QAccessible; once per program, before the first window.
void Zugang_anmelden();
