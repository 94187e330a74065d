// The chart under the mouse and the keys, on the real window at the start values (k = 0..20 in
// slots of 20 px from column 40 of Image1; kli = 12, kre = 20, x = 1): the tooltip of a bar,
// drags of the bounds and of x, Esc during a drag, the arrow keys, a grid row's outline.

#include "Fensterhilfe.h"

#include "ui/Bildfeld.h"
#include "ui/Vollbild.h"
#include "ui/Wertetabelle.h"

#include <QApplication>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QToolTip>

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>

namespace {

// What the user sees of the inputs: every field, every label, the chart.
struct Anblick {
    QStringList Texte;
    QImage Bild;
    bool operator==(const Anblick&) const = default;
};

Anblick Ansehen(const TForm1& f) {
    Anblick a;
    for (const QLineEdit* e : f.findChildren<QLineEdit*>()) a.Texte << e->objectName() + "=" + e->text();
    // The tooltip is a label of Image1 of its own window.
    for (const QLabel* l : f.findChildren<QLabel*>())
        if (!l->isWindow()) a.Texte << l->objectName() + "=" + l->text();
    a.Bild = f.Image1->Bild();
    return a;
}

// Column of the middle of bar k; row 300 lies in every slot.
QPoint Saeule(int k) { return QPoint(40 + 20 * k + 10, 300); }

class Diagrammzeiger_Test : public Fenstertest {
protected:
    // A drag along the columns given, one mouse move each, released at the last.
    void Ziehen(std::initializer_list<int> Spalten, bool loslassen = true) {
        auto s = Spalten.begin();
        QTest::mousePress(f->Image1, Qt::LeftButton, {}, QPoint(*s, 300));
        for (++s; s != Spalten.end(); ++s) QTest::mouseMove(f->Image1, QPoint(*s, 300));
        if (loslassen) QTest::mouseRelease(f->Image1, Qt::LeftButton, {}, QPoint(*std::prev(Spalten.end()), 300));
    }
    // The tooltip the pointer resting at p brings up, none shown before; empty for none.
    std::string Tooltip_bei(QPoint p) {
        QToolTip::hideText();
        EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 1000));
        QHelpEvent e(QEvent::ToolTip, p, f->Image1->mapToGlobal(p));
        QApplication::sendEvent(f->Image1, &e);
        return QToolTip::isVisible() ? QToolTip::text().toStdString() : std::string();
    }
};

TEST_F(Diagrammzeiger_Test, Zeigen_nennt_die_Werte_der_Saeule_und_aendert_nichts) {
    const Anblick vorher = Ansehen(*f);
    QTest::mouseMove(f->Image1, Saeule(15));
    const QStringList t = QString::fromStdString(Tooltip_bei(Saeule(15))).split('\n');
    for (const char* Zeile : {"k = 15", "P0(X=15) = 17,46%", "P0(X<=15) = 37,04%", "P0(X>=15) = 80,42%"})
        EXPECT_TRUE(t.contains(QString::fromUtf8(Zeile))) << Zeile << " in " << t.join('|').toStdString();
    const QModelIndexList Zeilen = f->StringGrid1->selectionModel()->selectedRows();
    ASSERT_EQ(Zeilen.size(), 1);
    EXPECT_EQ(Zeilen[0].row(), 15);
    EXPECT_TRUE(Ansehen(*f) == vorher);
    // Beside the bars nothing is told.
    EXPECT_EQ(Tooltip_bei(QPoint(40 + 21 * 20 + 30, 300)), "");
}

TEST_F(Diagrammzeiger_Test, V_links_gezogen_wie_getippt) {
    f->CheckBox_Alfa_zeigen->click();
    TForm1 getippt;
    getippt.show();
    QApplication::setActiveWindow(&getippt);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&getippt));
    getippt.CheckBox_Alfa_zeigen->click();
    getippt.Edit_kli->setFocus();
    getippt.Edit_kli->selectAll();
    QTest::keyClicks(getippt.Edit_kli, "11");
    QTest::keyClick(getippt.Edit_kli, Qt::Key_Tab);
    ASSERT_EQ(getippt.Stand().kli, 11);
    QApplication::setActiveWindow(f.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    // Half a slot is no step yet; the bar of 11 is.
    Ziehen({Saeule(12).x(), Saeule(12).x() - 9, Saeule(11).x()});
    EXPECT_EQ(f->Edit_kli->text(), "11");
    Anblick a = Ansehen(*f), b = Ansehen(getippt);
    EXPECT_EQ(a.Texte.join('|').toStdString(), b.Texte.join('|').toStdString());
    EXPECT_TRUE(a.Bild == b.Bild);
}

TEST_F(Diagrammzeiger_Test, Esc_stellt_alles_wieder_her_und_ein_Klick_aendert_nichts) {
    f->CheckBox_Alfa_zeigen->click();
    const Anblick vorher = Ansehen(*f);
    QTest::mouseClick(f->Image1, Qt::LeftButton, {}, Saeule(12));
    EXPECT_TRUE(Ansehen(*f) == vorher);
    Ziehen({Saeule(12).x(), Saeule(8).x(), Saeule(3).x()}, false);
    EXPECT_EQ(f->Edit_kli->text(), "3");
    QTest::keyClick(f->Image1, Qt::Key_Escape);
    EXPECT_TRUE(Ansehen(*f) == vorher);
    QTest::mouseMove(f->Image1, Saeule(1));
    QTest::mouseRelease(f->Image1, Qt::LeftButton, {}, Saeule(1));
    EXPECT_TRUE(Ansehen(*f) == vorher);
    EXPECT_FALSE(f->isWindowModified());
    // A double click on a bar that a drag grabs still shows the chart alone.
    QTest::mouseDClick(f->Image1, Qt::LeftButton, {}, Saeule(12));
    QWidget* v = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<Vollbild*>(w) && w->isVisible()) v = w;
    ASSERT_NE(v, nullptr);
    v->close();
    EXPECT_TRUE(Ansehen(*f) == vorher);
}

TEST_F(Diagrammzeiger_Test, Grenzen_bleiben_in_minus_1_bis_n_plus_1_und_getrennt) {
    f->CheckBox_Alfa_zeigen->click();
    Ziehen({Saeule(12).x(), 900});
    EXPECT_EQ(f->Edit_kli->text(), "19");  // kre - 1
    Ziehen({Saeule(20).x(), 1000});
    EXPECT_EQ(f->Edit_kre->text(), "21");
    EXPECT_EQ(f->Edit_Alfare->text(), "0");
    Ziehen({Saeule(19).x(), 0});
    EXPECT_EQ(f->Edit_kli->text(), "-1");
    // With no right region the edge after the last bar still grabs it.
    Ziehen({40 + 21 * 20 + 2, 0});
    EXPECT_EQ(f->Edit_kre->text(), "0");
    EXPECT_EQ(f->Edit_kli->text(), "-1");
}

TEST_F(Diagrammzeiger_Test, x_gezogen_und_die_Tasten) {
    f->CheckBox_Alfa_zeigen->click();
    f->CheckBox_Stichprobenergebnis_zeigen->click();
    Ziehen({Saeule(1).x(), Saeule(6).x()});
    EXPECT_EQ(f->Edit_Stichprobenergebnis->text(), "6");
    EXPECT_TRUE(f->Image1->hasFocus());
    QTest::keyClick(f->Image1, Qt::Key_Right);
    QTest::keyClick(f->Image1, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(f->Image1, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(f->Edit_Stichprobenergebnis->text(), "7");
    EXPECT_EQ(f->Edit_kli->text(), "13");
    EXPECT_EQ(f->Edit_kre->text(), "19");
    // P0(X <= 13) = 8,67 %: the level the bound moved by the key reaches.
    EXPECT_TRUE(f->Image1->accessibleDescription().contains(
        QString::fromUtf8("Entscheidung: x=7 ∈ V: H0 wird verworfen, da P0(X<=7)=0,00% <= 8,67%")))
        << f->Image1->accessibleDescription().toStdString();
}

TEST_F(Diagrammzeiger_Test, Gitterzeile_umrandet_ihre_Saeule_bis_zum_naechsten_Bild) {
    const QImage vorher = f->Image1->Bild();
    const QModelIndex i = f->StringGrid1->model()->index(15, 1);
    QTest::mouseClick(f->StringGrid1->viewport(), Qt::LeftButton, {}, f->StringGrid1->visualRect(i).center());
    const QRect r = f->Image1->Hervorgehoben();
    EXPECT_TRUE(r.contains(Saeule(15)));
    EXPECT_FALSE(r.contains(Saeule(14)));
    EXPECT_TRUE(f->Image1->Bild() == vorher);
    f->CheckBox_Info->click();
    EXPECT_TRUE(f->Image1->Hervorgehoben().isEmpty());
}

TEST_F(Diagrammzeiger_Test, OC_Kurve_nennt_p_und_beta) {
    f->BitBtn_OC->click();
    // x_Ursprung 30, p from 0 to 1 over 400 px.
    EXPECT_EQ(Tooltip_bei(QPoint(30 + 200, 200)).rfind("p = 0,5000\nβ(p) = 0,", 0), 0u);
}

}  // namespace
