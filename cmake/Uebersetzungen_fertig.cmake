# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DDATEIEN="a.ts;b.ts" -P Uebersetzungen_fertig.cmake: fails while a translation file
# holds a text without a finished translation (lrelease would ship the German text instead).
foreach(datei IN LISTS DATEIEN)
  file(READ "${datei}" inhalt)
  string(REGEX MATCHALL "<translation type=\"unfinished\"[^>]*>|<translation */>|<translation></translation>" offen "${inhalt}")
  list(LENGTH offen anzahl)
  if(anzahl GREATER 0)
    message(FATAL_ERROR "${datei}: ${anzahl} Texte ohne fertige Übersetzung")
  endif()
endforeach()
