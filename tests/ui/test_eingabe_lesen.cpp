// Parsing of the edit fields and the key filters, apart from the window.

#include "ui/Eingabe_lesen.h"

#include "analysis/Zahlentexte.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

constexpr Extended eps = std::numeric_limits<Extended>::epsilon();

// ---- Dezimal_lesen ------------------------------------------------------------------------

struct Dezimalfall {
    const char* name;
    const char16_t* text;
    Extended erwartet;  // compared exactly: every row is one correctly rounded operation
};

class Dezimal_gelesen : public ::testing::TestWithParam<Dezimalfall> {};

TEST_P(Dezimal_gelesen, gibt_den_Wert) {
    const auto& f = GetParam();
    Extended wert = -12345;
    ASSERT_TRUE(Dezimal_lesen(QString::fromUtf16(f.text), wert));
    EXPECT_EQ(wert, f.erwartet);
    EXPECT_FALSE(std::signbit(wert) && wert == 0) << "negative zero must read as plain 0";
}

// Expected values are the nearest long double of the decimal, or one division of two such.
INSTANTIATE_TEST_SUITE_P(
    Zeilen, Dezimal_gelesen,
    ::testing::Values(
        Dezimalfall{"Komma", u"0,8", 0.8L}, Dezimalfall{"Punkt", u"0.8", 0.8L},
        Dezimalfall{"Drittel", u"1/3", 1.0L / 3.0L}, Dezimalfall{"Dreiviertel", u"3/4", 0.75L},
        Dezimalfall{"Dezimalbruch", u"2,5/10", 0.25L},
        Dezimalfall{"Nenner_mit_Komma", u"1/0,5", 2.0L},
        Dezimalfall{"Leerzeichen_vorn", u"  1,5", 1.5L},
        Dezimalfall{"Leerzeichen_vor_Nenner", u"1/ 4", 0.25L},
        Dezimalfall{"Plus", u"+2", 2.0L}, Dezimalfall{"Minus", u"-0,5", -0.5L},
        Dezimalfall{"negativer_Bruch", u"-1/8", -0.125L},
        Dezimalfall{"Exponent", u"1e3", 1000.0L}, Dezimalfall{"Exponent_gross", u"2,5E-7", 2.5e-7L},
        Dezimalfall{"ohne_Ganzteil", u",5", 0.5L}, Dezimalfall{"ohne_Nachkomma", u"5,", 5.0L},
        Dezimalfall{"fuehrende_Nullen", u"007", 7.0L},
        Dezimalfall{"Sigmafaktor_Start", u"1,96", 1.96L},
        Dezimalfall{"Null", u"0", 0.0L}, Dezimalfall{"minus_Null", u"-0", 0.0L},
        Dezimalfall{"minus_Null_Bruch", u"-0/5", 0.0L},
        Dezimalfall{"Unterlauf_liest_Null", u"1e-5000", 0.0L},
        Dezimalfall{"Quotient_unterlaeuft", u"1e-4000/1e935", 0.0L},
        Dezimalfall{"groesster_Wert", u"1,18973149535723176502e4932",
                    std::numeric_limits<Extended>::max()},
        Dezimalfall{"viele_Ziffern", u"0,333333333333333333333333333333333", 0.333333333333333333333333333333333L}),
    [](const auto& info) { return std::string(info.param.name); });

struct Fehlerfall {
    const char* name;
    const char16_t* text;
};

class Dezimal_abgelehnt : public ::testing::TestWithParam<Fehlerfall> {};

TEST_P(Dezimal_abgelehnt, laesst_den_Wert_stehen) {
    Extended wert = 42.5L;
    EXPECT_FALSE(Dezimal_lesen(QString::fromUtf16(GetParam().text), wert));
    EXPECT_EQ(wert, 42.5L);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Dezimal_abgelehnt,
    ::testing::Values(
        Fehlerfall{"leer", u""}, Fehlerfall{"nur_Leerzeichen", u"  "},
        Fehlerfall{"Division_durch_Null", u"1/0"}, Fehlerfall{"Nenner_Null_Komma", u"1/0,0"},
        Fehlerfall{"Nenner_unterlaeuft_zu_Null", u"1/1e-5000"},
        Fehlerfall{"ohne_Zaehler", u"/3"}, Fehlerfall{"ohne_Nenner", u"3/"},
        Fehlerfall{"zwei_Striche", u"1/2/3"}, Fehlerfall{"zwei_Kommas", u"1,2,3"},
        Fehlerfall{"Leerzeichen_hinten", u"1 "}, Fehlerfall{"Leerzeichen_vor_Strich", u"1 /3"},
        Fehlerfall{"Exponent_ohne_Ziffern", u"1e"}, Fehlerfall{"nur_Exponent", u"e5"},
        Fehlerfall{"nur_Komma", u","}, Fehlerfall{"nur_Vorzeichen", u"-"},
        Fehlerfall{"doppeltes_Vorzeichen", u"--1"}, Fehlerfall{"Minus_hinten", u"1-"},
        Fehlerfall{"Buchstaben", u"abc"}, Fehlerfall{"inf", u"inf"}, Fehlerfall{"nan", u"nan"},
        Fehlerfall{"Hex", u"0x10"}, Fehlerfall{"Ueberlauf", u"1e5000"},
        Fehlerfall{"Ueberlauf_knapp", u"1,2e4932"},
        Fehlerfall{"Quotient_laeuft_ueber", u"1e4000/1e-4000"},
        Fehlerfall{"arabische_Ziffer", u"\u0663"}, Fehlerfall{"breite_Ziffer", u"\uff11"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Ganzzahl_lesen -----------------------------------------------------------------------

struct Ganzfall {
    const char* name;
    const char16_t* text;
    bool gelesen;
    int erwartet;
};

class Ganzzahl : public ::testing::TestWithParam<Ganzfall> {};

TEST_P(Ganzzahl, liest_oder_laesst_stehen) {
    const auto& f = GetParam();
    int wert = 777;
    EXPECT_EQ(Ganzzahl_lesen(QString::fromUtf16(f.text), wert), f.gelesen);
    EXPECT_EQ(wert, f.gelesen ? f.erwartet : 777);
}

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Ganzzahl,
    ::testing::Values(
        Ganzfall{"einfach", u"20", true, 20}, Ganzfall{"Leerzeichen_vorn", u"  7", true, 7},
        Ganzfall{"Plus", u"+5", true, 5}, Ganzfall{"Minus", u"-3", true, -3},
        Ganzfall{"fuehrende_Nullen", u"0007", true, 7},
        Ganzfall{"Maximum", u"2147483647", true, 2147483647},
        Ganzfall{"Minimum", u"-2147483648", true, std::numeric_limits<int>::min()},
        Ganzfall{"ueber_Maximum", u"2147483648", false, 0},
        Ganzfall{"unter_Minimum", u"-2147483649", false, 0},
        Ganzfall{"riesig", u"99999999999999999999999", false, 0},
        Ganzfall{"leer", u"", false, 0}, Ganzfall{"nur_Minus", u"-", false, 0},
        Ganzfall{"Leerzeichen_hinten", u"1 ", false, 0}, Ganzfall{"Komma", u"1,0", false, 0},
        Ganzfall{"Exponent", u"1e3", false, 0}, Ganzfall{"Buchstabe", u"12a", false, 0},
        Ganzfall{"arabische_Ziffer", u"\u0663", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Zufallseingaben ----------------------------------------------------------------------

// Texts from the characters a field can hold after typing or pasting, plus some it can't.
QString Zufallstext(std::mt19937_64& zufall) {
    static const char16_t zeichen[] = u"0123456789012345678901234567890123456789,,,,..//  +-eEx"
                                      u"inf\u0663\uff11a";
    const std::size_t anzahl = std::char_traits<char16_t>::length(zeichen);
    QString text;
    if (zufall() % 4 == 0) {
        // Shaped like a real entry: [-]digits[,digits][e[-]digits][/digits[,digits]]
        auto ziffern = [&](int hoechstens) {
            const int n = 1 + static_cast<int>(zufall() % hoechstens);
            for (int i = 0; i < n; ++i) text += QChar(u'0' + static_cast<int>(zufall() % 10));
        };
        if (zufall() % 5 == 0) text += u'-';
        ziffern(25);
        if (zufall() % 2) { text += u','; ziffern(25); }
        if (zufall() % 3 == 0) {
            text += u'e';
            if (zufall() % 2) text += u'-';
            ziffern(4);
        }
        if (zufall() % 2) { text += u'/'; ziffern(20); }
        return text;
    }
    const int laenge = static_cast<int>(zufall() % 13);
    for (int i = 0; i < laenge; ++i) text += QChar(zeichen[zufall() % anzahl]);
    return text;
}

TEST(Dezimal_Zufall, eine_Million_Texte_nie_NaN_und_allgemeines_Format_kehrt_zurueck) {
    std::mt19937_64 zufall(20240611);
    const Extended unberuehrt = -0.0123L;
    long angenommen = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const QString text = Zufallstext(zufall);
        Extended wert = unberuehrt;
        if (!Dezimal_lesen(text, wert)) {
            ASSERT_EQ(wert, unberuehrt) << text.toStdString();
            continue;
        }
        ++angenommen;
        ASSERT_TRUE(std::isfinite(wert)) << text.toStdString();
        // The general format carries 15 significant digits: reading it back lands within half a
        // unit of the 15th digit, and formatting that again gives the same text.
        const std::string allgemein = Zahl_allgemein(wert);
        Extended zurueck = 0;
        ASSERT_TRUE(Dezimal_lesen(QString::fromStdString(allgemein), zurueck))
            << text.toStdString() << " -> " << allgemein;
        ASSERT_LE(std::fabs(zurueck - wert), (5e-15L + 4 * eps) * std::fabs(wert))
            << text.toStdString() << " -> " << allgemein;
        ASSERT_EQ(Zahl_allgemein(zurueck), allgemein) << text.toStdString();
    }
    // The generator must exercise both outcomes in earnest.
    EXPECT_GT(angenommen, 200'000);
    EXPECT_LT(angenommen, 800'000);
}

// The reference reads the same texts another way: a pattern check and std::from_chars.
TEST(Ganzzahl_Zufall, stimmt_mit_Vergleichsweg_ueberein) {
    std::mt19937_64 zufall(77);
    static const char zeichen[] = "0123456789 +-,a";
    for (int i = 0; i < 300'000; ++i) {
        std::string text;
        const int laenge = static_cast<int>(zufall() % 14);
        for (int j = 0; j < laenge; ++j) text += zeichen[zufall() % (sizeof zeichen - 1)];

        static const QRegularExpression muster(QStringLiteral("^ *[+-]?[0-9]+$"));
        bool erwartet = false;
        long long vergleich = 0;
        if (muster.match(QString::fromStdString(text)).hasMatch()) {
            std::string rest = text.substr(text.find_first_not_of(' '));
            if (rest[0] == '+') rest.erase(0, 1);
            const auto r = std::from_chars(rest.data(), rest.data() + rest.size(), vergleich);
            erwartet = r.ec == std::errc() && vergleich >= std::numeric_limits<int>::min() &&
                       vergleich <= std::numeric_limits<int>::max();
        }
        int wert = 0;
        ASSERT_EQ(Ganzzahl_lesen(QString::fromStdString(text), wert), erwartet) << "'" << text << "'";
        if (erwartet) {
            ASSERT_EQ(wert, vergleich) << text;
        }
    }
}

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

INSTANTIATE_TEST_SUITE_P(
    Zeilen, Zeichenregel,
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
