# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's tray icon in a real notification area (run inside desktop-session.sh).

    tray_e2e.py PROGRAM_DIR [late-host | sni-menu | sni-activate]

With "Check In Tray" on, the icon appears inside the tray host, a right click on it opens the
tray menu, and the menu's last item, "Remove", ends the program. With late-host, the session has
no tray host (ZIB_NO_TRAY_HOST=1) and one is started a few seconds after the program, as a
desktop's notification area may come up after log-in. Qt keeps popup menus off the
accessibility tree, so the menu is found as a new window and its last row is clicked. Set
ZIB_TRAY_SCREENSHOT to a file name to keep a picture of the open menu.

The sni- cases need a session without a tray host (ZIB_NO_TRAY_HOST=1): they start xfce4-panel
with its systray plugin, a StatusNotifierItem host. The icon registers with the watcher and
exports its menu, which the panel shows on a right click (sni-menu); a left click, the item's
Activate, stops a ringing alarm (sni-activate).
"""

import datetime
import os
import subprocess
import sys
import time

from gi.repository import Gio, GLib

# The imports must leave no compiled copy in the source tree.
sys.dont_write_bytecode = True
from alarm_e2e import RATE, Recorder, due_event, onset, read_samples  # noqa: E402
from startup_e2e import Failure, Program, check, report_failure, wait_main_window, wait_for  # noqa: E402

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


# The tray menu has eight commands; a window shorter than this is not it.
MENU_MIN_HEIGHT = 100
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


# An Xfce panel along the bottom of the screen holding only the systray plugin, so that the
# program's item is the first button at its left end.
PANEL_SIZE = 32
PANEL_CONFIG = f"""<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=8;x=640;y=1010"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="length" type="uint" value="100"/>
      <property name="size" type="uint" value="{PANEL_SIZE}"/>
      <property name="plugin-ids" type="array"><value type="int" value="1"/></property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="systray"/>
  </property>
</channel>
"""
WATCHER = ("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher", "org.kde.StatusNotifierWatcher")
ITEM = "org.kde.StatusNotifierItem"
DBUSMENU = "com.canonical.dbusmenu"
COMMANDS = ["About", "Alarm Set", "Show", "Settings", "Help", "Stop", "Disabled", "Remove"]
BUS = None


def dbus_call(service, path, interface, method, args=None):
    global BUS
    BUS = BUS or Gio.bus_get_sync(Gio.BusType.SESSION, None)
    return BUS.call_sync(service, path, interface, method, args, None, Gio.DBusCallFlags.NONE, 5000, None).unpack()


def dbus_property(service, path, interface, name):
    try:
        return dbus_call(service, path, "org.freedesktop.DBus.Properties", "Get",
                         GLib.Variant("(ss)", (interface, name)))[0]
    except GLib.Error:
        return None


def start_panel(program):
    folder = os.path.join(os.environ["HOME"], ".config", "xfce4", "xfconf", "xfce-perchannel-xml")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "xfce4-panel.xml"), "w") as f:
        f.write(PANEL_CONFIG)
    log = open(os.path.join(program.logs, "xfce4-panel.log"), "w")
    # No window manager runs here, which the panel would otherwise wait for.
    panel = subprocess.Popen(["xfce4-panel", "--disable-wm-check"], stdout=log, stderr=subprocess.STDOUT)
    wait_for("a StatusNotifierItem host", lambda: dbus_property(*WATCHER, "IsStatusNotifierHostRegistered"), 20)
    return panel


def registered_item(pid):
    """The (service, path) that the program registered with the watcher."""
    for entry in dbus_property(*WATCHER, "RegisteredStatusNotifierItems") or []:
        service, _, path = entry.partition("/")
        owner = dbus_call("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "GetConnectionUnixProcessID", GLib.Variant("(s)", (service,)))[0]
        if owner == pid:
            return service, "/" + path
    return None


def exported_commands(service, menu):
    """The exported menu's commands: label to (id, toggle state)."""
    _, (_, _, children) = dbus_call(service, menu, DBUSMENU, "GetLayout", GLib.Variant("(iias)", (0, -1, [])))
    return {props["label"]: (item, props.get("toggle-state")) for item, props, _ in children
            if props.get("type") != "separator"}


def panel_icon():
    """Where the panel shows the first item: its left end."""
    panel = xdotool("search", "--onlyvisible", "--class", "xfce4-panel").split()
    check(panel, "the panel has no window")
    x, y, _, height = geometry(panel[0])
    return x + PANEL_SIZE // 2, y + height // 2


def panel_windows(panel):
    """The windows of the panel and of its plugins' processes."""
    pids = [str(panel.pid)] + subprocess.run(["pgrep", "-P", str(panel.pid)], capture_output=True, text=True).stdout.split()
    return {w for pid in pids for w in xdotool("search", "--onlyvisible", "--pid", pid, "--name", ".*").split()}


def sni_menu(panel, process):
    item = wait_for("the item registered with the watcher", lambda: registered_item(process.pid), 15)
    service, path = item
    menu = dbus_property(service, path, ITEM, "Menu")
    check(menu and menu != "/NO_DBUSMENU", f"the item exports no menu ({menu})")
    _, _, title, _ = dbus_property(service, path, ITEM, "ToolTip")
    check(title == "Zib Alarm Clock v2.2", f"the item's tip reads {title!r}")
    commands = exported_commands(service, menu)
    check(list(commands) == COMMANDS, f"the exported menu holds {list(commands)}")
    # "Disabled" chosen as the panel chooses it: the icon and the check follow.
    icon = dbus_property(service, path, ITEM, "IconPixmap")
    dbus_call(service, menu, DBUSMENU, "Event", GLib.Variant("(isvu)", (commands["Disabled"][0], "clicked",
                                                                        GLib.Variant("i", 0), 0)))
    wait_for("the disabled icon", lambda: dbus_property(service, path, ITEM, "IconPixmap") != icon, 5)
    check(exported_commands(service, menu)["Disabled"][1] == 1, '"Disabled" is not checked')

    # A host that leaves the menu to the program calls ContextMenu: the program opens its own.
    x, y = panel_icon()
    own = set(program_windows(process.pid))
    dbus_call(service, path, ITEM, "ContextMenu", GLib.Variant("(ii)", (x, y)))
    wait_for("the menu opened by ContextMenu", lambda: set(program_windows(process.pid)) - own, 10)
    xdotool("key", "Escape")
    wait_for("the menu to close", lambda: not set(program_windows(process.pid)) - own, 10)

    before = panel_windows(panel)
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "3"], check=True)

    def panel_menus():
        # A new menu window may be mapped small and grown to its rows a moment later.
        found = []
        for window in panel_windows(panel) - before:
            try:
                x, y, w, h = geometry(window)
            except KeyError:  # gone again
                continue
            if h > len(COMMANDS) * 15:
                found.append((x, y, w, h))
        return found

    return wait_for("the panel's menu with every command", panel_menus, 10)[0]


def sni_activate(program, process):
    """A left click on the item while a Repeat alarm rings: the sound stops."""
    wait_for("the item registered with the watcher", lambda: registered_item(process.pid), 15)
    recorder = Recorder(os.path.join(program.root, "monitor.raw"))
    try:
        def heard():
            found = onset(read_samples(recorder.path))
            return None if found is None else [found]

        first = wait_for("the alarm", heard, ALARM_AHEAD + 10)[0]
        wait_for("a second of ringing", lambda: recorder.look() and recorder.recorded() > first / RATE + 1, 10)
        clicked = recorder.seconds_until(datetime.datetime.now())
        x, y = panel_icon()
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
        wait_for("the recording after the click", lambda: recorder.recorded() > clicked + 1 + QUIET_SECONDS, 10)
    finally:
        recorder.stop()
    samples = read_samples(recorder.path)
    ringing = onset(samples[int((clicked - 1) * RATE):int(clicked * RATE)])
    check(ringing is not None, "the alarm was not ringing before the click")
    late = onset(samples[int((clicked + 1) * RATE):int((clicked + 1 + QUIET_SECONDS) * RATE)])
    check(late is None, f"the alarm still rang {1 + (late or 0) / RATE:.2f} s after the click")


def choose_remove(process, menu_x, menu_y, menu_width, menu_height):
    """Keeps a picture of the open menu if asked to, then clicks its last row: "Remove"."""
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


def xembed_menu(process):
    """Right-clicks the docked icon; the geometry of the menu that opened at it."""
    icon = wait_for("the tray icon inside the tray host", lambda: tray_icon_window(process.pid), 15)
    _, _, width, height = geometry(icon)
    before = set(program_windows(process.pid))
    subprocess.run(["xdotool", "mousemove", "--window", icon, str(width // 2), str(height // 2), "click", "3"],
                   check=True)
    _, icon_y, _, _ = geometry(icon)

    def menus_at_icon():
        # The icon's tooltip is a new window too: the menu is the tall one that opened at the icon.
        found = []
        for window in set(program_windows(process.pid)) - before:
            try:
                x, y, w, h = geometry(window)
            except KeyError:  # gone again: a tooltip
                continue
            if h >= MENU_MIN_HEIGHT and y <= icon_y <= y + h + height:
                found.append((x, y, w, h))
        return found

    # An icon that has only just docked may not take the first click yet; a user clicks again.
    try:
        return wait_for("the tray menu opened at the icon", menus_at_icon, 5)[0]
    except Failure:
        subprocess.run(["xdotool", "mousemove", "--window", icon, str(width // 2), str(height // 2), "click", "3"],
                       check=True)
        return wait_for("the tray menu opened at the icon", menus_at_icon, 10)[0]


# The alarm of sni-activate is due this long after the program's folder is made, and stays quiet
# this long after the click.
ALARM_AHEAD = 12
QUIET_SECONDS = 3


def main():
    modes = ("late-host", "sni-menu", "sni-activate")
    if len(sys.argv) not in (2, 3) or sys.argv[2:3] not in ([], *([m] for m in modes)):
        print(__doc__, file=sys.stderr)
        return 2
    mode = sys.argv[2] if len(sys.argv) == 3 else "xembed"
    if mode == "sni-activate":
        program = Program(sys.argv[1], events=[due_event(ALARM_AHEAD, play_times="Repeat")[0]])
    else:
        program = Program(sys.argv[1])
    program.add_setting("Check%20In%20Tray=1")
    process = None
    host = None
    try:
        if mode.startswith("sni"):
            check(not tray_host_running(), "the session already has an XEmbed tray host")
            host = start_panel(program)
            process = program.start()
            wait_main_window(process)
            if mode == "sni-activate":
                sni_activate(program, process)
            else:
                choose_remove(process, *sni_menu(host, process))
        elif mode == "late-host":
            check(not tray_host_running(), "the session already has a tray host")
            process = program.start()
            wait_main_window(process)
            time.sleep(LATE_HOST_SECONDS)
            check(process.poll() is None, f"the program ended with {process.returncode}")
            host = start_tray_host(program)
            place_tray_host()
            choose_remove(process, *xembed_menu(process))
        else:
            place_tray_host()
            process = program.start()
            wait_main_window(process)
            choose_remove(process, *xembed_menu(process))
    except Failure as failure:
        report_failure(f"tray {mode}", failure, program)
        return 1
    finally:
        for started in (process, host):
            if started is not None and started.poll() is None:
                started.kill()
                started.wait()
    print(f"PASS tray {mode}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
