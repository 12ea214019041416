# SPDX-License-Identifier: GPL-3.0-or-later
"""Starts zibac with events due every few seconds and prints, for each, the delay from the
event's second to its message window being mapped on the display and to its first sound on
the recorded sink (run by measure-firing.sh).

    firing_probe.py PROGRAM_FOLDER EVENTS GAP_SECONDS SOUND_GOAL_MS [hung]

With hung, the sound server is stopped (SIGSTOP) once the program runs and goes on only after the
last event: the windows must not wait for it, and nothing is heard.

The moment of mapping is taken from the X server's MapNotify events, read as they come from one
long-lived xev, so that no polling interval adds to the delays. The sound is the null sink's
monitor, recorded from before the start; each sample's moment follows from the sample count.
"""

import array
import datetime
import math
import os
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from mapwatch import MapWatch, Reader  # noqa: E402

LEAD_SECONDS = 8  # start-up and the first load come before the first event
WINDOW_GOAL_MS = 100
RATE = 48000
SILENCE = 100  # of 32767: the null sink's silence is exact zeros


def write_events(folder, count, gap):
    first = (datetime.datetime.now() + datetime.timedelta(seconds=LEAD_SECONDS)).replace(microsecond=0)
    moments = [first + datetime.timedelta(seconds=gap * k) for k in range(count)]
    with open(os.path.join(folder, "firing.acl"), "w", newline="") as f:
        for k, due in enumerate(moments):
            f.write(f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*Firing probe {k + 1:02d}\r\n")
    return moments


class SinkRecorder(Reader):
    """The test sink's monitor, mono 16 bit. A sample has been rendered by the time it is read, so
    the earliest reading of (arrival - samples so far / rate) is the moment of the first sample."""

    def __init__(self):
        self.data = bytearray()
        self.start = math.inf
        super().__init__(["parec", "-d", "test.monitor", "--raw", "--format=s16le", f"--rate={RATE}",
                          "--channels=1", "--latency-msec=10"])

    def read(self):
        fd = self.process.stdout.fileno()
        while chunk := os.read(fd, 4096):
            arrival = time.time()
            self.data += chunk
            self.start = min(self.start, arrival - len(self.data) // 2 / RATE)

    def first_sound(self, since, until):
        first = max(0, int((since - self.start) * RATE))
        last = min(len(self.data) // 2, int((until - self.start) * RATE))
        if first >= last:
            return None
        samples = array.array("h", bytes(self.data[2 * first:2 * last]))
        for k, value in enumerate(samples):
            if abs(value) > SILENCE:
                return self.start + (first + k) / RATE
        return None


def summary(what, delays, count, goal):
    if not delays:
        return f"{what}: none of {count}"
    verdict = "met" if len(delays) == count and max(delays) <= goal else "MISSED"
    return (f"{what}: {len(delays)} of {count}; min {min(delays):.0f} ms, median {sorted(delays)[len(delays) // 2]:.0f} ms, "
            f"max {max(delays):.0f} ms; goal <= {goal} ms every one: {verdict}")


def server_pid():
    """The session's sound server: its pid file lies beside its socket."""
    socket = os.environ["PULSE_SERVER"].removeprefix("unix:")
    with open(os.path.join(os.path.dirname(socket), "pid")) as f:
        return int(f.read().strip())


def run(folder, moments, watch, sink, hung):
    process = subprocess.Popen([os.path.join(folder, "zibac")], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    stopped = None
    try:
        if hung:
            time.sleep(LEAD_SECONDS / 2)
            stopped = server_pid()
            os.kill(stopped, signal.SIGSTOP)
        while time.time() < moments[-1].timestamp() + 3:
            if process.poll() is not None:
                print(f"firing: zibac ended with {process.returncode}", file=sys.stderr)
                return None
            time.sleep(0.5)
        return watch.named("Msg")
    finally:
        if stopped:
            os.kill(stopped, signal.SIGCONT)
        process.kill()
        process.wait()


def main():
    if len(sys.argv) not in (5, 6) or sys.argv[5:] not in ([], ["hung"]):
        print(__doc__, file=sys.stderr)
        return 2
    folder, count, gap, sound_goal = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    hung = sys.argv[5:] == ["hung"]
    watch, sink = MapWatch(), SinkRecorder()
    try:
        moments = write_events(folder, count, gap)
        messages = run(folder, moments, watch, sink, hung)
    finally:
        watch.stop()
        sink.stop()
    if messages is None:
        return 1
    windows, sounds = [], []
    for k, due in enumerate(moments):
        line = f"event {k + 1:2d} at {due:%H:%M:%S}:"
        if k < len(messages):
            windows.append((messages[k] - due.timestamp()) * 1000)
            line += f" window {windows[-1]:5.0f} ms,"
        else:
            line += " no window,"
        heard = sink.first_sound(due.timestamp() - 0.5, due.timestamp() + gap - 0.5)
        if heard is not None:
            sounds.append((heard - due.timestamp()) * 1000)
            line += f" sound {sounds[-1]:5.0f} ms"
        else:
            line += " no sound"
        print(line)
    print(summary("windows mapped", windows, count, WINDOW_GOAL_MS))
    if not hung:
        print(summary("first sounds", sounds, count, sound_goal))
    return 0 if len(windows) == count else 1


if __name__ == "__main__":
    sys.exit(main())
