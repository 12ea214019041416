"""Starts zibac with events due every few seconds and prints, for each, the delay from the
event's second to its message window being mapped on the display (run by measure-firing.sh).

    firing_probe.py PROGRAM_FOLDER EVENTS GAP_SECONDS

The moment of mapping is taken from the X server's MapNotify events, read as they come from one
long-lived xev, so that no polling interval adds to the delays.
"""

import datetime
import os
import re
import subprocess
import sys
import threading
import time

LEAD_SECONDS = 8  # start-up and the first load come before the first event


def write_events(folder, count, gap):
    first = (datetime.datetime.now() + datetime.timedelta(seconds=LEAD_SECONDS)).replace(microsecond=0)
    moments = [first + datetime.timedelta(seconds=gap * k) for k in range(count)]
    with open(os.path.join(folder, "firing.acl"), "w", newline="") as f:
        for k, due in enumerate(moments):
            f.write(f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*Firing probe {k + 1:02d}\r\n")
    return moments


class MapWatch:
    """Every top-level window mapped while it runs, with the wall-clock moment of its MapNotify."""

    def __init__(self):
        self.mapped = {}
        self.process = subprocess.Popen(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True, bufsize=1)
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def read(self):
        moment = None
        for line in self.process.stdout:
            if line.startswith("MapNotify event"):
                moment = time.time()
                continue
            match = re.match(r"\s+event 0x[0-9a-f]+, window (0x[0-9a-f]+)", line)
            if moment is not None and match:
                self.mapped.setdefault(match.group(1), moment)
            moment = None

    def stop(self):
        self.process.kill()
        self.process.wait()


def window_name(window):
    found = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True)
    return found.stdout.strip()


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    folder, count, gap = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    watch = MapWatch()
    moments = write_events(folder, count, gap)
    process = subprocess.Popen([os.path.join(folder, "zibac")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.time() < moments[-1].timestamp() + 3:
            if process.poll() is not None:
                print(f"firing: zibac ended with {process.returncode}", file=sys.stderr)
                return 1
            time.sleep(0.5)
        messages = sorted(moment for window, moment in list(watch.mapped.items())
                          if window_name(window).startswith("Msg"))
    finally:
        process.kill()
        process.wait()
        watch.stop()
    delays = []
    for k, due in enumerate(moments):
        if k >= len(messages):
            print(f"event {k + 1:2d} at {due:%H:%M:%S}: no message window")
            continue
        delay = (messages[k] - due.timestamp()) * 1000
        delays.append(delay)
        print(f"event {k + 1:2d} at {due:%H:%M:%S}: {delay:6.0f} ms")
    if not delays:
        return 1
    print(f"{len(delays)} of {count} windows; delay min {min(delays):.0f} ms, "
          f"median {sorted(delays)[len(delays) // 2]:.0f} ms, max {max(delays):.0f} ms (goal <= 600 ms)")
    return 0 if len(delays) == count else 1


if __name__ == "__main__":
    sys.exit(main())
