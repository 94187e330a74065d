#pragma once
// The help's text browser as a screen reader gets it: the document's plain text, line by line.
// Qt hands a text's raw characters on, and a rich document's raw text holds markers of its
// own (U+FDD0, U+FDD1 around every table and cell, U+2029 between paragraphs) that a reader
// spells out or swallows whole lines with. Here each one is a line break: one character for
// one, so every offset still points at the same place in the document.

#include <QString>
#include <QTextBrowser>

class Hilfetext : public QTextBrowser {
    Q_OBJECT
public:
    explicit Hilfetext(QWidget* parent = nullptr);
};

// The document's text as a screen reader hears it (the same length as its raw text).
QString Lesetext(const QTextDocument& d);
