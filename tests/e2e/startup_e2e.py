# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program on a desktop (run inside desktop-session.sh).

    startup_e2e.py CASE PROGRAM_DIR

CASE is one of: lists-events, second-start-refused, restart-after-kill, alarm-fires.
"""

import array
import datetime
import math
import os
import shutil
import signal
import subprocess
import sys
import time

import pyatspi

# The caption at creation, and the title clock that the main timer puts there.
MAIN_TITLE = r"^Zib Alarm Clock($| v2\.2\.\.\.)"
ALREADY_RUNNING = "Zib Alarm Clock is already running."
EVENTS = [
    "evt*2099/01/01*09:00:00*On*NoShell*Once*None*Bell*-1*Dentist at nine",
    "evt*2099/02/14*18:30:00*Off*NoShell*Twice*None*Chimes*-1*Water the plants",
    "evt*2099/03/03*07:15:00*On*NoShell*Repeat*None Every*Beep*-1*Call Mum",
]
MESSAGES = [line.split("*", 9)[9] for line in EVENTS]
LIST_ROLES = {"tree", "tree table", "table", "list"}


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def wait_for(what, probe, timeout):
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result:
            return result
        if time.monotonic() > deadline:
            raise Failure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(0.1)


class Program:
    """A copy of the program folder with its own events file and settings."""

    def __init__(self, source_dir, events=EVENTS):
        self.root = os.environ.get("ZIB_SESSION_DIR") or os.getcwd()
        self.folder = os.path.join(self.root, "program")
        shutil.copytree(source_dir, self.folder, symlinks=True)
        self.write_events(events)
        config = os.path.join(self.root, "config")
        os.makedirs(os.path.join(config, "Zib"))
        with open(os.path.join(config, "Zib", "Alarm Clock v2.2.conf"), "w") as f:
            f.write("[General]\nAlarmEventsFile=test.acl\nMain Output Device=Wave\nMain Song Name=Bell\n")
        self.env = dict(os.environ, XDG_CONFIG_HOME=config)
        self.logs = self.root
        self.started = 0

    def write_events(self, events):
        with open(os.path.join(self.folder, "test.acl"), "w", newline="") as f:
            f.write("".join(line + "\r\n" for line in events))

    def add_setting(self, line):
        """Appends a line such as "Check%20In%20Tray=1" to the program's settings file."""
        with open(os.path.join(self.root, "config", "Zib", "Alarm Clock v2.2.conf"), "a") as f:
            f.write(line + "\n")

    def start(self):
        self.started += 1
        log = open(os.path.join(self.logs, f"zibac-{self.started}.log"), "w")
        return subprocess.Popen([os.path.join(self.folder, "zibac")], env=self.env, cwd=self.logs,
                                stdout=log, stderr=subprocess.STDOUT)


def visible_windows(pid, name):
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", name],
                           capture_output=True, text=True)
    return found.stdout.split()


def wait_main_window(process, timeout=20):
    def probe():
        check(process.poll() is None, f"zibac (pid {process.pid}) ended with {process.returncode}")
        return visible_windows(process.pid, MAIN_TITLE)
    return wait_for("the main window", probe, timeout)


def wait_on_bus(process):
    """Waits for the main window, then for the program on the accessibility bus."""
    wait_main_window(process)
    return wait_for("the program on the accessibility bus", lambda: accessible_app(process.pid), 15)


def accessible_app(pid):
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def descendants(node, depth=0):
    """(role name, name, node, ancestor roles) of every node below, depth first."""
    stack = [(node, ())]
    while stack:
        current, ancestors = stack.pop()
        try:
            role = current.getRoleName()
            name = current.name or ""
            children = [c for c in current if c is not None]
        except Exception:
            continue
        yield role, name, current, ancestors
        stack.extend((c, ancestors + (role,)) for c in reversed(children))


def list_cells(app):
    return [name for role, name, _, ancestors in descendants(app)
            if role == "table cell" and LIST_ROLES.intersection(ancestors)]


def find_text(app, text):
    for role, name, node, _ in descendants(app):
        if text in name:
            return node
        if role == "label" or role == "text":
            try:
                node_text = node.queryText().getText(0, -1)
            except Exception:
                node_text = ""
            if text in node_text:
                return node
    return None


def press_ok(app):
    for role, name, node, _ in descendants(app):
        if role == "push button" and name.replace("&", "") == "OK":
            node.queryAction().doAction(0)
            return True
    return False


def case_lists_events(program):
    first = program.start()
    try:
        app = wait_on_bus(first)
        cells = wait_for("the alarm list with the prepared events",
                         lambda: (lambda c: c if all(m in c for m in MESSAGES) else None)(list_cells(app)), 15)
        check(len([c for c in cells if c in MESSAGES]) == len(MESSAGES), f"rows shown twice: {cells}")
    finally:
        first.kill()
        first.wait()


def case_second_start_refused(program):
    first = program.start()
    second = None
    try:
        main_windows = wait_main_window(first)
        second = program.start()
        app = wait_for("the second start on the accessibility bus", lambda: accessible_app(second.pid), 10)
        wait_for(f'the box "{ALREADY_RUNNING}"', lambda: find_text(app, ALREADY_RUNNING), 10)
        windows = {child.getRoleName() for child in app if child is not None}
        check(windows <= {"alert", "dialog"}, f"the second start opened windows: {windows}")
        check(press_ok(app), "the box has no OK button")
        try:
            second.wait(timeout=5)
        except subprocess.TimeoutExpired:
            raise Failure("the second start did not end after its box was closed")
        check(first.poll() is None, "the first instance ended")
        check(set(main_windows) <= set(visible_windows(first.pid, MAIN_TITLE)),
              "the first instance's main window went away")
    finally:
        for p in (second, first):
            if p is not None and p.poll() is None:
                p.kill()
                p.wait()


def case_restart_after_kill(program):
    first = program.start()
    wait_main_window(first)
    os.kill(first.pid, signal.SIGKILL)
    first.wait()
    again = program.start()
    try:
        wait_main_window(again)
        app = wait_for("the new start on the accessibility bus", lambda: accessible_app(again.pid), 15)
        check(find_text(app, ALREADY_RUNNING) is None, "the new start was refused")
        check(again.poll() is None, f"the new start ended with {again.returncode}")
    finally:
        again.kill()
        again.wait()


RATE = 22050


def loudest(recording, start_seconds, end_seconds=math.inf):
    """RMS (0..1) of the loudest 50 ms of a mono s16le recording between two moments."""
    samples = array.array("h")
    with open(recording, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    window = RATE // 20
    peak = 0.0
    end = min(len(samples), int(min(end_seconds, len(samples) / RATE) * RATE))
    for start in range(max(0, int(start_seconds * RATE)), end - window, window):
        chunk = samples[start:start + window]
        peak = max(peak, math.sqrt(sum(v * v for v in chunk) / window) / 32768)
    return peak


def case_alarm_fires(program):
    check(os.environ.get("PULSE_SERVER"), "no audio server in this session")
    marker = os.path.join(program.root, "command-ran")
    due = (datetime.datetime.now() + datetime.timedelta(seconds=8)).replace(microsecond=0)
    program.write_events([f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*Shelltouch {marker}*Once*None*Bell*-1*Time to wake up"])
    recording = os.path.join(program.root, "monitor.raw")
    recorder = subprocess.Popen(["parec", "-d", "test.monitor", "--latency-msec=10", "--format=s16le",
                                 f"--rate={RATE}", "--channels=1", recording])
    # On a busy machine parec joins the sink seconds after its start: time the recording from
    # its first samples. The song starts within milliseconds of its second.
    wait_for("the recorder", lambda: os.path.exists(recording) and os.path.getsize(recording) > 0, 10)
    due_at = due.timestamp() - (time.time() - os.path.getsize(recording) / 2 / RATE)
    first = program.start()
    try:
        app = wait_on_bus(first)
        wait_for("the alarm's message window", lambda: find_text(app, "Time to wake up"), 20)
        wait_for("the alarm's command", lambda: os.path.exists(marker), 10)
        wait_for("the alarm's song on the sink", lambda: loudest(recording, due_at - 0.5) > 0.02, 10)
        check(loudest(recording, 0, due_at - 3) < 0.005, "sound before the alarm was due")
    finally:
        recorder.terminate()
        recorder.wait()
        first.kill()
        first.wait()


def report_failure(name, failure, program):
    """Says what failed, followed by the program's output."""
    print(f"FAIL {name}: {failure}", file=sys.stderr)
    for log in sorted(f for f in os.listdir(program.logs) if f.endswith(".log")):
        with open(os.path.join(program.logs, log)) as f:
            print(f"--- {log}\n{f.read()}", file=sys.stderr)


def run_case(name, case, program):
    """Runs case(program) and says PASS, or what failed with the program's output; the exit status."""
    try:
        case(program)
    except Failure as failure:
        report_failure(name, failure, program)
        return 1
    print(f"PASS {name}")
    return 0


CASES = {
    "alarm-fires": case_alarm_fires,
    "lists-events": case_lists_events,
    "second-start-refused": case_second_start_refused,
    "restart-after-kill": case_restart_after_kill,
}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__, file=sys.stderr)
        return 2
    return run_case(sys.argv[1], CASES[sys.argv[1]], Program(sys.argv[2]))


if __name__ == "__main__":
    sys.exit(main())
