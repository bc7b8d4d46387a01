#!/usr/bin/python3
"""Prints what a screen reader gets from a running application over the AT-SPI bus: the
accessible tree of its windows, the object that has the focus, the objects Tab visits, and a
short summary (unnamed Tab stops, entry fields named by their labels, question as text).

Usage: atspi_dump.py APP_NAME [TAB_PRESSES]   (run inside the session's accessibility bus)
"""
import sys
import time

import pyatspi

TEXT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PASSWORD_TEXT,
              pyatspi.ROLE_COMBO_BOX}


def find_app(name, wait=20.0):
    deadline = time.time() + wait
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.5)
    return None


def states(acc):
    names = []
    state_set = acc.getState()
    for state, label in ((pyatspi.STATE_FOCUSABLE, "focusable"), (pyatspi.STATE_FOCUSED, "focused"),
                         (pyatspi.STATE_SELECTED, "selected"), (pyatspi.STATE_IS_DEFAULT, "default"),
                         (pyatspi.STATE_SHOWING, "showing")):
        if state_set.contains(state):
            names.append(label)
    return names


def text_of(acc):
    try:
        text = acc.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, -1)


def labelled_by(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return []


def key_bindings(acc):
    try:
        action = acc.queryAction()
    except NotImplementedError:
        return []
    return [action.getKeyBinding(i) for i in range(action.nActions) if action.getKeyBinding(i)]


def walk(acc, depth, out, summary):
    if acc is None:
        return
    state = states(acc)
    if "showing" not in state:
        return
    role = acc.getRoleName()
    line = "  " * depth + f"[{role}] '{acc.name}'"
    if acc.description:
        line += f" desc='{acc.description}'"
    shown = [s for s in state if s != "showing"]
    if shown:
        line += " {" + ",".join(shown) + "}"
    labels = labelled_by(acc)
    if labels:
        line += f" labelled-by={labels}"
    keys = key_bindings(acc)
    if keys:
        line += f" keys={keys}"
    text = text_of(acc)
    if text and role not in ("push button", "label", "page tab", "list item"):
        line += " text=" + repr(text[:160])
    out.append(line)
    if "focusable" in state and not acc.name.strip():
        summary["unnamed focusable"] += 1
    if acc.getRole() in TEXT_ROLES and "focusable" in state:
        summary["entry fields"] += 1
        if acc.name.strip():
            summary["entry fields named"] += 1
        if labels:
            summary["entry fields labelled by a label"] += 1
    if role == "static" or role == "label":
        if text and len(text) > summary["longest text"]:
            summary["longest text"] = len(text)
            summary["question as text"] = repr(text.split("\n")[0][:70])
    if role == "link":
        summary["links"] += 1
    for i in range(acc.childCount):
        try:
            walk(acc.getChildAtIndex(i), depth + 1, out, summary)
        except Exception as error:  # an object gone while walking
            out.append("  " * (depth + 1) + f"<gone: {error}>")


def focused(acc):
    if acc is None:
        return None
    if acc.getState().contains(pyatspi.STATE_FOCUSED):
        inner = None
        for i in range(acc.childCount):
            inner = inner or focused(acc.getChildAtIndex(i))
        return inner or acc
    for i in range(acc.childCount):
        found = focused(acc.getChildAtIndex(i))
        if found is not None:
            return found
    return None


def describe(acc):
    if acc is None:
        return "(nothing)"
    return f"[{acc.getRoleName()}] '{acc.name}'"


def main():
    name = sys.argv[1]
    presses = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    app = find_app(name)
    if app is None:
        print(f"atspi_dump: no application named {name} on the bus")
        return 1
    time.sleep(1.0)
    out = []
    summary = {"unnamed focusable": 0, "entry fields": 0, "entry fields named": 0,
               "entry fields labelled by a label": 0, "longest text": 0,
               "question as text": None, "links": 0}
    for i in range(app.childCount):
        walk(app.getChildAtIndex(i), 0, out, summary)
    print("\n".join(out))
    print(f"focus: {describe(focused(app))}")
    if presses:
        chain = []
        for _ in range(presses):
            pyatspi.Registry.generateKeyboardEvent(23, None, pyatspi.KEY_PRESSRELEASE)  # Tab
            time.sleep(0.4)
            chain.append(describe(focused(app)))
        print("tab: " + " -> ".join(chain))
    print("summary: " + ", ".join(f"{k}: {v}" for k, v in summary.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main())
