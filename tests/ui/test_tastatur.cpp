// The window without a mouse and with a screen reader: every action has a key, the Datei menu
// opens and works by keys, a refused entry says why beside its field, each field is labelled
// by the text in front of it, and the help is a document a reader can walk.

#include "Fensterhilfe.h"

#include "ui/Eingabehinweis.h"
#include "ui/Hilfetext.h"
#include "ui/Sprache.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>

#include <functional>

namespace {

class Tastaturtest : public Fenstertest {
protected:
    void SetUp() override {
        // Recent files go to a folder of this test, never the user's settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, Ordner.path());
        QSettings::setDefaultFormat(QSettings::NativeFormat);
        Fenstertest::SetUp();
    }
    QTemporaryDir Ordner;
};

// Every key bound in the window (an action's, a button's, a QShortcut's), with what binds it.
QMultiMap<QString, QString> Gebundene_Tasten(QWidget& f) {
    QMultiMap<QString, QString> m;
    const auto Eintragen = [&](const QKeySequence& k, const QObject* o) {
        if (!k.isEmpty()) m.insert(k.toString(QKeySequence::NativeText), o->objectName());
    };
    for (const QAction* a : f.findChildren<QAction*>()) Eintragen(a->shortcut(), a);
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>())
        if (b->window() == &f) Eintragen(b->shortcut(), b);
    for (const QShortcut* k : f.findChildren<QShortcut*>()) Eintragen(k->key(), k);
    return m;
}

// Every action has a key or an underlined letter; every button takes the Tab focus or names in
// its hint keys that are bound here; no key is bound twice (Qt would then run neither).
TEST_F(Tastaturtest, JedeAktionUndJederKnopfHatEineTaste) {
    const QMultiMap<QString, QString> Tasten = Gebundene_Tasten(*f);
    for (const QString& t : Tasten.uniqueKeys()) EXPECT_EQ(Tasten.count(t), 1) << t.toStdString();
    int Aktionen = 0;
    for (const QAction* a : f->findChildren<QAction*>()) {
        if (a->isSeparator() || a->text().isEmpty() || !a->isEnabled()) continue;
        ++Aktionen;
        EXPECT_TRUE(!a->shortcut().isEmpty() || !QKeySequence::mnemonic(a->text()).isEmpty())
            << a->text().toStdString();
    }
    EXPECT_GE(Aktionen, 12);
    for (const QAbstractButton* b : f->findChildren<QAbstractButton*>()) {
        // Qt's own parts (the grid's corner) have no name and keys of their owner.
        if (b->window() != f.get() || b->objectName().isEmpty() || b->focusPolicy() & Qt::TabFocus) continue;
        const QString Hinweis = b->toolTip();
        const qsizetype Klammer = Hinweis.lastIndexOf(" (");
        ASSERT_TRUE(Klammer > 0 && Hinweis.endsWith(')'))
            << b->objectName().toStdString() << ": " << Hinweis.toStdString();
        const QStringList Genannt = Hinweis.mid(Klammer + 2).chopped(1).split(QStringLiteral(", "));
        for (const QString& t : Genannt)
            EXPECT_TRUE(Tasten.contains(t)) << b->objectName().toStdString() << ": " << t.toStdString();
    }
}

// The Datei menu without a mouse: opened by F10, Alt+D or a screen reader's "show menu", then
// worked by letters, digits, arrows, Enter and Esc.
struct Menuefall {
    const char* Name;
    std::function<void(TForm1&, Rekorder&, QTemporaryDir&)> Oeffnen;
    QList<Qt::Key> Tasten;  // typed into the open menu, and into a submenu once it opens
    std::function<bool(TForm1&, Rekorder&)> Gewirkt;
};
class Dateimenue : public Tastaturtest, public ::testing::WithParamInterface<Menuefall> {};

TEST_P(Dateimenue, MitTasten) {
    const Menuefall& m = GetParam();
    QStringList Offen;
    QTimer Warten;
    Warten.setInterval(5);
    // The menu runs a loop of its own: the keys go in from there.
    QObject::connect(&Warten, &QTimer::timeout, [&] {
        QWidget* p = QApplication::activePopupWidget();
        if (!p) return;
        Warten.stop();
        Offen << p->objectName();
        for (Qt::Key k : m.Tasten) {
            QTest::keyClick(QApplication::activePopupWidget(), k);
            if (!QApplication::activePopupWidget()) break;
        }
    });
    Warten.start();
    // A menu left open would block its own loop for ever: shut it so that the row fails instead.
    QTimer Notbremse;
    Notbremse.setSingleShot(true);
    QObject::connect(&Notbremse, &QTimer::timeout, [] {
        while (QWidget* p = QApplication::activePopupWidget()) p->close();
    });
    Notbremse.start(4000);
    f->Edit_n->setFocus();
    m.Oeffnen(*f, *rec, Ordner);
    QTRY_VERIFY_WITH_TIMEOUT(!Offen.isEmpty() && m.Gewirkt(*f, *rec), 3000);
    EXPECT_EQ(Offen, QStringList{"Menue_Datei"});
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Tastatur, Dateimenue,
    ::testing::Values(
        Menuefall{"F10_und_Buchstabe",
                  [](TForm1& f, Rekorder&, QTemporaryDir&) { QTest::keyClick(f.Edit_n, Qt::Key_F10); },
                  {Qt::Key_E},
                  [](TForm1&, Rekorder& r) { return r.Angebote.size() == 1; }},
        // Upwards from the top: past the Ansicht submenu to the print entry.
        Menuefall{"AltD_Pfeile_und_Enter",
                  [](TForm1& f, Rekorder&, QTemporaryDir&) { QTest::keyClick(f.Edit_n, Qt::Key_D, Qt::AltModifier); },
                  {Qt::Key_Up, Qt::Key_Up, Qt::Key_Return},
                  [](TForm1&, Rekorder& r) { return r.Druckdialoge == 1; }},
        Menuefall{"Esc_laesst_den_Fokus_im_Feld",
                  [](TForm1& f, Rekorder&, QTemporaryDir&) { QTest::keyClick(f.Edit_n, Qt::Key_F10); },
                  {Qt::Key_Down, Qt::Key_Escape},
                  [](TForm1& f, Rekorder& r) {
                      return !QApplication::activePopupWidget() && f.focusWidget() == f.Edit_n && r.Angebote.empty();
                  }},
        // The recent files are numbered: Z opens them, 1 the newest.
        Menuefall{"Zuletzt_geoeffnet_mit_Ziffer",
                  [](TForm1& f, Rekorder& r, QTemporaryDir& d) {
                      r.Speichern_Datei = d.filePath("n35.quorvel");
                      f.Edit_n->selectAll();
                      QTest::keyClicks(f.Edit_n, "35");
                      QTest::keyClick(f.Edit_n, Qt::Key_Tab);
                      ASSERT_TRUE(f.Aufgabe().Speichern_unter());
                      f.Edit_n->setFocus();
                      f.Edit_n->selectAll();
                      QTest::keyClicks(f.Edit_n, "40");
                      QTest::keyClick(f.Edit_n, Qt::Key_Tab);
                      r.Antwort_auf_Frage = Dienste::Antwort::Verwerfen;
                      f.Edit_n->setFocus();
                      QTest::keyClick(f.Edit_n, Qt::Key_F10);
                  },
                  {Qt::Key_Z, Qt::Key_1},
                  [](TForm1& f, Rekorder&) { return f.Edit_n->text() == "35"; }},
        Menuefall{"Bildschirmleser_zeigt_das_Menue",
                  [](TForm1& f, Rekorder&, QTemporaryDir&) {
                      QAccessibleInterface* k = QAccessible::queryAccessibleInterface(f.SpeedButton_Datei);
                      ASSERT_EQ(k->role(), QAccessible::ButtonMenu);
                      k->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
                  },
                  {Qt::Key_D},
                  [](TForm1&, Rekorder& r) { return r.Druckdialoge == 1; }}),
    [](const auto& info) { return std::string(info.param.Name); });

// 9999 in n: the focus never leaves the field, not even for a moment (a screen reader would
// name the next field), and a message beside it says why, seen and heard; the next valid
// entry takes it away.
TEST_F(Tastaturtest, AbgewiesenesNSagtWarum) {
    f->Edit_n->setFocus();
    f->Edit_n->selectAll();
    QTest::keyClicks(f->Edit_n, "9999");
    QList<QWidget*> Fokus;
    const auto Verbindung =
        QObject::connect(qApp, &QApplication::focusChanged, [&](QWidget*, QWidget* neu) { Fokus << neu; });
    QTest::keyClick(f->Edit_n, Qt::Key_Return);
    QTest::qWait(20);
    QObject::disconnect(Verbindung);
    EXPECT_TRUE(Fokus.isEmpty());

    EXPECT_EQ(f->focusWidget(), f->Edit_n);
    auto* Hinweis = f->findChild<Eingabehinweis*>();
    ASSERT_NE(Hinweis, nullptr);
    EXPECT_TRUE(Hinweis->isVisible());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Hinweis);
    EXPECT_EQ(a->role(), QAccessible::AlertMessage);
    EXPECT_EQ(a->text(QAccessible::Name), "n muss zwischen 1 und 4000 liegen");
    // Beside the field: just under it, from its left edge.
    const QRect Feld(f->Edit_n->mapTo(f.get(), QPoint()), f->Edit_n->size());
    EXPECT_NEAR(Hinweis->y(), Feld.bottom(), 4);
    EXPECT_EQ(Hinweis->x(), Feld.x());

    f->Edit_n->selectAll();
    QTest::keyClicks(f->Edit_n, "30");
    QTest::keyClick(f->Edit_n, Qt::Key_Return);
    EXPECT_FALSE(Hinweis->isVisible());
}

// Each edit field is labelled by the text in front of it ("n=", "p0=", "α"), and keeps its
// own accessible name.
TEST_F(Tastaturtest, JedesFeldHatSeineBeschriftung) {
    const QList<QLineEdit*> Felder = f->findChildren<QLineEdit*>();
    EXPECT_EQ(Felder.size(), Feldzahl + 2);  // the main window's and the samples panel's two
    for (QLineEdit* e : Felder) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(e);
        QLabel* Beschriftung = nullptr;
        for (const auto& [i, r] : a->relations(QAccessible::Label))
            if (auto* l = qobject_cast<QLabel*>(i->object()); l && l->buddy() == e) Beschriftung = l;
        ASSERT_NE(Beschriftung, nullptr) << e->objectName().toStdString();
        EXPECT_FALSE(Beschriftung->text().trimmed().isEmpty()) << e->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), e->accessibleName());
    }
}

// The help is a document with headings, and a screen reader gets its text line by line:
// no frame markers, the same length as the document.
TEST_F(Tastaturtest, HilfeIstEinDokument) {
    QTest::keyClick(f->Edit_n, Qt::Key_F1);
    auto* Text = f->findChild<Hilfetext*>("Hilfetext");
    ASSERT_NE(Text, nullptr);
    QList<int> Ebenen;
    for (QTextBlock b = Text->document()->begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() > 0) Ebenen << b.blockFormat().headingLevel();
    EXPECT_EQ(Ebenen.count(1), 1);
    EXPECT_GE(Ebenen.count(2), 5);
    QAccessibleTextInterface* t = QAccessible::queryAccessibleInterface(Text)->textInterface();
    ASSERT_NE(t, nullptr);
    const QString Gelesen = t->text(0, t->characterCount());
    EXPECT_EQ(Gelesen.size(), Text->document()->toRawText().size());
    for (const QChar c : {QChar(0xFDD0), QChar(0xFDD1), QChar(QChar::ParagraphSeparator)})
        EXPECT_FALSE(Gelesen.contains(c)) << std::hex << int(c.unicode());
    EXPECT_TRUE(Gelesen.contains("\nF10, Alt+D\n"));
}

class Tastaturtest_englisch : public Tastaturtest {
protected:
    // Before the window: its form translates itself when it is built.
    void SetUp() override {
        Sprache_einstellen(Sprache::Englisch);
        Tastaturtest::SetUp();
    }
    void TearDown() override {
        Tastaturtest::TearDown();
        Sprache_einstellen(Sprache::Deutsch);
    }
};

// In English F1 shows the English help: every key bound in the window under Qt's English key
// name (Ctrl, Shift), and a screen reader gets it line by line as it gets the German one.
TEST_F(Tastaturtest_englisch, HilfeNenntJedeTaste) {
    QTest::keyClick(f->Edit_n, Qt::Key_F1);
    auto* Text = f->findChild<Hilfetext*>("Hilfetext");
    ASSERT_NE(Text, nullptr);
    QAccessibleTextInterface* t = QAccessible::queryAccessibleInterface(Text)->textInterface();
    ASSERT_NE(t, nullptr);
    const QString Gelesen = t->text(0, t->characterCount());
    for (const char* Zeile : {"\nKeyboard shortcuts\n", "\nCtrl+Shift+S\n", "\nF10, Alt+D\n"})
        EXPECT_TRUE(Gelesen.contains(Zeile)) << Zeile;
    const QStringList Tasten = Gebundene_Tasten(*f).uniqueKeys();
    EXPECT_GE(Tasten.size(), 15);
    for (const QString& k : Tasten) EXPECT_TRUE(Gelesen.contains(k)) << k.toStdString();
}

}  // namespace
