#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Karvo read through the accessibility bus as a screen reader reads it.

Finds the karvo application on the AT-SPI bus; walks each of its six windows once every control
shows (printing the tree), and compares the role and name of each control it shows with
names.txt, written by hand beside this file; drives a concrete and two mortar calculations
through EditableText and Action alone, finding each control by that name, and reads every
result back; and listens for the alert that one refusal on each calculator and on the menu must
raise. Exits 1 with every problem found."""
import sys
import time
from collections import Counter
from pathlib import Path

import pyatspi
from gi.repository import GLib

# The windows by the program's names, with their titles.
TITLES = {
    "Form2": "Menu   béton - mortier  Karvo",
    "Form1": "Dosage du béton    Karvo",
    "Form3": "Dosage du mortier Karvo",
    "FormAideMenu": "Aide menu Karvo",
    "FormAideBeton": "Aide beton Karvo",
    "FormAideMortier": "Aide mortier Karvo",
}
OPTION = pyatspi.ROLE_RADIO_BUTTON
# What counts as a control besides whatever takes the keyboard: boxes, buttons, options and
# their groups, even when they do not take it.
CONTROL_ROLES = {"text", "push button", "radio button", "frame"}


def read_names(path):
    """{window: {control: (role, name)}} from names.txt."""
    names = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        fields = [f.strip() for f in line.split("|")]
        if len(fields) != 4 or fields[0] not in TITLES or fields[1] in names.get(fields[0], {}):
            sys.exit(f"a11y: {path.name}:{number}: not 'window | control | role | name': {line}")
        names.setdefault(fields[0], {})[fields[1]] = (fields[2], fields[3])
    return names


NAMES = read_names(Path(__file__).with_name("names.txt"))
problems = []
shown = []  # (role, name) of every accessible that became showing since the last refusal


def stop(why=None):
    """Exits, 1 with every problem found and why it cannot go on, if it cannot."""
    for problem in problems + ([why] if why else []):
        print("a11y: FAIL:", problem, file=sys.stderr)
    sys.exit(1 if problems or why else 0)


def wait(condition, seconds=10):
    """Lets the bus deliver events until the condition gives something or the time is up."""
    end = time.monotonic() + seconds
    while not (result := condition()) and time.monotonic() < end:
        if not GLib.MainContext.default().iteration(False):
            time.sleep(0.01)
    return result


def shown_windows(app):
    """The application's windows; one being destroyed reads as None for a moment: left out."""
    return [w for w in app if w is not None and showing(w)]


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window(app, form):
    title = TITLES[form]
    win = wait(lambda: next((w for w in shown_windows(app) if w.name == title), None))
    if not win:
        stop(f"no showing window '{title}'")
    win.form = form
    return win


def find(win, key):
    if key not in NAMES[win.form]:
        stop(f"names.txt has no {win.form} | {key}")
    role, name = NAMES[win.form][key]
    found = lambda o: o.getRoleName() == role and o.name == name
    return pyatspi.findDescendant(win, found) or stop(
        f"no {role} named \"{name}\" in '{win.name}' (for {key})")


def walk(node, controls, depth=0):
    """Prints one line per accessible; counts each control it shows by (role, name)."""
    state, role = node.getState(), node.getRoleName()
    line = "  " * depth + f"{role} \"{node.name}\""
    line += f" ({node.description})" if node.description else ""
    print(line + ("" if state.contains(pyatspi.STATE_SHOWING) else " [hidden]"))
    if depth and state.contains(pyatspi.STATE_SHOWING) and (
            role in CONTROL_ROLES or state.contains(pyatspi.STATE_FOCUSABLE)):
        controls[(role, node.name)] += 1
    for child in node:
        walk(child, controls, depth + 1)


def expect_names(win):
    """Every control the window shows, by role and name, is one of names.txt, and each of the
    window's lines there is heard once."""
    heard, wanted = Counter(), Counter(NAMES[win.form].values())
    walk(win, heard)
    for (role, name), count in sorted((heard - wanted).items()):
        problems.append(f"(a) '{win.name}': {count} {role} named \"{name}\", not in names.txt")
    for (role, name), count in sorted((wanted - heard).items()):
        problems.append(f"(a) '{win.name}': no {role} named \"{name}\" ({count} expected)")


def fill(win, **texts):
    for key, text in texts.items():
        find(win, key).queryEditableText().setTextContents(text)


def press(win, key):
    control = find(win, key)
    control.queryAction().doAction(0)
    if control.getRole() == OPTION and not wait(lambda: control.getState().contains(pyatspi.STATE_CHECKED)):
        stop(f"{key} not selected by its action")


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


def visit_help(app, form, quit_button):
    """The help window that a button opened: its names, then its button that closes it."""
    win = window(app, form)
    expect_names(win)
    press(win, quit_button)
    if not wait(lambda: not any(w.name == TITLES[form] for w in shown_windows(app)), 5):
        problems.append(f"(a) '{TITLES[form]}' still shows after {quit_button}")


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    app = wait(lambda: next((a for a in desktop if a and a.name == "karvo"), None), 20) or sys.exit(
        "a11y: karvo never appeared on the accessibility bus")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    menu = window(app, "Form2")
    expect_names(menu)
    press(menu, "CmdAideMenu")
    visit_help(app, "FormAideMenu", "CmdQuitInfoMenu")
    fill(menu, TxtPrixCiment="-1", TxtPrixSable="40", TxtPrixGravier="35", TxtPrixTransport="60")
    expect_alert(menu, "CmdOk", "De 0 à 800000", "ciment")
    fill(menu, TxtPrixCiment="7.25")
    press(menu, "Option1")
    press(menu, "CmdOk")

    concrete = window(app, "Form1")
    fill(concrete, TxtDosage="100", TxtVolume="1000", TxtContenance="150")
    expect_alert(concrete, "CmdCalcul", "Mauvais dosage")
    fill(concrete, TxtDosage="350")
    press(concrete, "CmdCalcul")
    expect_texts(concrete, TxtEauTotL="194,4", TxtEauTot="194,4", TxtEau="21,4",
                 TxtCimentTotL="280,0", TxtCimentTot="350,0", TxtPrixDetCim="72,50",
                 TxtCiment="30,7", TxtSableTotL="506,4", TxtSableTot="734,2",
                 TxtPrixDetSab="20,25", TxtSable="55,6", TxtGravierTotL="579,6",
                 TxtGravierTot="1101,3", TxtPrixDetGrav="20,29", TxtGravier="63,7",
                 TxtPrixAchat="173,04", TxtBeton="109,8", TxtTempsTh="0", TxtTempsTm="27")
    press(concrete, "CmdInfo")  # its note and the note's own QUITTER
    if not wait(lambda: showing(find(concrete, "CmdQuitterInfo")), 5):
        problems.append("(a) IMPORTANT shows no QUITTER")
    expect_names(concrete)
    press(concrete, "CmdAideBet")
    visit_help(app, "FormAideBeton", "CmdQuitAideBeton")
    press(concrete, "CmdRetour1")

    menu = window(app, "Form2")
    fill(menu, TxtPrixCiment="7.5", TxtPrixTransport="20")
    press(menu, "Option2")
    press(menu, "CmdOk")
    mortar = window(app, "Form3")
    fill(mortar, TxtDosage2="100", TxtVolMortier="1000", TxtContenance2="100")
    expect_alert(mortar, "CmdCalcul2", "Mauvais dosage")
    fill(mortar, TxtDosage2="325")
    press(mortar, "CmdCalcul2")
    expect_texts(mortar, TxtEauTotL3="162,5", TxtEauTot3="162,5", TxtEau3="11,3",
                 TxtVolCiment2="260,0", TxtPoidsCiment2="325,0", TxtPrixDetCim3="69,64",
                 TxtCiment3="18,1", TxtVolSable2="1180,0", TxtPoidsSable2="1711,0",
                 TxtPrixDetSab3="47,20", TxtSable3="81,9", TxtPrixAchat3="136,84",
                 TxtMortier="69,4", TxtTempsTh3="0", TxtTempsTm3="43")
    expect_names(mortar)
    # The second range, chosen by its name, takes 425 kg/m3, which the first refuses.
    press(mortar, "OptDose2")
    fill(mortar, TxtDosage2="425", TxtVolMortier="2400", TxtContenance2="150")
    press(mortar, "CmdCalcul2")
    expect_texts(mortar, TxtEauTotL3="510,0", TxtEauTot3="510,0", TxtEau3="22,1",
                 TxtVolCiment2="816,0", TxtPoidsCiment2="1020,0", TxtPrixDetCim3="218,57",
                 TxtCiment3="35,4", TxtVolSable2="2640,0", TxtPoidsSable2="3828,0",
                 TxtPrixDetSab3="105,60", TxtSable3="114,6", TxtPrixAchat3="344,17",
                 TxtMortier="104,2", TxtTempsTh3="1", TxtTempsTm3="9")
    press(mortar, "CmdAideInfoMortier")
    visit_help(app, "FormAideMortier", "CmdQuitInfoMortier")

    stop()


main()
