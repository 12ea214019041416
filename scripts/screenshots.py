# SPDX-License-Identifier: GPL-3.0-or-later
"""Takes the README's pictures of each window (run by screenshot.sh inside a private desktop).

    screenshots.py PROGRAM_DIR OUTPUT_DIR

The built program with a few sample alarms, tray mode on: the main window, the settings, the
desktop clock, an alarm's message window and the tray menu, each as OUTPUT_DIR/<name>.png.
"""

import datetime
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from features_e2e import click, find  # noqa: E402
from startup_e2e import Program, find_text, run_case, wait_for, wait_on_bus  # noqa: E402
from tray_e2e import geometry, place_tray_host, program_windows, tray_icon_window, xdotool  # noqa: E402

MESSAGE = "Time for the team meeting"


def events():
    due = datetime.datetime.now() + datetime.timedelta(seconds=25)
    return [
        "evt*2026/12/24*07:30:00*On*NoShell*Twice*None*Bell*-1*Buy the tree",
        "evt*-1*06:45:00*On*NoShell*Once*Mon*Chimes*-1*Gym",
        "evt*2026/12/09*14:00:00*On*NoShell*Repeat*None Every*Beep*-1*Take the tablets",
        "evt*-1*21:00:00*Off*NoShell*Once*Every Day*Bell*-1*Lock the back door",
        f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*{MESSAGE}",
    ]


def x_window(pid, title):
    return wait_for(f'the window "{title}"', lambda: xdotool("search", "--all", "--onlyvisible", "--pid", str(pid),
                                                               "--name", f"^{title}").split(), 15)[0]


def capture(window, output, name):
    xdotool("windowraise", window)
    time.sleep(1)
    subprocess.run(["import", "-window", window, os.path.join(output, name + ".png")], check=True)


def capture_area(x, y, width, height, output, name):
    subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "+repage",
                    os.path.join(output, name + ".png")], check=True)


def take(program, output):
    place_tray_host()
    process = program.start()
    pid = process.pid
    try:
        app = wait_on_bus(process)
        time.sleep(2)
        capture(x_window(pid, "Zib Alarm Clock"), output, "main-window")

        click(wait_for('the item "Settings"', lambda: find(app, "menu item", "Settings"), 10))
        settings = x_window(pid, "Settings")
        xdotool("windowmove", settings, "640", "0")
        capture(settings, output, "settings")

        click(find(app, "menu item", "Show"))
        clock = x_window(pid, "Clock")
        xdotool("windowmove", clock, "640", "600")
        capture(clock, output, "desktop-clock")

        wait_for("the alarm's message window", lambda: find_text(app, "Remind me"), 40)
        message = x_window(pid, "Msg")
        xdotool("windowmove", message, "300", "300")
        capture(message, output, "message-window")

        icon = wait_for("the tray icon", lambda: tray_icon_window(pid), 15)
        before = set(program_windows(pid))
        _, _, width, height = geometry(icon)
        xdotool("mousemove", "--window", icon, str(width // 2), str(height // 2), "click", "3")
        menu = wait_for("the tray menu", lambda: set(program_windows(pid)) - before, 10).pop()
        time.sleep(1)
        mx, my, mwidth, mheight = geometry(menu)
        ix, iy, iwidth, iheight = geometry(icon)
        left, top = min(mx, ix) - 10, min(my, iy) - 10
        capture_area(left, top, max(mx + mwidth, ix + iwidth) + 10 - left, max(my + mheight, iy + iheight) + 10 - top,
                     output, "tray-menu")
    finally:
        process.kill()
        process.wait()


def main():
    program_dir, output = sys.argv[1:3]
    program = Program(program_dir, events())
    program.add_setting("Check%20In%20Tray=1")
    return run_case("screenshots", lambda p: take(p, output), program)


if __name__ == "__main__":
    sys.exit(main())
