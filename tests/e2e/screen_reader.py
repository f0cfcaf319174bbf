# SPDX-License-Identifier: MIT
"""Reads the running game through the accessibility bus as a screen reader does, and plays it
with the keys and actions a screen-reader user has: the game-type dialog's choice made through
its radio buttons' Press action, a card turned from the keyboard, the options dialog's speed
chosen the same way, the help text, and the exit question. Every wait is a bounded poll.
Usage: screen_reader.py (the game must be starting on this display and accessibility bus)."""

import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

GAME_TITLE = "Brivosta Memory Game"
ANIMALS = {"dog", "cat", "lion", "frog", "pig", "elephant", "penguin", "fox", "owl", "octopus",
           "turtle", "whale", "butterfly", "snail", "crab", "giraffe", "zebra", "parrot",
           "monkey", "ladybug"}
PLACE_NAME = re.compile(r"row ([1-5]), column ([1-8]), (.+)")

checked_events = []


class Failure(Exception):
    pass


def step(text):
    print(f"screen reader: {text}", flush=True)


def wait_for(what, probe, seconds=30):
    """Polls probe, dispatching the bus's events between tries, until it returns something
    true; returns that or fails naming what it waited for."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        try:
            found = probe()
        except (GLib.Error, LookupError):
            # The object went away while it was read; it is read again on the next try.
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"timed out waiting for {what}")
        time.sleep(0.05)


def expect(condition, text):
    if not condition:
        raise Failure(text)


def children(accessible):
    return [accessible[i] for i in range(accessible.childCount)]


def descendants(accessible, role):
    return pyatspi.findAllDescendants(accessible, lambda a: a.getRole() == role)


def is_checked(accessible):
    return accessible.getState().contains(pyatspi.STATE_CHECKED)


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def the_game():
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if app is not None and app.name == "brivmemo"), None)


def window(app, role, name):
    return next((w for w in children(app) if w.getRole() == role and w.name == name and showing(w)), None)


def window_gone(app, role, name):
    return window(app, role, name) is None


def labelled_by(accessible):
    return [relation.getTarget(i) for relation in accessible.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def press(accessible):
    """Runs the action named "Press", as a screen reader's activate command does."""
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    expect("Press" in names, f"{accessible.name!r} has no Press action, only {names}")
    actions.doAction(names.index("Press"))


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], check=True, capture_output=True, text=True).stdout


def focus_window(accessible):
    """Gives the window the keyboard, as a window manager would; there is none here."""
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for window_id in xdotool("search", "--onlyvisible", "--name", f"^{re.escape(accessible.name)}$").split():
        geometry = xdotool("getwindowgeometry", window_id)
        if f"Geometry: {extents.width}x{extents.height}" in geometry:
            xdotool("windowfocus", "--sync", window_id)
            return
    raise Failure(f"no X window for {accessible.name!r}")


def key(window_accessible, name):
    focus_window(window_accessible)
    xdotool("key", name)


def choice_group(dialog, group_name, captions):
    """The group box holding the dialog's radio buttons, which name it as their label; exactly
    one of them is checked and the group's description says which."""
    groups = [g for g in descendants(dialog, pyatspi.ROLE_PANEL) if g.name == group_name]
    expect(len(groups) == 1, f"no group {group_name!r} in {dialog.name!r}")
    group = groups[0]
    buttons = [c for c in children(group) if c.getRole() == pyatspi.ROLE_RADIO_BUTTON]
    expect([b.name for b in buttons] == captions, f"the radio buttons read {[b.name for b in buttons]}")
    for button in buttons:
        expect([label.name for label in labelled_by(button)] == [group_name],
               f"{button.name!r} is not labelled by its group")
        expect(not button.getState().contains(pyatspi.STATE_FOCUSABLE), f"{button.name!r} takes the focus")
    checked = [b.name for b in buttons if is_checked(b)]
    expect(len(checked) == 1, f"{group_name!r} has these buttons checked: {checked}")
    expect(group.description == f"Selected: {checked[0]}", f"the group's description reads {group.description!r}")
    return group, {b.name: b for b in buttons}


def choose(group, buttons, caption):
    """Presses the button and waits until the checked state, the group's description and the
    bus's state-change events all tell the new choice."""
    before = next(name for name, b in buttons.items() if is_checked(b))
    del checked_events[:]
    press(buttons[caption])
    wait_for(f"{caption!r} checked alone",
             lambda: [n for n, b in buttons.items() if is_checked(b)] == [caption])
    wait_for(f"the description to tell {caption!r}", lambda: group.description == f"Selected: {caption}")
    wait_for("the state-change events of both buttons",
             lambda: {(caption, 1), (before, 0)} <= set(checked_events))


def read_game_type_dialog(app, expected_checked, choice):
    dialog = wait_for("the game-type dialog", lambda: window(app, pyatspi.ROLE_DIALOG, GAME_TITLE))
    group, buttons = choice_group(dialog, "How would you like to play ?", ["HUMAN x HUMAN", "HUMAN x COMPUTER"])
    expect(is_checked(buttons[expected_checked]), f"{expected_checked!r} is not the checked button")
    choose(group, buttons, choice)
    key(dialog, "Return")
    wait_for("the game-type dialog to close", lambda: window_gone(app, pyatspi.ROLE_DIALOG, GAME_TITLE))
    step(f"game type {choice!r} chosen through Press")


def player_two_reads(main, name):
    box = next(p for p in descendants(main, pyatspi.ROLE_PANEL) if p.name == "Player 2 ")
    return any(label.name == name for label in descendants(box, pyatspi.ROLE_LABEL))


def read_table(main):
    tables = [p for p in descendants(main, pyatspi.ROLE_PANEL) if p.name == "Card table"]
    expect(len(tables) == 1, "there is no card table")
    places = children(tables[0])
    expect(len(places) == 40, f"the table has {len(places)} places")
    for index, place in enumerate(places):
        expected = f"row {index // 8 + 1}, column {index % 8 + 1}, face down"
        expect(place.name == expected, f"place {index + 1} reads {place.name!r}, not {expected!r}")
        expect(place.getRole() == pyatspi.ROLE_PUSH_BUTTON, f"place {index + 1} is not a button")
    step("the table reads as forty face-down places")
    return places


def turn_card_from_keyboard(main, places):
    key(main, "Right")
    focused = wait_for("a place with the focus",
                       lambda: next((p for p in places if p.getState().contains(pyatspi.STATE_FOCUSED)), None))
    expect(focused.name == "row 1, column 2, face down", f"the frame went to {focused.name!r}")
    key(main, "space")
    face = wait_for("the turned card to read as its face",
                    lambda: PLACE_NAME.fullmatch(focused.name).group(3) != "face down" and focused.name)
    expect(PLACE_NAME.fullmatch(face).group(3) in ANIMALS, f"the turned card reads {face!r}")
    step(f"the card turned with Space reads {face!r}")


def read_options_dialog(app, main):
    key(main, "F3")
    dialog = wait_for("the options dialog", lambda: window(app, pyatspi.ROLE_DIALOG, "Options"))
    group, buttons = choice_group(dialog, "Animation Speed", ["Slow", "Normal", "Fast"])
    expect(is_checked(buttons["Normal"]), "the speed is not Normal")
    fields = descendants(dialog, pyatspi.ROLE_TEXT)
    expect([f.name for f in fields] == ["Player 1", "Player 2"], f"the name fields read {[f.name for f in fields]}")
    for field in fields:
        # Its own label above it, and the group box around it.
        labels = [(label.getRole(), label.name) for label in labelled_by(field)]
        expect(labels == [(pyatspi.ROLE_LABEL, field.name), (pyatspi.ROLE_PANEL, "Player Names")],
               f"the field {field.name!r} is labelled by {labels}")
    choose(group, buttons, "Fast")
    key(dialog, "Return")
    wait_for("the options dialog to close", lambda: window_gone(app, pyatspi.ROLE_DIALOG, "Options"))
    step("speed 'Fast' chosen through Press; the name fields read with their labels")


def read_help(app, main):
    key(main, "F1")
    help_window = wait_for("the help window", lambda: window(app, pyatspi.ROLE_DIALOG, "Help"))
    views = [t for t in descendants(help_window, pyatspi.ROLE_TEXT)
             if t.name == "Welcome to Brivosta Memory Game Help"]
    expect(len(views) == 1, "the help text is not named after its heading")
    text = views[0].queryText()
    expect("PLAYING THE GAME" in text.getText(0, text.characterCount), "the help text does not read")
    key(help_window, "Return")
    wait_for("the help window to close", lambda: window_gone(app, pyatspi.ROLE_DIALOG, "Help"))
    step("the help text reads, named after its heading")


def answer_exit_question(app, main):
    key(main, "alt+F4")
    question = wait_for("the exit question", lambda: window(app, pyatspi.ROLE_ALERT, "Confirm"))
    expect(question.description == "Do you really want to exit ?", f"the question reads {question.description!r}")
    expect(any(label.name == "Do you really want to exit ?" for label in descendants(question, pyatspi.ROLE_LABEL)),
           "the question's text is not a label of its box")
    key(question, "Return")
    step("the exit question reads and is answered")


def main():
    pyatspi.Registry.registerEventListener(
        lambda event: checked_events.append((event.source.name, event.detail1)), "object:state-changed:checked")
    app = wait_for("the game on the accessibility bus", the_game)
    read_game_type_dialog(app, "HUMAN x HUMAN", "HUMAN x COMPUTER")
    main_window = wait_for("the main window", lambda: window(app, pyatspi.ROLE_FRAME, GAME_TITLE))
    wait_for("player 2 to read 'Computer'", lambda: player_two_reads(main_window, "Computer"))
    places = read_table(main_window)
    turn_card_from_keyboard(main_window, places)
    read_options_dialog(app, main_window)
    read_help(app, main_window)
    # The dialog shows the choice last made in it; the game follows the new one.
    key(main_window, "F4")
    read_game_type_dialog(app, "HUMAN x COMPUTER", "HUMAN x HUMAN")
    wait_for("player 2 to read the player's name", lambda: player_two_reads(main_window, "Player 2"))
    answer_exit_question(app, main_window)


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        sys.exit(1)
