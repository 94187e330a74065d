#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings the translation files up to date with the sources: new texts come in unfinished (the
# build then stops until they are translated), texts gone from the sources go out.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)
aktualisieren() {
  local ts=$1
  shift
  "$lupdate" -silent -no-obsolete -locations none -source-language de_DE -target-language en_GB "$@" -ts "$ts"
}
aktualisieren translations/quorvel_fenster_en.ts ui
aktualisieren translations/quorvel_diagramm_en.ts charts explorations
aktualisieren translations/quorvel_regeln_en.ts analysis
