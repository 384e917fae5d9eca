#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Karvo read through the accessibility bus as a screen reader reads it.

Finds the karvo application on the AT-SPI bus, walks each showing window (printing the tree and
failing on focusable controls without a useful name), drives a concrete and a mortar
calculation through EditableText and Action alone and reads the results back, and listens for
the alert that one refusal on each window must raise. Exits 1 with every problem found."""
import sys
import time

import pyatspi
from gi.repository import GLib

# Windows by title, controls by role and accessible name (any of the names given).
MENU, CONCRETE, MORTAR = "Menu   béton - mortier  Karvo", "Dosage du béton    Karvo", "Dosage du mortier Karvo"
TEXT, BUTTON, OPTION = pyatspi.ROLE_TEXT, pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON
CONTROLS = {
    "TxtPrixCiment": (TEXT, "Prix du sac de ciment de 35 Kg"),
    "TxtPrixSable": (TEXT, "Prix du m3 de sable"),
    "TxtPrixGravier": (TEXT, "Prix du m3 de gravier"),
    "TxtPrixTransport": (TEXT, "Prix du transport"),
    "Option1": (OPTION, "Béton"),
    "Option2": (OPTION, "Mortier"),
    "CmdOk": (BUTTON, "OK"),
    "TxtDosage": (TEXT, "Dosage du béton"),
    "TxtVolume": (TEXT, "Volume de béton à mettre en place"),
    "TxtContenance": (TEXT, "Contenance de la bétonnière"),
    "CmdCalcul": (BUTTON, "CALCULS"),
    "TxtPrixAchat": (TEXT, "Prix d'achat total"),
    "TxtTempsTm": (TEXT, "Temps total, mn"),
    "TxtEauTot": (TEXT, "Eau MINI, Kg"),
    "CmdRetour1": (BUTTON, "RETOUR"),
    "TxtDosage2": (TEXT, "Dosage du mortier"),
    "TxtVolMortier": (TEXT, "Volume du mortier à mettre en place"),
    "TxtContenance2": (TEXT, "Contenance de la bétonnière"),
    "CmdCalcul2": (BUTTON, "CALCULS"),
    "TxtPrixDetCim3": (TEXT, "Ciment, Prix"),
    "TxtPrixDetSab3": (TEXT, "Sable, Prix"),
    "TxtPrixAchat3": (TEXT, "Prix d'achat total"),
    "TxtTempsTm3": (TEXT, "Temps total, mn"),
    "TxtEau3": (TEXT, "Eau MINI, Litres, Qtés dans bétonnière"),
    "TxtMortier": (TEXT, "Mortier en place, Litres, Qtés dans bétonnière"),
}

problems = []
shown = []  # (role, name) of every accessible that became showing since the last refusal


def wait(condition, seconds=10):
    """Lets the bus deliver events until the condition gives something or the time is up."""
    end = time.monotonic() + seconds
    while not (result := condition()) and time.monotonic() < end:
        if not GLib.MainContext.default().iteration(False):
            time.sleep(0.01)
    return result


def window(app, title):
    showing = lambda w: w.getState().contains(pyatspi.STATE_SHOWING)
    return wait(lambda: next((w for w in app if w.name == title and showing(w)), None)) or sys.exit(
        f"a11y: no showing window '{title}'")


def find(win, key):
    role, *names = CONTROLS[key]
    return pyatspi.findDescendant(win, lambda o: o.getRole() == role and o.name in names) or sys.exit(
        f"a11y: no {pyatspi.Role(role)} named {names} in '{win.name}' (for {key})")


def walk(node, title, depth=0):
    """Prints one line per accessible and notes showing controls that say nothing."""
    state, role = node.getState(), node.getRoleName()
    line = "  " * depth + f"{role} \"{node.name}\""
    line += f" ({node.description})" if node.description else ""
    print(line + ("" if state.contains(pyatspi.STATE_SHOWING) else " [hidden]"))
    if state.contains(pyatspi.STATE_SHOWING):
        if state.contains(pyatspi.STATE_FOCUSABLE) and len(node.name.strip()) < 2:
            problems.append(f"(a) '{title}': focusable {role} named \"{node.name}\"")
        if node.getRole() == OPTION and not node.parent.name.strip():
            problems.append(f"(a) '{title}': option \"{node.name}\" in an unnamed group")
    for child in node:
        walk(child, title, depth + 1)


def fill(win, **texts):
    for key, text in texts.items():
        find(win, key).queryEditableText().setTextContents(text)


def press(win, key):
    control = find(win, key)
    control.queryAction().doAction(0)
    if control.getRole() == OPTION and not wait(lambda: control.getState().contains(pyatspi.STATE_CHECKED)):
        sys.exit(f"a11y: {key} not selected by its action")


def expect_texts(win, **texts):
    """Waits until the boxes show the texts (a pressed button clicks a moment later)."""
    read = lambda: {k: find(win, k).queryText().getText(0, -1) for k in texts}
    if not wait(lambda: read() == texts, 5):
        problems.append(f"(b) '{win.name}': expected {texts}, read {read()}")


def on_showing(event):
    if event.detail1 == 1:
        shown.append((event.source.getRole(), event.source.name))


def expect_alert(win, button, text, *also):
    """Presses the button and waits for an alert that names the refusal."""
    shown.clear()
    press(win, button)
    words = (text,) + also
    heard = lambda: [n for r, n in shown if r == pyatspi.ROLE_ALERT and all(w in n for w in words)]
    if names := wait(heard, 5):
        print(f"'{win.name}': object:state-changed:showing 1 from alert \"{names[0]}\"")
    else:
        seen = [f"{pyatspi.Role(r)} \"{n}\"" for r, n in shown]
        problems.append(f"(c) '{win.name}': no alert naming {list(words)}; shown: {seen}")


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait(lambda: next((a for a in desktop if a and a.name == "karvo"), None), 20) or sys.exit(
        "a11y: karvo never appeared on the accessibility bus")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    menu = window(app, MENU)
    walk(menu, MENU)
    fill(menu, TxtPrixCiment="-1", TxtPrixSable="40", TxtPrixGravier="35", TxtPrixTransport="60")
    expect_alert(menu, "CmdOk", "De 0 à 800000", "ciment")
    fill(menu, TxtPrixCiment="7.25")
    press(menu, "Option1")
    press(menu, "CmdOk")

    concrete = window(app, CONCRETE)
    fill(concrete, TxtDosage="100", TxtVolume="1000", TxtContenance="150")
    expect_alert(concrete, "CmdCalcul", "Mauvais dosage")
    fill(concrete, TxtDosage="350")
    press(concrete, "CmdCalcul")
    expect_texts(concrete, TxtPrixAchat="173,04", TxtTempsTm="27", TxtEauTot="194,4")
    walk(concrete, CONCRETE)
    press(concrete, "CmdRetour1")

    menu = window(app, MENU)
    fill(menu, TxtPrixCiment="7.5", TxtPrixTransport="20")
    press(menu, "Option2")
    press(menu, "CmdOk")
    mortar = window(app, MORTAR)
    fill(mortar, TxtDosage2="100", TxtVolMortier="1000", TxtContenance2="100")
    expect_alert(mortar, "CmdCalcul2", "Mauvais dosage")
    fill(mortar, TxtDosage2="325")
    press(mortar, "CmdCalcul2")
    expect_texts(mortar, TxtPrixDetCim3="69,64", TxtPrixDetSab3="47,20", TxtPrixAchat3="136,84",
                 TxtTempsTm3="43", TxtEau3="11,3", TxtMortier="69,4")
    walk(mortar, MORTAR)

    for problem in problems:
        print("a11y: FAIL:", problem, file=sys.stderr)
    sys.exit(1 if problems else 0)


main()
