#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need on Debian 12, and nothing that is already there.
set -euo pipefail
# Usage: abhaengigkeiten.sh [deb]   (deb: also what `make deb` needs to build the package)
pakete=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core
        fonts-dejavu-extra xvfb xauth desktop-file-utils appstream)
# CPack reads the program's library dependencies with dpkg-shlibdeps, and finds ELF files with file.
[ "${1:-}" = deb ] && pakete+=(dpkg-dev file)
fehlt=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
[ ${#fehlt[@]} -eq 0 ] && exit 0
echo "installing: ${fehlt[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${fehlt[@]}"
