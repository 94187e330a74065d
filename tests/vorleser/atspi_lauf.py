"""What a screen reader hears of the running program over the real AT-SPI bus.

Started by atspi_lauf.sh inside a private session bus, with the program already starting.
Prints what the bus said and exits 1 at the first thing heard wrong:
  - the tree: every control reachable, the combo boxes by their own names, their item as
    text and as the selected child of their list;
  - Tab ten times from the first control: ten focus events, in the window's focus order;
  - a new item picked with the arrow key: the box's text follows;
  - the n animation: one new description of the chart, when it is over.
"""

import subprocess
import sys
import time
import xml.etree.ElementTree as ET

import pyatspi
from gi.repository import GLib

# The focus order of the window's upper band, by object name.
FOKUSREIHENFOLGE = [
    "CheckBox_Erwartungswert_zeigen", "CheckBox_Sigma_zeigen", "Edit_Sigmafaktor",
    "CheckBox_Umgebung_schraffieren", "Edit_Umgebung", "CheckBox_Normalverteilung",
    "CheckBox_Alfa_zeigen", "CheckBox_Annahmebereich_zeigen", "CheckBox_Beta_zeigen",
    "CheckBox_Stichprobenergebnis_zeigen",
    "Edit_Alfali", "Edit_Alfare", "Edit_kli", "Edit_kre",
    "ComboBox_Histo_Saeule", "CheckBox_waagerechte_Strichelung", "CheckBox_p0_kumuliert", "CheckBox_Info",
    "Edit_k1", "Edit_k2", "Edit_n", "Edit_Stichprobenergebnis",
    "ComboBox_Verteilung_p0", "ComboBox_Verteilung_p1", "ComboBox_Verteilung_p2",
]
AUSWAHLEN = {
    "Verteilung von p0": ["Binomial", "Hypergeo", "Poisson", "Geometr"],
    "Verteilung von p1": ["Binomial", "Hypergeo", "Poisson", "Geometr"],
    "Verteilung von p2": ["Binomial", "Hypergeo", "Poisson", "Geometr"],
    "Diagrammart": ["Histogramm", "Säulendiagramm"],
}
fehler = 0


def pruefen(ok, text):
    global fehler
    print(("  ok    " if ok else "  FALSCH ") + text, flush=True)
    if not ok:
        fehler += 1


def Taste(name):
    """A key as the keyboard gives it, to the window that has the focus."""
    subprocess.run(["xdotool", "key", name], check=True)


def Namen_aus_Formular(pfad):
    """objectName -> the accessible name the form gives (accessibleName, else its text)."""
    namen = {}
    for w in ET.parse(pfad).iter("widget"):
        eigen = {p.get("name"): p.findtext("string") for p in w.findall("property")}
        name = eigen.get("accessibleName") or (eigen.get("text") or "").replace("&", "")
        namen[w.get("name")] = name
    return namen


def warten(bedingung, sekunden):
    """Runs the event loop until bedingung() holds or the time is up."""
    ende = time.monotonic() + sekunden
    kontext = GLib.MainContext.default()
    while time.monotonic() < ende:
        while kontext.pending():
            kontext.iteration(False)
        if bedingung():
            return True
        time.sleep(0.02)
    return bedingung()


def Programm_finden():
    gefunden = []

    def suchen():
        d = pyatspi.Registry.getDesktop(0)
        for i in range(d.childCount):
            a = d.getChildAtIndex(i)
            if a is not None and a.name == "Quorvel" and a.childCount > 0:
                gefunden.append(a)
                return True
        return False

    warten(suchen, 60)
    return gefunden[0] if gefunden else None


def alle(wurzel):
    stapel, liste = [wurzel], []
    while stapel:
        o = stapel.pop()
        liste.append(o)
        stapel.extend(c for c in reversed([o.getChildAtIndex(i) for i in range(o.childCount)]) if c is not None)
    return liste


def Fokus_jetzt(app):
    """The names of the objects that have the focus, read anew (a proxy's states may be old)."""
    return [o.name for o in alle(app) if pyatspi.STATE_FOCUSED in set(o.getState().getStates())]


def Zustaende(o):
    return set(o.getState().getStates())


def Text(o):
    try:
        t = o.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return None


def Auswahl_pruefen(box, wert):
    liste = box.getChildAtIndex(0) if box.childCount == 1 else None
    eintraege = [liste.getChildAtIndex(i) for i in range(liste.childCount)] if liste else []
    gewaehlt = [e.name for e in eintraege if pyatspi.STATE_SELECTED in Zustaende(e)]
    print(f'    Auswahl "{box.name}": Text "{Text(box)}", Kinder {[e.name for e in eintraege]}, gewählt {gewaehlt}')
    pruefen(Text(box) == wert and gewaehlt == [wert], f'"{box.name}" sagt "{wert}"')
    return [e.name for e in eintraege]


def main():
    namen = Namen_aus_Formular(sys.argv[1])
    app = Programm_finden()
    if app is None:
        print("Das Programm erscheint nicht auf dem AT-SPI-Bus.")
        return 1
    fenster = app.getChildAtIndex(0)
    print(f'Programm "{app.name}", Fenster "{fenster.name}"')

    # --- the tree ---
    objekte = alle(app)
    rollen = {}
    for o in objekte:
        rollen[o.getRoleName()] = rollen.get(o.getRoleName(), 0) + 1
    print(f"Baum: {len(objekte)} Objekte; " + ", ".join(f"{n} {r}" for r, n in sorted(rollen.items())))
    nach_name = {}
    for o in objekte:
        if o.name and pyatspi.STATE_FOCUSABLE in Zustaende(o):
            nach_name.setdefault(o.name, o)
    boxen = {o.name: o for o in objekte if o.getRole() == pyatspi.ROLE_COMBO_BOX}
    pruefen(sorted(boxen) == sorted(AUSWAHLEN), f"Auswahlen mit eigenen Namen: {sorted(boxen)}")
    for name, eintraege in AUSWAHLEN.items():
        if name in boxen:
            gesehen = Auswahl_pruefen(boxen[name], eintraege[0])
            pruefen(gesehen == eintraege, f'"{name}" hat die Einträge {eintraege}')
    grafik = next((o for o in objekte if o.name == "Grafik"), None)
    pruefen(grafik is not None and grafik.description.startswith("Histogramm der Binomialverteilung"),
            "die Grafik beschreibt sich: " + (grafik.description[:70] if grafik else "-"))

    # --- Tab, ten times ---
    gehoert = []

    def Fokus(e):
        if e.detail1 == 1:
            gehoert.append(e.source.name)

    pyatspi.Registry.registerEventListener(Fokus, "object:state-changed:focused")
    erwartet = []
    for n in FOKUSREIHENFOLGE:
        o = nach_name.get(namen.get(n))
        if o is not None and {pyatspi.STATE_SHOWING, pyatspi.STATE_ENABLED} <= Zustaende(o):
            erwartet.append(namen[n])
    erster = nach_name.get(namen["CheckBox_Erwartungswert_zeigen"])
    pruefen(erster is not None and erwartet[:1] == [erster.name],
            f'die Fokusreihenfolge beginnt mit "{namen["CheckBox_Erwartungswert_zeigen"]}"')
    # The window manager activates the new window and Qt puts the focus on the first control;
    # a window that mapped while the manager was still starting is activated as a click would.
    if not warten(lambda: Fokus_jetzt(app) == [namen["CheckBox_Erwartungswert_zeigen"]], 5):
        print("    das Fenster wird aktiviert (xdotool)")
        subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", sys.argv[2], "windowactivate"])
    pruefen(warten(lambda: Fokus_jetzt(app) == [namen["CheckBox_Erwartungswert_zeigen"]], 10),
            f'"{namen["CheckBox_Erwartungswert_zeigen"]}" hat den Fokus')
    warten(lambda: False, 0.5)
    gehoert.clear()
    for _ in range(10):
        vorher = len(gehoert)
        Taste("Tab")
        warten(lambda: len(gehoert) > vorher, 5)
    print(f"Tab zehnmal, gehört: {gehoert}")
    pruefen(gehoert == erwartet[1:11], f"zehn Fokuswechsel in der Fokusreihenfolge {erwartet[1:11]}")
    pyatspi.Registry.deregisterEventListener(Fokus, "object:state-changed:focused")

    # --- a new item, by the arrow key ---
    textereignisse = []

    def Textwechsel(e):
        if e.source.name == "Verteilung von p1":
            textereignisse.append(f"{e.type} {e.any_data!r}")

    pyatspi.Registry.registerEventListener(Textwechsel, "object:text-changed")
    box = boxen.get("Verteilung von p1")
    if box is not None:
        box.queryComponent().grabFocus()
        warten(lambda: pyatspi.STATE_FOCUSED in Zustaende(box), 5)
        Taste("Down")
        warten(lambda: Text(box) == "Hypergeo" and textereignisse, 5)
        print(f"Pfeil runter in \"{box.name}\", Textereignisse: {textereignisse}")
        Auswahl_pruefen(box, "Hypergeo")
    pyatspi.Registry.deregisterEventListener(Textwechsel, "object:text-changed")

    # --- the n animation ---
    beschreibungen = []

    def Beschreibung(e):
        if e.source.name == "Grafik":
            beschreibungen.append(e.source.description)

    knopf = nach_name.get(namen["BitBtn_nAnimation"])
    pyatspi.Registry.registerEventListener(Beschreibung, "object:property-change:accessible-description")
    if knopf is not None:
        aktion = knopf.queryAction()
        beginn = time.monotonic()
        aktion.doAction(next(i for i in range(aktion.nActions) if aktion.getName(i) == "Press"))
        warten(lambda: any("n=100," in b for b in beschreibungen), 60)
        warten(lambda: False, 1)
        print(f"n-Animation: {len(beschreibungen)} neue Beschreibung(en) in {time.monotonic() - beginn:.1f} s")
        for b in beschreibungen:
            print("    " + b[:110])
    pruefen(len(beschreibungen) == 1 and "für n=100," in beschreibungen[0],
            "die n-Animation wird einmal beschrieben, wenn sie vorbei ist")
    pyatspi.Registry.deregisterEventListener(Beschreibung, "object:property-change:accessible-description")

    print("alles richtig gehört" if fehler == 0 else f"{fehler} Fehler")
    return 0 if fehler == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
