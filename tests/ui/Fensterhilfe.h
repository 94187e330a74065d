#pragma once
// The real main window, shown and active, with the desktop services replaced by a recorder;
// and the two things a user does most: type into a field and leave it, pick a combo item.

#include "ui/Dienste.h"
#include "ui/Quorvel.h"
#include "ui/Sprache.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Stands in for the message box, the beep and the clipboard.
struct Rekorder : Dienste {
    QStringList Meldungen;
    int Toene = 0;
    std::vector<QImage> Bilder;
    // A long random run copies hundreds of charts and looks at none of them.
    bool Bilder_behalten = true;
    void Meldung(const QString& Text) override { Meldungen << Text; }
    void Signalton() override { ++Toene; }
    void Bild_kopieren(const QImage& Bild) override {
        if (Bilder_behalten) Bilder.push_back(Bild);
    }
    // The file dialog's answer, and the PDF file the print dialog's printer writes (empty:
    // the dialog is cancelled); what each file dialog offered, how often the print dialog came.
    QString Speicherort, Speicherformat, Druckdatei;
    std::vector<Speicherangebot> Angebote;
    int Druckdialoge = 0;
    QString Speicherort_waehlen(QWidget*, const Speicherangebot& Angebot, QString& Format) override {
        Angebote.push_back(Angebot);
        Format = Speicherformat;
        return Speicherort;
    }
    // The lesson file dialogs' answers and the answer to the unsaved-changes question; what
    // was asked.
    QString Oeffnen_Datei, Speichern_Datei;
    Antwort Antwort_auf_Frage = Antwort::Abbrechen;
    QStringList Fragen;
    QString Aufgabe_zum_Oeffnen(QWidget*, const QString&, const QString&) override { return Oeffnen_Datei; }
    QString Aufgabe_zum_Speichern(QWidget*, const QString&) override { return Speichern_Datei; }
    Antwort Aenderungen_fragen(QWidget*, const QString& Frage) override {
        Fragen << Frage;
        return Antwort_auf_Frage;
    }
    bool Drucker_waehlen(QWidget*, QPrinter& Drucker) override {
        ++Druckdialoge;
        Drucker.setOutputFormat(QPrinter::PdfFormat);
        Drucker.setOutputFileName(Druckdatei);
        return !Druckdatei.isEmpty();
    }
};

class Fenstertest : public ::testing::Test {
protected:
    void SetUp() override {
        auto r = std::make_unique<Rekorder>();
        rec = r.get();
        Dienste_setzen(std::move(r));
        f = std::make_unique<TForm1>();
        f->show();
        QApplication::setActiveWindow(f.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    }
    void TearDown() override {
        f.reset();
        Dienste_setzen(nullptr);
    }

    // Leaves a field the way the user does: the focus moves on to another control.
    void Eingeben(QLineEdit* e, const QString& Text) {
        e->setFocus();
        e->selectAll();
        QTest::keyClicks(e, Text);
        QTest::keyClick(e, Qt::Key_Tab);
    }
    // What the user does to pick an item: select it and let the box report the pick.
    void Waehlen(QComboBox* c, int i) {
        c->setFocus();
        c->setCurrentIndex(i);
        emit c->activated(i);
    }

    Rekorder* rec = nullptr;
    std::unique_ptr<TForm1> f;
};

// The window in English: its form translates itself when it is built, so the language comes
// first; German is put back for the tests that follow.
class Englischer_Fenstertest : public Fenstertest {
protected:
    void SetUp() override {
        ASSERT_TRUE(Sprache_einstellen(Sprache::Englisch));
        Fenstertest::SetUp();
    }
    void TearDown() override {
        Fenstertest::TearDown();
        Sprache_einstellen(Sprache::Deutsch);
    }
};
