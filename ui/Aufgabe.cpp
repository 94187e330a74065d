#include "ui/Aufgabe.h"

#include "analysis/Zahlen_lesen.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <limits>

const std::array<Aufgabenschluessel, 19> Aufgabenfelder{{
    {"n", "Edit_n"},
    {"x", "Edit_Stichprobenergebnis"},
    {"k1", "Edit_k1"},
    {"k2", "Edit_k2"},
    {"p0", "Edit_p0"},
    {"p1", "Edit_p1"},
    {"p2", "Edit_p2"},
    {"M0", "Edit_M0"},
    {"M1", "Edit_M1"},
    {"M2", "Edit_M2"},
    {"N0", "Edit_N0"},
    {"N1", "Edit_N1"},
    {"N2", "Edit_N2"},
    {"Alfa_links", "Edit_Alfali"},
    {"Alfa_rechts", "Edit_Alfare"},
    {"V_links", "Edit_kli"},
    {"V_rechts", "Edit_kre"},
    {"Sigmafaktor", "Edit_Sigmafaktor"},  // kein Text
    {"Umgebung", "Edit_Umgebung"},        // kein Text
}};

const std::array<Aufgabenschluessel, 14> Aufgabenschalter{{
    {"p1_zeichnen", "CheckBox_p1_zeichnen"},
    {"p2_zeichnen", "CheckBox_p2_zeichnen"},
    {"Erwartungswert_zeigen", "CheckBox_Erwartungswert_zeigen"},
    {"Sigma_zeigen", "CheckBox_Sigma_zeigen"},
    {"Umgebung_schraffieren", "CheckBox_Umgebung_schraffieren"},
    {"Vertrauensintervall_berechnen", "CheckBox_Vertrauensintervall_berechnen"},
    {"Normalverteilung", "CheckBox_Normalverteilung"},  // kein Text
    {"Alfa_zeigen", "CheckBox_Alfa_zeigen"},
    {"Annahmebereich_zeigen", "CheckBox_Annahmebereich_zeigen"},
    {"Beta_zeigen", "CheckBox_Beta_zeigen"},
    {"waagerechte_Strichelung", "CheckBox_waagerechte_Strichelung"},
    {"p0_kumuliert", "CheckBox_p0_kumuliert"},
    {"Stichprobenergebnis_zeigen", "CheckBox_Stichprobenergebnis_zeigen"},
    {"Info", "CheckBox_Info"},  // kein Text
}};

// As the combo boxes name them.
const std::array<const char*, 4> Verteilungsarten{"Binomial", "Hypergeo", "Poisson", "Geometr"};  // kein Text

namespace {

const QString Formatname = QStringLiteral("Quorvel-Aufgabe");  // kein Text
// A field holds a number or a fraction; nothing a user types is this long.
constexpr qsizetype Feldtext_hoechstens = 100;

QString S(const char* t) { return QString::fromUtf8(t); }

QString Syntaxfehler(QJsonParseError::ParseError e) {
    switch (e) {
    case QJsonParseError::UnterminatedObject:
        return QCoreApplication::translate("Aufgabe", "ein Objekt ist nicht mit „}“ geschlossen");
    case QJsonParseError::MissingNameSeparator:
        return QCoreApplication::translate("Aufgabe", "nach einem Schlüssel fehlt „:“");
    case QJsonParseError::UnterminatedArray:
        return QCoreApplication::translate("Aufgabe", "eine Liste ist nicht mit „]“ geschlossen");
    case QJsonParseError::MissingValueSeparator:
        return QCoreApplication::translate("Aufgabe", "zwischen zwei Werten fehlt „,“");
    case QJsonParseError::IllegalValue:
        return QCoreApplication::translate("Aufgabe", "ungültiger Wert");
    case QJsonParseError::TerminationByNumber:
        return QCoreApplication::translate("Aufgabe", "die Datei endet mitten in einer Zahl");
    case QJsonParseError::IllegalNumber:
        return QCoreApplication::translate("Aufgabe", "ungültige Zahl");
    case QJsonParseError::IllegalEscapeSequence:
        return QCoreApplication::translate("Aufgabe", "ungültige Escape-Folge");
    case QJsonParseError::IllegalUTF8String:
        return QCoreApplication::translate("Aufgabe", "kein gültiges UTF-8");
    case QJsonParseError::UnterminatedString:
        return QCoreApplication::translate("Aufgabe", "ein Text ist nicht mit „\"“ geschlossen");
    case QJsonParseError::MissingObject:
        return QCoreApplication::translate("Aufgabe", "ein Objekt „{ … }“ erwartet");
    case QJsonParseError::DeepNesting:
        return QCoreApplication::translate("Aufgabe", "zu tief verschachtelt");
    case QJsonParseError::DocumentTooLarge:
        return QCoreApplication::translate("Aufgabe", "zu groß");
    case QJsonParseError::GarbageAtEnd:
        return QCoreApplication::translate("Aufgabe", "Zeichen nach dem Ende der Daten");
    default:
        return QCoreApplication::translate("Aufgabe", "ungültige Daten");
    }
}

// Line and column (in characters, both from 1) of a byte offset.
QString Stelle(const QByteArray& Text, qsizetype Versatz) {
    Versatz = std::clamp<qsizetype>(Versatz, 0, Text.size());
    const QByteArray vorher = Text.left(Versatz);
    const qsizetype Zeilenanfang = vorher.lastIndexOf('\n') + 1;
    const int Zeile = static_cast<int>(vorher.count('\n')) + 1;
    const int Spalte = static_cast<int>(QString::fromUtf8(vorher.mid(Zeilenanfang)).size()) + 1;
    return QCoreApplication::translate("Aufgabe", "Zeile %1, Spalte %2").arg(Zeile).arg(Spalte);
}

struct Fehler {
    QString Text;
};

// Exactly the keys Erwartet, each once; the first missing or unknown key is the problem.
void Schluessel_pruefen(const QJsonObject& o, const QStringList& Erwartet, const QString& Ort) {
    for (const QString& k : Erwartet)
        if (!o.contains(k)) throw Fehler{QCoreApplication::translate("Aufgabe", "%1„%2“ fehlt").arg(Ort, k)};
    const QSet<QString> bekannt(Erwartet.begin(), Erwartet.end());
    for (auto it = o.begin(); it != o.end(); ++it)
        if (!bekannt.contains(it.key()))
            throw Fehler{QCoreApplication::translate("Aufgabe", "%1unbekannter Schlüssel „%2“").arg(Ort, it.key())};
}

QString Text_von(const QJsonValue& v, const QString& Schluessel) {
    if (!v.isString())
        throw Fehler{
            QCoreApplication::translate("Aufgabe", "%1: muss ein Text in Anführungszeichen sein").arg(Schluessel)};
    const QString t = v.toString();
    if (t.size() > Feldtext_hoechstens)
        throw Fehler{QCoreApplication::translate("Aufgabe", "%1: zu lang").arg(Schluessel)};
    for (QChar c : t)
        if (c.category() == QChar::Other_Control)
            throw Fehler{QCoreApplication::translate("Aufgabe", "%1: enthält ein Steuerzeichen").arg(Schluessel)};
    return t;
}

bool Wahrheit_von(const QJsonValue& v, const QString& Schluessel) {
    if (!v.isBool())
        throw Fehler{QCoreApplication::translate("Aufgabe", "%1: muss true oder false sein").arg(Schluessel)};
    return v.toBool();
}

// One of Namen, as its index.
int Auswahl_von(const QJsonValue& v, const QString& Schluessel, const QStringList& Namen) {
    const int i = v.isString() ? static_cast<int>(Namen.indexOf(v.toString())) : -1;
    if (i < 0)
        throw Fehler{QCoreApplication::translate("Aufgabe", "%1: muss einer dieser Texte sein: %2")
                         .arg(Schluessel, Namen.join(QStringLiteral(", ")))};
    return i;
}

QStringList Liste(const char* const* b, const char* const* e) {
    QStringList l;
    for (auto p = b; p != e; ++p) l << S(*p);
    return l;
}

const QStringList Darstellungen{QStringLiteral("Histogramm"), QStringLiteral("Säulendiagramm")};  // kein Text
const QStringList Ansichten{QStringLiteral("Verteilung"), QStringLiteral("OC")};                  // kein Text
const QStringList Zeilennamen{QStringLiteral("H0"), QStringLiteral("p1"), QStringLiteral("p2")};
const QStringList Stichprobenschluessel{QStringLiteral("Anzahl"), QStringLiteral("Ziehen_aus"),   // kein Text
                                        QStringLiteral("Startwert"), QStringLiteral("gezeigt")};  // kein Text

Aufgabe Lesen(const QByteArray& Text) {
    if (Text.size() > Aufgabe_hoechstens)
        throw Fehler{QCoreApplication::translate("Aufgabe", "die Datei ist größer als 1 MB")};
    // JSON allows no NUL; Qt's parser would report it as garbage or a bad string.
    if (const qsizetype nul = Text.indexOf('\0'); nul >= 0)
        throw Fehler{
            QCoreApplication::translate("Aufgabe", "keine Quorvel-Aufgabe (%1: ein Nullbyte)").arg(Stelle(Text, nul))};
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(Text, &e);
    if (e.error != QJsonParseError::NoError)
        throw Fehler{QCoreApplication::translate("Aufgabe", "keine Quorvel-Aufgabe (%1: %2)")
                         .arg(Stelle(Text, e.offset), Syntaxfehler(e.error))};
    if (!d.isObject())
        throw Fehler{QCoreApplication::translate("Aufgabe", "keine Quorvel-Aufgabe (ein Objekt „{ … }“ erwartet)")};
    const QJsonObject o = d.object();
    if (o.value(QStringLiteral("Format")).toString() != Formatname)  // kein Text
        throw Fehler{
            QCoreApplication::translate("Aufgabe", "keine Quorvel-Aufgabe (Format ist nicht „%1“)").arg(Formatname)};
    const QJsonValue v = o.value(QStringLiteral("Version"));  // kein Text
    const double Version = v.toDouble(-1);
    if (!v.isDouble() || !std::isfinite(Version) || Version < 1 || Version != std::floor(Version))
        throw Fehler{QCoreApplication::translate("Aufgabe", "Version: muss eine ganze Zahl ab 1 sein")};
    if (Version > Aufgabenversion)
        throw Fehler{
            QCoreApplication::translate(
                "Aufgabe", "Version %1: die Datei stammt aus einer neueren Quorvel-Version (diese liest Version %2)")
                .arg(Version, 0, 'f', 0)
                .arg(Aufgabenversion)};

    QStringList Schluessel{
        QStringLiteral("Format"),          QStringLiteral("Version"),          QStringLiteral("Felder"),    // kein Text
        QStringLiteral("Verteilungen"),    QStringLiteral("Darstellung"),      QStringLiteral("Schalter"),  // kein Text
        QStringLiteral("V_links getippt"), QStringLiteral("V_rechts getippt"), QStringLiteral("Ansicht")};  // kein Text
    if (Version >= 2) Schluessel << QStringLiteral("Stichproben");                                          // kein Text
    Schluessel_pruefen(o, Schluessel, {});
    Aufgabe a;
    if (Version >= 2) {
        const QJsonValue w = o.value(QStringLiteral("Stichproben"));  // kein Text
        if (!w.isObject())
            throw Fehler{QCoreApplication::translate("Aufgabe", "Stichproben: muss ein Objekt „{ … }“ sein")};
        const QJsonObject p = w.toObject();
        Schluessel_pruefen(p, Stichprobenschluessel, QStringLiteral("Stichproben: "));              // kein Text
        a.Stichprobenzahl = Text_von(p.value(QStringLiteral("Anzahl")), QStringLiteral("Anzahl"));  // kein Text
        a.Ziehen_aus = Auswahl_von(p.value(QStringLiteral("Ziehen_aus")), QStringLiteral("Ziehen_aus"), Zeilennamen);
        a.Startwert = Text_von(p.value(QStringLiteral("Startwert")), QStringLiteral("Startwert"));  // kein Text
        a.Stichproben_gezeigt =
            Wahrheit_von(p.value(QStringLiteral("gezeigt")), QStringLiteral("gezeigt"));  // kein Text
    }
    const QJsonValue Felder = o.value(QStringLiteral("Felder"));  // kein Text
    if (!Felder.isObject())
        throw Fehler{QCoreApplication::translate("Aufgabe", "Felder: muss ein Objekt „{ … }“ sein")};
    QStringList Feldnamen;
    for (const auto& f : Aufgabenfelder) Feldnamen << S(f.Schluessel);
    Schluessel_pruefen(Felder.toObject(), Feldnamen, QStringLiteral("Felder: "));  // kein Text
    for (const QString& k : Feldnamen) a.Felder[k] = Text_von(Felder.toObject().value(k), k);

    const QJsonValue Kaesten = o.value(QStringLiteral("Schalter"));  // kein Text
    if (!Kaesten.isObject())
        throw Fehler{QCoreApplication::translate("Aufgabe", "Schalter: muss ein Objekt „{ … }“ sein")};
    QStringList Schalternamen;
    for (const auto& s : Aufgabenschalter) Schalternamen << S(s.Schluessel);
    Schluessel_pruefen(Kaesten.toObject(), Schalternamen, QStringLiteral("Schalter: "));  // kein Text
    for (const QString& k : Schalternamen) a.Schalter[k] = Wahrheit_von(Kaesten.toObject().value(k), k);

    const QJsonValue Arten = o.value(QStringLiteral("Verteilungen"));  // kein Text
    if (!Arten.isArray() || Arten.toArray().size() != 3)
        throw Fehler{QCoreApplication::translate("Aufgabe", "Verteilungen: muss eine Liste von drei Texten sein")};
    const QStringList Artnamen = Liste(Verteilungsarten.data(), Verteilungsarten.data() + Verteilungsarten.size());
    for (int i = 0; i < 3; ++i)
        a.Verteilungen[i] =
            Auswahl_von(Arten.toArray().at(i), QStringLiteral("Verteilungen[%1]").arg(i), Artnamen);  // kein Text
    const QString Darstellung = QStringLiteral("Darstellung");                                        // kein Text
    a.Saeulendiagramm = Auswahl_von(o.value(Darstellung), Darstellung, Darstellungen) == 1;
    a.OC = Auswahl_von(o.value(QStringLiteral("Ansicht")), QStringLiteral("Ansicht"), Ansichten) == 1;  // kein Text
    a.V_links_getippt =
        Wahrheit_von(o.value(QStringLiteral("V_links getippt")), QStringLiteral("V_links getippt"));  // kein Text
    a.V_rechts_getippt =
        Wahrheit_von(o.value(QStringLiteral("V_rechts getippt")), QStringLiteral("V_rechts getippt"));  // kein Text
    return a;
}

}  // namespace

Aufgabe_gelesen Aufgabe_lesen(const QByteArray& Text) {
    try {
        return {Lesen(Text), {}};
    } catch (const Fehler& f) {
        return {std::nullopt, f.Text};
    }
}

QByteArray Aufgabe_schreiben(const Aufgabe& a) {
    QJsonObject Felder, Kaesten;
    for (const auto& f : Aufgabenfelder) Felder.insert(S(f.Schluessel), a.Felder.value(S(f.Schluessel)));
    for (const auto& s : Aufgabenschalter) Kaesten.insert(S(s.Schluessel), a.Schalter.value(S(s.Schluessel)));
    QJsonArray Arten;
    for (int i : a.Verteilungen) Arten.append(S(Verteilungsarten.at(i)));
    QJsonObject o;
    o.insert(QStringLiteral("Format"), Formatname);                                        // kein Text
    o.insert(QStringLiteral("Version"), Aufgabenversion);                                  // kein Text
    o.insert(QStringLiteral("Felder"), Felder);                                            // kein Text
    o.insert(QStringLiteral("Schalter"), Kaesten);                                         // kein Text
    o.insert(QStringLiteral("Verteilungen"), Arten);                                       // kein Text
    o.insert(QStringLiteral("Darstellung"), Darstellungen.at(a.Saeulendiagramm ? 1 : 0));  // kein Text
    o.insert(QStringLiteral("Ansicht"), Ansichten.at(a.OC ? 1 : 0));                       // kein Text
    o.insert(QStringLiteral("V_links getippt"), a.V_links_getippt);                        // kein Text
    o.insert(QStringLiteral("V_rechts getippt"), a.V_rechts_getippt);                      // kein Text
    const QJsonObject Stichproben{{QStringLiteral("Anzahl"), a.Stichprobenzahl},           // kein Text
                                  {QStringLiteral("Ziehen_aus"), Zeilennamen.at(std::clamp(a.Ziehen_aus, 0, 2))},
                                  {QStringLiteral("Startwert"), a.Startwert},           // kein Text
                                  {QStringLiteral("gezeigt"), a.Stichproben_gezeigt}};  // kein Text
    o.insert(QStringLiteral("Stichproben"), Stichproben);                               // kein Text
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

namespace {

QString Schluessel_von(Feld f) { return S(Aufgabenfelder.at(static_cast<std::size_t>(f)).Schluessel); }

struct Pruefung {
    const Aufgabe& a;
    QString Fehler;

    std::string Text(Feld f) const { return a.Felder.value(Schluessel_von(f)).toStdString(); }
    bool Problem(Feld f, const QString& Bereich) {
        if (Fehler.isEmpty())
            Fehler = QCoreApplication::translate("Aufgabe", "%1: %2 („%3“)")
                         .arg(Schluessel_von(f), Bereich, a.Felder.value(Schluessel_von(f)));
        return false;
    }
    bool ganz(Feld f, int lo, int hi, Ganzzahlfeld& Ziel, const QString& Bereich) {
        int w = 0;
        if (!Fehler.isEmpty()) return false;
        if (!Ganzzahl_lesen(Text(f), w) || w < lo || w > hi) return Problem(f, Bereich);
        Ziel = {Text(f), w};
        return true;
    }
    bool dezimal(Feld f, Extended lo, Extended hi, Dezimalfeld& Ziel, const QString& Bereich) {
        Extended w = 0;
        if (!Fehler.isEmpty()) return false;
        if (!Dezimal_lesen(Text(f), w) || !(w >= lo && w <= hi)) return Problem(f, Bereich);
        Ziel = {Text(f), w};
        return true;
    }
};

const std::array<Kasten, 14> Kaesten_der_Datei{Kasten::p1_zeichnen,
                                               Kasten::p2_zeichnen,
                                               Kasten::Erwartungswert_zeigen,
                                               Kasten::Sigma_zeigen,
                                               Kasten::Umgebung_schraffieren,
                                               Kasten::Vertrauensintervall_berechnen,
                                               Kasten::Normalverteilung,
                                               Kasten::Alfa_zeigen,
                                               Kasten::Annahmebereich_zeigen,
                                               Kasten::Beta_zeigen,
                                               Kasten::waagerechte_Strichelung,
                                               Kasten::p0_kumuliert,
                                               Kasten::Stichprobenergebnis_zeigen,
                                               Kasten::Info};

}  // namespace

Eingaben_gelesen Eingaben_aus(const Aufgabe& a) {
    Eingaben e = Starteingaben();
    e.s.Verteilung_p0 = a.Verteilungen[0];
    e.s.Verteilung_p1 = a.Verteilungen[1];
    e.s.Verteilung_p2 = a.Verteilungen[2];
    // The boxes as a user can switch them on: a region first, the markers before the
    // cumulative chart (they clear it), the auxiliary lines after it (it clears them). Boxes
    // that clear each other in every order cannot all be on.
    auto an = [&](Kasten k) {
        const auto i = std::find(Kaesten_der_Datei.begin(), Kaesten_der_Datei.end(), k) - Kaesten_der_Datei.begin();
        return a.Schalter.value(S(Aufgabenschalter[static_cast<std::size_t>(i)].Schluessel));
    };
    Kasten_schreiben(e.s, Kasten::Info, an(Kasten::Info));
    for (Kasten k :
         {Kasten::Alfa_zeigen, Kasten::Annahmebereich_zeigen, Kasten::Umgebung_schraffieren, Kasten::Normalverteilung,
          Kasten::Erwartungswert_zeigen, Kasten::Sigma_zeigen, Kasten::Stichprobenergebnis_zeigen, Kasten::p0_kumuliert,
          Kasten::waagerechte_Strichelung, Kasten::p1_zeichnen, Kasten::p2_zeichnen, Kasten::Beta_zeigen,
          Kasten::Vertrauensintervall_berechnen})
        if (an(k)) Kasten_setzen(e, k, true);
    for (std::size_t i = 0; i < Aufgabenschalter.size(); ++i)
        if (Kasten_an(e.s, Kaesten_der_Datei[i]) != a.Schalter.value(S(Aufgabenschalter[i].Schluessel)))
            return {std::nullopt,
                    QCoreApplication::translate("Aufgabe", "%1: lässt sich mit den übrigen Schaltern nicht so setzen")
                        .arg(S(Aufgabenschalter[i].Schluessel))};
    e.Saeulendiagramm = a.Saeulendiagramm;
    e.OC = a.OC;
    e.V_links_getippt = a.V_links_getippt;
    e.V_rechts_getippt = a.V_rechts_getippt;

    Pruefung p{a, {}};
    const QString bis_n = QCoreApplication::translate("Aufgabe", "muss zwischen 1 und %1 liegen").arg(k_Maximum);
    p.ganz(Feld::n, 1, k_Maximum, e.n, bis_n);
    p.ganz(Feld::x, 0, k_Maximum, e.x,
           QCoreApplication::translate("Aufgabe", "muss zwischen 0 und %1 liegen").arg(k_Maximum));
    p.ganz(Feld::k1, 0, e.n.Wert, e.k1, QCoreApplication::translate("Aufgabe", "muss zwischen 0 und n liegen"));
    p.ganz(Feld::k2, e.k1.Wert, e.n.Wert, e.k2,
           QCoreApplication::translate("Aufgabe", "muss zwischen k1 und n liegen"));
    for (int i = 0; i < 3; ++i)
        p.dezimal(static_cast<Feld>(static_cast<int>(Feld::p0) + i), 0, 1, e.p[i],
                  QCoreApplication::translate("Aufgabe", "muss zwischen 0 und 1 liegen"));
    for (int i = 0; i < 3; ++i)
        p.ganz(static_cast<Feld>(static_cast<int>(Feld::M0) + i), 0, std::numeric_limits<int>::max(), e.M[i],
               QCoreApplication::translate("Aufgabe", "muss eine ganze Zahl ab 0 sein"));
    for (int i = 0; i < 3; ++i)
        p.ganz(static_cast<Feld>(static_cast<int>(Feld::N0) + i), e.M[i].Wert + 1, std::numeric_limits<int>::max(),
               e.N[i], QCoreApplication::translate("Aufgabe", "muss eine ganze Zahl größer als M sein"));
    const QString Prozent = QCoreApplication::translate("Aufgabe", "muss zwischen 0 und 100 liegen");
    p.dezimal(Feld::Alfali, 0, 100, e.Alfali, Prozent);
    p.dezimal(Feld::Alfare, 0, 100, e.Alfare, Prozent);
    // A bound counts only where it was typed after its level; otherwise it is what the level
    // gives, and the file shows it for the reader's sake.
    if (e.V_links_getippt)
        p.ganz(Feld::kli, -1, k_Maximum, e.kli,
               QCoreApplication::translate("Aufgabe", "muss zwischen -1 und %1 liegen").arg(k_Maximum));
    if (e.V_rechts_getippt)
        p.ganz(Feld::kre, 0, k_Maximum + 1, e.kre,
               QCoreApplication::translate("Aufgabe", "muss zwischen 0 und %1 liegen").arg(k_Maximum + 1));
    p.dezimal(Feld::Sigmafaktor, 0, Sigmafaktor_hoechstens, e.Sigmafaktor,
              QCoreApplication::translate("Aufgabe", "muss zwischen 0 und 7 liegen"));
    p.dezimal(Feld::Umgebung, 0, 100, e.Umgebung, Prozent);
    if (!p.Fehler.isEmpty()) return {std::nullopt, p.Fehler};

    // The samples after the boxes: a row is drawn from only while it is drawn on the chart.
    const auto Problem = [](const QString& Text) {
        return Eingaben_gelesen{std::nullopt, QStringLiteral("Stichproben: ") + Text};  // kein Text
    };
    if (Eingabeurteil u = Stichprobenzahl_eingeben(e, a.Stichprobenzahl.toStdString()); u.Art != Urteilsart::Annehmen)
        return Problem(QCoreApplication::translate("Aufgabe", "Anzahl muss zwischen 1 und %1 liegen („%2“)")
                           .arg(Stichproben_hoechstens)
                           .arg(a.Stichprobenzahl));
    if (!a.Startwert.isEmpty() && Startwert_eingeben(e, a.Startwert.toStdString()).Art != Urteilsart::Annehmen)
        return Problem(
            QCoreApplication::translate("Aufgabe", "Startwert muss eine ganze Zahl ab 0 sein („%1“)").arg(a.Startwert));
    Ziehen_aus_waehlen(e, a.Ziehen_aus);
    if (e.Stichproben.Zeile != a.Ziehen_aus)
        return Problem(QCoreApplication::translate("Aufgabe", "aus p%1 wird nur gezogen, während p%1 gezeichnet wird")
                           .arg(a.Ziehen_aus));
    if (a.Stichproben_gezeigt && (a.Startwert.isEmpty() || a.OC))
        return Problem(
            QCoreApplication::translate("Aufgabe", "gezeigt nur mit Startwert und mit der Ansicht „Verteilung“"));
    e.Stichproben.gezeigt = a.Stichproben_gezeigt;
    return {e, {}};
}

Aufgabe Aufgabe_aus(const Eingaben& e, const Auswertung& ausw) {
    Aufgabe a;
    for (int i = 0; i < Feldzahl; ++i)
        a.Felder[S(Aufgabenfelder[i].Schluessel)] = QString::fromStdString(Text_von(e, static_cast<Feld>(i)));
    if (!e.V_links_getippt) a.Felder[Schluessel_von(Feld::kli)] = QString::fromStdString(ausw.Edit_kli);
    if (!e.V_rechts_getippt) a.Felder[Schluessel_von(Feld::kre)] = QString::fromStdString(ausw.Edit_kre);
    for (std::size_t i = 0; i < Aufgabenschalter.size(); ++i)
        a.Schalter[S(Aufgabenschalter[i].Schluessel)] = Kasten_an(e.s, Kaesten_der_Datei[i]);
    a.Verteilungen = {std::clamp(e.s.Verteilung_p0, 0, 3), std::clamp(e.s.Verteilung_p1, 0, 3),
                      std::clamp(e.s.Verteilung_p2, 0, 3)};
    a.Saeulendiagramm = e.Saeulendiagramm;
    a.OC = e.OC;
    a.V_links_getippt = e.V_links_getippt;
    a.V_rechts_getippt = e.V_rechts_getippt;
    a.Stichprobenzahl = QString::fromStdString(e.Stichproben.m.Text);
    a.Ziehen_aus = e.Stichproben.Zeile;
    a.Startwert = QString::fromStdString(e.Stichproben.Startwert.Text);
    a.Stichproben_gezeigt = e.Stichproben.gezeigt;
    return a;
}

Eingaben_gelesen Eingaben_laden(const QString& Datei) {
    const QFileInfo Info(Datei);
    if (!Info.isFile()) return {std::nullopt, QCoreApplication::translate("Aufgabe", "die Datei gibt es nicht")};
    // A file far too long for a task is not read at all.
    if (Info.size() > Aufgabe_hoechstens)
        return {std::nullopt, QCoreApplication::translate("Aufgabe", "die Datei ist größer als 1 MB")};
    QFile f(Datei);
    if (!f.open(QIODevice::ReadOnly))
        return {std::nullopt, QCoreApplication::translate("Aufgabe", "die Datei lässt sich nicht lesen")};
    const Aufgabe_gelesen g = Aufgabe_lesen(f.read(Aufgabe_hoechstens + 1));
    if (!g.Wert) return {std::nullopt, g.Fehler};
    return Eingaben_aus(*g.Wert);
}
