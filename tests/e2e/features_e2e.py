# SPDX-License-Identifier: GPL-3.0-or-later
"""The about box, sorting and the days view of the real program (run inside desktop-session.sh).

    features_e2e.py CASE PROGRAM_DIR

CASE is one of: about-from-menu, about-from-tray-while-open, sort-by-header, days-view. Windows are found and read through
AT-SPI; clicks go through xdotool at the places AT-SPI reports, as a user's would, so that a
modal window that a click opens does not hold up an accessibility call. Set ZIB_SCREENSHOT_DIR
to keep a picture of each window that a case opens.
"""

import os
import subprocess
import sys

import pyatspi

from startup_e2e import (Failure, Program, check, descendants, list_cells, report_failure, wait_for,  # noqa: E402
                         wait_on_bus)
from tray_e2e import geometry, program_windows, tray_host_running, tray_icon_window

EVENTS = [
    "evt*2099/01/02*09:00:00*On*NoShell*Once*None*Bell*-1*Dentist",
    "evt*-1*07:00:00*On*NoShell*Once*Every Day*Bell*-1*Breakfast",
    "evt*-1*08:00:00*On*NoShell*Twice*Monthly 1 2 3 4 5 6 7 8 9 10 11 12 *Bell*-1*Rent",
]


def click(node, button="1", repeat=1):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    args = ["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click"]
    if repeat > 1:
        args += ["--repeat", str(repeat), "--delay", "80"]
    subprocess.run(args + [button], check=True)


def find(app, role, name):
    for node_role, node_name, node, _ in descendants(app):
        if node_role == role and node_name == name:
            return node
    return None


def window(app, title):
    return next((w for w in app if w is not None and w.name == title), None)


def screenshot(name):
    folder = os.environ.get("ZIB_SCREENSHOT_DIR")
    if folder:
        subprocess.run(["import", "-window", "root", os.path.join(folder, name + ".png")], check=True)


def press(node):
    node.queryAction().doAction(0)


def messages_in_order(app):
    wanted = [line.split("*", 9)[9] for line in EVENTS]
    return [cell for cell in list_cells(app) if cell in wanted]


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


def open_about_from_menu(app):
    click(wait_for('the menu "Help"', lambda: find(app, "menu item", "Help"), 10))
    item = wait_for('the item "About"', lambda: (lambda n: n if showing(n) else None)(find(app, "menu item", "About")),
                    10)
    click(item)
    return wait_for('the window "About"', lambda: window(app, "About"), 10)


def about_boxes(app):
    return [w for w in app if w is not None and w.name == "About"]


def case_about_from_menu(app, pid):
    about = open_about_from_menu(app)
    wait_for("the product title", lambda: find(about, "label", "Zib Alarm Clock v2.2"), 5)
    screenshot("about")
    press(find(about, "push button", "OK"))
    wait_for("the about box to close", lambda: window(app, "About") is None, 10)


def case_about_from_tray_while_open(app, pid):
    open_about_from_menu(app)
    icon = wait_for("the tray icon", lambda: tray_icon_window(pid), 15)
    _, _, width, height = geometry(icon)
    before = set(program_windows(pid))
    subprocess.run(["xdotool", "mousemove", "--window", icon, str(width // 2), str(height // 2), "click", "3"],
                   check=True)
    menu = wait_for("the tray menu while the about box is open", lambda: set(program_windows(pid)) - before, 10).pop()
    x, y, width, _ = geometry(menu)
    # "About" is the menu's first row.
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + 12), "click", "1"], check=True)
    wait_for("the tray menu to take the click", lambda: menu not in program_windows(pid), 10)
    check(len(about_boxes(app)) == 1, f"{len(about_boxes(app))} about boxes are open")
    screenshot("about-tray")


def case_sort_by_header(app, pid):
    wait_for("the three rows", lambda: len(messages_in_order(app)) == 3, 15)
    click(wait_for('the header "Date - Time"', lambda: find(app, "table column header", "Date - Time"), 10))
    wait_for('the caption "Date - Time  ->"', lambda: find(app, "table column header", "Date - Time  ->"), 10)
    order = wait_for("the ascending order",
                     lambda: (lambda m: m if m == ["Breakfast", "Rent", "Dentist"] else None)(messages_in_order(app)),
                     10)
    click(find(app, "table column header", "Date - Time  ->"))
    wait_for('the caption "Date - Time  <-"', lambda: find(app, "table column header", "Date - Time  <-"), 10)
    wait_for("the descending order", lambda: messages_in_order(app) == order[::-1], 10)
    click(find(app, "table column header", "Message"))
    check(find(app, "table column header", "Date - Time  <-") is not None, "Message changed the captions")
    check(messages_in_order(app) == order[::-1], "Message changed the order")
    screenshot("sorted-descending")
    click(find(app, "table column header", "PT"))
    wait_for('the caption "Date - Time" back', lambda: find(app, "table column header", "Date - Time"), 10)
    wait_for("today's events first", lambda: messages_in_order(app) == order, 10)
    screenshot("sorted-pt")


def case_days_view(app, pid):
    rent = wait_for("the Monthly row", lambda: find(app, "table cell", "Rent"), 15)
    # Other schedules ignore the double click: had "Every Day" opened a modal view, it would be
    # the one that shows up, and the double click on the Monthly row would not reach the list.
    click(find(app, "table cell", "Breakfast"), repeat=2)
    click(rent, repeat=2)
    view = wait_for('the window "Show Days"', lambda: window(app, "Show Days"), 10)
    expected = "1 2 3 4 5 6 7 8 9 10 11 12"
    wait_for("the Monthly row's days, readable", lambda: find(view, "label", expected), 5)
    screenshot("days")
    press(find(view, "push button", "OK"))
    wait_for("the days view to close", lambda: window(app, "Show Days") is None, 10)


CASES = {
    "about-from-menu": case_about_from_menu,
    "about-from-tray-while-open": case_about_from_tray_while_open,
    "sort-by-header": case_sort_by_header,
    "days-view": case_days_view,
}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__, file=sys.stderr)
        return 2
    program = Program(sys.argv[2], EVENTS)
    process = None
    try:
        if sys.argv[1] == "about-from-tray-while-open":
            program.add_setting("Check%20In%20Tray=1")
            # The tray host goes to the bottom right corner, away from the program's windows.
            for host in wait_for("the tray host", tray_host_running, 15):
                subprocess.run(["xdotool", "windowmove", host, "1200", "940"], check=True)
        process = program.start()
        app = wait_on_bus(process)
        CASES[sys.argv[1]](app, process.pid)
    except Failure as failure:
        report_failure(sys.argv[1], failure, program)
        return 1
    finally:
        if process is not None:
            process.kill()
            process.wait()
    print(f"PASS {sys.argv[1]}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
