#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a desktop and the package see:
# exactly the program, its three desktop files, man page and documentation; the desktop files
# valid, and each naming the others.
# Usage: pruefen.sh <cmake> <build folder>
# The validators are no optional extra: tools/abhaengigkeiten.sh installs them, so a
# missing one fails this test.
set -euo pipefail
cmake=$1
build=$2
id=de.quorvel.Quorvel

fehler() { echo "FEHLER: $*" >&2; exit 1; }

for werkzeug in desktop-file-validate appstreamcli; do
  command -v "$werkzeug" >/dev/null || fehler "$werkzeug missing (run ./tools/abhaengigkeiten.sh)"
done

ziel=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-installation.XXXXXX")
trap 'rm -rf "$ziel"' EXIT
DESTDIR=$ziel "$cmake" --install "$build" --prefix /usr >/dev/null

erwartet="usr/bin/quorvel
usr/share/applications/$id.desktop
usr/share/doc/quorvel/changelog.gz
usr/share/doc/quorvel/copyright
usr/share/icons/hicolor/scalable/apps/quorvel.svg
usr/share/man/man1/quorvel.1.gz
usr/share/metainfo/$id.metainfo.xml"
installiert=$(cd "$ziel" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$installiert" = "$erwartet" ] ||
  fehler "installed files differ from the expected ones:"$'\n'"$installiert"

[ -x "$ziel/usr/bin/quorvel" ] || fehler "usr/bin/quorvel is not executable"

desktop=$ziel/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fehler "desktop-file-validate rejects $id.desktop"
grep -qx 'Exec=quorvel' "$desktop" || fehler "the desktop entry does not start quorvel"
grep -qx 'Icon=quorvel' "$desktop" || fehler "the desktop entry does not name the quorvel icon"

grep -q '<svg' "$ziel/usr/share/icons/hicolor/scalable/apps/quorvel.svg" ||
  fehler "quorvel.svg is no SVG"

appstreamcli validate --no-net "$ziel/usr/share/metainfo/$id.metainfo.xml" ||
  fehler "appstreamcli rejects $id.metainfo.xml"
# The tree check also finds the desktop entry the metainfo launches.
appstreamcli validate-tree --no-net "$ziel" || fehler "appstreamcli rejects the installed tree"
echo "installation ok"
