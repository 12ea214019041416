# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader meets in the real program (run inside desktop-session.sh).

    accessibility_e2e.py PROGRAM_DIR
"""

import os
import sys
import time

import pyatspi

# The import must leave no compiled copy in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_e2e import (Program, check, descendants, find_text, press_ok, run_case,  # noqa: E402
                         wait_for, wait_on_bus)

VISIBLE_HEADERS = ["PT", "Date - Time", "Schedule", "Message"]
SAVED = "Data has been saved."


def find(app, role, name):
    for node_role, node_name, node, _ in descendants(app):
        if node_role == role and node_name == name:
            return node
    return None


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def announced_headers(app):
    table = wait_for("the alarm list", lambda: find(app, "tree", "Alarm events"), 10)
    headers = []
    for column in range(table.queryTable().nColumns):
        header = table.queryTable().getColumnHeader(column)
        if header is not None and header.getState().contains(pyatspi.STATE_SHOWING):
            headers.append(header.name)
    return headers


def run(program):
    process = program.start()
    try:
        app = wait_on_bus(process)

        headers = announced_headers(app)
        check(headers == VISIBLE_HEADERS, f"headers announced as shown: {headers}")

        date = wait_for("the effective date", lambda: next(
            (node for role, _, node, _ in descendants(app) if role == "label" and node.description == "Effective date"),
            None), 10)
        check(any(ch.isdigit() for ch in date.name), f"the effective date label reads {date.name!r}")

        edit = wait_for("the Edit button", lambda: find(app, "check box", "Edit"), 10)
        edit.queryAction().doAction(0)
        # No row is selected: the handler refuses and the button comes back up.
        time.sleep(0.5)
        check(not checked(edit), "Edit stayed down without a selected row: its handler did not run")

        save = find(app, "push button", "Save")
        started = time.monotonic()
        save.queryAction().doAction(0)
        answered = time.monotonic() - started
        check(answered < 2, f"pressing Save held the caller for {answered:.1f} s")
        wait_for("the saved box", lambda: find_text(app, SAVED), 10)
        check(press_ok(app), "no OK button in the saved box")
    finally:
        process.kill()
        process.wait()


def main():
    return run_case("accessibility", run, Program(sys.argv[1]))


if __name__ == "__main__":
    sys.exit(main())
