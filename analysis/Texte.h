#pragma once
// The texts this layer writes (rules, decisions, sample reports) in the language chosen at
// start. The layer knows no Qt: the window installs Qt's translation as the Uebersetzer; with
// none the German source text stands. lupdate finds every text by the call's name, so the
// source is always a literal and numbers go in by Einsetzen.

#include <initializer_list>
#include <string>

using Uebersetzer = std::string (*)(const char* Kontext, const char* Quelle);
void Uebersetzer_setzen(Uebersetzer u);

// The text Quelle of the context Kontext, translated.
std::string translate(const char* Kontext, const char* Quelle);

// Vorlage with "%1" .. "%9" replaced by Werte in their order, as QString::arg does; a marker
// without its value stays as it is.
std::string Einsetzen(const std::string& Vorlage, std::initializer_list<std::string> Werte);
