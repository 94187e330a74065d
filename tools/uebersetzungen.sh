#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the translation files up to date with the sources: new texts come in unfinished (the
# build then stops until they are translated), texts gone from the sources go out. One file
# per part of the program, so that work on one part leaves the others' files alone:
#   tools/uebersetzungen.sh [fenster|dateien|diagramm|regeln]   (none: all four)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
aktualisieren() {
  local teil=$1
  shift
  "$lupdate" -silent -no-obsolete -locations none -source-language de_DE -target-language en_GB "$@" \
    -ts "translations/quorvel_${teil}_en.ts"
}
# The window, its form, its keys and what screen readers get.
fenster=(ui/Quorvel.ui ui/Quorvel.cpp ui/Quorvel.h ui/Quorvel_s.cpp ui/Eingabe.cpp ui/Eingabe_lesen.cpp
         ui/Eingabehinweis.cpp ui/Fenstergroesse.cpp ui/Formular.cpp ui/Kontrollkasten.cpp ui/Tasten.cpp
         ui/Zugang.cpp ui/Hilfetext.cpp ui/Hilfe.cpp ui/Bildschirmgroesse.cpp ui/Fensterplatz.cpp ui/Farbwahl.cpp
         ui/Sitzung.cpp ui/Sprache.cpp)
# Lesson files, messages, export and print, the grid, the samples' panel, the chart's pointer.
dateien=(ui/Dokument.cpp ui/Aufgabe.cpp ui/Dienste.cpp ui/Grafik.cpp ui/Grafikausgabe.cpp ui/Vollbild.cpp
         ui/Wertetabelle.cpp ui/Stichprobenfeld.cpp ui/Stichproben.ui ui/Diagrammzeiger.cpp
         ui/Erkundungsanzeige.cpp ui/Bildfeld.cpp)
teile=("${@:-fenster dateien diagramm regeln}")
for teil in ${teile[*]}; do
  case "$teil" in
    fenster) aktualisieren fenster "${fenster[@]}" ;;
    dateien) aktualisieren dateien "${dateien[@]}" ;;
    diagramm) aktualisieren diagramm charts explorations ;;
    regeln) aktualisieren regeln analysis ;;
    *) echo "unbekannter Teil: $teil" >&2; exit 2 ;;
  esac
done
