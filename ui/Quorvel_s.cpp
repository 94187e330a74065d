// Program start: the command line is answered first, on the terminal and without a display
// (--help, --version, an unknown option); --grafik renders a lesson file's chart into a file
// without a window; otherwise one window, with the lesson file named on the command line
// opened, and the event loop until it is closed.

#include "ui/Bildschirmgroesse.h"
#include "ui/Dienste.h"
#include "ui/Dokument.h"
#include "ui/Quorvel.h"
#include "ui/Sprache.h"

#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

namespace {

struct Aufruf {
    enum Art { Fenster, Hilfe, Version, Fehler, Grafik };
    Art Was = Fenster;
    QString Text;                             // what goes to the terminal: the help, the version or the error
    QString Datei;                            // the lesson file to open, empty for none
    QString Bilddatei;                        // Grafik: where the chart goes
    int Skala = 1;                            // Grafik: the PNG's scale
    std::optional<Sprache> Sprache_gewaehlt;  // --sprache; else the interface's
};

Aufruf Antwort(Aufruf::Art Was, QString Text) {
    Aufruf a;
    a.Was = Was;
    a.Text = std::move(Text);
    return a;
}

// The terminal's texts are written before QApplication exists, when QCoreApplication::translate
// has no translator to ask: these translators are asked directly. None: German.
std::vector<std::unique_ptr<QTranslator>>& Terminaluebersetzer() {
    static std::vector<std::unique_ptr<QTranslator>> v;
    return v;
}

void Terminalsprache_setzen(Sprache s) {
    Terminaluebersetzer() =
        s == Sprache::Englisch ? Englische_Uebersetzungen() : std::vector<std::unique_ptr<QTranslator>>{};
}

// Quelle (a literal marked by QT_TRANSLATE_NOOP in the context "Quorvel_s") in the terminal's language.
QString Text(const char* Quelle) {
    for (const auto& t : Terminaluebersetzer()) {
        const QString u = t->translate("Quorvel_s", Quelle);
        if (!u.isEmpty()) return u;
    }
    return QString::fromUtf8(Quelle);
}

constexpr const char* Aufrufzeile =
    QT_TRANSLATE_NOOP("Quorvel_s",
                      "Aufruf: quorvel [Optionen] [aufgabe.quorvel]\n"
                      "        quorvel --grafik bild.png|bild.pdf [--skala 2] aufgabe.quorvel\n");

QString Optionsnamen(const QCommandLineOption& o) {
    QStringList namen;
    for (const QString& n : o.names()) namen << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
    return namen.join(QStringLiteral(", "));
}

QString Hilfetext(const QList<QCommandLineOption>& optionen) {
    qsizetype breite = 0;
    for (const QCommandLineOption& o : optionen) breite = std::max(breite, Optionsnamen(o).size());
    QString text = Text(Aufrufzeile) +
                   Text(QT_TRANSLATE_NOOP("Quorvel_s",
                                          "\nDiskrete Verteilungen und Hypothesentests erkunden: ein Fenster für den\n"
                                          "Stochastikunterricht. Ohne Optionen öffnet sich das Fenster, mit einer\n"
                                          "Aufgabendatei (.quorvel) die Aufgabe darin.\n\nOptionen:\n"));
    for (const QCommandLineOption& o : optionen)
        text += QStringLiteral("  %1  %2\n")
                    .arg(Optionsnamen(o).leftJustified(breite), Text(o.description().toUtf8().constData()));
    return text + Text(QT_TRANSLATE_NOOP("Quorvel_s",
                                         "\nDazu die Optionen, die jedes Qt-Programm versteht, etwa "
                                         "-platform und -style.\n"));
}

// Reads the command line before QApplication exists, so that --help needs no display. A new
// option is one more addOption here and one more case below; Hilfetext lists it by itself.
Aufruf Aufruf_lesen(const QStringList& argumente) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash (-platform xcb) and must stay valid.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")},  // kein Text
                                   QStringLiteral(QT_TRANSLATE_NOOP("Quorvel_s", "diese Hilfe zeigen")));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},  // kein Text
                                     QStringLiteral(QT_TRANSLATE_NOOP("Quorvel_s", "die Versionsnummer zeigen")));
    const QCommandLineOption grafik(
        QStringLiteral("grafik"),  // kein Text
        QStringLiteral(QT_TRANSLATE_NOOP("Quorvel_s",
                                         "die Grafik der Aufgabe ohne Fenster in <datei> schreiben (.png oder .pdf)")),
        QStringLiteral("datei"));  // kein Text
    const QCommandLineOption skala(
        QStringLiteral("skala"),  // kein Text
        QStringLiteral(QT_TRANSLATE_NOOP("Quorvel_s", "mit --grafik: Auflösung des PNG, 1 bis 8 (Vorgabe 1)")),
        QStringLiteral("faktor"));  // kein Text
    const QCommandLineOption sprache(
        QStringLiteral("sprache"),  // kein Text
        QStringLiteral(
            QT_TRANSLATE_NOOP("Quorvel_s", "die Sprache der Texte: de oder en (Vorgabe: die der Oberfläche)")),
        QStringLiteral("de|en"));
    const QList<QCommandLineOption> eigene{hilfe, version, grafik, skala, sprache};
    parser.addOptions(eigene);
    // The options QApplication takes out of argv itself (Qt's documented ones, the X11 ones
    // included): accepted here unseen, so that they reach it.
    // clang-format off
    const char* const Qt_Wertoptionen[] = {  // kein Text
        "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
        "session", "display", "name", "geometry", "title", "icon", "style", "stylesheet"};
    // clang-format on
    for (const char* name : Qt_Wertoptionen) {
        QCommandLineOption o(QString::fromLatin1(name), QString(), QStringLiteral("wert"));  // kein Text
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }
    for (const char* name : {"reverse", "sync", "widgetcount", "nograb", "dograb"}) {  // kein Text
        QCommandLineOption o(QString::fromLatin1(name));
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }

    const bool gelesen = parser.parse(argumente);
    // The texts below in the language asked for, else the interface's; a wrong --sprache is
    // refused in the interface's language.
    Sprache Terminalsprache = Sprache_aus(QLocale::system().uiLanguages());
    if (parser.isSet(sprache)) Sprache_lesen(parser.value(sprache), Terminalsprache);
    Terminalsprache_setzen(Terminalsprache);
    if (parser.isSet(hilfe)) return Antwort(Aufruf::Hilfe, Hilfetext(eigene));
    if (parser.isSet(version))
        return Antwort(Aufruf::Version,
                       QStringLiteral("quorvel %1\n").arg(QStringLiteral(QUORVEL_VERSION)));  // kein Text

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
        fehler = Text(QT_TRANSLATE_NOOP("Quorvel_s", "unbekannte Option „%1“")).arg(getippt);
    } else if (!gelesen)  // the only other parse error: a value option at the very end
        fehler = Text(QT_TRANSLATE_NOOP("Quorvel_s", "der Option „%1“ fehlt ihr Wert")).arg(argumente.constLast());
    else if (parser.positionalArguments().size() > 1)
        fehler =
            Text(QT_TRANSLATE_NOOP("Quorvel_s", "unerwartetes Argument „%1“")).arg(parser.positionalArguments().at(1));
    Aufruf a;
    a.Datei = parser.positionalArguments().value(0);
    if (fehler.isEmpty() && parser.isSet(skala)) {
        bool Zahl = false;
        a.Skala = parser.value(skala).toInt(&Zahl);
        if (!Zahl || a.Skala < 1 || a.Skala > 8)
            fehler =
                Text(QT_TRANSLATE_NOOP("Quorvel_s", "--skala: 1 bis 8 erwartet, nicht „%1“")).arg(parser.value(skala));
        else if (!parser.isSet(grafik))
            fehler = Text(QT_TRANSLATE_NOOP("Quorvel_s", "--skala gilt nur mit --grafik"));
    }
    if (fehler.isEmpty() && parser.isSet(sprache)) {
        Sprache s{};
        if (Sprache_lesen(parser.value(sprache), s))
            a.Sprache_gewaehlt = s;
        else
            fehler = Text(QT_TRANSLATE_NOOP("Quorvel_s", "--sprache: de oder en erwartet, nicht „%1“"))
                         .arg(parser.value(sprache));
    }
    if (fehler.isEmpty() && parser.isSet(grafik)) {
        a.Was = Aufruf::Grafik;
        a.Bilddatei = parser.value(grafik);
        if (a.Datei.isEmpty()) fehler = Text(QT_TRANSLATE_NOOP("Quorvel_s", "--grafik braucht eine Aufgabendatei"));
    }
    if (!fehler.isEmpty())
        return Antwort(Aufruf::Fehler, QStringLiteral("quorvel: %1\n").arg(fehler) + Text(Aufrufzeile) +  // kein Text
                                           Text(QT_TRANSLATE_NOOP("Quorvel_s", "„quorvel --help“ zeigt die Hilfe.\n")));
    return a;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList argumente;
    for (int i = 0; i < argc; ++i) argumente << QString::fromLocal8Bit(argv[i]);
    const Aufruf aufruf = Aufruf_lesen(argumente);
    if (aufruf.Was != Aufruf::Fenster && aufruf.Was != Aufruf::Grafik) {
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
    // The chart alone needs no screen: without a display it is drawn offscreen.
    if (aufruf.Was == Aufruf::Grafik && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");  // kein Text
    QApplication app(argc, argv);
    Sprache_einstellen(aufruf.Sprache_gewaehlt.value_or(Sprache_aus(QLocale::system().uiLanguages())));
    if (aufruf.Was == Aufruf::Grafik) {
        const QString Problem = Grafik_aus_Aufgabe(aufruf.Datei, aufruf.Bilddatei, aufruf.Skala);
        if (Problem.isEmpty()) return 0;
        std::fputs(QStringLiteral("quorvel: %1\n").arg(Problem).toLocal8Bit().constData(), stderr);  // kein Text
        return 1;
    }
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/quorvel.svg")));
    Bildschirmgroesse::Zoom_beim_Start(argumente);
    TForm1 Form1;
    Bildschirmgroesse::Zustand_uebernehmen(Form1.Aufgabe());
    Form1.show();
    if (!aufruf.Datei.isEmpty()) Form1.Aufgabe().Oeffnen(aufruf.Datei);
    return app.exec();
}
