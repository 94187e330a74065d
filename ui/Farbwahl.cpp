#include "ui/Farbwahl.h"

#include <QAction>
#include <QKeySequence>
#include <QSettings>
#include <QWidget>

namespace {

const QString Einstellung = QStringLiteral("Projektorfarben");  // kein Text

QSettings Einstellungen() { return QSettings(QStringLiteral("Quorvel-Entwicklung"), QStringLiteral("Quorvel")); }

}  // namespace

Farbwahl::Farbwahl(QWidget& Fenster) : QObject(&Fenster), aktion(new QAction(tr("&Projektorfarben"), &Fenster)) {
    aktion->setObjectName(QStringLiteral("Aktion_Projektorfarben"));
    aktion->setCheckable(true);
    aktion->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    aktion->setStatusTip(
        tr("Farben und Schraffuren der Grafik, die auch am Beamer und bei "
           "Rot-Grün-Schwäche unterscheidbar bleiben"));
    // A missing or unreadable settings file leaves the standard colours.
    const QSettings e = Einstellungen();
    aktion->setChecked(e.status() == QSettings::NoError && e.value(Einstellung, false).toBool());
    Fenster.addAction(aktion);
    connect(aktion, &QAction::toggled, this, [this](bool an) {
        QSettings e = Einstellungen();
        if (e.status() == QSettings::NoError) e.setValue(Einstellung, an);
        emit geaendert();
    });
}

const Farbsatz& Farbwahl::Farben() const { return aktion->isChecked() ? Projektorfarben() : Standardfarben(); }
