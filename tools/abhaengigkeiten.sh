#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need on Debian 12, and nothing that is already there.
set -euo pipefail
# Usage: abhaengigkeiten.sh [deb|paketprobe]
#   deb: also what `make deb` needs to build the package
#   paketprobe: also what tools/paketprobe.sh needs to prove it on a bare Debian 12
# libqt6svg6 draws the window icon, qt6-translations-l10n holds Qt's German dialog texts; reuse
# and lintian are CTest checks of the licences and the package, which CTest builds with cpack:
# dpkg-shlibdeps (dpkg-dev) reads the program's library dependencies, file finds ELF files.
pakete=(cmake make g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core
        fonts-dejavu-extra xvfb xauth desktop-file-utils appstream libqt6svg6 qt6-translations-l10n reuse lintian
        dpkg-dev file)
# A minimal system, its X server on the host, and what reads the window and takes its picture.
[ "${1:-}" = paketprobe ] && pakete+=(debootstrap x11-utils imagemagick)
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
