// Program start: the command line is answered first, on the terminal and without a display
// (--help, --version, an unknown option); then one window and the event loop until it is
// closed; nothing is read or saved.

#include "ui/Dienste.h"
#include "ui/Quorvel.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

struct Aufruf {
    enum Art { Fenster, Hilfe, Version, Fehler };
    Art Was = Fenster;
    QString Text;  // what goes to the terminal: the help, the version or the error
};

const QString Aufrufzeile = QStringLiteral("Aufruf: quorvel [Optionen]\n");

QString Optionsnamen(const QCommandLineOption& o) {
    QStringList namen;
    for (const QString& n : o.names()) namen << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    return namen.join(QStringLiteral(", "));
}

QString Hilfetext(const QList<QCommandLineOption>& optionen) {
    qsizetype breite = 0;
    for (const QCommandLineOption& o : optionen) breite = std::max(breite, Optionsnamen(o).size());
    QString text = Aufrufzeile +
                   QStringLiteral("\nDiskrete Verteilungen und Hypothesentests erkunden: ein Fenster für den\n"
                                  "Stochastikunterricht. Ohne Optionen öffnet sich das Fenster.\n\nOptionen:\n");
    for (const QCommandLineOption& o : optionen)
        text += QStringLiteral("  %1  %2\n").arg(Optionsnamen(o).leftJustified(breite), o.description());
    return text + QStringLiteral("\nDazu die Optionen, die jedes Qt-Programm versteht, etwa -platform und -style.\n");
}

// Reads the command line before QApplication exists, so that --help needs no display. A new
// option is one more addOption here and one more case below; Hilfetext lists it by itself.
Aufruf Aufruf_lesen(const QStringList& argumente) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform xcb) and must stay valid.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("diese Hilfe zeigen"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("die Versionsnummer zeigen"));
    const QList<QCommandLineOption> eigene{hilfe, version};
    parser.addOptions(eigene);
    // The options QApplication takes out of argv itself (Qt's documented ones, the X11 ones
    // included): accepted here unseen, so that they reach it.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "name", "geometry", "title",
                             "icon", "style", "stylesheet"}) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("wert"));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char* name : {"reverse", "sync", "widgetcount", "nograb", "dograb"}) {
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }

    const bool gelesen = parser.parse(argumente);
    if (parser.isSet(hilfe)) return {Aufruf::Hilfe, Hilfetext(eigene)};
    if (parser.isSet(version)) return {Aufruf::Version, QStringLiteral("quorvel %1\n").arg(QStringLiteral(QUORVEL_VERSION))};

    QString fehler;
    if (!parser.unknownOptionNames().isEmpty()) {
        // The parser names the option without its dashes; the message shows it as typed.
        const QString name = parser.unknownOptionNames().constFirst();
        QString getippt = name;
        for (const QString& a : argumente.mid(1)) {
            QString ohne_striche = a.section(QLatin1Char('='), 0, 0);
            while (ohne_striche.startsWith(QLatin1Char('-'))) ohne_striche.remove(0, 1);
            if (a.startsWith(QLatin1Char('-')) && ohne_striche == name) {
                getippt = a;
                break;
            }
        }
        fehler = QStringLiteral("unbekannte Option „%1“").arg(getippt);
    }
    else if (!gelesen)  // the only other parse error: a value option at the very end
        fehler = QStringLiteral("der Option „%1“ fehlt ihr Wert").arg(argumente.constLast());
    else if (!parser.positionalArguments().isEmpty())
        fehler = QStringLiteral("unerwartetes Argument „%1“").arg(parser.positionalArguments().constFirst());
    if (!fehler.isEmpty())
        return {Aufruf::Fehler,
                QStringLiteral("quorvel: %1\n").arg(fehler) + Aufrufzeile + QStringLiteral("„quorvel --help“ zeigt die Hilfe.\n")};
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf aufruf = Aufruf_lesen(argumente);
    if (aufruf.Was != Aufruf::Fenster) {
        const bool fehler = aufruf.Was == Aufruf::Fehler;
        std::fputs(aufruf.Text.toLocal8Bit().constData(), fehler ? stderr : stdout);
        return fehler ? 1 : 0;
    }

    // Who the program is, to the desktop: the application name is the class part of the
    // window's WM_CLASS (the desktop entry's StartupWMClass), the desktop file name its
    // Wayland app id.
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));
    QApplication::setOrganizationName(QStringLiteral("Quorvel-Entwicklung"));
    QApplication::setDesktopFileName(QStringLiteral("de.quorvel.Quorvel"));
    QApplication app(argc, argv);
    Uebersetzungen_laden();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvel.svg")));
    TForm1 Form1;
    Form1.show();
    return app.exec();
}
