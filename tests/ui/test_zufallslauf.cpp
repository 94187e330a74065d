// A long seeded run of random user actions on the real window: typing, pasting, Enter and Tab,
// every check box, every combo item, every button, the mouse and the keys on the chart,
// explorations and animations (which go on running on their timer while the next actions
// come). After every action the state, the tables and every visible text are checked.
//
//   QUORVEL_SEED=123 QUORVEL_AKTIONEN=50000 ./ui_tests --gtest_filter='Zufallslauf*'
// repeats or extends a run; the seed is printed at the start.

#include "Fensterhilfe.h"

#include "analysis/Zahlen_lesen.h"
#include "ui/Bildfeld.h"
#include "ui/Vollbild.h"
#include "ui/Wertetabelle.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPointer>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

long long Umgebungszahl(const char* Name, long long Vorgabe) {
    const char* t = std::getenv(Name);
    if (!t || !*t) return Vorgabe;
    char* Ende = nullptr;
    const long long w = std::strtoll(t, &Ende, 10);
    return Ende && *Ende == 0 ? w : Vorgabe;
}

// "nan", "inf" and "infinity" as whole words, any case: the program's own words ("Info",
// "Intervall") contain the letters but are never such a word.
bool Unzahl_im_Text(const QString& Text) {
    QString Wort;
    auto pruefen = [&] {
        const QString w = Wort.toLower();
        Wort.clear();
        return w == u"nan" || w == u"inf" || w == u"infinity";
    };
    for (QChar c : Text) {
        if (c.isLetter()) {
            Wort += c;
        } else if (pruefen()) {
            return true;
        }
    }
    return pruefen();
}

enum class Art { Ganz, Dezimal };

class Zufallslauf : public Fenstertest {
protected:
    void SetUp() override {
        Fenstertest::SetUp();
        if (HasFatalFailure()) return;
        rec->Bilder_behalten = false;
    }

    // --- Random numbers --------------------------------------------------------------------
    std::mt19937_64 zufall;
    int Zahl(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(zufall); }
    bool Chance(double q) { return std::uniform_real_distribution<double>(0, 1)(zufall) < q; }
    template <class T>
    T& Eins_von(std::vector<T>& v) {
        return v[Zahl(0, int(v.size()) - 1)];
    }

    // --- The fields and the ranges the program itself takes ---------------------------------
    struct Feld {
        QLineEdit* e;
        Art art;
        std::function<bool(long double)> im_Bereich;
        std::function<long double()> lo, hi;
    };
    std::vector<Feld> Felder() const {
        // Pointers, copied into the range functions: they are called long after this returns.
        const Zustand* z = &f->Stand();
        TForm1* w = f.get();
        auto hyper = [w](int Zeile) {
            const QComboBox* c[] = {w->ComboBox_Verteilung_p0, w->ComboBox_Verteilung_p1, w->ComboBox_Verteilung_p2};
            return c[Zeile]->currentIndex() == vaHypergeo;
        };
        auto n_hoechstens = [z, hyper] {
            int h = k_Maximum;
            const int N[] = {z->N0, z->N1, z->N2};
            for (int i = 0; i < 3; ++i)
                if (hyper(i)) h = std::min(h, N[i]);
            return static_cast<long double>(h);
        };
        auto ganz = [](QLineEdit* e, std::function<long double()> lo, std::function<long double()> hi) {
            return Feld{e, Art::Ganz, [lo, hi](long double v) { return v >= lo() && v <= hi(); }, lo, hi};
        };
        auto dez = [](QLineEdit* e, long double lo, long double hi) {
            return Feld{e, Art::Dezimal, [lo, hi](long double v) { return v >= lo && v <= hi; }, [lo] { return lo; },
                        [hi] { return hi; }};
        };
        // n <= N is a rule on n as well: switching a row to "Hypergeo" while n exceeds its N
        // refuses n, not N. So the N field is held to N > M, and n to the N of every
        // hypergeometric row.
        auto N_Feld = [&](QLineEdit* e, const int* M) {
            return ganz(
                e, [M] { return *M + 1.0L; }, [] { return std::numeric_limits<int>::max() * 1.0L; });
        };
        return {
            ganz(
                f->Edit_n, [] { return 1.0L; }, n_hoechstens),
            // x is held to n when typed; a later smaller n leaves it (the interval and the
            // marker take it as at most n).
            ganz(
                f->Edit_Stichprobenergebnis, [] { return 0.0L; }, [z] { return std::max(z->n, z->x) * 1.0L; }),
            ganz(
                f->Edit_k1, [] { return 0.0L; }, [z] { return z->k2 * 1.0L; }),
            ganz(
                f->Edit_k2, [z] { return z->k1 * 1.0L; }, [z] { return z->n * 1.0L; }),
            dez(f->Edit_p0, 0, 1),
            dez(f->Edit_p1, 0, 1),
            dez(f->Edit_p2, 0, 1),
            ganz(
                f->Edit_M0, [] { return 0.0L; }, [z] { return z->N0 - 1.0L; }),
            ganz(
                f->Edit_M1, [] { return 0.0L; }, [z] { return z->N1 - 1.0L; }),
            ganz(
                f->Edit_M2, [] { return 0.0L; }, [z] { return z->N2 - 1.0L; }),
            N_Feld(f->Edit_N0, &z->M0),
            N_Feld(f->Edit_N1, &z->M1),
            N_Feld(f->Edit_N2, &z->M2),
            dez(f->Edit_Alfali, 0, 100),
            dez(f->Edit_Alfare, 0, 100),
            // kli <= kre binds typed bounds only: bounds computed from two levels that add up
            // to more than 100 % overlap. The computed right bound may stand at n + 2 after a
            // rounding (no right region).
            ganz(
                f->Edit_kli, [] { return -1.0L; }, [z] { return z->n * 1.0L; }),
            ganz(
                f->Edit_kre, [] { return 0.0L; }, [z] { return z->n + 2.0L; }),
            dez(f->Edit_Sigmafaktor, 0, 7),
            dez(f->Edit_Umgebung, 0, 100),
        };
    }

    // --- Texts to enter ----------------------------------------------------------------------
    QString Dezimaltext(long double v) {
        std::ostringstream o;
        o.precision(Zahl(1, 18));
        o << v;
        QString t = QString::fromStdString(o.str());
        if (Chance(0.8)) t.replace('.', ',');
        return t;
    }
    QString Text_fuer(const Feld& F) {
        static const char* Unsinn[] = {"",
                                       "abc",
                                       "1,2,3",
                                       "1/0",
                                       "0/0",
                                       "-",
                                       ",",
                                       "1/",
                                       "/2",
                                       "--1",
                                       "1e5000",
                                       "1e-5000",
                                       "nan",
                                       "inf",
                                       "-inf",
                                       " 5",
                                       "5 ",
                                       "99999999999",
                                       "2147483648",
                                       "-2147483649",
                                       "1..2",
                                       "0x10",
                                       "½",
                                       "١٢",
                                       "1,5e3",
                                       "3/-4",
                                       "1e",
                                       "+",
                                       "+7",
                                       "0,5/0,25",
                                       "1e-4950/1e4950",
                                       "1/3"};
        const int Wahl = Zahl(0, 9);
        if (Wahl < 2) return QString::fromUtf8(Unsinn[Zahl(0, std::size(Unsinn) - 1)]);
        const long double lo = F.lo(), hi = std::min(F.hi(), 5000.0L);
        if (F.art == Art::Ganz) {
            if (Wahl < 4) {
                const long double Ecken[] = {lo - 1, lo, hi, hi + 1, 0, -1, 4000, 4001};
                return QString::number(static_cast<long long>(Ecken[Zahl(0, 7)]));
            }
            // Mostly small numbers so that the run stays quick; now and then a long table.
            long double o = hi;
            if (F.e == f->Edit_n || F.e == f->Edit_N0 || F.e == f->Edit_N1 || F.e == f->Edit_N2)
                o = Chance(0.04) ? 4000 : std::min(hi, lo + 300);
            if (o < lo) o = lo;
            return QString::number(Zahl(static_cast<int>(lo), static_cast<int>(o)));
        }
        if (Wahl < 4) {
            const long double Ecken[] = {lo,    hi, -0.0L,    hi + 1e-15L,  lo - 1e-15L,
                                         0.05L, 50, 1e-4000L, 99.99999999L, 6.9999999999L};
            return Dezimaltext(Ecken[Zahl(0, 9)]);
        }
        if (Wahl == 4) return QStringLiteral("%1/%2").arg(Zahl(0, 9)).arg(Zahl(1, 12));
        return Dezimaltext(lo + (hi - lo) * std::uniform_real_distribution<long double>(0, 1)(zufall));
    }

    // --- Actions -------------------------------------------------------------------------------
    std::deque<std::string> Verlauf;
    void Merken(std::string s) {
        Verlauf.push_back(std::move(s));
        if (Verlauf.size() > 40) Verlauf.pop_front();
    }
    // Field -> the user's own text in it, not yet taken: still being edited, or refused.
    std::map<QLineEdit*, QString> Nutzertext;
    QSet<QString> Texte_in_n;  // everything the user ever left in Edit_n
    bool Vom_Nutzer(QLineEdit* e) const {
        const auto a = Nutzertext.find(e);
        return a != Nutzertext.end() && a->second == e->text();
    }

    QWidget* Fokus() const { return QApplication::focusWidget(); }
    bool Bedienbar(QWidget* w) const { return w->isVisible() && w->isEnabled(); }

    // QTest's ASCII table knows no other characters; those go as key events with their text,
    // the way an input method delivers them.
    static void Tippen(QLineEdit* e, const QString& Text) {
        for (QChar c : Text) {
            if (c.unicode() < 128) {
                QTest::keyClick(e, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Press, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, e, Qt::Key_unknown, QString(c), Qt::NoModifier);
            }
        }
    }

    void Verlassen(QLineEdit* e) {
        switch (Zahl(0, 2)) {
        case 0:
            QTest::keyClick(e, Qt::Key_Tab);
            break;
        case 1:
            QTest::keyClick(e, Qt::Key_Return);
            break;
        default: {
            std::vector<Feld> alle = Felder();
            for (int i = 0; i < 5; ++i) {
                QLineEdit* ziel = Eins_von(alle).e;
                if (ziel != e && Bedienbar(ziel)) {
                    ziel->setFocus();
                    return;
                }
            }
            QTest::keyClick(e, Qt::Key_Tab);
        }
        }
    }

    void Eingeben() {
        std::vector<Feld> alle = Felder();
        const Feld& F = Eins_von(alle);
        QLineEdit* e = F.e;
        if (!Bedienbar(e)) return;
        e->setFocus();
        if (Fokus() != e) {
            Merken("Fokus bleibt in " + (Fokus() ? Fokus()->objectName().toStdString() : "-"));
            return;  // the field the focus is held in refuses to let it go
        }
        const QString Text = Text_fuer(F);
        const int Weise = Zahl(0, 9);
        const bool einfuegen = Weise < 4;
        if (Weise == 9) {
            // An edit in place: the cursor somewhere in the text, a character out, another in.
            QTest::keyClick(e, Chance(0.5) ? Qt::Key_End : Qt::Key_Home);
            for (int i = Zahl(0, 3); i > 0; --i) QTest::keyClick(e, Chance(0.5) ? Qt::Key_Left : Qt::Key_Right);
            QTest::keyClick(e, Chance(0.5) ? Qt::Key_Delete : Qt::Key_Backspace);
            if (Chance(0.7)) Tippen(e, Text.left(1));
        } else {
            e->selectAll();
            if (einfuegen) {
                // Pasted the way the user pastes: through the clipboard, into the selection.
                QApplication::clipboard()->setText(Text);
                QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
            } else {
                Tippen(e, Text);
            }
        }
        const QString steht = e->text();
        const QString k2_steht = f->Edit_k2->text();
        Merken((einfuegen ? "einfuegen " : "tippen ") + e->objectName().toStdString() + " '" + Text.toStdString() +
               "' -> '" + steht.toStdString() + "'");
        Nutzertext[e] = steht;
        if (e == f->Edit_n) Texte_in_n.insert(steht);
        if (e == f->Edit_n) Nutzertext[f->Edit_k2] = k2_steht;  // Edit_nChange copies it
        if (Chance(0.1)) return;                                // the focus stays for now
        Verlassen(e);
        if (Fokus() != e) {
            Nutzertext.erase(e);
            Nutzertext.erase(f->Edit_k2);
        }
    }

    void Kasten_klicken() {
        const QList<QCheckBox*> k = f->findChildren<QCheckBox*>();
        QCheckBox* c = k[Zahl(0, int(k.size()) - 1)];
        if (!Bedienbar(c)) return;
        Merken("klicken " + c->objectName().toStdString());
        QTest::mouseClick(c, Qt::LeftButton, {}, c->rect().center());
    }

    void Auswaehlen() {
        QComboBox* c[] = {f->ComboBox_Verteilung_p0, f->ComboBox_Verteilung_p1, f->ComboBox_Verteilung_p2,
                          f->ComboBox_Histo_Saeule};
        QComboBox* b = c[Zahl(0, 3)];
        const int i = Zahl(0, b->count() - 1);
        Merken("waehlen " + b->objectName().toStdString() + " " + std::to_string(i));
        const qsizetype vorher = rec->Meldungen.size();
        Waehlen(b, i);
        // A switch to "Hypergeo" while n exceeds that row's N refuses n as it stands.
        // (The focus may stay in a field whose own entry is refused meanwhile.)
        if (rec->Meldungen.mid(vorher).contains(QStringLiteral("n zu groß für Hypergeo")))
            Nutzertext[f->Edit_n] = f->Edit_n->text();
    }

    void Knopf(QAbstractButton* b) {
        if (!Bedienbar(b)) return;
        Merken("Knopf " + b->objectName().toStdString());
        QTest::mouseClick(b, Qt::LeftButton, {}, b->rect().center());
    }

    // --- Moving about without changing anything -----------------------------------------------
    // Everything a user can see or that the next computation reads.
    struct Anblick {
        QStringList Texte;
        std::vector<long double> Werte;
        QImage Bild;
        bool operator==(const Anblick&) const = default;
    };
    Anblick Ansehen() const {
        Anblick a;
        for (QLineEdit* e : f->findChildren<QLineEdit*>()) a.Texte << e->objectName() + "=" + e->text();
        // A tooltip is a label of its own window; the hint beside a field tells of the last
        // entry and goes by itself, on a clock of its own.
        for (QLabel* l : f->findChildren<QLabel*>())
            if (!l->isWindow() && l->objectName() != "Eingabehinweis") a.Texte << l->objectName() + "=" + l->text();
        const Zustand& z = f->Stand();
        a.Werte = {(long double)z.n,
                   (long double)z.k1,
                   (long double)z.k2,
                   (long double)z.kli,
                   (long double)z.kre,
                   (long double)z.x,
                   z.p0,
                   z.p1,
                   z.p2,
                   z.Alfali,
                   z.Alfare,
                   z.Sigmafaktor,
                   z.Umgebung,
                   z.Pmax};
        a.Bild = f->Image1->Bild();
        return a;
    }
    QWidget* Vollbild_offen() const {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* v = qobject_cast<Vollbild*>(w); v && v->isVisible()) return v;
        return nullptr;
    }
    // Tab, Shift+Tab, Enter, a click into a field, the cursor keys, full screen and back, the
    // table copy: none of them may change a text, a value or a pixel, sound or speak.
    void Navigieren() {
        QWidget* w = Fokus();
        auto* e = qobject_cast<QLineEdit*>(w);
        // Leaving a field with the user's pending entry takes that entry: that is Eingeben's.
        if (!w || w->window() != f.get() || (e && e->isModified())) return;
        const Anblick vorher = Ansehen();
        const qsizetype Meldungen_vorher = rec->Meldungen.size();
        const int Toene_vorher = rec->Toene;
        std::string was;
        switch (Zahl(0, 6)) {
        case 0:
            was = "Tab";
            QTest::keyClick(w, Qt::Key_Tab);
            break;
        case 1:
            was = "Shift+Tab";
            QTest::keyClick(w, Qt::Key_Backtab, Qt::ShiftModifier);
            break;
        case 2:
            was = "Enter";
            QTest::keyClick(w, Qt::Key_Return);
            break;
        case 3: {
            std::vector<Feld> alle = Felder();
            QLineEdit* ziel = Eins_von(alle).e;
            if (!Bedienbar(ziel)) return;
            was = "Klick in " + ziel->objectName().toStdString();
            QTest::mouseClick(ziel, Qt::LeftButton, {}, ziel->rect().center());
            break;
        }
        case 4:
            if (!e) return;
            was = "Pfeiltasten in " + e->objectName().toStdString();
            for (Qt::Key t : {Qt::Key_End, Qt::Key_Left, Qt::Key_Home, Qt::Key_Right}) QTest::keyClick(e, t);
            break;
        case 5: {
            was = "F11 und zurueck";
            QTest::keyClick(w, Qt::Key_F11);
            QWidget* v = nullptr;
            for (int i = 0; i < 20 && !(v = Vollbild_offen()); ++i) QTest::qWait(5);
            if (!v) return Fehler_melden("F11 zeigt kein Vollbild");
            QTest::keyClick(v, Qt::Key_Escape);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QApplication::setActiveWindow(f.get());
            break;
        }
        default:
            was = "Tabelle kopieren";
            f->StringGrid1->setFocus();
            QTest::keyClick(f->StringGrid1, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(f->StringGrid1, Qt::Key_C, Qt::ControlModifier);
        }
        Merken("navigieren: " + was);
        const Anblick nachher = Ansehen();
        if (nachher.Werte != vorher.Werte) Fehler_melden("'" + was + "' aendert einen Wert");
        if (nachher.Bild != vorher.Bild) Fehler_melden("'" + was + "' aendert das Bild");
        for (qsizetype i = 0; i < vorher.Texte.size() && i < nachher.Texte.size(); ++i)
            if (vorher.Texte[i] != nachher.Texte[i])
                Fehler_melden("'" + was + "': " + vorher.Texte[i].toStdString() + " -> " +
                              nachher.Texte[i].toStdString());
        if (rec->Meldungen.size() != Meldungen_vorher || rec->Toene != Toene_vorher)
            Fehler_melden("'" + was + "' meldet oder piept");
    }

    std::optional<QElapsedTimer> Alt_Klick_ausstehend;
    bool Gleich_gesehen(const Anblick& vorher, const std::string& was) {
        const Anblick nachher = Ansehen();
        if (nachher == vorher) return true;
        std::string wo = nachher.Bild == vorher.Bild ? "" : " (Bild)";
        if (!(nachher.Werte == vorher.Werte)) wo += " (Werte)";
        for (qsizetype i = 0; i < vorher.Texte.size() && i < nachher.Texte.size(); ++i)
            if (vorher.Texte[i] != nachher.Texte[i])
                wo += " " + vorher.Texte[i].toStdString() + " -> " + nachher.Texte[i].toStdString();
        if (vorher.Texte.size() != nachher.Texte.size()) wo += " (Zahl der Texte)";
        Fehler_melden("'" + was + "' aendert, was zu sehen ist:" + wo);
        return false;
    }

    // The chart under the mouse: resting on it changes nothing; a press near a bound or x and
    // a drag, now and then ended by Esc, which must give back exactly what was there; the
    // chart's arrow keys. Each step of a drag or a key is a typed value, checked as such.
    void Grafik() {
        auto* e = qobject_cast<QLineEdit*>(Fokus());
        // The press would take a pending entry (Eingeben's), and a running exploration changes
        // the picture by itself.
        if ((e && e->isModified()) || f->Erkundung_laeuft()) return;
        Bildfeld* b = f->Image1;
        const Diagrammgeometrie& g = f->Geometrie_des_Bildes();
        const Zustand& z = f->Stand();
        const int Marke[] = {z.kli + 1, z.kre, z.x};
        const int x = Chance(0.5) ? Zahl(0, b->width() - 1)
                                  : g.x_Ursprung + (Marke[Zahl(0, 2)] - g.k1) * g.Saeulenbreite + Zahl(-3, 3);
        const QPoint p(std::clamp(x, 0, b->width() - 1), Zahl(g.y_Oben, b->height() - 1));
        // A click on a window makes it the active one, whose chart then takes the focus.
        QApplication::setActiveWindow(f.get());
        // A button's Alt key clicks it once its pressed look has shown; that click is not the
        // chart's.
        if (Alt_Klick_ausstehend) QTest::qWait(std::max<int>(0, 120 - Alt_Klick_ausstehend->elapsed()));
        Alt_Klick_ausstehend.reset();
        const Anblick vorher = Ansehen();
        switch (Zahl(0, 2)) {
        case 0: {
            Merken("zeigen auf " + std::to_string(p.x()) + "," + std::to_string(p.y()));
            QTest::mouseMove(b, p);
            QHelpEvent h(QEvent::ToolTip, p, b->mapToGlobal(p));
            QApplication::sendEvent(b, &h);
            Gleich_gesehen(vorher, "zeigen");
            break;
        }
        case 1: {
            const bool Esc = Chance(0.3);
            std::string was = "ziehen ab " + std::to_string(p.x());
            QTest::mousePress(b, Qt::LeftButton, {}, p);
            QPoint q = p;
            for (int i = Zahl(1, 4); i > 0; --i) {
                q.setX(std::clamp(q.x() + Zahl(-120, 120), 0, b->width() - 1));
                was += " " + std::to_string(q.x());
                QTest::mouseMove(b, q);
            }
            if (Esc) QTest::keyClick(b, Qt::Key_Escape);
            QTest::mouseRelease(b, Qt::LeftButton, {}, q);
            Merken(was + (Esc ? " Esc" : ""));
            if (Esc) Gleich_gesehen(vorher, was + " Esc");
            break;
        }
        default: {
            b->setFocus();
            const Qt::KeyboardModifier m[] = {Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier};
            const Qt::KeyboardModifier Umschalt = m[Zahl(0, 2)];
            const Qt::Key t = Chance(0.5) ? Qt::Key_Left : Qt::Key_Right;
            Merken("Taste " + std::to_string(int(t)) + " mit " + std::to_string(int(Umschalt)) + " auf der Grafik");
            for (int i = Zahl(1, 3); i > 0; --i) QTest::keyClick(b, t, Umschalt);
        }
        }
    }

    // Keys a user presses on the window: Space on a box, the Alt shortcuts of the light buttons,
    // a save to a folder that does not exist (said, never silently dropped).
    void Tasten() {
        switch (Zahl(0, 2)) {
        case 0: {
            const QList<QCheckBox*> k = f->findChildren<QCheckBox*>();
            QCheckBox* c = k[Zahl(0, int(k.size()) - 1)];
            if (!Bedienbar(c)) return;
            c->setFocus();
            if (Fokus() != c) return;
            Merken("Leertaste auf " + c->objectName().toStdString());
            QTest::keyClick(c, Qt::Key_Space);
            break;
        }
        case 1: {
            const Qt::Key t[] = {Qt::Key_H, Qt::Key_O, Qt::Key_S, Qt::Key_C};
            const Qt::Key k = t[Zahl(0, 3)];
            Merken("Alt+" + QKeySequence(k).toString().toStdString());
            QTest::keyClick(Fokus() ? Fokus() : f.get(), k, Qt::AltModifier);
            // The shortcut clicks its button once the pressed look has shown.
            if (Chance(0.5))
                QTest::qWait(120);
            else
                Alt_Klick_ausstehend.emplace().start();
            break;
        }
        default: {
            Merken("speichern nach /gibt-es-nicht");
            rec->Speicherort = QStringLiteral("/gibt-es-nicht/bild.png");
            rec->Speicherformat = QStringLiteral("PNG 1×");
            const qsizetype vorher = rec->Meldungen.size();
            f->Aktion_Grafik_speichern->trigger();
            if (rec->Meldungen.size() != vorher + 1) Fehler_melden("misslungenes Speichern ohne Meldung");
        }
        }
    }

    void Leichte_Aktion() {
        const int w = Zahl(0, 99);
        if (w < 40)
            Eingeben();
        else if (w < 51)
            Navigieren();
        else if (w < 58)
            Grafik();
        else if (w < 70)
            Kasten_klicken();
        else if (w < 80)
            Auswaehlen();
        else if (w < 88)
            Tasten();
        else {
            QAbstractButton* b[] = {f->BitBtn_Histoneu, f->BitBtn_OC, f->SpeedButton_Standardwerte,
                                    f->SpeedButton_Clipboard};
            Knopf(b[Zahl(0, 3)]);
        }
    }

    int seit_Serie = 1000, seit_Animation = 1000;
    void Aktion() {
        ++seit_Serie;
        ++seit_Animation;
        const int w = Zahl(0, 999);
        if (w < 990 || (seit_Serie < 60 && seit_Animation < 150)) return Leichte_Aktion();
        if (seit_Animation >= 150 && w >= 995) {
            seit_Animation = 0;
            return Knopf(Chance(0.5) ? static_cast<QAbstractButton*>(f->BitBtn_p0Animation) : f->BitBtn_nAnimation);
        }
        if (seit_Serie >= 60) {
            seit_Serie = 0;
            return Knopf(Chance(0.5) ? static_cast<QAbstractButton*>(f->Button_p0_variabel) : f->Button_n_variabel);
        }
        Leichte_Aktion();
    }

    // --- Invariants ----------------------------------------------------------------------------
    std::vector<std::string> Fehler;
    void Fehler_melden(const std::string& s) { Fehler.push_back(s); }

    bool Annehmbar(const Feld& F) const {
        const QString t = F.e->text();
        if (F.art == Art::Ganz) {
            int v = 0;
            return Ganzzahl_lesen(t.toStdString(), v) && F.im_Bereich(v);
        }
        Extended v = 0;
        return Dezimal_lesen(t.toStdString(), v) && F.im_Bereich(v);
    }

    void Pruefen(int Meldungen_vorher) {
        const Zustand& z = f->Stand();
        const std::string zs =
            " (n=" + std::to_string(z.n) + " k1=" + std::to_string(z.k1) + " k2=" + std::to_string(z.k2) + ")";
        if (!(z.n >= 1 && z.n <= k_Maximum)) Fehler_melden("n ausserhalb 1..4000" + zs);
        if (!(0 <= z.k1 && z.k1 <= z.k2 && z.k2 <= z.n)) Fehler_melden("k-Bereich" + zs);
        const int n = std::clamp(z.n, 0, k_Maximum);

        // The probability functions may round a single value an ulp or two above 1.
        constexpr long double eps = std::numeric_limits<long double>::epsilon();
        const Schalter s = f->Eingaben_des_Fensters().Stand().s;
        struct T {
            const Wertefeld* w;
            const char* Name;
            long double hoechstens;
        };
        std::vector<T> Tabellen = {
            {&z.P0_Tabelle, "P0", 1 + 4 * eps}, {&z.P0_kumuliert, "P0_kumuliert", 1}, {&z.P0_Rest, "P0_Rest", 1}};
        if (s.p1_zeichnen) Tabellen.push_back({&z.P1_Tabelle, "P1", 1 + 4 * eps});
        if (s.p2_zeichnen) Tabellen.push_back({&z.P2_Tabelle, "P2", 1 + 4 * eps});
        for (const T& t : Tabellen)
            for (int k = 0; k <= n; ++k) {
                const long double v = (*t.w)[k];
                if (!(std::isfinite(v) && v >= 0 && v <= t.hoechstens)) {
                    std::ostringstream o;
                    o.precision(21);
                    o << t.Name << "[" << k << "] = " << v << zs;
                    Fehler_melden(o.str());
                    break;
                }
            }

        auto Text_pruefen = [&](const QString& t, const QString& wo) {
            if (Unzahl_im_Text(t)) Fehler_melden("Unzahl in " + wo.toStdString() + ": '" + t.toStdString() + "'");
        };
        for (QLineEdit* e : f->findChildren<QLineEdit*>())
            if (!Vom_Nutzer(e)) Text_pruefen(e->text(), e->objectName());
        // Label_V_n repeats the text of Edit_n, the user's own text included while it stands
        // refused; that is an echo, not a computed value.
        // It keeps such a text until the next redraw, after a new entry as well.
        const QString V_n = f->Label_V_n->text();
        const bool V_n_Echo =
            V_n.startsWith(u"; ... ;") && V_n.endsWith(u']') && Texte_in_n.contains(V_n.mid(7, V_n.size() - 8));
        for (QLabel* l : f->findChildren<QLabel*>())
            if (!(l == f->Label_V_n && V_n_Echo)) Text_pruefen(l->text(), l->objectName());
        for (QAbstractButton* b : f->findChildren<QAbstractButton*>()) Text_pruefen(b->text(), b->objectName());
        for (QGroupBox* g : f->findChildren<QGroupBox*>()) Text_pruefen(g->title(), g->objectName());
        for (int i = Meldungen_vorher; i < rec->Meldungen.size(); ++i) Text_pruefen(rec->Meldungen[i], "Meldung");
        const TStringGrid& g = *f->StringGrid1;
        for (int r = 0; r < g.Zeilenzahl(); ++r)
            for (int c = 0; c < g.Spaltenzahl(); ++c)
                Text_pruefen(g.Zelle(c, r), QStringLiteral("Gitter %1,%2").arg(c).arg(r));

        for (const Feld& F : Felder()) {
            if (Annehmbar(F) || Vom_Nutzer(F.e)) continue;
            Fehler_melden("Feld " + F.e->objectName().toStdString() + " zeigt '" + F.e->text().toStdString() + "'" +
                          zs);
        }
    }
};

TEST_F(Zufallslauf, TausendeAktionenOhneUnzahlUndAusserhalbDerBereiche) {
    const auto seed = static_cast<std::uint64_t>(Umgebungszahl("QUORVEL_SEED", 20261208));
    const long long Anzahl = Umgebungszahl("QUORVEL_AKTIONEN", 5000);
    std::cout << "Zufallslauf: QUORVEL_SEED=" << seed << " QUORVEL_AKTIONEN=" << Anzahl << std::endl;
    zufall.seed(seed);

    // After a failure the run goes on from the start values, so that one run shows several
    // independent faults; it stops after a few.
    int gewechselt = 0, Fehlschlaege = 0;
    for (long long i = 0; i < Anzahl && Fehlschlaege < 5; ++i) {
        const int Meldungen_vorher = static_cast<int>(rec->Meldungen.size());
        const bool p1_vorher = f->CheckBox_p1_zeichnen->isChecked();
        Aktion();
        gewechselt += p1_vorher != f->CheckBox_p1_zeichnen->isChecked();
        Pruefen(Meldungen_vorher);
        if (!Fehler.empty()) {
            std::string v;
            for (const std::string& s : Verlauf) v += "  " + s + "\n";
            std::string e;
            for (const std::string& s : Fehler) e += "  " + s + "\n";
            ADD_FAILURE() << "Seed " << seed << ", Aktion " << i << ":\n" << e << "zuletzt:\n" << v;
            ++Fehlschlaege;
            Fehler.clear();
            Verlauf.clear();
            f->SpeedButton_Standardwerte->click();
            Nutzertext.clear();
        }
    }
    // The clicks must really reach the boxes, or the run would test far less than it claims.
    EXPECT_GT(gewechselt, 0);
    std::cout << "Zufallslauf: " << Anzahl << " Aktionen, " << rec->Meldungen.size() << " Meldungen, " << rec->Toene
              << " Toene" << std::endl;
}

}  // namespace
