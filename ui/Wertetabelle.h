#pragma once
// The value grid StringGrid1: the probability tables of the current analysis, one row per k,
// or, after an OC chart, the table of beta(p1). Output only; nothing in it is read back.
//
// Each layout is a model of its own over a copy of its columns taken when the grid is filled;
// a cell's text is made when the view asks for it. The grid's fixed row and fixed column are
// the view's real headers (horizontal header = row 0, vertical header = column 0, the corner
// button = cell (0, 0)): they stay in view while 4000 rows scroll, and their handles are what
// lets the user resize rows and columns.

#include "analysis/Zustand.h"
#include "charts/OC.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QColor>
#include <QString>
#include <QTableView>

#include <array>
#include <optional>
#include <vector>

// Cells right-aligned at the top edge, selectable, never editable.
class Gittermodell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    virtual QString Text(int zeile, int spalte) const = 0;
};

// The value table: row k for k = 0..n, columns P0(X=k), P0(X<=k), P0(X>=k), P1(X=k), P2(X=k)
// as percentages; the vertical header holds k. While samples are shown, "Anzahl" (how often k
// was drawn) follows the columns of P0, where it is in view beside the probabilities it meets.
class Wertetabellenmodell : public Gittermodell {
    Q_OBJECT
public:
    static constexpr int Spalten = 5;
    // The header of the k column, shown in the corner.
    static QString Kopf_k();

    using Gittermodell::Gittermodell;

    // The tables of z for k = 0..n; P1 and P2 stay empty unless their distribution is shown.
    // With Anzahlen (counts of samples per k) a column of them follows.
    void Fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen,
                 const std::vector<long long>* Anzahlen = nullptr);
    // Rows for k = 0..n. Rows beyond it are dropped with their values, so that a later, larger
    // table shows them empty.
    void Zeilen_setzen(int n);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    QString Text(int zeile, int spalte) const override;

private:
    static constexpr int Anzahlspalte = 3;
    // The column of Werte shown in column spalte, -1 for the counts.
    int Wertespalte(int spalte) const;

    std::array<std::vector<Extended>, Spalten> Werte;  // [spalte][k], k = 0.. up to the copy
    std::optional<std::vector<long long>> Anzahlen;
    int zeilen = 0;
};

// The OC table: p1 and beta(p1) for p1 = 0,02 .. 0,98, the texts as the chart made them.
class OC_Tabellenmodell : public Gittermodell {
    Q_OBJECT
public:
    using Gittermodell::Gittermodell;

    void Zeigen(const OC_Tabelle& t);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    QString Text(int zeile, int spalte) const override;

private:
    OC_Tabelle Tabelle;
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

    // Value layout: 6 columns, n + 2 rows, fixed row and column in the light 3-D colour.
    void Tabelle_einrichten(int n);
    // The value layout with rows k = 0..n from the tables of z, with the column of the counts
    // of samples when Anzahlen are given.
    void Tabelle_fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen,
                         const std::vector<long long>* Anzahlen = nullptr);

    // OC layout: 2 columns, 50 rows, yellow fixed row, no fixed column; column 0 filled.
    void OC_Tabelle_einrichten();
    // The OC layout with both columns of t: what the "OC" button shows beside its chart.
    void OC_Tabelle_zeigen(const OC_Tabelle& t);

    // Row Zeile of the current layout (k in the value layout) selected whole and scrolled into
    // view; nothing outside the table.
    void Zeile_zeigen(int Zeile);

    // In grid coordinates: row 0 is the header row, column 0 the k column of the value layout.
    QString Zelle(int spalte, int zeile) const;
    int Spaltenzahl() const;
    int Zeilenzahl() const;
    int Fixierte_Spalten() const;
    // Colour of the fixed cells of the current layout.
    QColor Fixfarbe() const;

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Layout_zeigen(Gittermodell* m);

    Wertetabellenmodell* Werte;
    OC_Tabellenmodell* OC_Werte;
};
