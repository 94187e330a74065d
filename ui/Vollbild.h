#pragma once
// The chart alone on a whole screen, for a projector. Esc, F11 or a double click closes it;
// the window behind it is as it was.

#include <QImage>
#include <QWidget>

class Vollbild : public QWidget {
    Q_OBJECT
public:
    // A window of its own that deletes itself when closed. Bild carries its device pixel ratio.
    explicit Vollbild(QImage Bild);
    const QImage& Bild() const { return bild; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    QImage bild;
};
