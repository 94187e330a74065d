#include "ui/Wertetabelle.h"

#include "analysis/Zahlentexte.h"
#include "charts/Qt_Text.h"
#include "ui/Dienste.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int Wertespalten = 6;
constexpr int OC_Spalten = 2;
constexpr int OC_Zeilen = OC_Tabellenzeilen + 1;
constexpr int Zeilenhoehe = 15;
constexpr int Spaltenbreite = 56;
constexpr int Spaltenbreite_k = 35;
constexpr int OC_Spaltenbreite = 60;
const QColor OC_Fixfarbe(0xFF, 0xFF, 0x00);

QColor Gitterfarbe(const QWidget* w) {
    QStyleOptionViewItem opt;
    opt.initFrom(w);
    return QColor::fromRgba(static_cast<QRgb>(w->style()->styleHint(QStyle::SH_Table_GridLineColor, &opt, w)));
}

// Qt draws one-pixel grid lines at the right and bottom edge of each cell; painting the last
// pixel row and column of the cell in the grid colour as well makes the lines 2 pixels wide.
void Zweite_Gitterlinie(QPainter* p, const QRect& r, const QColor& farbe) {
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), farbe);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), farbe);
}

}  // namespace

QString Prozentzahl(Extended w) {
    // Below 1000, five significant digits are never coarser than two decimals, so the fixed
    // format is w rounded to hundredths, halves away from zero. Doing that directly is some
    // fifty times faster than the general formatter, which matters for 20 000 cells per
    // refill; a product within 1e-9 of a half (or a value outside 0..999,99) is left to
    // Zahl_fest, which decides on the exact binary value.
    if (w >= 0.0L && w < 999.99L) {
        const Extended hundertstel = w * 100.0L;
        const Extended ganz = std::floor(hundertstel);
        const Extended rest = hundertstel - ganz;
        if (std::fabs(rest - 0.5L) > 1e-9L) {
            const long long r = static_cast<long long>(ganz) + (rest > 0.5L ? 1 : 0);
            const long long nachkomma = r % 100;
            QString t = QString::number(r / 100);
            t += QLatin1Char(',');
            t += QLatin1Char(static_cast<char>('0' + nachkomma / 10));
            t += QLatin1Char(static_cast<char>('0' + nachkomma % 10));
            return t;
        }
    }
    return Qt_Text(Zahl_fest(w, 5, 2));
}

namespace {

QString Prozenttext(Extended wert) {
    // A table never holds NaN or infinity; should one slip in, the cell stays empty rather
    // than showing it.
    if (!std::isfinite(wert)) return QString();
    return Prozentzahl(100.0L * wert) + QLatin1Char('%');
}

// Data cells: the state colour (window or highlight) over the whole cell, the text right-
// aligned at the top edge with no inner margin.
class Zellenmaler : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool gewaehlt = option.state & QStyle::State_Selected;
        p->save();
        p->fillRect(option.rect, option.palette.brush(gewaehlt ? QPalette::Highlight : QPalette::Base));
        p->setPen(option.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
        p->setFont(option.font);
        p->drawText(option.rect, Qt::AlignRight | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
        Zweite_Gitterlinie(p, option.rect, Gitterfarbe(option.widget));
        p->restore();
    }
};

// The fixed row and column in the fixed colour. The header row keeps the standard painting
// (text 2 pixels from the left and top edge); the fixed column is right-aligned like the data.
class Festkopf : public QHeaderView {
public:
    Festkopf(Qt::Orientation o, TStringGrid* gitter) : QHeaderView(o, gitter), gitter(gitter) {}

protected:
    void paintSection(QPainter* p, const QRect& rect, int logicalIndex) const override {
        if (!rect.isValid()) return;
        p->save();
        p->fillRect(rect, gitter->Fixfarbe());
        p->setPen(palette().color(QPalette::WindowText));
        p->setFont(font());
        const QString text = model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString()
                                     : QString();
        if (orientation() == Qt::Horizontal)
            p->drawText(rect.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, text);
        else
            p->drawText(rect, Qt::AlignRight | Qt::AlignTop, text);
        p->fillRect(QRect(rect.right() - 1, rect.top(), 2, rect.height()), Gitterfarbe(gitter));
        p->fillRect(QRect(rect.left(), rect.bottom() - 1, rect.width(), 2), Gitterfarbe(gitter));
        p->restore();
    }

private:
    TStringGrid* gitter;
};

// Cell (0, 0) sits on the view's corner button, which Qt paints without text.
class Eckmaler : public QObject {
public:
    explicit Eckmaler(TStringGrid* gitter) : QObject(gitter), gitter(gitter) {}

protected:
    bool eventFilter(QObject* obj, QEvent* e) override {
        if (e->type() != QEvent::Paint) return false;
        auto* w = static_cast<QWidget*>(obj);
        QPainter p(w);
        const QRect r = w->rect();
        p.fillRect(r, gitter->Fixfarbe());
        // The corner button is disabled (no select-all), so take the active text colour.
        p.setPen(gitter->palette().color(QPalette::Active, QPalette::WindowText));
        p.setFont(gitter->font());
        p.drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, gitter->Zelle(0, 0));
        p.fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), Gitterfarbe(gitter));
        p.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), Gitterfarbe(gitter));
        return true;
    }

private:
    TStringGrid* gitter;
};

const QString leer;

}  // namespace

// ---------------------------------------------------------------- model

Wertetabellenmodell::Wertetabellenmodell(QObject* parent) : QAbstractTableModel(parent) {}

int Wertetabellenmodell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, Zeilen() - 1);
}

int Wertetabellenmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : std::max(0, spalten - fix_spalten);
}

QVariant Wertetabellenmodell::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return Zelle(index.column() + fix_spalten, index.row() + 1);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignTop));
    return {};
}

QVariant Wertetabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return Zelle(section + fix_spalten, 0);
    return fix_spalten > 0 ? Zelle(0, section + 1) : QString();
}

Qt::ItemFlags Wertetabellenmodell::flags(const QModelIndex& index) const {
    // Output only: cells can be selected but not edited.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

const QString& Wertetabellenmodell::Zelle(int spalte, int zeile) const {
    if (zeile < 0 || zeile >= Zeilen() || spalte < 0 || spalte >= spalten) return leer;
    return zellen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)];
}

void Wertetabellenmodell::Anfang() {
    if (Tiefe++ == 0) beginResetModel();
}

void Wertetabellenmodell::Ende() {
    if (--Tiefe == 0) endResetModel();
}

void Wertetabellenmodell::Groesse_setzen(int neue_spalten, int zeilen, int fixierte_spalten) {
    // Cells of columns or rows that the new size drops are discarded, so a later, larger
    // layout starts them empty instead of showing what a former table left there.
    spalten = std::max(0, neue_spalten);
    fix_spalten = std::clamp(fixierte_spalten, 0, spalten);
    zellen.resize(static_cast<size_t>(std::max(0, zeilen)));
    for (auto& zeile : zellen) zeile.resize(static_cast<size_t>(spalten));
}

void Wertetabellenmodell::Zelle_setzen(int spalte, int zeile, QString text) {
    if (zeile < 0 || zeile >= Zeilen() || spalte < 0 || spalte >= spalten) return;
    zellen[static_cast<size_t>(zeile)][static_cast<size_t>(spalte)] = std::move(text);
}

// ---------------------------------------------------------------- grid

QColor Helle_3D_Farbe() { return QColor(0xE3, 0xE3, 0xE3); }

TStringGrid::TStringGrid(QWidget* parent) : QTableView(parent), modell(new Wertetabellenmodell(this)) {
    setObjectName(QStringLiteral("StringGrid1"));
    setHorizontalHeader(new Festkopf(Qt::Horizontal, this));
    setVerticalHeader(new Festkopf(Qt::Vertical, this));
    setModel(modell);
    setItemDelegate(new Zellenmaler(this));

    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(9);
    f.setBold(true);
    setFont(f);
    horizontalHeader()->setFont(f);
    verticalHeader()->setFont(f);

    setShowGrid(true);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setSectionResizeMode(QHeaderView::Interactive);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
        h->setCursor(Qt::PointingHandCursor);
    }
    // The header text stands 2 px below the top edge and the 2-px grid line closes the row:
    // with the row height of the data rows the descenders of "P0(X=k)" would be cut off.
    horizontalHeader()->setFixedHeight(std::max(Zeilenhoehe, 2 + QFontMetrics(f).height() + 2));
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    viewport()->setCursor(Qt::PointingHandCursor);
    setCursor(Qt::PointingHandCursor);

    if (auto* ecke = findChild<QAbstractButton*>()) ecke->installEventFilter(new Eckmaler(this));

    // Fixed cells take the light 3-D edge colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Light, Helle_3D_Farbe());
    setPalette(pal);
    fixfarbe = palette().color(QPalette::Light);

    // The menu names the grid's keys Strg+A and Strg+C (after the tab, in the menu's key column);
    // the keys themselves stay with the view's key handling.
    const auto Mit_Taste = [](const QString& Text, QKeySequence::StandardKey Taste) {
        return Text + QLatin1Char('\t') + QKeySequence(Taste).toString(QKeySequence::NativeText);
    };
    auto* Alles_markieren = new QAction(Mit_Taste(QStringLiteral("Alles markieren"), QKeySequence::SelectAll), this);
    connect(Alles_markieren, &QAction::triggered, this, &QTableView::selectAll);
    addAction(Alles_markieren);
    auto* Kopieren = new QAction(Mit_Taste(QStringLiteral("Kopieren"), QKeySequence::Copy), this);
    connect(Kopieren, &QAction::triggered, this, [this] {
        const Tabellenauszug a = Auszug(false);
        if (!a.Text.isEmpty()) dienste().Tabelle_kopieren(a.Text, a.Html);
    });
    addAction(Kopieren);
    Aktion_Tabelle_kopieren = new QAction(QStringLiteral("Tabelle kopieren"), this);
    Aktion_Tabelle_kopieren->setObjectName(QStringLiteral("Aktion_Tabelle_kopieren"));
    connect(Aktion_Tabelle_kopieren, &QAction::triggered, this, [this] {
        const Tabellenauszug a = Auszug(true);
        dienste().Tabelle_kopieren(a.Text, a.Html);
    });
    addAction(Aktion_Tabelle_kopieren);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

Tabellenauszug TStringGrid::Auszug(bool ganz) const {
    // Grid rows and columns (row 0 = header row) of the cells to copy.
    int zeile_von = 0, zeile_bis = modell->Zeilen() - 1;
    int spalte_von = modell->Fixierte_Spalten(), spalte_bis = modell->Spalten() - 1;
    if (!ganz) {
        const QModelIndexList gewaehlt = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
        if (gewaehlt.isEmpty()) return {};
        zeile_von = spalte_von = std::numeric_limits<int>::max();
        zeile_bis = spalte_bis = -1;
        // The grid allows one contiguous block only, so its corners are the extremes.
        for (const QModelIndex& i : gewaehlt) {
            zeile_von = std::min(zeile_von, i.row() + 1);
            zeile_bis = std::max(zeile_bis, i.row() + 1);
            spalte_von = std::min(spalte_von, i.column() + modell->Fixierte_Spalten());
            spalte_bis = std::max(spalte_bis, i.column() + modell->Fixierte_Spalten());
        }
        // Whole columns come with their header.
        if (zeile_von == 1 && zeile_bis == modell->Zeilen() - 1) zeile_von = 0;
    }
    QStringList Zeilen, Html_Zeilen;
    for (int r = zeile_von; r <= zeile_bis; ++r) {
        QStringList Texte;
        for (int c = 0; c < modell->Fixierte_Spalten(); ++c) Texte << modell->Zelle(c, r).trimmed();
        for (int c = spalte_von; c <= spalte_bis; ++c) Texte << modell->Zelle(c, r).trimmed();
        Zeilen << Texte.join(QLatin1Char('\t'));
        const QString Tag = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        QString Html_Zeile = QStringLiteral("<tr>");
        for (const QString& t : Texte) Html_Zeile += QStringLiteral("<%1>%2</%1>").arg(Tag, t.toHtmlEscaped());
        Html_Zeilen << Html_Zeile + QStringLiteral("</tr>");
    }
    return {Zeilen.join(QLatin1Char('\n')),
            QStringLiteral("<table>") + Html_Zeilen.join(QString()) + QStringLiteral("</table>")};
}

void TStringGrid::keyPressEvent(QKeyEvent* e) {
    // The view's own copy takes the current cell only.
    if (e->matches(QKeySequence::Copy)) {
        const Tabellenauszug a = Auszug(false);
        if (!a.Text.isEmpty()) dienste().Tabelle_kopieren(a.Text, a.Html);
        return;
    }
    QTableView::keyPressEvent(e);
}

void TStringGrid::Aussehen_setzen(int fixierte_spalten, const QColor& farbe, int spaltenbreite) {
    fixfarbe = farbe;
    horizontalHeader()->setDefaultSectionSize(spaltenbreite);
    for (int c = 0; c < horizontalHeader()->count(); ++c) horizontalHeader()->resizeSection(c, spaltenbreite);
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    verticalHeader()->setVisible(fixierte_spalten > 0);
    if (fixierte_spalten > 0) verticalHeader()->setFixedWidth(Spaltenbreite_k);
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void TStringGrid::Tabelle_leeren() {
    modell->Anfang();
    for (int zeile = 1; zeile < modell->Zeilen(); ++zeile)
        for (int spalte = 0; spalte < modell->Spalten(); ++spalte) modell->Zelle_setzen(spalte, zeile, QString());
    modell->Ende();
}

void TStringGrid::Tabelle_einrichten(int n) {
    // n outside 0..4000 never comes from the input fields; the grid still gets a defined
    // shape: at least the header row and one (empty) data row, at most the rows of k = 0..4000.
    const int zeilen = std::clamp(n, 0, k_Maximum) + 2;
    modell->Anfang();
    modell->Groesse_setzen(Wertespalten, zeilen, 1);
    static const char* const Kopf[Wertespalten] = {"   k", "P0(X=k)", "P0(X<=k)", "P0(X>=k)", "P1(X=k)", "P2(X=k)"};
    for (int c = 0; c < Wertespalten; ++c) modell->Zelle_setzen(c, 0, QString::fromLatin1(Kopf[c]));
    modell->Ende();
    Aussehen_setzen(1, palette().color(QPalette::Light), Spaltenbreite);
}

void TStringGrid::Tabelle_fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen) {
    modell->Anfang();
    Tabelle_leeren();
    Tabelle_einrichten(z.n);
    // The tables hold k = 0..4000; a larger n must not read beyond them.
    const int k_bis = std::min(z.n, k_Maximum);
    for (int k = 0; k <= k_bis; ++k) {
        const int zeile = k + 1;
        modell->Zelle_setzen(0, zeile, QString::number(k) + QLatin1Char(' '));
        modell->Zelle_setzen(1, zeile, Prozenttext(z.P0_Tabelle[static_cast<size_t>(k)]));
        modell->Zelle_setzen(2, zeile, Prozenttext(z.P0_kumuliert[static_cast<size_t>(k)]));
        modell->Zelle_setzen(3, zeile, Prozenttext(z.P0_Rest[static_cast<size_t>(k)]));
        if (p1_zeichnen) modell->Zelle_setzen(4, zeile, Prozenttext(z.P1_Tabelle[static_cast<size_t>(k)]));
        if (p2_zeichnen) modell->Zelle_setzen(5, zeile, Prozenttext(z.P2_Tabelle[static_cast<size_t>(k)]));
    }
    modell->Ende();
    Aussehen_setzen(1, palette().color(QPalette::Light), Spaltenbreite);
}

void TStringGrid::OC_Tabelle_einrichten() {
    const OC_Tabelle t = OC_Tabelle_Spalte_p1();
    modell->Anfang();
    modell->Groesse_setzen(OC_Spalten, OC_Zeilen, 0);
    modell->Zelle_setzen(0, 0, QStringLiteral("p1"));
    modell->Zelle_setzen(1, 0, QStringLiteral("Beta (p1)"));
    for (int r = 1; r <= OC_Tabellenzeilen; ++r) modell->Zelle_setzen(0, r, Qt_Text(t.p1[r - 1]));
    modell->Ende();
    Aussehen_setzen(0, OC_Fixfarbe, OC_Spaltenbreite);
}

void TStringGrid::OC_Tabelle_zeigen(const OC_Tabelle& t) {
    if (modell->Spalten() != OC_Spalten) OC_Tabelle_einrichten();
    modell->Anfang();
    for (int r = 1; r <= OC_Tabellenzeilen; ++r) {
        modell->Zelle_setzen(0, r, Qt_Text(t.p1[r - 1]));
        modell->Zelle_setzen(1, r, Qt_Text(t.Beta[r - 1]));
    }
    modell->Ende();
}

QString TStringGrid::Zelle(int spalte, int zeile) const { return modell->Zelle(spalte, zeile); }
int TStringGrid::Spaltenzahl() const { return modell->Spalten(); }
int TStringGrid::Zeilenzahl() const { return modell->Zeilen(); }
int TStringGrid::Fixierte_Spalten() const { return modell->Fixierte_Spalten(); }
QColor TStringGrid::Fixfarbe() const { return fixfarbe; }

void OC_anzeigen(QImage& Bild, Zustand& z, const Schalter&, TStringGrid& Gitter) {
    Gitter.Tabelle_leeren();
    Gitter.OC_Tabelle_einrichten();
    Gitter.OC_Tabelle_zeigen(OC_zeichnen(Bild, z));
}
