#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the Debian package on a bare Debian 12: makes a minimal system with debootstrap,
# installs the package there without its recommendations, starts quorvel in it on an X server
# of the host and checks the window on a screenshot (its size, pixels of the chart); then
# installs what the package recommends (qt6-wayland) and does the same under a headless
# Wayland compositor (weston) without any X; removes the package and checks that nothing of it
# is left.
# Usage: paketprobe.sh [build folder] [package.deb]
#   build folder: default build; the screenshots paketprobe.png (X) and paketprobe-wayland.png
#   are left there. Without a package, `make deb` builds one into <build folder>/deb first.
# Needs root (debootstrap, chroot, mount) and the Debian mirror that apt is configured with.
set -euo pipefail

# The mounts live in a mount namespace of the script's own, so that no way of ending it
# leaves them behind on the host; the trap below unmounts them on every way out as well.
if [ -z "${QUORVEL_PAKETPROBE_NS:-}" ]; then
  exec env QUORVEL_PAKETPROBE_NS=1 unshare --mount --propagation private "$(readlink -f "$0")" "$@"
fi
cd "$(dirname "$0")/.."
build=$(readlink -f "${1:-build}")
suite=bookworm
anfang=$(date +%s)

fehler() { echo "FEHLER: $*" >&2; exit 1; }
schritt() { echo "paketprobe [$(($(date +%s) - anfang)) s]: $*"; }

[ "$(id -u)" -eq 0 ] || fehler "needs root (debootstrap, chroot, mount)"
./tools/abhaengigkeiten.sh paketprobe

# The archive apt here fetches Debian 12 from: the first source of $suite with main, in the
# one-line or the deb822 form.
spiegel() {
  local datei
  for datei in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$datei" ] || continue
    awk -v suite="$suite" '$1 == "deb" {
        i = 2  # the archive, after the options in [ ] if there are any
        if ($i ~ /^\[/) { while ($i !~ /\]$/ && i < NF) i++; i++ }
        if ($(i + 1) == suite) for (j = i + 2; j <= NF; j++) if ($j == "main") { print $i; exit }
      }' "$datei"
  done
  for datei in /etc/apt/sources.list.d/*.sources; do
    [ -f "$datei" ] || continue
    awk -v suite="$suite" '
      function pruefen() {
        if (typ ~ /(^| )deb( |$)/ && (" " suiten " ") ~ (" " suite " ") &&
            (" " teile " ") ~ / main / && an != "no") { split(uris, u, " "); print u[1]; fertig = 1; exit }
        typ = uris = suiten = teile = an = ""
      }
      /^#/ { next }
      /^[ \t]*$/ { pruefen(); next }
      { wert = $0; sub(/^[^:]*:[ \t]*/, "", wert); schluessel = tolower($1) }
      schluessel == "types:" { typ = wert } schluessel == "uris:" { uris = wert }
      schluessel == "suites:" { suiten = wert } schluessel == "components:" { teile = wert }
      schluessel == "enabled:" { an = tolower(wert) }
      END { if (!fertig) pruefen() }' "$datei"
  done
}
archiv=$(spiegel | head -n 1)
[ -n "$archiv" ] || fehler "apt has no source of Debian $suite main configured"

if [ -n "${2:-}" ]; then
  paket=$(readlink -f "$2")
else
  schritt "building the package (make deb)"
  mkdir -p "$build"
  make --no-print-directory deb BUILD="$build" >"$build/paketprobe-bau.log" 2>&1 ||
    { tail -n 30 "$build/paketprobe-bau.log" >&2; fehler "make deb failed (see $build/paketprobe-bau.log)"; }
  paket=$build/deb/quorvel_$(dpkg-parsechangelog -S Version)_$(dpkg --print-architecture).deb
fi
[ -f "$paket" ] || fehler "no package $paket"
# The program says its upstream version: the package's without epoch and Debian revision.
version=$(dpkg-deb -f "$paket" Version | sed 's/^[0-9]*://; s/-[^-]*$//')

wurzel=$(mktemp -d /var/tmp/quorvel-paketprobe.XXXXXX)
xvfb=""
weston=""
programm=""
aufraeumen() {
  set +e
  [ -n "$programm" ] && kill "$programm" 2>/dev/null && wait "$programm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  [ -n "$weston" ] && kill "$weston" 2>/dev/null && wait "$weston" 2>/dev/null
  # Innermost first; debootstrap's own mounts, if it stopped halfway, are among them.
  awk -v w="$wurzel" '$2 == w || index($2, w "/") == 1 { print $2 }' /proc/self/mounts | sort -r |
    while read -r punkt; do umount "$punkt" || umount -l "$punkt"; done
  # Deleting through a mount that is still there would delete the host's files.
  if awk -v w="$wurzel" '$2 == w || index($2, w "/") == 1 { f = 1 } END { exit !f }' /proc/self/mounts; then
    echo "FEHLER: mounts left below $wurzel; not deleting it" >&2
  else
    rm -rf "$wurzel"
  fi
}
trap aufraeumen EXIT
trap 'exit 130' INT TERM HUP

# debootstrap's downloads are kept between runs: the same packages, fetched once.
cache=/var/cache/quorvel-paketprobe
mkdir -p "$cache"
schritt "debootstrap --variant=minbase $suite"
debootstrap --variant=minbase --cache-dir="$cache" "$suite" "$wurzel" "$archiv" \
  >"$build/paketprobe-debootstrap.log" 2>&1 ||
  { tail -n 30 "$build/paketprobe-debootstrap.log" >&2; fehler "debootstrap failed"; }

mount -t proc proc "$wurzel/proc"
mount --bind /dev "$wurzel/dev"
mount -t tmpfs tmpfs "$wurzel/tmp"
mkdir -p "$wurzel/tmp/.X11-unix"
# The host's X socket folder, as Xvfb makes it, if no X server has made it yet.
[ -d /tmp/.X11-unix ] || install -d -m 1777 /tmp/.X11-unix
mount --bind /tmp/.X11-unix "$wurzel/tmp/.X11-unix"
cp /etc/resolv.conf "$wurzel/etc/resolv.conf"
im_system() { chroot "$wurzel" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
                DEBIAN_FRONTEND=noninteractive "$@"; }

schritt "apt-get install --no-install-recommends ./${paket##*/}"
cp "$paket" "$wurzel/var/tmp/"
chmod 644 "$wurzel/var/tmp/${paket##*/}"
{ im_system apt-get update -q && im_system apt-get install -y -q --no-install-recommends "/var/tmp/${paket##*/}"; } \
  >"$build/paketprobe-apt.log" 2>&1 ||
  { tail -n 30 "$build/paketprobe-apt.log" >&2; fehler "the package does not install on a bare $suite"; }

# One version: what the program says is what the package and its AppStream release carry.
# --help must answer without any display.
gesagt=$(im_system quorvel --version)
[ "$gesagt" = "quorvel $version" ] || fehler "quorvel --version says '$gesagt', the package is $version"
grep -q "<release version=\"$version\"" "$wurzel/usr/share/metainfo/de.quorvel.Quorvel.metainfo.xml" ||
  fehler "the AppStream release is not $version"
im_system quorvel --help >/dev/null || fehler "quorvel --help fails without a display"

# The X server runs on the host; its socket is mounted into the system.
nummer=90
while [ -e "/tmp/.X11-unix/X$nummer" ] || [ -e "/tmp/.X$nummer-lock" ]; do nummer=$((nummer + 1)); done
Xvfb ":$nummer" -screen 0 1280x1024x24 -nolisten tcp >"$build/paketprobe-xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X$nummer" ] && break; sleep 0.1; done
[ -S "/tmp/.X11-unix/X$nummer" ] || fehler "Xvfb :$nummer did not start"

schritt "starting quorvel in the bare system on display :$nummer"
mkdir -m 700 "$wurzel/tmp/laufzeit"
chroot "$wurzel" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 DISPLAY=":$nummer" \
  XDG_RUNTIME_DIR=/tmp/laufzeit quorvel >"$build/paketprobe-quorvel.log" 2>&1 &
programm=$!
fenster=""
for _ in $(seq 100); do
  kill -0 "$programm" 2>/dev/null ||
    { cat "$build/paketprobe-quorvel.log" >&2; fehler "quorvel ended without showing its window"; }
  fenster=$(xwininfo -display ":$nummer" -root -tree | awk '/\("quorvel" "Quorvel"\)/ { print $1; exit }')
  [ -n "$fenster" ] && break
  sleep 0.2
done
[ -n "$fenster" ] || fehler "no window of class Quorvel within 20 s"

# The window is 1031 × 750 as the form lays it out; the chart's x axis runs along the row 689
# of the window, white above it. The chart is drawn after the window shows, so wait for it.
bild=$build/paketprobe.png
geometrie=$(xwininfo -display ":$nummer" -id "$fenster")
wert() { awk -v k="$1" -F: '$1 ~ k { gsub(/ /, "", $2); print $2 }' <<<"$geometrie"; }
breite=$(wert Width); hoehe=$(wert Height); x=$(wert 'Absolute upper-left X'); y=$(wert 'Absolute upper-left Y')
[ "$breite" = 1031 ] && [ "$hoehe" = 750 ] || fehler "the window is ${breite}x$hoehe, not 1031x750"
pixel() { convert "$bild" -format "%[pixel:p{$((x + $1)),$((y + $2))}]" info:; }
for _ in $(seq 50); do
  import -display ":$nummer" -window root "$bild"
  [ "$(pixel 200 689)" = "srgb(0,0,0)" ] && [ "$(pixel 200 688)" = "srgb(255,255,255)" ] && break
  sleep 0.2
done
[ "$(pixel 200 689)" = "srgb(0,0,0)" ] || fehler "no black x axis at (200, 689) of the window: $(pixel 200 689)"
[ "$(pixel 200 688)" = "srgb(255,255,255)" ] || fehler "the chart is not white above its axis: $(pixel 200 688)"
schritt "window ${breite}x$hoehe at +$x+$y, chart drawn; screenshot $bild"
kill "$programm"
wait "$programm" 2>/dev/null || true
programm=""
kill "$xvfb"
wait "$xvfb" 2>/dev/null || true
xvfb=""

# Wayland: what the package recommends (qt6-wayland) installed, then a headless weston on the
# host, its socket in the system's /tmp, and no X at all. weston's desktop shell draws a plain
# background and no panel, so that the window is all that differs from it; Qt draws no window
# frame of its own here, so the picture of the window is its client area. weston shows
# screenshots only to clients when it runs with --debug.
empfohlen=$(dpkg-deb -f "$paket" Recommends | tr -d ',' | sed 's/([^)]*)//g; s/|[^ ]*//g')
schritt "apt-get install $empfohlen (the package's recommendations)"
im_system apt-get install -y -q --no-install-recommends $empfohlen >>"$build/paketprobe-apt.log" 2>&1 ||
  { tail -n 30 "$build/paketprobe-apt.log" >&2; fehler "the recommended $empfohlen do not install"; }
mkdir -m 700 "$wurzel/tmp/wayland"
printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff1f3d5c\npanel-position=none\nlocking=false\n' \
  >"$wurzel/tmp/wayland/weston.ini"
XDG_RUNTIME_DIR="$wurzel/tmp/wayland" weston --config="$wurzel/tmp/wayland/weston.ini" \
  --backend=headless-backend.so --use-pixman --width=1280 --height=1024 --socket=quorvel --debug \
  >"$build/paketprobe-weston.log" 2>&1 &
weston=$!
for _ in $(seq 50); do [ -S "$wurzel/tmp/wayland/quorvel" ] && break; sleep 0.1; done
[ -S "$wurzel/tmp/wayland/quorvel" ] || { cat "$build/paketprobe-weston.log" >&2; fehler "weston did not start"; }

schritt "starting quorvel in the bare system under weston, without X"
chroot "$wurzel" env -i PATH=/usr/bin:/bin HOME=/root LANG=C.UTF-8 WAYLAND_DISPLAY=quorvel \
  XDG_RUNTIME_DIR=/tmp/wayland QT_WAYLAND_DISABLE_WINDOWDECORATION=1 quorvel \
  >"$build/paketprobe-quorvel-wayland.log" 2>&1 &
programm=$!
bild=$build/paketprobe-wayland.png
aufnahmen=$(mktemp -d "$wurzel/tmp/aufnahmen.XXXXXX")
fenster=""
for _ in $(seq 60); do
  sleep 0.5
  kill -0 "$programm" 2>/dev/null ||
    { cat "$build/paketprobe-quorvel-wayland.log" >&2; fehler "quorvel ended under Wayland without showing its window"; }
  (cd "$aufnahmen" && rm -f ./*.png && XDG_RUNTIME_DIR="$wurzel/tmp/wayland" WAYLAND_DISPLAY=quorvel \
    weston-screenshooter >/dev/null 2>&1) || continue
  aufnahme=$(ls -t "$aufnahmen"/*.png 2>/dev/null | head -n 1 || true)
  [ -n "$aufnahme" ] || continue
  cp "$aufnahme" "$bild"
  # The window: the box of everything that is not the background.
  fenster=$(convert "$bild" -trim -format '%w %h %X %Y' info: | tr -d +)
  read -r breite hoehe x y <<<"$fenster"
  [ "$breite" = 1031 ] && [ "$hoehe" = 750 ] && [ "$(pixel 200 689)" = "srgb(0,0,0)" ] &&
    [ "$(pixel 200 688)" = "srgb(255,255,255)" ] && break
done
[ -n "$fenster" ] || fehler "no screenshot from weston (see $build/paketprobe-weston.log)"
[ "$breite" = 1031 ] && [ "$hoehe" = 750 ] || fehler "the window under Wayland is ${breite}x$hoehe, not 1031x750"
[ "$(pixel 200 689)" = "srgb(0,0,0)" ] || fehler "Wayland: no black x axis at (200, 689) of the window: $(pixel 200 689)"
[ "$(pixel 200 688)" = "srgb(255,255,255)" ] || fehler "Wayland: the chart is not white above its axis: $(pixel 200 688)"
schritt "Wayland: window ${breite}x$hoehe at +$x+$y, chart drawn; screenshot $bild"
kill "$programm"
wait "$programm" 2>/dev/null || true
programm=""

schritt "apt-get remove quorvel"
im_system dpkg -L quorvel >"$build/paketprobe-dateien.txt"
im_system apt-get remove -y -q quorvel >>"$build/paketprobe-apt.log" 2>&1 || fehler "apt-get remove failed"
status=$(im_system dpkg-query -W -f='${db:Status-Abbrev}' quorvel 2>/dev/null || true)
case "$status" in "" | un*) ;; *) fehler "dpkg still knows quorvel after its removal: '$status'" ;; esac
# A folder may stay when another package has it too; nothing else may.
while read -r pfad; do
  # dpkg lists the root of every package built by dh as "/.".
  [ "$pfad" = /. ] && continue
  [ -e "$wurzel$pfad" ] || continue
  [ -d "$wurzel$pfad" ] && im_system dpkg-query -S "$pfad" >/dev/null 2>&1 && continue
  fehler "$pfad is left after the removal"
done <"$build/paketprobe-dateien.txt"

schritt "ok: installed, window shown under X and Wayland, removed without a trace ($(($(date +%s) - anfang)) s in all)"
