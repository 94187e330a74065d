#include "ui/Eingabe_lesen.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

#include <charconv>
#include <cmath>
#include <string>

namespace {

bool ist_Leerzeichen(QChar c) { return c == u' ' || c == u'\t'; }

// Only the ASCII digits: QChar::isDigit would also let other scripts' digits through.
bool ist_Ziffer(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

// Steps over an optional sign at i; true for a minus.
bool Vorzeichen_lesen(QStringView t, qsizetype& i) {
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) return t[i++] == u'-';
    return false;
}

// One number with the point as separator: blanks, sign, digits, fraction, exponent,
// the whole text. The conversion itself is std::from_chars, which never looks at the
// locale; the text is checked here first so that "inf", "nan" and hex forms never reach it.
std::optional<Extended> Zahl_lesen(QStringView t) {
    const qsizetype ende = t.size();
    qsizetype i = 0;
    while (i < ende && ist_Leerzeichen(t[i])) ++i;
    const bool negativ = Vorzeichen_lesen(t, i);

    std::string ganz, bruch;
    while (i < ende && ist_Ziffer(t[i])) ganz += static_cast<char>(t[i++].unicode());
    if (i < ende && t[i] == u'.') {
        ++i;
        while (i < ende && ist_Ziffer(t[i])) bruch += static_cast<char>(t[i++].unicode());
    }
    if (ganz.empty() && bruch.empty()) return std::nullopt;

    std::string exponent;
    bool exponent_negativ = false;
    if (i < ende && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        exponent_negativ = Vorzeichen_lesen(t, i);
        while (i < ende && ist_Ziffer(t[i])) exponent += static_cast<char>(t[i++].unicode());
        if (exponent.empty()) return std::nullopt;
    }
    if (i != ende) return std::nullopt;

    std::string text = negativ ? "-" : "";
    text += ganz.empty() ? "0" : ganz;
    if (!bruch.empty()) text += "." + bruch;
    if (!exponent.empty()) text += (exponent_negativ ? "e-" : "e") + exponent;

    Extended wert = 0;
    const auto [ptr, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler == std::errc() && ptr == text.data() + text.size()) return wert;
    if (fehler != std::errc::result_out_of_range) return std::nullopt;

    // Out of range: too large fails, too small reads as 0 (the standard conversion's
    // underflow), so the decimal magnitude of the text decides.
    long long stelle;  // power of ten of the leading nonzero digit, without the exponent
    const auto erste = ganz.find_first_not_of('0');
    if (erste != std::string::npos) {
        stelle = static_cast<long long>(ganz.size() - erste) - 1;
    } else {
        const auto erste_bruch = bruch.find_first_not_of('0');
        if (erste_bruch == std::string::npos) return std::nullopt;  // zero never overflows
        stelle = -static_cast<long long>(erste_bruch) - 1;
    }
    long long hoch = 0;
    for (char c : exponent) {
        hoch = hoch * 10 + (c - '0');
        if (hoch > 1'000'000'000'000LL) break;  // far beyond either end of the range
    }
    const long long groesse = stelle + (exponent_negativ ? -hoch : hoch);
    if (groesse >= 0) return std::nullopt;
    return Extended{0};
}

}  // namespace

bool Ganzzahl_lesen(const QString& Text, int& Wert) {
    const qsizetype ende = Text.size();
    qsizetype i = 0;
    while (i < ende && ist_Leerzeichen(Text[i])) ++i;
    const bool negativ = Vorzeichen_lesen(Text, i);
    if (i == ende) return false;
    const long long grenze = negativ ? 2147483648LL : 2147483647LL;
    long long betrag = 0;
    for (; i < ende; ++i) {
        if (!ist_Ziffer(Text[i])) return false;
        betrag = betrag * 10 + (Text[i].unicode() - u'0');
        if (betrag > grenze) return false;
    }
    Wert = static_cast<int>(negativ ? -betrag : betrag);
    return true;
}

bool Dezimal_lesen(const QString& Text, Extended& Wert) {
    QString text = Text;
    text.replace(u',', u'.');

    const qsizetype strich = text.indexOf(u'/');
    const QStringView zaehler_text = QStringView(text).left(strich < 0 ? text.size() : strich);
    Extended nenner = 1;
    if (strich >= 0) {
        const auto n = Zahl_lesen(QStringView(text).mid(strich + 1));
        if (!n || *n == 0) return false;
        nenner = *n;
    }
    const auto zaehler = Zahl_lesen(zaehler_text);
    if (!zaehler) return false;

    Extended quotient = *zaehler / nenner;
    if (!std::isfinite(quotient)) return false;
    // A quotient below the normal range reads as 0 like a number that small does; and "-0"
    // reads as plain 0, so a field never comes to show "-0".
    if (quotient == 0 || std::fpclassify(quotient) == FP_SUBNORMAL) quotient = 0;
    Wert = quotient;
    return true;
}

std::optional<QChar> Zeichen_filtern(QChar Zeichen, Feldart Art) {
    if (ist_Ziffer(Zeichen)) return Zeichen;
    if (Art == Feldart::Dezimal) {
        if (Zeichen == u',' || Zeichen == u'/') return Zeichen;
        if (Zeichen == u'.') return QChar(u',');
    }
    return std::nullopt;
}

namespace {

QString Text_filtern(const QString& text, Feldart art) {
    QString ergebnis;
    for (QChar c : text)
        if (const auto z = Zeichen_filtern(c, art)) ergebnis += *z;
    return ergebnis;
}

// The same test as the line edit's own before it inserts the text of a key press:
// text that starts with a control character (Backspace, Delete, Tab, Escape, Ctrl+letter)
// and presses with Ctrl or Ctrl+Shift insert nothing.
bool fuegt_Text_ein(const QKeyEvent& taste) {
    const QString text = taste.text();
    if (text.isEmpty() || text[0].category() == QChar::Other_Control) return false;
    const Qt::KeyboardModifiers m = taste.modifiers();
    return m != Qt::ControlModifier && m != (Qt::ControlModifier | Qt::ShiftModifier);
}

// Enter moves on exactly as Tab does: the window's own Tab handling takes the focus
// order, skips hidden and disabled controls, and so runs the field's exit handler.
void Fokus_weiter(QObject* feld) {
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    QCoreApplication::sendEvent(feld, &tab);
}

}  // namespace

Tastenfilter::Tastenfilter(Feldart Art, QObject* Eltern) : QObject(Eltern), Art_(Art) {}

bool Tastenfilter::eventFilter(QObject* Objekt, QEvent* Ereignis) {
    if (Ereignis->type() == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(Ereignis);
        const QString gefiltert = Text_filtern(im->commitString(), Art_);
        if (gefiltert != im->commitString())
            im->setCommitString(gefiltert, im->replacementStart(), im->replacementLength());
        return false;
    }
    if (Ereignis->type() != QEvent::KeyPress) return false;

    auto* taste = static_cast<QKeyEvent*>(Ereignis);
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        Fokus_weiter(Objekt);
        return true;
    }
    if (!fuegt_Text_ein(*taste)) return false;

    const QString gefiltert = Text_filtern(taste->text(), Art_);
    if (gefiltert == taste->text()) return false;
    if (!gefiltert.isEmpty()) {
        // A point typed into a decimal field arrives as a comma key press of its own, so the
        // field's undo and selection handling treat it like any typed character.
        const int taste_neu =
            gefiltert.size() == 1 ? int{gefiltert[0].unicode()} : int{Qt::Key_unknown};
        QKeyEvent ersatz(QEvent::KeyPress, taste_neu, taste->modifiers(), gefiltert);
        QCoreApplication::sendEvent(Objekt, &ersatz);
    }
    return true;
}
