#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what a desktop and the package see:
# exactly the program, its three desktop files, the lesson files' MIME type, the example
# tasks and the man page (the package's copyright and changelog are debhelper's, from
# debian/); the desktop files valid, and each naming the others.
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
usr/share/icons/hicolor/scalable/apps/quorvel.svg
usr/share/man/de/man1/quorvel.1.gz
usr/share/man/man1/quorvel.1.gz
usr/share/metainfo/$id.metainfo.xml
usr/share/mime/packages/$id.xml
usr/share/quorvel/beispiele/qualitaetskontrolle.quorvel
usr/share/quorvel/beispiele/urne.quorvel
usr/share/quorvel/beispiele/wuerfel.quorvel"
installiert=$(cd "$ziel" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$installiert" = "$erwartet" ] ||
  fehler "installed files differ from the expected ones:"$'\n'"$installiert"

[ -x "$ziel/usr/bin/quorvel" ] || fehler "usr/bin/quorvel is not executable"

desktop=$ziel/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fehler "desktop-file-validate rejects $id.desktop"
grep -qx 'Exec=quorvel %f' "$desktop" || fehler "the desktop entry does not start quorvel with the file"
grep -qx 'MimeType=application/x-quorvel;' "$desktop" || fehler "the desktop entry does not open lesson files"
grep -qx 'Icon=quorvel' "$desktop" || fehler "the desktop entry does not name the quorvel icon"

# Both man pages, English and German, document every option --help lists.
optionen=$("$ziel/usr/bin/quorvel" --help | grep -o -- '--[a-z]*' | sort -u)
[ -n "$optionen" ] || fehler "quorvel --help lists no options"
for seite in man/man1 man/de/man1; do
  text=$(zcat "$ziel/usr/share/$seite/quorvel.1.gz")
  for o in $optionen; do
    grep -qF -- "${o//-/\\-}" <<<"$text" || fehler "$seite/quorvel.1 does not document $o"
  done
done

grep -q '<svg' "$ziel/usr/share/icons/hicolor/scalable/apps/quorvel.svg" ||
  fehler "quorvel.svg is no SVG"

appstreamcli validate --pedantic --no-net "$ziel/usr/share/metainfo/$id.metainfo.xml" ||
  fehler "appstreamcli rejects $id.metainfo.xml"
# The tree check also finds the desktop entry the metainfo launches.
appstreamcli validate-tree --no-net "$ziel" || fehler "appstreamcli rejects the installed tree"
echo "installation ok"
