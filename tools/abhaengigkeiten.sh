#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build and the tests need on Debian 12, and nothing that is already there.
set -euo pipefail
cd "$(dirname "$0")/.."
# Usage: abhaengigkeiten.sh [deb|paketprobe|diffoscope]
#   deb: also what `make deb` needs: debian/control's Build-Depends, dpkg-buildpackage with
#        debhelper, lintian, and hardening-check (devscripts)
#   paketprobe: also what tools/paketprobe.sh needs to prove the package on a bare Debian 12
#   diffoscope: what shows where two builds of the package differ
# qt6-tools-dev and qt6-l10n-tools compile the English translation (lrelease); libqt6svg6 draws
# the window icon, qt6-translations-l10n holds Qt's German dialog texts; reuse
# is the CTest check of the licences; openbox, xdotool, x11-utils and imagemagick let the
# screen test see the real window from outside; the AT-SPI run (tests/vorleser) also needs a
# session bus, the accessibility bus and pyatspi.
pakete=(cmake make g++ qt6-base-dev qt6-tools-dev qt6-l10n-tools libgl-dev libgtest-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core
        fonts-dejavu-extra xvfb xauth desktop-file-utils appstream libqt6svg6 qt6-translations-l10n reuse
        openbox xdotool x11-utils imagemagick dbus dbus-x11 at-spi2-core python3-pyatspi)
case "${1:-}" in
  deb) pakete+=(dpkg-dev debhelper lintian devscripts) ;;
  # A minimal system, its X server and Wayland compositor on the host, and what reads the
  # window and takes its picture.
  paketprobe) pakete+=(debootstrap x11-utils imagemagick weston) ;;
  diffoscope) pakete=(diffoscope-minimal) ;;
esac
fehlt=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlt+=("$p")
done
# The package's Build-Depends are read from debian/control, not written twice.
bauabh=""
if [ "${1:-}" = deb ] && { ! command -v dpkg-checkbuilddeps >/dev/null || ! dpkg-checkbuilddeps 2>/dev/null; }; then
  bauabh=1
fi
[ ${#fehlt[@]} -eq 0 ] && [ -z "$bauabh" ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
if [ ${#fehlt[@]} -gt 0 ]; then
  echo "installing: ${fehlt[*]}"
  $sudo apt-get install -y -q --no-install-recommends "${fehlt[@]}"
fi
if [ -n "$bauabh" ] && ! dpkg-checkbuilddeps 2>/dev/null; then
  echo "installing the Build-Depends of debian/control"
  $sudo apt-get build-dep -y -q --no-install-recommends ./
fi
