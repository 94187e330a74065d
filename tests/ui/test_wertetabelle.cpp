#include "ui/Wertetabelle.h"

#include "analysis/Ablehnungsbereich.h"
#include "charts/Testzustand.h"
#include "ui/Dienste.h"

#include <QHeaderView>
#include <QImage>
#include <QPalette>

#include <QFontMetrics>
#include <QHeaderView>

#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include <limits>

namespace {

const QStringList Kopfzeile = {"   k", "P0(X=k)", "P0(X<=k)", "P0(X>=k)", "P1(X=k)", "P2(X=k)"};

void Kopf_pruefen(const TStringGrid& g) {
    ASSERT_EQ(g.Spaltenzahl(), 6);
    for (int c = 0; c < 6; ++c) EXPECT_EQ(g.Zelle(c, 0), Kopfzeile[c]) << "column " << c;
}

TEST(Wertetabelle, N4000Gibt4002ZeilenBisK4000) {
    TStringGrid g;
    Zustand z = Binomialzustand(4000, 0.5L);
    g.Tabelle_fuellen(z, true, true);
    EXPECT_EQ(g.Zeilenzahl(), 4002);
    EXPECT_EQ(g.model()->rowCount(), 4001);
    EXPECT_EQ(g.Zelle(0, 1), "0 ");
    EXPECT_EQ(g.Zelle(0, 4001), "4000 ");
    EXPECT_EQ(g.Zelle(1, 2001), "1,26%");  // P(X = 2000) = 0.012614 (binomial, n = 4000, p = 1/2)
    for (int c = 1; c < 6; ++c) EXPECT_FALSE(g.Zelle(c, 4001).isEmpty()) << c;
}

TEST(Wertetabelle, KleineresNLaesstKeinenAltenText) {
    TStringGrid g;
    g.Tabelle_fuellen(Binomialzustand(300, 0.5L), true, true);
    g.Tabelle_fuellen(Binomialzustand(10, 0.5L), false, false);
    EXPECT_EQ(g.Zeilenzahl(), 12);
    EXPECT_EQ(g.model()->rowCount(), 11);
    EXPECT_EQ(g.Zelle(0, 11), "10 ");
    // Growing again: the rows between must come back empty, not with the n = 300 texts.
    g.Tabelle_einrichten(300);
    for (int zeile = 12; zeile <= 301; ++zeile)
        for (int c = 0; c < 6; ++c) ASSERT_TRUE(g.Zelle(c, zeile).isEmpty()) << c << "," << zeile;
}

TEST(Wertetabelle, N0GibtZweiZeilen) {
    TStringGrid g;
    Zustand z = Binomialzustand(0, 0.5L);
    g.Tabelle_fuellen(z, false, false);
    EXPECT_EQ(g.Zeilenzahl(), 2);
    EXPECT_EQ(g.Zelle(0, 1), "0 ");
    EXPECT_EQ(g.Zelle(1, 1), "100,00%");
}

TEST(Wertetabelle, NAusserhalbDesBereichsBegrenzt) {
    TStringGrid g;
    Zustand z = Binomialzustand(20, 0.5L);
    z.n = -3;
    g.Tabelle_fuellen(z, true, true);
    EXPECT_EQ(g.Zeilenzahl(), 2);
    EXPECT_TRUE(g.Zelle(0, 1).isEmpty());
    z.n = 5000;  // the tables end at k = 4000
    g.Tabelle_fuellen(z, true, true);
    EXPECT_EQ(g.Zeilenzahl(), 4002);
    EXPECT_EQ(g.Zelle(0, 4001), "4000 ");
}

struct Spaltenfall {
    const char* name;
    bool p1, p2;
};
class Wertetabelle_Spalten : public ::testing::TestWithParam<Spaltenfall> {};

// Columns 4 and 5 only while their distribution is shown; a column switched off after a
// fill with it on must be emptied, not keep the former values.
TEST_P(Wertetabelle_Spalten, NurGezeigteVerteilungen) {
    const Spaltenfall& f = GetParam();
    TStringGrid g;
    Zustand z = Binomialzustand(20, 0.8L);
    g.Tabelle_fuellen(z, true, true);
    g.Tabelle_fuellen(z, f.p1, f.p2);
    for (int zeile = 1; zeile <= 21; ++zeile) {
        EXPECT_EQ(g.Zelle(4, zeile).isEmpty(), !f.p1) << zeile;
        EXPECT_EQ(g.Zelle(5, zeile).isEmpty(), !f.p2) << zeile;
        EXPECT_FALSE(g.Zelle(3, zeile).isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Wertetabelle_Spalten,
                         ::testing::Values(Spaltenfall{"p1_aus_p2_an", false, true},
                                           Spaltenfall{"p1_an_p2_aus", true, false},
                                           Spaltenfall{"beide_aus", false, false}),
                         [](const ::testing::TestParamInfo<Spaltenfall>& i) { return std::string(i.param.name); });

// Start values: binomial n = 20, p0 = 0.8. P(X = 0) = 0.2^20 = 1.05e-14 rounds to 0,00%;
// P(X >= 0) is certain; P(X = 16) = 0.218199 (binomial table) -> 21,82%.
TEST(Wertetabelle, ProzentTexte) {
    TStringGrid g;
    g.Tabelle_fuellen(Startzustand(), false, false);
    Kopf_pruefen(g);
    EXPECT_EQ(g.Zelle(1, 1), "0,00%");
    EXPECT_EQ(g.Zelle(3, 1), "100,00%");
    EXPECT_EQ(g.Zelle(2, 21), "100,00%");
    EXPECT_EQ(g.Zelle(1, 17), "21,82%");
    EXPECT_EQ(g.Zelle(0, 8), "7 ");
}

struct Tabellenablage : Dienste {
    QString Text, Html;
    void Tabelle_kopieren(const QString& t, const QString& h) override { Text = t, Html = h; }
};

// What a spreadsheet gets: the k of each row, the cells as shown, tabs and line breaks; the
// header row with whole columns; the OC table (no k column) through the context menu's action.
TEST(Wertetabelle, KopierenFuerDieTabellenkalkulation) {
    auto eigene = std::make_unique<Tabellenablage>();
    Tabellenablage& ablage = *eigene;
    Dienste_setzen(std::move(eigene));
    TStringGrid g;
    g.Tabelle_fuellen(Startzustand(), false, false);
    g.selectionModel()->select(QItemSelection(g.model()->index(15, 0), g.model()->index(17, 0)),
                               QItemSelectionModel::ClearAndSelect);
    QTest::keySequence(&g, QKeySequence::Copy);
    EXPECT_EQ(ablage.Text, "15\t17,46%\n16\t21,82%\n17\t20,54%");
    // The HTML form marks numbers as numbers: 17,46 % is the value 0,1746 in a percent format.
    EXPECT_TRUE(
        ablage.Html.startsWith("<table><tr><td sdval=\"15\" sdnum=\"1033;1033;0\" x:num=\"15\" "
                               "style=\"mso-number-format:'0'\">15</td><td sdval=\"0.1746\" "
                               "sdnum=\"1033;1033;0.00%\" x:num=\"0.1746\" "
                               "style=\"mso-number-format:'0.00%'\">17,46%</td></tr>"))
        << ablage.Html.toStdString();

    g.selectAll();
    QTest::keySequence(&g, QKeySequence::Copy);
    const QStringList Zeilen = ablage.Text.split('\n');
    ASSERT_EQ(Zeilen.size(), 22);
    EXPECT_EQ(Zeilen[0], "k\tP0(X=k)\tP0(X<=k)\tP0(X>=k)\tP1(X=k)\tP2(X=k)");
    EXPECT_EQ(Zeilen[21], "20\t1,15%\t100,00%\t1,15%\t\t");
    EXPECT_TRUE(ablage.Html.contains("<th>P0(X&lt;=k)</th>"));
    EXPECT_TRUE(ablage.Html.contains("<td></td>")) << "an empty cell stays text";

    g.OC_Tabelle_einrichten();
    g.Aktion_Tabelle_kopieren->trigger();
    EXPECT_TRUE(ablage.Text.startsWith("p1\tBeta (p1)\n")) << ablage.Text.toStdString();
    EXPECT_EQ(ablage.Text.count('\n'), OC_Tabellenzeilen);
    Dienste_setzen(nullptr);
}

TEST(Wertetabelle, NichtEndlicherWertBleibtLeer) {
    TStringGrid g;
    Zustand z = Startzustand();
    z.P0_Tabelle[3] = std::numeric_limits<Extended>::quiet_NaN();
    z.P0_Rest[4] = std::numeric_limits<Extended>::infinity();
    g.Tabelle_fuellen(z, false, false);
    EXPECT_TRUE(g.Zelle(1, 4).isEmpty());
    EXPECT_TRUE(g.Zelle(3, 5).isEmpty());
    EXPECT_FALSE(g.Zelle(1, 5).isEmpty());
}

TEST(Wertetabelle, LayoutUndZuruecksetzenDerBreiten) {
    TStringGrid g;
    g.Tabelle_fuellen(Startzustand(), false, false);
    EXPECT_EQ(g.objectName(), "StringGrid1");
    EXPECT_EQ(g.Fixierte_Spalten(), 1);
    EXPECT_EQ(g.Fixfarbe(), g.palette().color(QPalette::Light));
    // The header band must stand out from the white data cells.
    EXPECT_NE(g.Fixfarbe(), g.palette().color(QPalette::Base));
    EXPECT_EQ(g.columnWidth(0), 56);
    EXPECT_EQ(g.verticalHeader()->width(), 35);
    EXPECT_EQ(g.rowHeight(5), 15);
    EXPECT_EQ(g.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "P0(X=k)");
    EXPECT_EQ(g.model()->headerData(7, Qt::Vertical, Qt::DisplayRole).toString(), "7 ");
    EXPECT_EQ(g.model()->index(3, 2).data(Qt::TextAlignmentRole).value<Qt::Alignment>() & Qt::AlignRight,
              Qt::AlignRight);
    EXPECT_EQ(g.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(g.selectionMode(), QAbstractItemView::ContiguousSelection);
    EXPECT_EQ(g.horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(g.verticalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    // What the user dragged, the next refill resets.
    g.setColumnWidth(2, 120);
    g.setRowHeight(4, 40);
    g.Tabelle_fuellen(Startzustand(), false, false);
    EXPECT_EQ(g.columnWidth(2), 56);
    EXPECT_EQ(g.rowHeight(4), 15);
}

TEST(Wertetabelle, OCTabelleUndRueckkehrZumWertelayout) {
    TStringGrid g;
    Zustand z = Binomialzustand(50, 0.3L);
    Testart_setzen(z);
    g.Tabelle_fuellen(z, true, true);
    const QModelIndex Wertezelle = g.model()->index(50, 4);
    QImage bild(998, 373, QImage::Format_RGB32);
    g.OC_Tabelle_zeigen(OC_zeichnen(bild, z));
    // A screen reader's cell of the former layout asks the grid's model with its old index.
    EXPECT_FALSE(g.model()->data(Wertezelle).isValid());

    EXPECT_EQ(g.Spaltenzahl(), 2);
    EXPECT_EQ(g.Zeilenzahl(), 50);
    EXPECT_EQ(g.Fixierte_Spalten(), 0);
    EXPECT_EQ(g.Fixfarbe(), QColor(0xFF, 0xFF, 0x00));
    EXPECT_FALSE(g.verticalHeader()->isVisibleTo(&g));
    EXPECT_EQ(g.columnWidth(0), 60);
    EXPECT_EQ(g.Zelle(0, 0), "p1");
    EXPECT_EQ(g.Zelle(1, 0), "Beta (p1)");
    EXPECT_EQ(g.Zelle(0, 1), "0,02");
    EXPECT_EQ(g.Zelle(0, 49), "0,98");
    EXPECT_EQ(g.Zelle(1, 50), "");
    for (int r = 1; r <= 49; ++r) EXPECT_EQ(g.Zelle(1, r).size(), 6) << r;

    g.Tabelle_fuellen(z, false, false);
    Kopf_pruefen(g);
    EXPECT_EQ(g.Zeilenzahl(), 52);
    EXPECT_EQ(g.Fixierte_Spalten(), 1);
    EXPECT_EQ(g.Fixfarbe(), g.palette().color(QPalette::Light));
    EXPECT_TRUE(g.verticalHeader()->isVisibleTo(&g));
    EXPECT_EQ(g.columnWidth(0), 56);
    // The columns the OC layout dropped come back empty, not with the former p1/p2 values.
    for (int zeile = 1; zeile <= 51; ++zeile) {
        ASSERT_TRUE(g.Zelle(4, zeile).isEmpty()) << zeile;
        ASSERT_TRUE(g.Zelle(5, zeile).isEmpty()) << zeile;
    }
}

// Painted result: the fixed row, the fixed column and the corner in the fixed colour, data
// cells in the window colour, and grid lines two pixels wide between data cells.
TEST(Wertetabelle, GemalteFarbenUndGitterlinien) {
    TStringGrid g;
    g.resize(400, 300);
    g.Tabelle_fuellen(Startzustand(), false, false);
    const QImage b = g.grab().toImage();
    const QRgb fix = g.palette().color(QPalette::Light).rgb();
    const QRgb basis = g.palette().color(QPalette::Base).rgb();
    const QPoint o = g.viewport()->geometry().topLeft();
    // Corner cell (0,0), header of column 5 (far right part), fixed column cell of k = 3.
    const int oben = o.y() - g.horizontalHeader()->height() + 1;
    EXPECT_EQ(b.pixel(o.x() - 30, oben) & 0xFFFFFF, fix & 0xFFFFFF);
    EXPECT_EQ(b.pixel(o.x() + 5 * 56 - 20, oben) & 0xFFFFFF, fix & 0xFFFFFF);
    // The header text 2 px below the top, its descenders ("P0(X=k)") above the 2-px line.
    EXPECT_GE(g.horizontalHeader()->height(), 2 + QFontMetrics(g.horizontalHeader()->font()).height() + 2);
    EXPECT_EQ(b.pixel(o.x() - 33, o.y() + 3 * 15 + 7) & 0xFFFFFF, fix & 0xFFFFFF);
    // Inside a data cell at its left edge: no text there, the window colour.
    EXPECT_EQ(b.pixel(o.x() + 56 + 1, o.y() + 2 * 15 + 7) & 0xFFFFFF, basis & 0xFFFFFF);
    // The line between data columns 1 and 2: the last two pixel columns of column 1.
    const int y = o.y() + 2 * 15 + 7;
    EXPECT_NE(b.pixel(o.x() + 56 - 1, y) & 0xFFFFFF, basis & 0xFFFFFF);
    EXPECT_NE(b.pixel(o.x() + 56 - 2, y) & 0xFFFFFF, basis & 0xFFFFFF);
    EXPECT_EQ(b.pixel(o.x() + 56 - 2, y), b.pixel(o.x() + 56 - 1, y));
}

}  // namespace
