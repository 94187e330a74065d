#pragma once
// Image1: shows the chart bitmap. The charts draw into Bild(); the widget only shows it.

#include <QImage>
#include <QWidget>

class Bildfeld : public QWidget {
    Q_OBJECT
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    QImage& Bild() { return bild; }
    const QImage& Bild() const { return bild; }

    // Resizes the bitmap to the widget, keeping the picture at the top left and filling a new
    // margin white; true if the size changed.
    // Works while the widget is hidden, when Qt delivers no resize event yet.
    bool Bild_anpassen();

    // An outline over the picture (logical pixels), drawn on the screen only, not into the
    // bitmap; an empty rectangle takes it away. The window takes it away with the next picture.
    void Hervorheben(const QRect& Rahmen);
    const QRect& Hervorgehoben() const { return hervorgehoben; }

signals:
    // A double click on the chart (it asks for the chart alone, full screen).
    void Doppelklick();
    // The bitmap was recreated at a new widget size by a resize event (the chart must be drawn
    // anew); a Bild_anpassen called directly reports through its result instead.
    void Groesse_geaendert();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage bild;
    QRect hervorgehoben;
};
