"""Walks the running program through AT-SPI as a screen reader would, and checks what it hears.

Usage: screen_reader_walk.py (with the program already on the session's accessibility bus)
"""
import sys
import time

import pyatspi

failures = 0


def report(what, ok, seen=""):
    global failures
    print(("ok   - " if ok else "FAIL - ") + what)
    if not ok:
        failures += 1
        print("       seen: " + repr(seen))


def wait_for(probe, seconds=10):
    """Polls the probe until it gives something true, at most for the given seconds; the tree may
    change under a probe, so its errors count as not yet."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = probe()
        except Exception:  # pyatspi raises GLib errors for objects that went away meanwhile
            value = None
        if value or time.monotonic() > end:
            return value
        time.sleep(0.05)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "codicolorimetrix":
            return app
    return None


def find(root, role, name):
    return pyatspi.findDescendant(root, lambda o: o is not None and o.getRole() == role and o.name == name)


def find_all(root, test):
    return pyatspi.findAllDescendants(root, lambda o: o is not None and test(o))


def press(obj):
    action = obj.queryAction()
    for index in range(action.nActions):
        if action.getName(index).lower() == "press":
            return action.doAction(index)
    return False


def has_state(obj, state):
    return obj.getState().contains(state)


app = wait_for(program)
if app is None:
    report("the program is on the accessibility bus", False)
    sys.exit(1)

band1 = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "Banda 1"))
report('"Banda 1" is a push button', band1 is not None)
if band1 is None:
    sys.exit(1)
report("Banda 1 says its start-up colour", band1.description == "nero, cifra 0", band1.description)
unnamed = find_all(app, lambda o: o.childCount == 0 and not o.name)
report("every object without children has a name (nothing decorative is in the tree)", not unnamed,
       [o.getRoleName() for o in unnamed])

press(band1)
yellow = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, "giallo"))
black = find(app, pyatspi.ROLE_PUSH_BUTTON, "nero")
report("band 1 opens the palette: giallo is showing",
       yellow is not None and wait_for(lambda: has_state(yellow, pyatspi.STATE_SHOWING)))
report("band 1 refuses nero: its swatch is unavailable",
       black is not None and not has_state(black, pyatspi.STATE_SENSITIVE))

press(yellow)
painted = wait_for(lambda: band1.description == "giallo, cifra 4")
report("after giallo, Banda 1 says it", painted, band1.description)
display = find(app, pyatspi.ROLE_STATUS_BAR, None) or pyatspi.findDescendant(
    app, lambda o: o is not None and o.getRole() == pyatspi.ROLE_STATUS_BAR)
words = "40 ohm, tolleranza \u00b1 5%, coefficiente non presente"
report("the display reads the new value in words",
       display is not None and wait_for(lambda: display.queryText().getText(0, -1) == words),
       display and display.queryText().getText(0, -1))

press(find(app, pyatspi.ROLE_PUSH_BUTTON, "Converti da valore a codice a colori"))
entry = wait_for(lambda: pyatspi.findDescendant(app, lambda o: o is not None and o.name == ".:: Codicolorimetrix ::."))
report("the thumbnail's press opens the value entry window", entry is not None)
if entry is None:
    sys.exit(1)
report('the value box is named "Inserisci il valore"',
       find(entry, pyatspi.ROLE_TEXT, "Inserisci il valore") is not None)
lists = [o.name for o in find_all(entry, lambda o: o.getRole() == pyatspi.ROLE_COMBO_BOX)]
report("the lists are named by their prompts", lists == ["Unit\u00e0", "Tolleranza", "Coefficiente di temperatura"],
       lists)
unit = find(entry, pyatspi.ROLE_COMBO_BOX, "Unit\u00e0")
report("the unit list's text is its chosen unit", unit is not None and unit.queryText().getText(0, -1) == "\u03a9")
prompts = [o.name for o in find_all(entry, lambda o: o.getRole() == pyatspi.ROLE_LABEL)]
report("the prompts are read without their dots", len(prompts) == 3 and not any(".." in p for p in prompts),
       prompts)

sys.exit(1 if failures else 0)
