#include "ui/Bildschirmgroesse.h"

#include "ui/Dienste.h"
#include "ui/Dokument.h"
#include "ui/Fensterplatz.h"
#include "ui/Sprache.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>
#include <unistd.h>

namespace {

// Set by the program for the process it starts: the zoom it draws at, and the folder that
// holds the window's state.
constexpr char Zoom_Variable[] = "QUORVEL_ZOOM";
constexpr char Zustand_Variable[] = "QUORVEL_ZUSTAND";

// In device pixels: under a zoom Qt's logical pixels are the device's divided by it.
QRect Geraetepixel(const QRect& r, qreal f) {
    return QRect(qRound(r.x() * f), qRound(r.y() * f), qRound(r.width() * f), qRound(r.height() * f));
}

QString Schluessel() {
    QList<QRect> l;
    for (const QScreen* s : QGuiApplication::screens()) l << Geraetepixel(s->geometry(), s->devicePixelRatio());
    return Bildschirmschluessel(l);
}

QList<QRect> Verfuegbare_Flaechen() {
    QList<QRect> l;
    if (const QScreen* p = QGuiApplication::primaryScreen()) l << p->availableGeometry();
    for (const QScreen* s : QGuiApplication::screens())
        if (s != QGuiApplication::primaryScreen()) l << s->availableGeometry();
    return l;
}

// The program again in this process with Argumente, at Prozent, with the state in Ordner (empty:
// none). Returns only when exec failed, with its reason.
QString Neu_starten(int Prozent, const QString& Ordner, const QStringList& Argumente) {
    const bool Faktor_gesetzt = qEnvironmentVariableIsSet("QT_SCALE_FACTOR");
    const QByteArray Faktor = qgetenv("QT_SCALE_FACTOR");
    qputenv(Zoom_Variable, QByteArray::number(Prozent));
    if (Prozent == 100)
        qunsetenv("QT_SCALE_FACTOR");
    else
        qputenv("QT_SCALE_FACTOR", QByteArray::number(Prozent / 100.0));
    if (Ordner.isEmpty())
        qunsetenv(Zustand_Variable);
    else
        qputenv(Zustand_Variable, QFile::encodeName(Ordner));
    const QByteArray Programm = QFile::encodeName(QCoreApplication::applicationFilePath());
    std::vector<QByteArray> a{Programm};
    for (const QString& t : Argumente.mid(1)) a.push_back(t.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& t : a) argv.push_back(t.data());
    argv.push_back(nullptr);
    ::execv(Programm.constData(), argv.data());
    const QString Grund = QString::fromLocal8Bit(std::strerror(errno));
    qunsetenv(Zoom_Variable);
    qunsetenv(Zustand_Variable);
    if (Faktor_gesetzt)
        qputenv("QT_SCALE_FACTOR", Faktor);
    else
        qunsetenv("QT_SCALE_FACTOR");
    return Grund;
}

}  // namespace

Bildschirmgroesse::Bildschirmgroesse(QWidget& f, Dokument& d, QMenu* Menue) : QObject(&f), Fenster(f), dokument(d) {
    Menue->addSeparator();
    QMenu* Ansicht = Ansichtsmenue = Menue->addMenu(QCoreApplication::translate("Bildschirmgroesse", "&Ansicht"));
    Ansicht->setObjectName(QStringLiteral("Menue_Ansicht"));
    Ansicht->setAccessibleName(QCoreApplication::translate("Bildschirmgroesse", "Ansicht"));
    Groesser = Ansicht->addAction(QCoreApplication::translate("Bildschirmgroesse", "&Größer"));
    Kleiner = Ansicht->addAction(QCoreApplication::translate("Bildschirmgroesse", "&Kleiner"));
    Normal = Ansicht->addAction(QCoreApplication::translate("Bildschirmgroesse", "&Normalgröße"));
    // Ctrl+= is where the plus lies unshifted on many keyboards.
    Groesser->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    Kleiner->setShortcut(QKeySequence::ZoomOut);
    Normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    for (QAction* a : {Groesser, Kleiner, Normal}) {
        a->setParent(&Fenster);
        Fenster.addAction(a);
    }
    connect(Groesser, &QAction::triggered, this, [this] { Zoom_waehlen(1); });
    connect(Kleiner, &QAction::triggered, this, [this] { Zoom_waehlen(-1); });
    connect(Normal, &QAction::triggered, this, [this] { Zoom_waehlen(0); });
}

namespace {

// The zoom this process was started at; 100 without one.
int Gestartet_mit = 100;

}  // namespace

int Bildschirmgroesse::Zoom() { return Gestartet_mit; }

QRect Bildschirmgroesse::Oeffnungsrahmen() const {
    const QList<QRect> v = Verfuegbare_Flaechen();
    if (v.isEmpty()) return QRect(Fenster.pos(), Fenster_Vorgabe);
    const QRect r = Rahmen_gemerkt(Schluessel(), Zoom());
    return r.isValid() ? Rahmen_einpassen(r, v) : Rahmen_vorgegeben(v.constFirst());
}

void Bildschirmgroesse::Platz_merken() const {
    if (Fenster.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized)) return;
    Rahmen_merken(Schluessel(), Zoom(), Fenster.frameGeometry());
}

void Bildschirmgroesse::Zoom_waehlen(int Richtung) {
    const QScreen* s = Fenster.screen();
    if (!s) return;
    const int Jetzt = Zoom();
    const int Neu = Zoom_schritt(Jetzt, Richtung,
                                 Zoom_hoechstens(Geraetepixel(s->availableGeometry(), s->devicePixelRatio()).size()));
    if (Neu == Jetzt) return dienste().Signalton();
    QTemporaryDir Ordner(QDir::temp().filePath(QStringLiteral("quorvel-XXXXXX")));
    if (!Ordner.isValid() || !dokument.Zustand_schreiben(Ordner.path()))
        return dienste().Meldung(
            QCoreApplication::translate("Bildschirmgroesse",
                                        "Die Größe lässt sich nicht ändern: der Zustand des Fensters "
                                        "ließ sich nicht sichern."));
    Platz_merken();
    const QString k = Schluessel();
    Zoom_merken(k, Neu);
    // The new process removes the folder once it has read it.
    Ordner.setAutoRemove(false);
    // The new process speaks the language this one does, whatever the interface's is.
    const QString Grund =
        Neu_starten(Neu, Ordner.path(),
                    {QString(), QStringLiteral("--sprache"),  // kein Text
                     Aktuelle_Sprache() == Sprache::Englisch ? QStringLiteral("en") : QStringLiteral("de")});
    Zoom_merken(k, Jetzt);
    QDir(Ordner.path()).removeRecursively();
    dienste().Meldung(
        QCoreApplication::translate("Bildschirmgroesse", "Die Größe lässt sich nicht ändern: %1").arg(Grund));
}

void Bildschirmgroesse::Zustand_uebernehmen(Dokument& d) {
    const QByteArray Ordner = qgetenv(Zustand_Variable);
    qunsetenv(Zustand_Variable);
    if (Ordner.isEmpty()) return;
    const QString o = QFile::decodeName(Ordner);
    if (!d.Zustand_lesen(o))
        dienste().Meldung(QCoreApplication::translate(
            "Bildschirmgroesse", "Die Eingaben des vorigen Fensters ließen sich nicht übernehmen."));
    QDir(o).removeRecursively();
}

void Bildschirmgroesse::Zoom_beim_Start(const QStringList& Argumente) {
    // A process this program started already draws at the zoom it was given. Qt has read its
    // factor by now: programs this one starts (a browser for a link) get neither variable.
    if (qEnvironmentVariableIsSet(Zoom_Variable)) {
        bool Zahl = false;
        const int p = qEnvironmentVariableIntValue(Zoom_Variable, &Zahl);
        if (Zahl && std::find(Zoomstufen.begin(), Zoomstufen.end(), p) != Zoomstufen.end()) Gestartet_mit = p;
        qunsetenv(Zoom_Variable);
        qunsetenv("QT_SCALE_FACTOR");
        return;
    }
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QSize v = Geraetepixel(s->availableGeometry(), s->devicePixelRatio()).size();
        const int Gemerkt = std::min(Zoom_gemerkt(Schluessel()), Zoom_hoechstens(v));
        if (Gemerkt != 100) Neu_starten(Gemerkt, {}, Argumente);
    }
    // Only a failed exec comes back: this process draws at 100 %.
    qunsetenv(Zoom_Variable);
}
