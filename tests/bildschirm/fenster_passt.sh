#!/usr/bin/env bash
# The real window on real screens: the program under Xvfb and openbox at 1024x768, 1280x720
# and 1366x768, seen from outside. The window with its frame lies inside the screen, and the
# chart's k axis with its numbers is drawn whole above the window's bottom edge.
# Usage: fenster_passt.sh <quorvel> [WxH ...]; exit 77 (skipped) without the X tools.
set -uo pipefail
programm=$1
shift
groessen=("$@")
[ ${#groessen[@]} -gt 0 ] || groessen=(1024x768 1280x720 1366x768)

for werkzeug in Xvfb openbox xdotool xprop xwininfo convert import; do
  command -v "$werkzeug" >/dev/null || { echo "SKIP: $werkzeug fehlt (tools/abhaengigkeiten.sh)"; exit 77; }
done

tmp=$(mktemp -d)
pids=()
aufraeumen() {
  schliessen
  rm -rf "$tmp"
}
trap aufraeumen EXIT

# Ends this screen's program, window manager and X server.
schliessen() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  pids=()
}

fehler=0
falsch() {
  echo "FEHLER $groesse: $*"
  fehler=1
}

# Waits up to 30 s for the command to succeed.
warten() {
  for _ in $(seq 300); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

wm_da() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }

# The window's client rectangle: "x y w h" from xwininfo (absolute, frame excluded).
rechteck() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4}
                           /^  Width/{w=$2} /^  Height/{h=$2} END{print x, y, w, h}'
}

for groesse in "${groessen[@]}"; do
  sw=${groesse%x*}
  sh=${groesse#*x}
  lauf=$tmp/$groesse
  mkdir -p "$lauf/config" "$lauf/laufzeit"
  chmod 700 "$lauf/laufzeit"
  # A free display of its own: Xvfb names the number it took.
  Xvfb -displayfd 3 -screen 0 "${groesse}x24" -nolisten tcp 3>"$lauf/display" 2>"$lauf/xvfb.log" &
  pids+=("$!")
  warten test -s "$lauf/display" || { falsch "Xvfb startet nicht"; schliessen; continue; }
  DISPLAY=:$(head -1 "$lauf/display")
  export DISPLAY
  openbox >"$lauf/openbox.log" 2>&1 &
  pids+=("$!")
  warten wm_da || { falsch "openbox startet nicht"; schliessen; continue; }
  # A fresh configuration: no remembered place or zoom.
  env -u QT_QPA_PLATFORM -u QUORVEL_ZOOM -u QUORVEL_ZUSTAND -u QT_SCALE_FACTOR XDG_CONFIG_HOME="$lauf/config" \
    XDG_RUNTIME_DIR="$lauf/laufzeit" "$programm" >"$lauf/quorvel.log" 2>&1 &
  qp=$!
  pids+=("$qp")
  if ! warten xdotool search --all --onlyvisible --pid "$qp" --name "Diskrete Verteilungen"; then
    falsch "kein Fenster"
    ps -p "$qp" -o pid,stat,etime,cmd
    cat "$lauf/quorvel.log" "$lauf/openbox.log"
    schliessen
    continue
  fi
  fenster=$(xdotool search --all --onlyvisible --pid "$qp" --name "Diskrete Verteilungen" | head -1)
  # The window manager places the window, then the program sets its size once it knows the
  # frame: a rectangle still for a moment and inside the screen, or what stands after 15 s.
  vorher=""
  for _ in $(seq 50); do
    jetzt=$(rechteck "$fenster")
    rahmen=$(xprop -id "$fenster" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    if [ -n "$rahmen" ] && [ "$jetzt" = "$vorher" ]; then
      read -r x y w h <<<"$jetzt"
      read -r rl rr ro ru <<<"$rahmen"
      [ $((x - rl)) -ge 0 ] && [ $((y - ro)) -ge 0 ] && [ $((x + w + rr)) -le "$sw" ] &&
        [ $((y + h + ru)) -le "$sh" ] && break
    fi
    vorher=$jetzt
    sleep 0.3
  done
  read -r x y w h <<<"$jetzt"
  read -r rl rr ro ru <<<"${rahmen:-0 0 0 0}"
  [ -n "$rahmen" ] || falsch "kein Rahmen bekannt (_NET_FRAME_EXTENTS)"
  echo "$groesse: Fenster ${w}x${h}+${x}+${y}, Rahmen links $rl rechts $rr oben $ro unten $ru"
  [ $((x - rl)) -ge 0 ] && [ $((y - ro)) -ge 0 ] || falsch "Rahmen links oder oben außerhalb: $((x - rl)),$((y - ro))"
  [ $((x + w + rr)) -le "$sw" ] || falsch "Rahmen rechts außerhalb: $((x + w + rr)) > $sw"
  [ $((y + h + ru)) -le "$sh" ] || falsch "Rahmen unten außerhalb: $((y + h + ru)) > $sh"

  # The chart: below the band (340 px), in the columns of the k axis of the start chart
  # (logical 40..469). Each row's share of dark pixels: the axis is the lowest row dark almost
  # throughout, its numbers the rows of ink below it, and below them the chart's margin. The
  # chart may still be drawn at its new size: a few pictures, 0.5 s apart.
  bild=$lauf/bildschirm.png
  oben=$((y + 340))
  unten=$((y + h < sh ? y + h : sh))
  hoehe=$((unten - oben))
  anteile=$lauf/zeilen.txt
  for _ in $(seq 10); do
    import -window root "$bild" 2>/dev/null || { sleep 0.5; continue; }
    convert "$bild" -crop "420x${hoehe}+$((x + 45))+${oben}" +repage -colorspace Gray -threshold 50% -negate \
      -scale "1x${hoehe}!" -depth 16 txt:- | sed -n 's/^0,\([0-9]*\): (\([0-9.]*\).*/\1 \2/p' >"$anteile"
    achse=$(awk '$2 > 0.8 * 65535 {a = $1} END {print a + 0}' "$anteile")
    read -r zeilen letzte <<<"$(awk -v a="$achse" '$1 > a + 2 && $2 > 0 {n++; z = $1} END {print n + 0, z + 0}' "$anteile")"
    # The numbers are some 8 px high, and a white row at least is left below them.
    [ "$achse" -gt 100 ] && [ "$zeilen" -ge 6 ] && [ "$letzte" -lt $((hoehe - 1)) ] && break
    sleep 0.5
  done
  [ -s "$bild" ] || { falsch "kein Bildschirmfoto"; schliessen; continue; }
  echo "$groesse: k-Achse $((oben + achse)), Beschriftung bis $((oben + letzte)), Fensterunterkante $((y + h))"
  [ "$achse" -gt 100 ] || falsch "keine k-Achse in der Grafik"
  [ "$zeilen" -ge 6 ] || falsch "die Zahlen der k-Achse fehlen ($zeilen Zeilen Tinte unter der Achse)"
  [ "$letzte" -lt $((hoehe - 1)) ] || falsch "die Zahlen der k-Achse reichen bis an die Unterkante"
  [ -z "${FENSTER_PASST_BILDER:-}" ] || cp "$bild" "$FENSTER_PASST_BILDER/fenster-$groesse.png"
  schliessen
done
exit $fehler
