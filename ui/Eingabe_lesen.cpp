#include "ui/Eingabe_lesen.h"

#include "analysis/Zahlentexte.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

// Only the ASCII digits: QChar::isDigit would also let other scripts' digits through.
bool ist_Ziffer(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }

}  // namespace

std::optional<QChar> Zeichen_filtern(QChar Zeichen, Feldart Art) {
    if (ist_Ziffer(Zeichen)) return Zeichen;
    if (Art == Feldart::Dezimal) {
        if (Zeichen == u'/') return Zeichen;
        // Either sign is typed as the language's, so the field shows one kind of number.
        if (Zeichen == u',' || Zeichen == u'.') return QChar::fromLatin1(Dezimalzeichen());
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
        const int taste_neu = gefiltert.size() == 1 ? int{gefiltert[0].unicode()} : int{Qt::Key_unknown};
        QKeyEvent ersatz(QEvent::KeyPress, taste_neu, taste->modifiers(), gefiltert);
        QCoreApplication::sendEvent(Objekt, &ersatz);
    }
    return true;
}
