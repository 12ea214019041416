"""Starts zibac with events due every few seconds and prints, for each, the delay from the
event's second to its message window appearing on the display (run by measure-firing.sh).

    firing_probe.py PROGRAM_FOLDER EVENTS GAP_SECONDS
"""

import datetime
import os
import subprocess
import sys
import time

LEAD_SECONDS = 8  # start-up and the first load come before the first event


def write_events(folder, count, gap):
    first = (datetime.datetime.now() + datetime.timedelta(seconds=LEAD_SECONDS)).replace(microsecond=0)
    moments = [first + datetime.timedelta(seconds=gap * k) for k in range(count)]
    with open(os.path.join(folder, "firing.acl"), "w", newline="") as f:
        for k, due in enumerate(moments):
            f.write(f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*Firing probe {k + 1:02d}\r\n")
    return moments


def message_windows(pid):
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", "^Msg"],
                           capture_output=True, text=True)
    return found.stdout.split()


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    folder, count, gap = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    moments = write_events(folder, count, gap)
    process = subprocess.Popen([os.path.join(folder, "zibac")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    seen = {}
    deadline = moments[-1].timestamp() + 5
    try:
        while len(seen) < count and time.time() < deadline:
            if process.poll() is not None:
                print(f"firing: zibac ended with {process.returncode}", file=sys.stderr)
                return 1
            windows = message_windows(process.pid)
            # The search's end: the window is there by then at the latest.
            looked = time.time()
            for window in windows:
                seen.setdefault(window, looked)
    finally:
        process.kill()
        process.wait()
    appeared = sorted(seen.values())
    delays = []
    for k, due in enumerate(moments):
        if k >= len(appeared):
            print(f"event {k + 1:2d} at {due:%H:%M:%S}: no message window")
            continue
        delay = (appeared[k] - due.timestamp()) * 1000
        delays.append(delay)
        print(f"event {k + 1:2d} at {due:%H:%M:%S}: {delay:6.0f} ms")
    if not delays:
        return 1
    print(f"{len(delays)} of {count} windows; delay min {min(delays):.0f} ms, "
          f"median {sorted(delays)[len(delays) // 2]:.0f} ms, max {max(delays):.0f} ms (goal <= 600 ms)")
    return 0 if len(delays) == count else 1


if __name__ == "__main__":
    sys.exit(main())
