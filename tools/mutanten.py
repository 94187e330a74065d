#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
"""make mutanten: the slips a change could make in probability/ and analysis/, and whether a test catches each.

Every mutant is one small edit: a source snippet, unique in its file, and what replaces it. The
tree is mirrored into build-mutanten/quelle with its own build in build-mutanten/bau (configured
once; later runs rebuild only what changed). Per mutant the file is patched there, and the test
programs that link the file are rebuilt and run in turn (core_tests, chart_tests,
explorations_tests, ui_tests) until one fails or times out: caught. Then the file is restored.
A test that fails on the unchanged tree is left out of the mutant runs and named.

Usage: tools/mutanten.py [WORD...]   only the mutants whose file or snippet contains a WORD
Exit status: 0 when at least MINDESTENS percent are caught, 1 below, 2 for a broken list or build.
"""

import os
import re
import shutil
import signal
import subprocess
import sys
import time
from pathlib import Path

MINDESTENS = 90

# (file, snippet, replacement). Ordered by file, so that each file is compiled once per mutant.
MUTANTEN = [
    # Rejection region: the bounds from the levels, the levels reached, the test kind.
    ("analysis/Ablehnungsbereich.cpp", "if (k < 0) return 0;", "if (k <= 0) return 0;"),
    ("analysis/Ablehnungsbereich.cpp", "return std::clamp(wert, Extended{0}, Extended{100});", "return wert;"),
    ("analysis/Ablehnungsbereich.cpp", "(1 - Kumuliert(z, k - 1)) * 100", "(1 - Kumuliert(z, k)) * 100"),
    ("analysis/Ablehnungsbereich.cpp", "if (b >= 0 && b <= z.n && gleich_gezeigt(Niveau_links",
     "if (b > 0 && b <= z.n && gleich_gezeigt(Niveau_links"),
    ("analysis/Ablehnungsbereich.cpp", "if (z.Alfali <= 0) return z.kli;", "if (z.Alfali < 0) return z.kli;"),
    ("analysis/Ablehnungsbereich.cpp", "while (k <= z.n && z.P0_kumuliert[k] <= a)",
     "while (k < z.n && z.P0_kumuliert[k] <= a)"),
    ("analysis/Ablehnungsbereich.cpp", "z.P0_kumuliert[k] <= a) ++k;", "z.P0_kumuliert[k] < a) ++k;"),
    ("analysis/Ablehnungsbereich.cpp", "if (z.Alfare <= 0) return z.kre;", "if (z.Alfare < 0) return z.kre;"),
    ("analysis/Ablehnungsbereich.cpp", "z.P0_kumuliert[k] >= b_Grenze", "z.P0_kumuliert[k] > b_Grenze"),
    ("analysis/Ablehnungsbereich.cpp", "Kumuliert(z, k) < b_Grenze ? k + 2", "Kumuliert(z, k) <= b_Grenze ? k + 2"),
    ("analysis/Ablehnungsbereich.cpp", "if (z.kre > z.n) return 0;", "if (z.kre >= z.n) return 0;"),
    ("analysis/Ablehnungsbereich.cpp", "z.kli_Ursprung = z.kli < 0 ?", "z.kli_Ursprung = z.kli <= 0 ?"),
    ("analysis/Ablehnungsbereich.cpp", "std::max(z.kre, z.kli + 1)", "std::max(z.kre, z.kli)"),
    ("analysis/Ablehnungsbereich.cpp", "if (ab <= z.n) a.rechts", "if (ab < z.n) a.rechts"),
    ("analysis/Ablehnungsbereich.cpp", "z.Test_links = z.kli >= 0 && z.kre > z.n;",
     "z.Test_links = z.kli >= 0 && z.kre >= z.n;"),
    ("analysis/Ablehnungsbereich.cpp", "z.Test_rechts = z.kli < 0 && z.kre <= z.n;",
     "z.Test_rechts = z.kli < 0 && z.kre < z.n;"),
    ("analysis/Ablehnungsbereich.cpp", "z.Test_beidseitig = z.kli >= 0", "z.Test_beidseitig = z.kli > 0"),
    ("analysis/Ablehnungsbereich.cpp", "if (z.Test_rechts) return {0, z.kre - 1};",
     "if (z.Test_rechts) return {0, z.kre};"),
    # The field rules.
    ("analysis/Eingaberegeln.cpp", "w < 1 || w > k_Maximum", "w < 0 || w > k_Maximum"),
    ("analysis/Eingaberegeln.cpp", "w < 1 || w > k_Maximum", "w < 1 || w > k_Maximum + 1"),
    ("analysis/Eingaberegeln.cpp", "vaHypergeo && w > N[i]", "vaHypergeo && w >= N[i]"),
    ("analysis/Eingaben.cpp", "if (anderes.Wert != gezeigt)", "if (anderes.Wert == gezeigt)"),
    ("analysis/Eingaberegeln.cpp", "if (w < 0 || w > n) return", "if (w < 0 || w > n + 1) return"),
    ("analysis/Eingaberegeln.cpp", "if (w < 0 || w > n) return", "if (w < -1 || w > n) return"),
    ("analysis/Eingaberegeln.cpp", "if (w < 0 || w > k2)", "if (w < 0 || w >= k2)"),
    ("analysis/Eingaberegeln.cpp", "if (w < k1 || w > n)", "if (w <= k1 || w > n)"),
    ("analysis/Eingaberegeln.cpp", "if (!(w >= 0 && w <= 1)) {", "if (!(w > 0 && w <= 1)) {"),
    ("analysis/Eingaberegeln.cpp", "if (!(w < r.N))", "if (!(w <= r.N))"),
    ("analysis/Eingaberegeln.cpp", "if (!(w >= n))", "if (!(w > n))"),
    ("analysis/Eingaberegeln.cpp", "if (!(w >= 0 && w <= 100)) return Korrektur",
     "if (!(w >= 0 && w < 100)) return Korrektur"),
    ("analysis/Eingaberegeln.cpp", "if (w < -1 || w > kre)", "if (w < -1 || w >= kre)"),
    ("analysis/Eingaberegeln.cpp", "if (u.Wert > n) u = Korrektur", "if (u.Wert > n + 1) u = Korrektur"),
    ("analysis/Eingaberegeln.cpp", "if (w < kli || w < 0 || w > n + 1)", "if (w <= kli || w < 0 || w > n + 1)"),
    ("analysis/Eingaberegeln.cpp", "if (w < kli || w < 0 || w > n + 1)", "if (w < kli || w > n + 1)"),
    ("analysis/Eingaberegeln.cpp", "if (w < kli || w < 0 || w > n + 1)", "if (w < kli || w < 0 || w > n + 2)"),
    ("analysis/Eingaberegeln.cpp", "w <= Sigmafaktor_hoechstens", "w < Sigmafaktor_hoechstens"),
    # The inputs and what follows from them.
    ("analysis/Eingaben.cpp", "Achse / (Spanne + 1)", "Achse / (Spanne + 2)"),
    ("analysis/Eingaben.cpp", "if (Slotbreite(Achse, z.k2 - z.k1) < 1)", "if (Slotbreite(Achse, z.k2 - z.k1) <= 1)"),
    ("analysis/Eingaben.cpp", "z.mue0 - 3.5L * z.sigma0", "z.mue0 - 3L * z.sigma0"),
    ("analysis/Eingaben.cpp", "e.k2 = Ganz(e.n.Wert);", "e.k2 = Ganz(e.n.Wert - 1);"),
    ("analysis/Eingaben.cpp", "Dezimal(u.Wert < 0 ? 0 : Niveau_links", "Dezimal(u.Wert <= 0 ? 0 : Niveau_links"),
    ("analysis/Eingaben.cpp", "Dezimal(u.Wert > z.n ? 0 : Niveau_rechts", "Dezimal(u.Wert >= z.n ? 0 : Niveau_rechts"),
    ("analysis/Eingaben.cpp", "Kasten::Vertrauensintervall_berechnen && !an", "Kasten::Vertrauensintervall_berechnen && an"),
    ("analysis/Eingaben.cpp", "Art_neu <= vaGeometr", "Art_neu < vaGeometr"),
    ("analysis/Eingaben.cpp", "e.n.Wert > e.N[i].Wert", "e.n.Wert >= e.N[i].Wert"),
    # Tables' sums, moments, the interval's probabilities.
    # The clamp acts only where a table's rounded values sum past 1. No such table is known (1,2
    # million binomial, hypergeometric, Poisson and geometric ones tried, n up to 4000), so no
    # test reaches this one; it is not provably equivalent either.
    ("analysis/Berechnung.cpp", "z.P0_kumuliert[k] = std::min(s.hi, Extended{1});", "z.P0_kumuliert[k] = s.hi;"),
    ("analysis/Berechnung.cpp", "for (int k = z.n; k >= 1; --k)", "for (int k = z.n; k >= 2; --k)"),
    ("analysis/Berechnung.cpp", "(N - n) / (N - 1)", "(N - n) / N"),
    ("analysis/Berechnung.cpp", "return Poissontabelle(t, n, n * p);", "return Poissontabelle(t, n, p);"),
    ("analysis/Berechnung.cpp", "for (int k = von + 1; k <= bis; ++k)", "for (int k = von + 1; k < bis; ++k)"),
    ("analysis/Berechnung.cpp", "Kumuliert(z, k2) - Kumuliert(z, k1 - 1)", "Kumuliert(z, k2) - Kumuliert(z, k1)"),
    # Samples in the rejection region, the interval.
    ("analysis/Konfidenzintervall.cpp", "if (n < 1) return p0;", "if (n < 0) return p0;"),
    ("analysis/Konfidenzintervall.cpp", "std::clamp(x, 0, n)) / n", "(x)) / n"),
    ("analysis/Stichproben.cpp", "if (k > g.n) return g.kre <= g.n;", "if (k > g.n) return g.kre < g.n;"),
    ("analysis/Stichproben.cpp", "return k <= g.kli || k >= g.kre;", "return k < g.kli || k >= g.kre;"),
    ("analysis/Stichproben.cpp", "if (e.m <= 0) return r;", "if (e.m < 0) return r;"),
    ("analysis/Stichproben.cpp", "for (int k = 0; k <= n + 1; ++k)", "for (int k = 0; k <= n; ++k)"),
    ("analysis/Serienwerte.cpp", "if (Rest > 5 ||", "if (Rest >= 5 ||"),
    # Numbers read and written.
    ("analysis/Zahlen_lesen.cpp", "if (betrag > grenze) return false;", "if (betrag >= grenze) return false;"),
    ("analysis/Zahlentexte.cpp", "d.exponent >= -4 && d.exponent < 15", "d.exponent >= -4 && d.exponent < 16"),
    ("analysis/Zahlentexte.cpp", "d.ziffern[pos] >= '5'", "d.ziffern[pos] > '5'"),
    # The tables.
    ("probability/Tabellen.cpp", "std::int64_t{n} - k + 1); }", "std::int64_t{n} - k + 2); }"),
    ("probability/Tabellen.cpp", "std::max<std::int64_t>(0, n - (N - M))", "std::max<std::int64_t>(0, n - (N - M) + 1)"),
    ("probability/Tabellen.cpp", "bis = static_cast<int>(std::min(n, M));", "bis = static_cast<int>(std::min(n - 1, M));"),
    ("probability/Tabellen.cpp", "if (k <= n)\n            t[k] = w.hi;", "if (k < n)\n            t[k] = w.hi;"),
    ("probability/Tabellen.cpp", "for (int k = s.modus; k > s.von; --k)", "for (int k = s.modus; k > s.von + 1; --k)"),
    ("probability/Tabellen.cpp", "if (k < s.von || k > s.bis) return 0;", "if (k < s.von || k >= s.bis) return 0;"),
    ("probability/Tabellen.cpp", "Groesster_Poisson_Mittelwert = 0x1p24L;", "Groesster_Poisson_Mittelwert = 0x1p10L;"),
    ("probability/Tabellen.cpp", "|| n > N || M > N; }", "|| n >= N || M > N; }"),
    ("probability/Tabellen.cpp", "if (n >= 1) t[1] = 1;", "if (n > 1) t[1] = 1;"),
    ("probability/Tabellen.cpp", "for (int k = 1; k <= n && w.hi", "for (int k = 1; k < n && w.hi"),
    ("probability/Tabellen.cpp", "Potenz(q, n).hi;", "Potenz(q, n - 1).hi;"),
    ("probability/Tabellen.cpp", "return a <= 0 ? 1 : 0;", "return a < 0 ? 1 : 0;"),
    ("probability/Tabellen.cpp", "return b >= n ? 1 : 0;", "return b > n ? 1 : 0;"),
    ("probability/UStochastik.cpp", "if (k > n) return 0;", "if (k >= n) return 0;"),
    ("probability/UStochastik.cpp", "const Extended term_grenze = 1e-10L;", "const Extended term_grenze = 1e-6L;"),
    ("probability/UStochastik.cpp", "if (y >= 1) return grenze;", "if (y > 1) return grenze;"),
    ("probability/Ziehung.cpp", "if (rest == 0) Summe[n] = 1;", "if (rest != 0) Summe[n] = 1;"),
    ("probability/Ziehung.cpp", "while (k <= n && u >= Summe[k])", "while (k < n && u >= Summe[k])"),
    ("probability/Ziehung.cpp", "if (k < 0) return 0;", "if (k <= 0) return 0;"),
]

# Mutants that no input can tell from the original: listed so that nobody adds them as new,
# checked to still apply, never run or counted.
GLEICHWERTIGE = [
    ("analysis/Berechnung.cpp", "if (z.Umgebung_re > z.n) z.Umgebung_re = z.n;",
     "if (z.Umgebung_re >= z.n) z.Umgebung_re = z.n;", "at equality it writes the value that is there"),
    ("analysis/Berechnung.cpp", "k2 >= k1 + 2 ?", "k2 >= k1 + 1 ?", "at k2 = k1 + 1 the open interval is K(k1) - K(k1) = 0 either way"),
    ("analysis/Stichproben.cpp", "std::max(g.kre, g.kli + 1) - 1", "std::max(g.kre, g.kli) - 1",
     "they differ only where the regions overlap; there F(kli) + (1 - F(kli)) is 1 exactly and the larger sum is clamped to 100"),
    ("analysis/Zahlen_lesen.cpp", "if (groesse >= 0) return std::nullopt;", "if (groesse > 0) return std::nullopt;",
     "a magnitude of 0 is a number in [1; 10), which never leaves the range"),
    ("probability/UStochastik.cpp", "if (n < 2 * static_cast<std::int64_t>(k))",
     "if (n <= 2 * static_cast<std::int64_t>(k))", "at n = 2k, n - k is k"),
    ("probability/UStochastik.cpp", "if (y >= 0.5L) {", "if (y > 0.5L) {", "Phi(0) is 0,5 exactly, so at y = 0,5 both searches end at r = 0"),
    ("probability/Tabellen.cpp", "return r < 1 && t * r", "return r <= 1 && t * r",
     "at r = 1 the bound (1 - r)·S·g is 0 and a term t is a normal number, so the test fails either way"),
    ("probability/Ziehung.cpp", "while (k <= n && Summe[k] <= unten) ++k;", "while (k <= n && Summe[k] < unten) ++k;",
     "an earlier start only lengthens the search, whose own test steps over F(k) = u"),
    ("probability/Ziehung.cpp", "while ((1 << Bits) < n + 1) ++Bits;", "while ((1 << Bits) < n) ++Bits;",
     "fewer buckets only lengthen the search"),
    ("probability/Ziehung.cpp", "std::isfinite(p) && p > 0 ? p : 0", "std::isfinite(p) && p >= 0 ? p : 0",
     "a zero (or -0) adds nothing either way"),
    ("probability/Ziehung.cpp", "std::min(paar::durch(Teilsummen[k], Gesamt).hi, Extended{1})",
     "paar::durch(Teilsummen[k], Gesamt).hi",
     "a running sum never exceeds the whole, and the pair quotient of such rounds to at most 1"),
]

# In this order: the first that fails catches the mutant; the later ones are not built or run.
PROGRAMME = ["core_tests", "chart_tests", "explorations_tests", "ui_tests"]

WURZEL = Path(__file__).resolve().parent.parent
ARBEIT = Path(os.environ.get("MUTANTEN_BAU", WURZEL / "build-mutanten"))
QUELLE = ARBEIT / "quelle"
BAU = ARBEIT / "bau"
UMGEBUNG = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def fehler(text):
    print(f"mutanten: {text}", file=sys.stderr)
    sys.exit(2)


def Zeile(text, stelle):
    return text.count("\n", 0, stelle) + 1


def Stelle_pruefen(datei, alt, neu):
    """The line of the first changed character, or a message why the entry does not apply."""
    pfad = WURZEL / datei
    if not pfad.is_file():
        return None, f"{datei}: no such file"
    text = pfad.read_text()
    anzahl = text.count(alt)
    if anzahl != 1:
        return None, f"{datei}: snippet found {anzahl} times, not once: {alt!r}"
    if alt == neu:
        return None, f"{datei}: replacement equals the snippet: {alt!r}"
    versatz = next((i for i, (a, b) in enumerate(zip(alt, neu)) if a != b), min(len(alt), len(neu)))
    return Zeile(text, text.index(alt) + versatz), None


def Baum_spiegeln():
    """Copies every file git knows (tracked or new) that differs, so the build stays incremental."""
    liste = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=WURZEL,
                           check=True, capture_output=True).stdout.decode().split("\0")
    dateien = {d for d in liste if d and (WURZEL / d).is_file()}
    for d in dateien:
        ziel = QUELLE / d
        neu = (WURZEL / d).read_bytes()
        if not ziel.is_file() or ziel.read_bytes() != neu:
            ziel.parent.mkdir(parents=True, exist_ok=True)
            ziel.write_bytes(neu)
            shutil.copymode(WURZEL / d, ziel)
    for pfad in QUELLE.rglob("*"):
        if pfad.is_file() and str(pfad.relative_to(QUELLE)) not in dateien:
            pfad.unlink()


def bauen(ziele):
    """True when the targets build; the log of a failed build goes to bau/mutant.log."""
    r = subprocess.run(["cmake", "--build", str(BAU), "-j", os.environ.get("JOBS", "2"), "--target", *ziele],
                       capture_output=True, text=True)
    if r.returncode != 0:
        (BAU / "mutant.log").write_text(r.stdout + r.stderr)
    return r.returncode == 0


def laufen(programm, filter_, frist, schnell=True):
    """(passed, seconds, output); a run beyond its time limit counts as failed."""
    befehl = [str(BAU / "tests" / programm), "--gtest_brief=1"]
    if schnell:
        befehl.append("--gtest_fail_fast")
    if filter_:
        befehl.append("--gtest_filter=" + filter_)
    beginn = time.monotonic()
    p = subprocess.Popen(befehl, cwd=BAU / "tests", env=UMGEBUNG, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                         text=True, start_new_session=True)
    try:
        ausgabe, _ = p.communicate(timeout=frist)
        return p.returncode == 0, time.monotonic() - beginn, ausgabe
    except subprocess.TimeoutExpired:
        os.killpg(p.pid, signal.SIGKILL)
        p.communicate()
        return False, time.monotonic() - beginn, "[  FAILED  ] time_limit.exceeded"


def Fehlschlaege(ausgabe):
    """The failed tests' names, from gtest's lines "[  FAILED  ] Suite.Test...", in order."""
    namen = re.findall(r"^\[  FAILED  \] ([^\s,]+\.[^\s,]+)", ausgabe, re.M)
    return list(dict.fromkeys(namen))


def Funktionen(pfad, arten):
    """The names of the functions in an object or program whose nm type is one of `arten`."""
    zeilen = subprocess.run(["nm", "-P", str(pfad)], capture_output=True, text=True, check=True).stdout.splitlines()
    return {z.split()[0] for z in zeilen if len(z.split()) > 1 and z.split()[1] in arten}


def Nutzer(datei, programme):
    """The test programs that link the file. A static library adds an object to a program only
    where the program calls into it, so its own (strong, global) functions show it; inline and
    template functions (weak) may come from any object and prove nothing."""
    eigene = Funktionen(BAU / "CMakeFiles" / "quorvel_core.dir" / (datei + ".o"), "T")
    return [p for p in PROGRAMME if eigene & programme[p]]


def main():
    beginn = time.monotonic()
    woerter = sys.argv[1:]
    auswahl = [m for m in MUTANTEN if not woerter or any(w in m[0] or w in m[1] for w in woerter)]

    zeilen, probleme = [], []
    for datei, alt, neu, *_ in MUTANTEN + GLEICHWERTIGE:
        zeile, problem = Stelle_pruefen(datei, alt, neu)
        zeilen.append(zeile)
        if problem:
            probleme.append(problem)
    if probleme:
        fehler("the list no longer fits the sources:\n  " + "\n  ".join(probleme))
    zeile_von = {(m[0], m[1], m[2]): z for m, z in zip(MUTANTEN, zeilen)}

    ARBEIT.mkdir(parents=True, exist_ok=True)
    Baum_spiegeln()
    if not (BAU / "CMakeCache.txt").is_file():
        # -O2 as in the release build; the debug information would only slow each rebuild.
        subprocess.run(["cmake", "-S", str(QUELLE), "-B", str(BAU), "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG"], check=True, stdout=subprocess.DEVNULL)
    if not bauen(PROGRAMME):
        fehler(f"the unchanged tree does not build; see {BAU / 'mutant.log'}")
    gebaut = time.monotonic()

    # The unchanged tree: every test must pass; one that fails here (a fault of its own) is
    # left out, so that it cannot pass a mutant off as caught.
    filter_, frist = {}, {}
    for p in PROGRAMME:
        ok, dauer, ausgabe = laufen(p, "", 3600, schnell=False)
        if not ok:
            schlecht = Fehlschlaege(ausgabe)
            filter_[p] = "-" + ":".join(schlecht)
            ok, dauer, ausgabe = laufen(p, filter_[p], 3600, schnell=False)
            if not ok or not schlecht:
                fehler(f"{p} fails on the unchanged tree:\n{ausgabe[-3000:]}")
            print(f"note: {p} fails on the unchanged tree in {', '.join(schlecht)}; left out of the runs below")
        frist[p] = max(60.0, 4 * dauer)
        print(f"{p}: {dauer:.0f} s unchanged, time limit {frist[p]:.0f} s")
    programme = {p: Funktionen(BAU / "tests" / p, "Tt") for p in PROGRAMME}
    nutzer = {datei: Nutzer(datei, programme) for datei in {m[0] for m in auswahl}}

    gefangen, verfehlt, kaputt = [], [], []
    for i, (datei, alt, neu) in enumerate(auswahl, 1):
        ort = f"{datei}:{zeile_von[(datei, alt, neu)]}"
        pfad = QUELLE / datei
        original = pfad.read_text()
        t0 = time.monotonic()
        ergebnis = "missed"
        try:
            pfad.write_text(original.replace(alt, neu, 1))
            for p in nutzer[datei]:
                if not bauen([p]):
                    ergebnis = "does not compile"
                    break
                ok, _, ausgabe = laufen(p, filter_.get(p, ""), frist[p])
                if not ok:
                    erster = (Fehlschlaege(ausgabe) or ["(crash)"])[0]
                    ergebnis = f"caught by {p} {erster}"
                    break
        finally:
            pfad.write_text(original)
        eintrag = (ort, alt, neu)
        (gefangen if ergebnis.startswith("caught") else kaputt if ergebnis.startswith("does") else verfehlt).append(eintrag)
        einzeilig = lambda s: s.replace("\n", "⏎")
        print(f"[{i:2}/{len(auswahl)}] {ort:38} {einzeilig(alt)!r} -> {einzeilig(neu)!r}: {ergebnis}"
              f" ({time.monotonic() - t0:.0f} s)", flush=True)

    gezaehlt = len(gefangen) + len(verfehlt)
    anteil = 100 * len(gefangen) / gezaehlt if gezaehlt else 100.0
    print()
    print(f"mutants: {len(auswahl)}  caught: {len(gefangen)}  missed: {len(verfehlt)}  "
          f"equivalent (listed, not run): {len(GLEICHWERTIGE)}")
    print(f"score: {anteil:.1f} % of the non-equivalent mutants caught")
    for ort, alt, neu in verfehlt:
        print(f"  missed: {ort}  {alt!r} -> {neu!r}")
    for ort, alt, neu in kaputt:
        print(f"  does not compile (fix the list): {ort}  {alt!r} -> {neu!r}")
    ende = time.monotonic()
    print(f"elapsed: {(ende - beginn) / 60:.1f} min (of which building the unchanged tree "
          f"{(gebaut - beginn) / 60:.1f} min)")
    if kaputt:
        sys.exit(2)
    sys.exit(0 if anteil >= MINDESTENS else 1)


if __name__ == "__main__":
    main()
