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
# ignored); without git, the tree without its build folders.
quellen() {
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
  quellen "$ordner/quorvel-$version"
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
# Every check must say yes.
hardening-check "$inhalt/usr/bin/quorvel" | tee "$inhalt/haertung.txt" || true
if grep '^ ' "$inhalt/haertung.txt" | grep -v ': yes' >&2; then fehler "hardening-check: not every check passes"; fi

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
