// The key filters of the edit fields, apart from the window.

#include "ui/Eingabe_lesen.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>

namespace {

// ---- Zeichen_filtern ----------------------------------------------------------------------

struct Zeichenfall {
    const char* name;
    char16_t zeichen;
    char16_t ganz;     // 0: dropped
    char16_t dezimal;  // 0: dropped
};

class Zeichenregel : public ::testing::TestWithParam<Zeichenfall> {};

TEST_P(Zeichenregel, je_Feldart) {
    const auto& f = GetParam();
    const auto g = Zeichen_filtern(QChar(f.zeichen), Feldart::Ganzzahl);
    const auto d = Zeichen_filtern(QChar(f.zeichen), Feldart::Dezimal);
    EXPECT_EQ(g ? g->unicode() : 0, f.ganz);
    EXPECT_EQ(d ? d->unicode() : 0, f.dezimal);
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Zeichenregel,
                         ::testing::Values(Zeichenfall{"Null", u'0', u'0', u'0'}, Zeichenfall{"Neun", u'9', u'9', u'9'},
                                           Zeichenfall{"Komma", u',', 0, u','}, Zeichenfall{"Punkt", u'.', 0, u','},
                                           Zeichenfall{"Strich", u'/', 0, u'/'}, Zeichenfall{"Minus", u'-', 0, 0},
                                           Zeichenfall{"Plus", u'+', 0, 0}, Zeichenfall{"Leerzeichen", u' ', 0, 0},
                                           Zeichenfall{"Buchstabe", u'e', 0, 0},
                                           Zeichenfall{"arabische_Ziffer", u'\u0663', 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Tastenfilter an echten Feldern -------------------------------------------------------

class Filterfenster : public ::testing::Test {
protected:
    QWidget fenster;
    QLineEdit* ganz = new QLineEdit(&fenster);
    QLineEdit* dezimal = new QLineEdit(&fenster);
    QLineEdit* danach = new QLineEdit(&fenster);

    void SetUp() override {
        auto* reihe = new QHBoxLayout(&fenster);
        reihe->addWidget(ganz);
        reihe->addWidget(dezimal);
        reihe->addWidget(danach);
        ganz->installEventFilter(new Ganzzahl_Tastenfilter(ganz));
        dezimal->installEventFilter(new Dezimal_Tastenfilter(dezimal));
        fenster.show();
        QApplication::setActiveWindow(&fenster);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    }
};

TEST_F(Filterfenster, Punkt_wird_Komma_und_Bruchstrich_bleibt) {
    dezimal->setFocus();
    QTest::keyClicks(dezimal, "1.5/3");
    EXPECT_EQ(dezimal->text(), QStringLiteral("1,5/3"));
}

TEST_F(Filterfenster, Punkt_vom_Ziffernblock_wird_Komma) {
    dezimal->setFocus();
    QTest::keyClick(dezimal, Qt::Key_2);
    QTest::keyClick(dezimal, Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClick(dezimal, Qt::Key_5, Qt::KeypadModifier);
    EXPECT_EQ(dezimal->text(), QStringLiteral("2,5"));
}

TEST_F(Filterfenster, Minus_Buchstaben_Leerzeichen_bewirken_nichts) {
    ganz->setFocus();
    QTest::keyClicks(ganz, "-a 1,2.x/3+e");
    EXPECT_EQ(ganz->text(), QStringLiteral("123"));
    dezimal->setFocus();
    QTest::keyClicks(dezimal, "-a 1e+x");
    EXPECT_EQ(dezimal->text(), QStringLiteral("1"));
}

TEST_F(Filterfenster, Bearbeitungstasten_wirken_weiter) {
    ganz->setFocus();
    QTest::keyClicks(ganz, "1234");
    QTest::keyClick(ganz, Qt::Key_Backspace);
    QTest::keyClick(ganz, Qt::Key_Home);
    QTest::keyClick(ganz, Qt::Key_Delete);
    QTest::keyClick(ganz, Qt::Key_End);
    QTest::keyClick(ganz, Qt::Key_Left);
    QTest::keyClick(ganz, Qt::Key_9);
    EXPECT_EQ(ganz->text(), QStringLiteral("293"));
    QTest::keyClick(ganz, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(ganz, Qt::Key_5);
    EXPECT_EQ(ganz->text(), QStringLiteral("5"));
    QTest::keyClick(ganz, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ganz->text(), QStringLiteral("293"));
}

TEST_F(Filterfenster, Enter_geht_zum_naechsten_Feld_ohne_Zeichen) {
    ganz->setFocus();
    QTest::keyClicks(ganz, "12");
    QTest::keyClick(ganz, Qt::Key_Return);
    EXPECT_EQ(ganz->text(), QStringLiteral("12"));
    EXPECT_TRUE(dezimal->hasFocus());
    QTest::keyClick(dezimal, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(danach->hasFocus());
}

TEST_F(Filterfenster, Einfuegen_umgeht_den_Filter) {
    QApplication::clipboard()->setText(QStringLiteral("-3"));
    ganz->setFocus();
    QTest::keyClick(ganz, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ganz->text(), QStringLiteral("-3"));
}

}  // namespace
