// The short help: the resource Hilfe.html (Hilfe_en.html in English) in a window of its own, not
// modal, so that the main window stays usable beside it. One window per main window; F1 again
// brings it to the front.

#include "ui/Quorvel.h"

#include "ui/Hilfetext.h"
#include "ui/Sprache.h"

#include <QDialogButtonBox>
#include <QCoreApplication>
#include <QVBoxLayout>

void TForm1::Hilfe_zeigen() {
    if (!Hilfe) {
        Hilfe = new QDialog(this);
        Hilfe->setObjectName(QStringLiteral("Hilfe"));
        Hilfe->setWindowTitle(QCoreApplication::translate("Hilfe", "Hilfe"));
        auto* Text = new Hilfetext(Hilfe);
        Text->setObjectName(QStringLiteral("Hilfetext"));
        Text->setAccessibleName(QCoreApplication::translate("Hilfe", "Hilfe"));
        Text->setSource(QUrl(Aktuelle_Sprache() == Sprache::Englisch ? QStringLiteral("qrc:/Hilfe_en.html")
                                                                     : QStringLiteral("qrc:/Hilfe.html")));
        auto* Knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, Hilfe);
        connect(Knoepfe, &QDialogButtonBox::rejected, Hilfe, &QDialog::close);
        auto* Spalte = new QVBoxLayout(Hilfe);
        Spalte->addWidget(Text);
        Spalte->addWidget(Knoepfe);
        Hilfe->resize(620, 680);
        // The keys scroll the text; otherwise the dialog would give its focus to the button.
        Text->setFocus();
    }
    Hilfe->show();
    Hilfe->raise();
    Hilfe->activateWindow();
}
