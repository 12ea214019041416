"""The program's tray icon in a real notification area (run inside desktop-session.sh).

    tray_e2e.py PROGRAM_DIR [late-host]

With "Check In Tray" on, the icon appears inside the tray host, a right click on it opens the
tray menu, and the menu's last item, "Remove", ends the program. With late-host, the session has
no tray host (ZIB_NO_TRAY_HOST=1) and one is started a few seconds after the program, as a
desktop's notification area may come up after log-in. Qt keeps popup menus off the
accessibility tree, so the menu is found as a new window and its last row is clicked. Set ZIB_TRAY_SCREENSHOT to a file name to
keep a picture of the open menu.
"""

import os
import subprocess
import sys
import time

from startup_e2e import Failure, Program, check, report_failure, wait_main_window, wait_for

# The tray host docks icons at this size or smaller.
MAX_ICON_SIZE = 64


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout


def geometry(window):
    values = dict(line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
    return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])


def tray_host_running():
    return xdotool("search", "--class", "wmsystemtray").split()


def program_windows(pid):
    return xdotool("search", "--all", "--onlyvisible", "--pid", str(pid), "--name", ".*").split()


def tray_icon_window(pid):
    """The program's small window that the tray host has docked."""
    for window in program_windows(pid):
        try:
            _, _, width, height = geometry(window)
        except (KeyError, ValueError):
            continue
        if 0 < width <= MAX_ICON_SIZE and 0 < height <= MAX_ICON_SIZE:
            return window
    return None


# How long after the program the late tray host starts.
LATE_HOST_SECONDS = 4


def start_tray_host(program):
    log = open(os.path.join(program.logs, "late-tray-host.log"), "w")
    return subprocess.Popen(["wmsystemtray", "--non-wmaker"], stdout=log, stderr=subprocess.STDOUT)


def place_tray_host():
    host = wait_for("the tray host", tray_host_running, 15)
    # No window manager places windows here: the main window would cover the tray host at the
    # top left. The host goes to the bottom right corner, where notification areas usually sit.
    for window in host:
        xdotool("windowmove", window, "1200", "940")


def main():
    if len(sys.argv) not in (2, 3) or sys.argv[2:] not in ([], ["late-host"]):
        print(__doc__, file=sys.stderr)
        return 2
    late = sys.argv[2:] == ["late-host"]
    program = Program(sys.argv[1])
    program.add_setting("Check%20In%20Tray=1")
    process = None
    host = None
    try:
        if late:
            check(not tray_host_running(), "the session already has a tray host")
            process = program.start()
            wait_main_window(process)
            time.sleep(LATE_HOST_SECONDS)
            check(process.poll() is None, f"the program ended with {process.returncode}")
            host = start_tray_host(program)
            place_tray_host()
        else:
            place_tray_host()
            process = program.start()
            wait_main_window(process)
        icon = wait_for("the tray icon inside the tray host", lambda: tray_icon_window(process.pid), 15)
        _, _, width, height = geometry(icon)
        before = set(program_windows(process.pid))
        subprocess.run(["xdotool", "mousemove", "--window", icon, str(width // 2), str(height // 2), "click", "3"],
                       check=True)
        menu = wait_for("the tray menu", lambda: set(program_windows(process.pid)) - before, 10).pop()
        menu_x, menu_y, menu_width, menu_height = geometry(menu)
        _, icon_y, _, _ = geometry(icon)
        check(menu_y <= icon_y <= menu_y + menu_height + height, "the menu did not open at the icon")
        shot = os.environ.get("ZIB_TRAY_SCREENSHOT")
        if shot:
            subprocess.run(["import", "-window", "root", shot], check=True)
        check(process.poll() is None, "the program ended before Remove was chosen")
        subprocess.run(["xdotool", "mousemove", str(menu_x + menu_width // 2), str(menu_y + menu_height - 10),
                        "click", "1"], check=True)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            raise Failure('the program still runs after "Remove"')
        check(process.returncode == 0, f"the program ended with {process.returncode}")
    except Failure as failure:
        report_failure("tray", failure, program)
        return 1
    finally:
        for started in (process, host):
            if started is not None and started.poll() is None:
                started.kill()
                started.wait()
    print("PASS tray")
    return 0


if __name__ == "__main__":
    sys.exit(main())
