#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build folder into a scratch folder, as `make deb` does,
# and lets lintian judge it: no error and no warning.
# Usage: lintian.sh <cpack> <build folder> <lintian>
set -euo pipefail
cpack=$1
build=$2
lintian=$3

kratzer=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-lintian.XXXXXX")
trap 'rm -rf "$kratzer"' EXIT
if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$kratzer" >"$kratzer/cpack.log" 2>&1; then
  cat "$kratzer/cpack.log" >&2
  echo "FEHLER: cpack could not build the package" >&2
  exit 1
fi
pakete=("$kratzer"/quorvel_*.deb)
[ -f "${pakete[0]}" ] || { echo "FEHLER: cpack made no quorvel_*.deb" >&2; exit 1; }
# lintian warns that it runs as root; that says nothing about the package.
"$lintian" --fail-on error,warning --tag-display-limit 0 "${pakete[0]}" 2> >(grep -v 'root privileges' >&2)
echo "lintian ok: ${pakete[0]##*/}"
