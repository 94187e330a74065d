#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages as a packager does, with `dpkg-buildpackage
# -us -uc` on a copy of the sources (the tests run in it, offscreen), and judges them: lintian
# on the .changes (tests/paket/lintian.sh) and hardening-check on the packaged program.
# With --zweimal it then builds them once more in another folder, under another time zone,
# umask and locale and without the tests, and compares every file byte for byte (diffoscope
# says where two differ).
# Usage: paket.sh [--zweimal] [build folder]     (default: build)
#   leaves <build folder>/deb/quorvel_<version>.dsc, .tar.xz, _<arch>.deb, .changes, bau.log
set -euo pipefail
cd "$(dirname "$0")/.."
zweimal=""
if [ "${1:-}" = --zweimal ]; then zweimal=1; shift; fi
mkdir -p "${1:-build}"
build=$(readlink -f "${1:-build}")
anfang=$(date +%s)

fehler() { echo "FEHLER: $*" >&2; exit 1; }
schritt() { echo "paket [$(($(date +%s) - anfang)) s]: $*"; }

./tools/abhaengigkeiten.sh deb
version=$(dpkg-parsechangelog -S Version)
arch=$(dpkg --print-architecture)

# The sources as git sees them (the tracked files as they are now, new files that are not
# ignored); without git, the tree without its build folders. The folders of the copy get the
# usual modes whatever the caller's umask, as the source package records them.
quellen() {
  umask 022
  mkdir -p "$1"
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard |
      while IFS= read -r -d '' f; do if [ -e "$f" ] || [ -L "$f" ]; then printf '%s\0' "$f"; fi; done |
      tar --null --no-recursion -T - -cf - | tar -xf - -C "$1"
  else
    tar --exclude='./build' --exclude='./build-*' --exclude=./.git -cf - . | tar -xf - -C "$1"
  fi
}

# bauen <folder> [env ...]: a fresh copy in <folder>/quorvel-<version>, dpkg-buildpackage there.
bauen() {
  local ordner=$1
  shift
  rm -rf "$ordner"
  (quellen "$ordner/quorvel-$version")
  (cd "$ordner/quorvel-$version" && env "$@" dpkg-buildpackage -us -uc) >"$ordner/bau.log" 2>&1 ||
    { tail -n 40 "$ordner/bau.log" >&2; fehler "dpkg-buildpackage failed (see $ordner/bau.log)"; }
}

ziel=$build/deb
schritt "dpkg-buildpackage -us -uc in $ziel/quorvel-$version"
bauen "$ziel"
changes=$ziel/quorvel_${version}_$arch.changes
paket=$ziel/quorvel_${version}_$arch.deb
[ -f "$paket" ] || fehler "dpkg-buildpackage made no ${paket##*/}"
grep -E '^[0-9]+% tests passed|tests? failed' "$ziel/bau.log" || true
ls -l "$ziel"/*.dsc "$ziel"/*.tar.* "$ziel"/*.deb | awk '{ print "  " $5 "  " $9 }'

schritt "lintian --pedantic ${changes##*/}"
bash tests/paket/lintian.sh "$changes"

schritt "hardening-check usr/bin/quorvel"
inhalt=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-paket.XXXXXX")
trap 'rm -rf "$inhalt"' EXIT
dpkg-deb -x "$paket" "$inhalt"
hardening-check "$inhalt/usr/bin/quorvel" | tee "$inhalt/haertung.txt" || true
for pruefung in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
                "Read-only relocations" "Immediate binding"; do
  grep -q "^ $pruefung: yes" "$inhalt/haertung.txt" || fehler "hardening-check: $pruefung is not yes"
done
# The other two cannot say yes on Debian 12, for any program (/usr/bin/ls neither): stack clash
# probes are found only in functions whose frame exceeds a page, which this program has not,
# and the CET mark of control flow protection only when every object linked has it, which
# glibc's start files (Scrt1.o, crti.o, crtn.o) lack. That every unit of our own code was
# compiled with both, the debug symbols (quorvel-dbgsym) tell.
dpkg-deb -x "$ziel/quorvel-dbgsym_${version}_$arch.deb" "$inhalt/dbgsym"
readelf --debug-dump=info "$inhalt"/dbgsym/usr/lib/debug/.build-id/*/*.debug 2>/dev/null |
  sed -n 's/.*DW_AT_producer *: *\(([^)]*): \)\?//p' | grep -- '-std=c++20' >"$inhalt/erzeuger.txt"
[ -s "$inhalt/erzeuger.txt" ] || fehler "no compile unit of quorvel in its debug symbols"
for flagge in -fstack-protector-strong -fstack-clash-protection -fcf-protection -O2; do
  if grep -v -q -- " $flagge" "$inhalt/erzeuger.txt"; then fehler "a compile unit was built without $flagge"; fi
done
echo "  the compile units of quorvel (how many, with which options):"
sort "$inhalt/erzeuger.txt" | uniq -c | sed 's/^ */    /'

if [ -n "$zweimal" ]; then
  zwei=$build/deb-zwei
  schritt "dpkg-buildpackage once more, in $zwei/quorvel-$version (TZ, umask, locale changed; nocheck)"
  (umask 0002 && bauen "$zwei" TZ=UTC-14 LC_ALL=C.UTF-8 DEB_BUILD_OPTIONS=nocheck)
  anders=""
  for datei in "$ziel"/*.deb "$ziel"/*.tar.* "$ziel"/*.dsc; do
    name=${datei##*/}
    [ -f "$zwei/$name" ] || fehler "the second build made no $name"
    if cmp -s "$datei" "$zwei/$name"; then
      echo "  gleich: $(sha256sum "$datei" | cut -c1-16)…  $name"
    else
      echo "  ANDERS: $name" >&2
      anders+=" $name"
    fi
  done
  if [ -n "$anders" ]; then
    ./tools/abhaengigkeiten.sh diffoscope
    for name in $anders; do diffoscope --text "$build/diffoscope-$name.txt" "$ziel/$name" "$zwei/$name" || true; done
    fehler "not reproducible:$anders (diffoscope's report: $build/diffoscope-*.txt)"
  fi
  schritt "reproducible: both builds gave the same files"
fi
schritt "ok: $paket"
