#pragma once
// Image1: shows the chart bitmap. The charts draw into Bild(); the widget only shows it.

#include <QImage>
#include <QWidget>

#include <functional>

class Bildfeld : public QWidget {
public:
    explicit Bildfeld(QWidget* parent = nullptr);

    QImage& Bild() { return bild; }
    const QImage& Bild() const { return bild; }

    // Resizes the bitmap to the widget, keeping the picture at the top left and filling a new
    // margin white; true if the size changed.
    // Works while the widget is hidden, when Qt delivers no resize event yet.
    bool Bild_anpassen();

    // Runs after the bitmap was recreated at a new widget size (the chart must be drawn anew).
    std::function<void()> Groesse_geaendert;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage bild;
};
