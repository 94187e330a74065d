#pragma once
// The language of the texts, chosen once at start: German (the program's own texts, the
// decimal comma) or English (the translations in translations/, the decimal point).

#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

enum class Sprache { Deutsch, Englisch };

// From the user's interface languages in their order (QLocale::uiLanguages()): the first that
// is German or English decides; none of them, or the C locale, keeps German.
Sprache Sprache_aus(const QStringList& Oberflaechensprachen);
// "de" or "en" as given to --sprache; false for any other text.
bool Sprache_lesen(const QString& Kuerzel, Sprache& s);

// After the QApplication exists and before the first window: installs the program's
// translation and Qt's own texts of that language and sets the number texts' decimal sign.
// Again with another language undoes the previous one (for tests). False when a translation
// file is missing (Qt's German texts come from qt6-translations-l10n; then they stay English).
bool Sprache_einstellen(Sprache s);
Sprache Aktuelle_Sprache();

// The program's English translations, one per part of the program, loaded from the resources
// but not installed; empty when none is there. Also usable before QApplication exists.
std::vector<std::unique_ptr<QTranslator>> Englische_Uebersetzungen();
