#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Lets lintian judge what dpkg-buildpackage made, source and binary packages together through
# their .changes file, with the pedantic checks shown: no error and no warning.
# Usage: lintian.sh <quorvel_<version>_<arch>.changes>      (tools/paket.sh calls it)
set -euo pipefail
changes=$1
[ -f "$changes" ] || { echo "FEHLER: no $changes (run make deb)" >&2; exit 1; }
# lintian warns that it runs as root; that says nothing about the package.
lintian --pedantic --display-info --fail-on error,warning --tag-display-limit 0 "$changes" \
  2> >(grep -v 'root privileges' >&2)
echo "lintian ok: ${changes##*/} ($(sed -n 's/^Files:$//;/^ [0-9a-f]\{32\} /s/.* //p' "$changes" | tr '\n' ' '))"
