#include "ui/Sprache.h"

#include "analysis/Texte.h"
#include "analysis/Zahlentexte.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

Sprache Gewaehlt = Sprache::Deutsch;

std::string Qt_uebersetzt(const char* Kontext, const char* Quelle) {
    return QCoreApplication::translate(Kontext, Quelle).toStdString();
}

std::vector<std::unique_ptr<QTranslator>>& Installierte() {
    static std::vector<std::unique_ptr<QTranslator>> v;
    return v;
}

void Installieren(std::unique_ptr<QTranslator> t) {
    QCoreApplication::installTranslator(t.get());
    Installierte().push_back(std::move(t));
}

}  // namespace

Sprache Sprache_aus(const QStringList& Oberflaechensprachen) {
    for (const QString& l : Oberflaechensprachen) {
        const QString Kuerzel = l.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (Kuerzel == QLatin1String("de")) return Sprache::Deutsch;
        if (Kuerzel == QLatin1String("en")) return Sprache::Englisch;
    }
    return Sprache::Deutsch;
}

bool Sprache_lesen(const QString& Kuerzel, Sprache& s) {
    if (Kuerzel == QLatin1String("de")) {
        s = Sprache::Deutsch;
        return true;
    }
    if (Kuerzel == QLatin1String("en")) {
        s = Sprache::Englisch;
        return true;
    }
    return false;
}

bool Sprache_einstellen(Sprache s) {
    for (auto& t : Installierte()) QCoreApplication::removeTranslator(t.get());
    Installierte().clear();
    Gewaehlt = s;
    if (s == Sprache::Deutsch) {
        // Qt's own texts (dialogs, key names like "Strg+S") in German; English is Qt's source.
        Dezimalzeichen_setzen(',');
        Uebersetzer_setzen(nullptr);
        auto t = std::make_unique<QTranslator>();
        if (!t->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) return false;
        Installieren(std::move(t));
        return true;
    }
    Dezimalzeichen_setzen('.');
    Uebersetzer_setzen(Qt_uebersetzt);
    auto Uebersetzungen = Englische_Uebersetzungen();
    const bool da = !Uebersetzungen.empty();
    for (auto& t : Uebersetzungen) Installieren(std::move(t));
    return da;
}

std::vector<std::unique_ptr<QTranslator>> Englische_Uebersetzungen() {
    // Built into the resources, so a file that does not load is a fault of the build: left out.
    std::vector<std::unique_ptr<QTranslator>> v;
    const QDir Ordner(QStringLiteral(":/i18n"));
    for (const QString& Datei : Ordner.entryList({QStringLiteral("quorvel_*_en.qm")}, QDir::Files, QDir::Name)) {
        auto t = std::make_unique<QTranslator>();
        if (t->load(Datei, Ordner.path())) v.push_back(std::move(t));
    }
    return v;
}

Sprache Aktuelle_Sprache() { return Gewaehlt; }
