# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a Wayland compositor with no X server (run inside desktop-session.sh with
ZIB_WAYLAND=1): the main window appears and an alarm's message window opens.

    wayland_e2e.py PROGRAM_DIR
"""

import datetime
import os
import re
import sys

# The import must leave no compiled copy in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_e2e import MAIN_TITLE, Program, accessible_app, check, find_text, run_case, wait_for  # noqa: E402

MESSAGE = "Time to wake up"


def on_wayland(pid):
    with open(f"/proc/{pid}/maps") as f:
        return "libqwayland" in f.read()


def is_main_window(window):
    return window.getRoleName() == "frame" and re.match(MAIN_TITLE, window.name or "")


def top_windows(app):
    return [child for child in app if child is not None]


def message_window(app):
    """The window other than the main one that shows the message (the list shows it too)."""
    return next((w for w in top_windows(app) if not is_main_window(w) and find_text(w, MESSAGE)), None)


def run(program):
    check("DISPLAY" not in os.environ and os.environ.get("WAYLAND_DISPLAY"), "not a Wayland-only session")
    due = (datetime.datetime.now() + datetime.timedelta(seconds=8)).replace(microsecond=0)
    program.write_events([f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*{MESSAGE}"])
    process = program.start()
    try:
        def app_with_window():
            check(process.poll() is None, f"zibac ended with {process.returncode}")
            app = accessible_app(process.pid)
            return app if app is not None and any(map(is_main_window, top_windows(app))) else None
        app = wait_for("the main window on the accessibility bus", app_with_window, 30)
        check(on_wayland(process.pid), "the program did not load the Wayland platform plugin")
        wait_for("the alarm's message window", lambda: message_window(app), 20)
        check(datetime.datetime.now() >= due, "the message window opened before the alarm was due")
    finally:
        process.kill()
        process.wait()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    return run_case("wayland", run, Program(sys.argv[1]))


if __name__ == "__main__":
    sys.exit(main())
