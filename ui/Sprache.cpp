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

bool Laden(const QString& Datei, const QString& Ordner) {
    auto t = std::make_unique<QTranslator>();
    if (!t->load(Datei, Ordner)) return false;
    QCoreApplication::installTranslator(t.get());
    Installierte().push_back(std::move(t));
    return true;
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
        return Laden(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    // The program's translations, one file per part of the program, built into the resources.
    Dezimalzeichen_setzen('.');
    Uebersetzer_setzen(Qt_uebersetzt);
    const QDir Ordner(QStringLiteral(":/i18n"));
    const QStringList Dateien = Ordner.entryList({QStringLiteral("quorvel_*_en.qm")}, QDir::Files, QDir::Name);
    bool alle = !Dateien.isEmpty();
    for (const QString& Datei : Dateien) alle = Laden(Datei, Ordner.path()) && alle;
    return alle;
}

Sprache Aktuelle_Sprache() { return Gewaehlt; }
