#!/usr/bin/env python3
"""The model document the module hands the page: valid against its schema, what it names across
itself exists, and the schema refuses documents the page could not build from.

Usage: model_schema_test.py SCHEMA PROGRAM [ARGUMENTS...] (a program that prints the document,
with the emulator that runs it first when it is not native).
"""

import copy
import json
import os
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:  # an interpreter without the distribution's packages: use the system one
    if os.path.exists("/usr/bin/python3") and sys.executable != "/usr/bin/python3":
        os.execv("/usr/bin/python3", ["/usr/bin/python3", *sys.argv])
    raise


def references(model):
    """What the document names elsewhere in itself and cannot find there."""
    main = {c["name"]: c for c in model["controls"]}
    about = {c["name"]: c for c in model["about"]["controls"]}
    history = {c["name"]: c for c in model["history"]["controls"]}
    sets = {s["name"]: s for s in model["tabSets"]}
    wrong = []

    def check(ok, what):
        if not ok:
            wrong.append(what)

    for controls, order, window in ((main, model["focusOrder"], "frmMain"),
                                    (about, model["about"]["focusOrder"], "frmAbout"),
                                    (history, model["history"]["focusOrder"], "frmHistory")):
        focusable = [name for name, c in controls.items() if c["focus"]]
        check(sorted(order) == sorted(focusable),
              f"{window}: the keyboard order {order} is not every control taking the focus")
        for name, c in controls.items():
            place = c["parent"] == window and c["tab"] == -1 or (
                window == "frmMain" and c["parent"] in sets
                and 0 <= c["tab"] < len(sets[c["parent"]]["captions"]))
            check(place, f"{name}: no place {c['parent']} tab {c['tab']}")
            check("caption" not in c or c["caption"] in controls, f"{name}: no caption {c.get('caption')}")
            if c["kind"] == "list" and not c["typedText"]:
                check(c["text"] in c["entries"], f"{name}: starts with {c['text']!r}, no entry of its own")
    for s in model["tabSets"]:
        check(s["name"] in main and main[s["name"]]["kind"] == "tabset", f"tab set {s['name']}: no control")
    for view in model["views"]:
        check(main.get(view["option"], {}).get("kind") == "option", f"view {view['name']}: no option")
        check(view["tabSet"] in sets, f"view {view['name']}: no tab set")
    check(model["initialFocus"] in sets, f"initial focus {model['initialFocus']}: no tab set")
    check(all(line["control"] in about for line in model["about"]["loaded"]), "About: loaded texts")
    # The page builds the History window's list and text view only there, and shows it from a
    # button of the main window.
    for name, c in {**main, **about}.items():
        check(c["kind"] not in ("entrylist", "textview"), f"{name}: a History window's kind")
    check(any(c["action"] == "history" for c in main.values()), "no control shows the history")
    check(sorted(c["kind"] for c in history.values() if c["kind"] in ("entrylist", "textview"))
          == ["entrylist", "textview"], "the History window: not one list and one text view")
    calculating = sorted(name for name, c in main.items() if c["action"] == "calculate")
    check(sorted(c["control"] for c in model["calculators"]) == calculating,
          "the calculators are not the controls that calculate")
    for calculator in model["calculators"]:
        for example in calculator["examples"] + calculator.get("metricExamples", []):
            for control, _ in example["given"] + example["shown"]:
                check(control in main, f"{calculator['control']}'s example: no control {control}")
    # The phone layout gives each control to the one calculator that reads or shows it, on the
    # calculator's own tab.
    owners = {}
    for calculator in model["calculators"]:
        button = main[calculator["control"]]
        for control in calculator["inputs"] + [o["control"] for o in calculator["outputs"]]:
            check(control in main and (main[control]["parent"], main[control]["tab"])
                  == (button["parent"], button["tab"]),
                  f"{calculator['control']}: {control} is not on its tab")
            check(owners.setdefault(control, calculator["control"]) == calculator["control"],
                  f"{control}: in {owners[control]} and {calculator['control']}")
    return wrong


def without(path):
    """A change that removes the member at `path` (keys and indexes) from a document."""
    def change(document):
        *parents, last = path
        for step in parents:
            document = document[step]
        del document[last]
    return change


def setting(path, value):
    def change(document):
        *parents, last = path
        for step in parents:
            document = document[step]
        document[last] = value
    return change


# Documents the page could not build from, each of which the schema must refuse.
REFUSED = [
    ("a control without its name", without(["controls", 0, "name"])),
    ("a member the page does not know", setting(["controls", 0, "tabOrder"], 3)),
    ("a kind of control the page does not build", setting(["controls", 0, "kind"], "slider")),
    ("a colour that is not one", setting(["colours", "result"], "yellow")),
    ("a place of three numbers", setting(["controls", 0, "rect"], [1, 2, 3])),
    ("a face without its family", without(["faces", "family"])),
    ("an example that shows nothing and reports no fault", setting(["calculators", 0, "examples", 0, "shown"], [])),
    ("a fault of an unknown kind", setting(["calculators", 0, "examples", 0, "fault"],
                                           {"kind": "Bad luck", "message": "x"})),
    ("no keyboard order", without(["about", "focusOrder"])),
    ("no History window", without(["history"])),
    ("an action the page does not know", setting(["history", "controls", 0, "action"], "explode")),
    ("a list that does not say whether it takes typed text",
     lambda d: next(c for c in d["controls"] if c["kind"] == "list").pop("typedText")),
]


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    schema = json.load(open(sys.argv[1], encoding="utf-8"))
    # Printed into a file: Node writes at most a pipe's buffer (64 KiB) of it into a pipe.
    with tempfile.TemporaryFile() as output:
        subprocess.run(sys.argv[2:], check=True, stdout=output)
        output.seek(0)
        printed = output.read()
    model = json.loads(printed.decode("utf-8"))
    validator = jsonschema.Draft202012Validator(schema)
    problems = [f"{'/'.join(map(str, e.absolute_path))}: {e.message}" for e in validator.iter_errors(model)]
    problems += references(model)
    for what, change in REFUSED:
        broken = copy.deepcopy(model)
        change(broken)
        if validator.is_valid(broken):
            problems.append(f"the schema takes {what}")
    for problem in problems:
        print(problem)
    print(f"{len(problems)} problems in a document of {len(printed)} bytes, "
          f"{len(model['controls'])} controls, {len(model['calculators'])} calculators")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
