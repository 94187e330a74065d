#pragma once
// The value grid StringGrid1: the probability tables of the current analysis, one row per k,
// or, after an OC chart, the table of beta(p1). Output only; nothing in it is read back.
//
// The grid's fixed row and fixed column are the view's real headers (horizontal header = row 0,
// vertical header = column 0, the corner button = cell (0, 0)): they stay in view while 4000
// rows scroll, and their handles are what lets the user resize rows and columns.

#include "analysis/Zustand.h"
#include "charts/OC.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QColor>
#include <QImage>
#include <QString>
#include <QTableView>

#include <vector>

// Zahl_fest(w, 5, 2), the format of the grid's percentages, with a fast path for 0..999,99.
QString Prozentzahl(Extended w);

// Every cell of the grid as text, fixed row and column included.
class Wertetabellenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit Wertetabellenmodell(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Whole-grid access in grid coordinates (row 0 = header row).
    int Spalten() const { return spalten; }
    int Zeilen() const { return static_cast<int>(zellen.size()); }
    int Fixierte_Spalten() const { return fix_spalten; }
    const QString& Zelle(int spalte, int zeile) const;

    // Bulk changes between Anfang and Ende show up in the view as one reset.
    void Anfang();
    void Ende();
    void Groesse_setzen(int spalten, int zeilen, int fixierte_spalten);
    void Zelle_setzen(int spalte, int zeile, QString text);

private:
    std::vector<std::vector<QString>> zellen;  // [zeile][spalte]
    int spalten = 0;
    int fix_spalten = 0;
    int Tiefe = 0;  // nesting of Anfang/Ende
};

// The light 3-D colour of the fixed cells and of the interval label. Qt's default palette makes
// it white, which would hide the header band; this is the grey desktop themes use for it.
QColor Helle_3D_Farbe();

// Cells as a spreadsheet takes them: rows of tab-separated texts, and the same as HTML.
struct Tabellenauszug {
    QString Text;
    QString Html;
};

class TStringGrid : public QTableView {
    Q_OBJECT
public:
    explicit TStringGrid(QWidget* parent = nullptr);

    // The selected cells as shown, with the k of their rows in front (the value layout) and the
    // header row on top when whole columns are selected (Ctrl+A selects all); ganz: the whole
    // table, header row included. Column 0's padding blank is left out.
    Tabellenauszug Auszug(bool ganz) const;
    // Ctrl+C copies the selection, the context menu's "Tabelle kopieren" the whole table.
    QAction* Aktion_Tabelle_kopieren;

    // Empties every data row of every current column; the header row keeps its texts.
    void Tabelle_leeren();
    // Value layout: 6 columns, n + 2 rows, fixed row and column in the light 3-D colour.
    void Tabelle_einrichten(int n);
    // Tabelle_leeren, Tabelle_einrichten, then rows k = 0..n from the tables of z.
    void Tabelle_fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen);

    // OC layout: 2 columns, 50 rows, yellow fixed row, no fixed column; column 0 filled.
    void OC_Tabelle_einrichten();
    // The OC layout with both columns of t: what the "OC" button shows beside its chart.
    void OC_Tabelle_zeigen(const OC_Tabelle& t);

    QString Zelle(int spalte, int zeile) const;
    int Spaltenzahl() const;
    int Zeilenzahl() const;
    int Fixierte_Spalten() const;
    // Colour of the fixed cells of the current layout.
    QColor Fixfarbe() const;

    Wertetabellenmodell* Modell() const { return modell; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Aussehen_setzen(int fixierte_spalten, const QColor& fixfarbe, int spaltenbreite);

    Wertetabellenmodell* modell;
    QColor fixfarbe;
};
