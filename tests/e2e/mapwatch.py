# SPDX-License-Identifier: GPL-3.0-or-later
"""Top-level windows as the X server maps them, with the wall-clock moment of each MapNotify, read
as they come from one long-lived xev, so that no polling interval adds to the moments."""

import re
import subprocess
import threading
import time


class Reader:
    """Reads a child's output in a thread of its own."""

    def __init__(self, command):
        self.process = subprocess.Popen(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.thread = threading.Thread(target=self.read, daemon=True)
        self.thread.start()

    def stop(self):
        self.process.kill()
        self.process.wait()
        self.thread.join()


class MapWatch(Reader):
    """Every top-level window mapped while it runs, with the moment of its first MapNotify."""

    def __init__(self):
        self.mapped = {}
        super().__init__(["stdbuf", "-oL", "xev", "-root", "-event", "substructure"])

    def read(self):
        moment = None
        for line in self.process.stdout:
            line = line.decode(errors="replace")
            if line.startswith("MapNotify event"):
                moment = time.time()
                continue
            match = re.match(r"\s+event 0x[0-9a-f]+, window (0x[0-9a-f]+)", line)
            if moment is not None and match:
                self.mapped.setdefault(match.group(1), moment)
            moment = None

    def named(self, prefix):
        """Moments of the mapped windows whose name starts with prefix, in order."""
        return sorted(moment for window, moment in list(self.mapped.items()) if window_name(window).startswith(prefix))


def window_name(window):
    found = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True)
    return found.stdout.strip()
