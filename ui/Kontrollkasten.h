#pragma once
// A check box whose caption stands to the left of its box, the box at the right edge and the
// whole control clickable. QCheckBox puts the caption on the left only in a right-to-left
// layout, which also turns the text's alignment and the focus frame round; painting the two
// parts here keeps the text left-aligned as every other caption of the window.
// The form (ui/Quorvel.ui) uses it as a promoted QCheckBox.

#include <QCheckBox>

class Kontrollkasten : public QCheckBox {
    Q_OBJECT
public:
    explicit Kontrollkasten(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool hitButton(const QPoint& pos) const override;
};
