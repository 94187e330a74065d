#!/usr/bin/env bash
# The program as a screen reader meets it: a private session bus, an X server of its own, the
# AT-SPI bus, the program on it, and tests/vorleser/atspi_lauf.py listening and pressing keys.
# Usage: atspi_lauf.sh <quorvel> <Quorvel.ui>
# Exit 77 (CTest's SKIP) when a part of that desktop is not installed (tools/abhaengigkeiten.sh
# installs them); 0 when everything heard was right.
set -u
ueberspringen=77
hier=$(cd "$(dirname "$0")" && pwd)
starter=""
for s in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
  [ -x "$s" ] && starter=$s && break
done
# Debian's own python3 holds pyatspi; a python3 earlier on the PATH may not.
python=/usr/bin/python3
fehlt=""
command -v dbus-run-session >/dev/null || fehlt+=" dbus-run-session"
command -v Xvfb >/dev/null || fehlt+=" Xvfb"
command -v openbox >/dev/null || fehlt+=" openbox"
command -v xdotool >/dev/null || fehlt+=" xdotool"
[ -n "$starter" ] || fehlt+=" at-spi-bus-launcher"
{ [ -x "$python" ] && "$python" -c 'import pyatspi' 2>/dev/null; } || fehlt+=" python3-pyatspi"
if [ -n "$fehlt" ]; then
  echo "übersprungen, es fehlt:$fehlt"
  exit $ueberspringen
fi

if [ "${1:-}" != --im-bus ]; then
  exec dbus-run-session -- "$0" --im-bus "$@"
fi
shift
programm=$1
formular=$2

tmp=$(mktemp -d)
pids=()
aufraeumen() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap aufraeumen EXIT

# An X server on the first free display: parallel tests never meet.
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$tmp/anzeige" 2>"$tmp/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$tmp/anzeige" ] && break; sleep 0.1; done
[ -s "$tmp/anzeige" ] || { echo "Xvfb startet nicht"; cat "$tmp/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$tmp/anzeige")

# A window manager activates the window, as on a desktop: the focus is where Qt says it is.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do xdotool get_desktop >/dev/null 2>&1 && break; sleep 0.1; done

"$starter" --launch-immediately 2>"$tmp/bus.log" &
pids+=($!)
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
  sleep 0.1
done

# Qt speaks AT-SPI without a screen reader having asked; settings and runtime files stay here.
mkdir -m 700 "$tmp/laufzeit"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb
export XDG_CONFIG_HOME="$tmp/einstellungen" XDG_RUNTIME_DIR="$tmp/laufzeit"
"$programm" 2>"$tmp/programm.log" &
pids+=($!)

"$python" "$hier/atspi_lauf.py" "$formular" $!
ergebnis=$?
[ $ergebnis -eq 0 ] || { echo "--- Programm:"; grep -v '^QStandardPaths' "$tmp/programm.log" | tail -20; }
exit $ergebnis
