#include "ui/Hilfetext.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

QString Lesetext(const QTextDocument& d) {
    QString t = d.toRawText();
    for (QChar& c : t) {
        switch (c.unicode()) {
        case 0xFDD0:  // a frame (table, cell) begins
        case 0xFDD1:  // and ends
        case QChar::ParagraphSeparator:
        case QChar::LineSeparator:
            c = QLatin1Char('\n');
            break;
        case QChar::Nbsp:
            c = QLatin1Char(' ');
            break;
        default:
            break;
        }
    }
    return t;
}

namespace {

class Hilfetext_Zugang : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Hilfetext_Zugang(Hilfetext* h) : QAccessibleWidget(h, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Lesetext(*Browser()->document());
        return QAccessibleWidget::text(t);
    }

    // The one selection Qt's text widgets have.
    void selection(int i, int* von, int* bis) const override {
        const QTextCursor c = Browser()->textCursor();
        *von = *bis = 0;
        if (i == 0 && c.hasSelection()) {
            *von = c.selectionStart();
            *bis = c.selectionEnd();
        }
    }
    int selectionCount() const override { return Browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int von, int bis) override { setSelection(0, von, bis); }
    void removeSelection(int i) override {
        if (i != 0) return;
        QTextCursor c = Browser()->textCursor();
        c.clearSelection();
        Browser()->setTextCursor(c);
    }
    void setSelection(int i, int von, int bis) override {
        if (i != 0) return;
        QTextCursor c = Cursor(von);
        c.setPosition(Begrenzt(bis), QTextCursor::KeepAnchor);
        Browser()->setTextCursor(c);
    }
    int cursorPosition() const override { return Browser()->textCursor().position(); }
    void setCursorPosition(int p) override { Browser()->setTextCursor(Cursor(p)); }

    QString text(int von, int bis) const override {
        const QString t = Lesetext(*Browser()->document());
        von = std::clamp(von, 0, int(t.size()));
        bis = std::clamp(bis, von, int(t.size()));
        return t.mid(von, bis - von);
    }
    int characterCount() const override { return int(Lesetext(*Browser()->document()).size()); }

    QRect characterRect(int p) const override {
        const QTextCursor c = Cursor(p);
        QRect r = Browser()->cursorRect(c);
        const QString t = text(p, p + 1);
        r.setWidth(Browser()->fontMetrics().horizontalAdvance(t.isEmpty() ? QStringLiteral(" ") : t));
        return QRect(Browser()->viewport()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint& Punkt) const override {
        const QPoint p = Browser()->viewport()->mapFromGlobal(Punkt);
        if (!Browser()->viewport()->rect().contains(p)) return -1;
        return Browser()->cursorForPosition(p).position();
    }
    void scrollToSubstring(int von, int bis) override {
        Hilfetext* h = Browser();
        const QTextCursor alt = h->textCursor();
        h->setTextCursor(Cursor(bis));
        h->ensureCursorVisible();
        h->setTextCursor(Cursor(von));
        h->ensureCursorVisible();
        h->setTextCursor(alt);
    }
    QString attributes(int p, int* von, int* bis) const override {
        *von = std::max(0, p);
        *bis = *von + 1;
        return {};
    }

private:
    Hilfetext* Browser() const { return static_cast<Hilfetext*>(widget()); }
    int Begrenzt(int p) const { return std::clamp(p, 0, characterCount()); }
    QTextCursor Cursor(int p) const {
        QTextCursor c(Browser()->document());
        c.setPosition(Begrenzt(p));
        return c;
    }
};

QAccessibleInterface* Fabrik(const QString& Klasse, QObject* o) {
    if (Klasse == QLatin1String("Hilfetext")) return new Hilfetext_Zugang(static_cast<Hilfetext*>(o));
    return nullptr;
}

}  // namespace

Hilfetext::Hilfetext(QWidget* parent) : QTextBrowser(parent) {
    static const bool einmal = [] {
        QAccessible::installFactory(Fabrik);
        return true;
    }();
    (void)einmal;
}
