#pragma once
// The chart's palette as the user chose it: the checkable "Projektorfarben" (Ctrl+Shift+P),
// remembered in the settings. It belongs to the room, not to the task: lesson files do not
// hold it, and `quorvel --grafik` draws in the standard colours whatever was chosen here.

#include "charts/Farben.h"

#include <QObject>

class QAction;
class QWidget;

class Farbwahl : public QObject {
    Q_OBJECT
public:
    // The action is put on Fenster, so that its key works wherever the focus is in the window.
    explicit Farbwahl(QWidget& Fenster);

    QAction* Aktion() const { return aktion; }
    const Farbsatz& Farben() const;

signals:
    // The choice changed (and is stored); the charts are to be drawn anew.
    void geaendert();

private:
    QAction* aktion;
};
