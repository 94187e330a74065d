// The caption right of V rechts names the n in force, whatever text stands in Edit_n.

#include "ui/Quorvel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(Beschriftung_V_n, ZeigtDasGeltendeN) {
    TForm1 f;
    EXPECT_EQ(f.Label_V_n->text(), "; ... ;20]");
    // Pasted and not (or not yet successfully) left: the state keeps n = 20.
    f.Edit_n->setText("nan");
    f.CheckBox_Info->toggle();
    EXPECT_EQ(f.Label_V_n->text(), "; ... ;20]");
    f.Edit_n->setText("35");
    f.Edit_n->setModified(true);
    f.Feld_verlassen(f.Edit_n);
    EXPECT_EQ(f.Label_V_n->text(), "; ... ;35]");
}
