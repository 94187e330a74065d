#include "ui/Wertetabelle.h"

#include "analysis/Zahlentexte.h"
#include "charts/Qt_Text.h"
#include "ui/Dienste.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

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

QString Prozenttext(Extended wert) {
    // A table never holds NaN or infinity; should one slip in, the cell stays empty rather
    // than showing it.
    if (!std::isfinite(wert)) return QString();
    return Qt_Text(Zahl_fest(100.0L * wert, 5, 2)) + QLatin1Char('%');
}

// Data cells: the state colour (window or highlight) over the whole cell, the text at the
// model's alignment with no inner margin.
class Zellenmaler : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool gewaehlt = option.state & QStyle::State_Selected;
        p->save();
        p->fillRect(option.rect, option.palette.brush(gewaehlt ? QPalette::Highlight : QPalette::Base));
        p->setPen(option.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
        p->setFont(option.font);
        p->drawText(option.rect, index.data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                    index.data(Qt::DisplayRole).toString());
        Zweite_Gitterlinie(p, option.rect, Gitterfarbe(option.widget));
        p->restore();
    }
};

// The fixed row, the fixed column and the corner, flat in the grid's fixed colour with the
// 2-pixel grid line at the right and bottom. Row 0 and the corner take the standard header's
// place for the text, 2 pixels from the left and top edge; the fixed column's text stands
// right-aligned on the edge like the data. The corner button is disabled (no select-all), so
// its text takes the active colour.
class Kopfstil : public QProxyStyle {
public:
    explicit Kopfstil(TStringGrid* gitter) : QProxyStyle(QApplication::style()->name()), gitter(gitter) {
        setParent(gitter);
    }

    void drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const override {
        const auto* kopf = qstyleoption_cast<const QStyleOptionHeader*>(o);
        if (e != CE_Header || !kopf) return QProxyStyle::drawControl(e, o, p, w);
        const bool ecke = !qobject_cast<const QHeaderView*>(w);
        const QRect& r = o->rect;
        p->save();
        p->fillRect(r, gitter->Fixfarbe());
        p->setPen(ecke ? o->palette.color(QPalette::Active, QPalette::WindowText)
                       : o->palette.color(QPalette::WindowText));
        p->setFont(w ? w->font() : gitter->font());
        if (kopf->orientation == Qt::Horizontal)
            p->drawText(r.adjusted(2, 2, 0, 0), Qt::AlignLeft | Qt::AlignTop, ecke ? gitter->Zelle(0, 0) : kopf->text);
        else
            p->drawText(r, Qt::AlignRight | Qt::AlignTop, kopf->text);
        p->fillRect(QRect(r.right() - 1, r.top(), 2, r.height()), Gitterfarbe(gitter));
        p->fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 2), Gitterfarbe(gitter));
        p->restore();
    }

private:
    TStringGrid* gitter;
};

}  // namespace

// ---------------------------------------------------------------- models

QVariant Gittermodell::data(const QModelIndex& index, int role) const {
    // An accessibility cell made before a change of layout may still hold an index of the other
    // model; it reads nothing rather than a row this table does not have.
    if (index.model() != this || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role == Qt::DisplayRole) return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignTop));
    return {};
}

Qt::ItemFlags Gittermodell::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QString Wertetabellenmodell::Kopf_k() { return QStringLiteral("   k"); }

void Wertetabellenmodell::Fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen,
                                  const std::vector<long long>* a) {
    // The tables hold k = 0..4000; a larger n must not read beyond them, a negative n has no row.
    const auto k_Zahl = static_cast<size_t>(std::clamp(z.n + 1, 0, k_Maximum + 1));
    const auto Kopie = [k_Zahl](const Wertefeld& t, bool gezeigt) {
        return gezeigt ? std::vector<Extended>(t.begin(), t.begin() + k_Zahl) : std::vector<Extended>();
    };
    beginResetModel();
    Werte = {Kopie(z.P0_Tabelle, true), Kopie(z.P0_kumuliert, true), Kopie(z.P0_Rest, true),
             Kopie(z.P1_Tabelle, p1_zeichnen), Kopie(z.P2_Tabelle, p2_zeichnen)};
    Anzahlen.reset();
    if (a) Anzahlen = *a;
    zeilen = std::clamp(z.n, 0, k_Maximum) + 1;
    endResetModel();
}

void Wertetabellenmodell::Zeilen_setzen(int n) {
    // n outside 0..4000 never comes from the input fields; the table still gets a defined
    // shape: at least one (empty) row, at most the rows of k = 0..4000.
    beginResetModel();
    zeilen = std::clamp(n, 0, k_Maximum) + 1;
    for (auto& spalte : Werte)
        if (spalte.size() > static_cast<size_t>(zeilen)) spalte.resize(static_cast<size_t>(zeilen));
    endResetModel();
}

int Wertetabellenmodell::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : zeilen; }

int Wertetabellenmodell::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Spalten + (Anzahlen ? 1 : 0);
}

int Wertetabellenmodell::Wertespalte(int spalte) const {
    if (!Anzahlen || spalte < Anzahlspalte) return spalte;
    return spalte == Anzahlspalte ? -1 : spalte - 1;
}

QString Wertetabellenmodell::Text(int zeile, int spalte) const {
    spalte = Wertespalte(spalte);
    if (spalte < 0) {
        const auto k = static_cast<size_t>(zeile);
        return k < Anzahlen->size() ? QString::number((*Anzahlen)[k]) : QString();
    }
    const auto& werte = Werte[static_cast<size_t>(spalte)];
    return static_cast<size_t>(zeile) < werte.size() ? Prozenttext(werte[static_cast<size_t>(zeile)]) : QString();
}

QVariant Wertetabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) {
        static const char* const Kopf[Spalten] = {"P0(X=k)", "P0(X<=k)", "P0(X>=k)", "P1(X=k)", "P2(X=k)"};
        if (section < 0 || section >= columnCount()) return QString();
        const int w = Wertespalte(section);
        return w < 0 ? tr("Anzahl") : QString::fromLatin1(Kopf[w]);
    }
    // k and one blank, so that the right-aligned number stands clear of the grid line.
    return section >= 0 && static_cast<size_t>(section) < Werte[0].size() ? QString::number(section) + QLatin1Char(' ')
                                                                          : QString();
}

void OC_Tabellenmodell::Zeigen(const OC_Tabelle& t) {
    beginResetModel();
    Tabelle = t;
    endResetModel();
}

int OC_Tabellenmodell::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : OC_Tabellenzeilen; }

int OC_Tabellenmodell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QString OC_Tabellenmodell::Text(int zeile, int spalte) const {
    return Qt_Text((spalte == 0 ? Tabelle.p1 : Tabelle.Beta)[static_cast<size_t>(zeile)]);
}

QVariant OC_Tabellenmodell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString();
    return section == 0 ? QStringLiteral("p1") : section == 1 ? QStringLiteral("Beta (p1)") : QString();  // kein Text
}

// ---------------------------------------------------------------- grid

QColor Helle_3D_Farbe() { return QColor(0xE3, 0xE3, 0xE3); }

TStringGrid::TStringGrid(QWidget* parent)
    : QTableView(parent), Werte(new Wertetabellenmodell(this)), OC_Werte(new OC_Tabellenmodell(this)) {
    setObjectName(QStringLiteral("StringGrid1"));
    setModel(Werte);
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

    auto* stil = new Kopfstil(this);
    for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
        h->setStyle(stil);
        // The header texts are shown whole, as the cells are.
        h->setTextElideMode(Qt::ElideNone);
        h->setSectionResizeMode(QHeaderView::Interactive);
        h->setSectionsClickable(false);
        h->setHighlightSections(false);
        h->setMinimumSectionSize(1);
        h->setCursor(Qt::PointingHandCursor);
    }
    // QTableView offers no other way to its corner button than as its child.
    if (auto* ecke = findChild<QAbstractButton*>()) ecke->setStyle(stil);
    // The header text stands 2 px below the top edge and the 2-px grid line closes the row:
    // with the row height of the data rows the descenders of "P0(X=k)" would be cut off.
    horizontalHeader()->setFixedHeight(std::max(Zeilenhoehe, 2 + QFontMetrics(f).height() + 2));
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    viewport()->setCursor(Qt::PointingHandCursor);
    setCursor(Qt::PointingHandCursor);

    // Fixed cells take the light 3-D edge colour.
    QPalette pal = palette();
    pal.setColor(QPalette::Light, Helle_3D_Farbe());
    setPalette(pal);

    // The menu names the grid's keys Strg+A and Strg+C (after the tab, in the menu's key column);
    // the keys themselves stay with the view's key handling.
    const auto Mit_Taste = [](const QString& Text, QKeySequence::StandardKey Taste) {
        return Text + QLatin1Char('\t') + QKeySequence(Taste).toString(QKeySequence::NativeText);
    };
    auto* Alles_markieren = new QAction(Mit_Taste(tr("&Alles markieren"), QKeySequence::SelectAll), this);
    connect(Alles_markieren, &QAction::triggered, this, &QTableView::selectAll);
    addAction(Alles_markieren);
    auto* Kopieren = new QAction(Mit_Taste(tr("&Kopieren"), QKeySequence::Copy), this);
    connect(Kopieren, &QAction::triggered, this, [this] {
        const Tabellenauszug a = Auszug(false);
        if (!a.Text.isEmpty()) dienste().Tabelle_kopieren(a.Text, a.Html);
    });
    addAction(Kopieren);
    Aktion_Tabelle_kopieren = new QAction(tr("&Tabelle kopieren"), this);
    Aktion_Tabelle_kopieren->setObjectName(QStringLiteral("Aktion_Tabelle_kopieren"));
    connect(Aktion_Tabelle_kopieren, &QAction::triggered, this, [this] {
        const Tabellenauszug a = Auszug(true);
        dienste().Tabelle_kopieren(a.Text, a.Html);
    });
    addAction(Aktion_Tabelle_kopieren);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    Layout_zeigen(Werte);
}

namespace {

// A cell for a spreadsheet: a number with its value and format marked, so that LibreOffice
// (sdval, sdnum) and Excel (x:num, mso-number-format) take "17,46%" as 0,1746 shown as a
// percentage and "15" as the whole number 15; any other text as text. LibreOffice reads the
// value in the language that sdnum names: in English, as x:num is written, it reads it in
// every locale (tried with Calc under a German and an English locale).
QString Html_Zelle(const QString& Text) {
    QString zahl = Text;
    const bool Prozent = zahl.endsWith(QLatin1Char('%'));
    if (Prozent) zahl.chop(1);
    zahl.replace(QLatin1Char(','), QLatin1Char('.'));
    bool gelesen = false;
    const double w = zahl.toDouble(&gelesen);  // QString::toDouble reads the C locale's form
    if (!gelesen || zahl.isEmpty()) return QStringLiteral("<td>%1</td>").arg(Text.toHtmlEscaped());
    // The value shown, to the digits shown: "17,46%" is 0,1746, not the table's 0,174608…
    const QString Wert = Prozent ? QString::number(w / 100, 'g', 12) : zahl;
    const QString Format = Prozent ? QStringLiteral("0.00%") : QStringLiteral("0");
    return QStringLiteral(
               "<td sdval=\"%1\" sdnum=\"1033;1033;%2\" x:num=\"%1\" style=\"mso-number-format:'%2'\">%3</td>")
        .arg(Wert, Format, Text.toHtmlEscaped());
}

}  // namespace

Tabellenauszug TStringGrid::Auszug(bool ganz) const {
    // Grid rows and columns (row 0 = header row) of the cells to copy.
    const int fix = Fixierte_Spalten();
    int zeile_von = 0, zeile_bis = Zeilenzahl() - 1;
    int spalte_von = fix, spalte_bis = Spaltenzahl() - 1;
    if (!ganz) {
        const QModelIndexList gewaehlt = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
        if (gewaehlt.isEmpty()) return {};
        zeile_von = spalte_von = std::numeric_limits<int>::max();
        zeile_bis = spalte_bis = -1;
        // The grid allows one contiguous block only, so its corners are the extremes.
        for (const QModelIndex& i : gewaehlt) {
            zeile_von = std::min(zeile_von, i.row() + 1);
            zeile_bis = std::max(zeile_bis, i.row() + 1);
            spalte_von = std::min(spalte_von, i.column() + fix);
            spalte_bis = std::max(spalte_bis, i.column() + fix);
        }
        // Whole columns come with their header.
        if (zeile_von == 1 && zeile_bis == Zeilenzahl() - 1) zeile_von = 0;
    }
    QStringList Zeilen, Html_Zeilen;
    for (int r = zeile_von; r <= zeile_bis; ++r) {
        QStringList Texte;
        for (int c = 0; c < fix; ++c) Texte << Zelle(c, r).trimmed();
        for (int c = spalte_von; c <= spalte_bis; ++c) Texte << Zelle(c, r).trimmed();
        Zeilen << Texte.join(QLatin1Char('\t'));
        QString Html_Zeile = QStringLiteral("<tr>");
        for (const QString& t : Texte)
            Html_Zeile += r == 0 ? QStringLiteral("<th>%1</th>").arg(t.toHtmlEscaped()) : Html_Zelle(t);
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

void TStringGrid::Layout_zeigen(Gittermodell* m) {
    if (model() != m) {
        // setModel gives the view a new selection model and leaves the old one to its caller.
        QItemSelectionModel* alte_Auswahl = selectionModel();
        setModel(m);
        delete alte_Auswahl;
    }
    // Every layout sets the widths again, so what the user dragged is reset.
    const bool werte = m == Werte;
    const int breite = werte ? Spaltenbreite : OC_Spaltenbreite;
    horizontalHeader()->setDefaultSectionSize(breite);
    for (int c = 0; c < horizontalHeader()->count(); ++c) horizontalHeader()->resizeSection(c, breite);
    verticalHeader()->setDefaultSectionSize(Zeilenhoehe);
    verticalHeader()->setVisible(werte);
    if (werte) verticalHeader()->setFixedWidth(Spaltenbreite_k);
    viewport()->update();
    horizontalHeader()->viewport()->update();
    verticalHeader()->viewport()->update();
}

void TStringGrid::Tabelle_einrichten(int n) {
    Werte->Zeilen_setzen(n);
    Layout_zeigen(Werte);
}

void TStringGrid::Tabelle_fuellen(const Zustand& z, bool p1_zeichnen, bool p2_zeichnen,
                                  const std::vector<long long>* Anzahlen) {
    Werte->Fuellen(z, p1_zeichnen, p2_zeichnen, Anzahlen);
    Layout_zeigen(Werte);
}

void TStringGrid::OC_Tabelle_einrichten() { OC_Tabelle_zeigen(OC_Tabelle_Spalte_p1()); }

void TStringGrid::OC_Tabelle_zeigen(const OC_Tabelle& t) {
    OC_Werte->Zeigen(t);
    Layout_zeigen(OC_Werte);
}

void TStringGrid::Zeile_zeigen(int Zeile) {
    if (Zeile < 0 || Zeile >= model()->rowCount()) return;
    const QModelIndex i = model()->index(Zeile, 0);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

QString TStringGrid::Zelle(int spalte, int zeile) const {
    if (zeile < 0 || zeile >= Zeilenzahl() || spalte < 0 || spalte >= Spaltenzahl()) return {};
    const int fix = Fixierte_Spalten();
    if (spalte < fix)
        return zeile == 0 ? Wertetabellenmodell::Kopf_k() : model()->headerData(zeile - 1, Qt::Vertical).toString();
    if (zeile == 0) return model()->headerData(spalte - fix, Qt::Horizontal).toString();
    return model()->index(zeile - 1, spalte - fix).data().toString();
}

int TStringGrid::Spaltenzahl() const { return model()->columnCount() + Fixierte_Spalten(); }
int TStringGrid::Zeilenzahl() const { return model()->rowCount() + 1; }
int TStringGrid::Fixierte_Spalten() const { return model() == Werte ? 1 : 0; }
QColor TStringGrid::Fixfarbe() const { return model() == Werte ? palette().color(QPalette::Light) : OC_Fixfarbe; }
