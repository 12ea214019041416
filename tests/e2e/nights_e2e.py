# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program under a faked wall clock (libfaketime; run inside desktop-session.sh).

    nights_e2e.py CASE PROGRAM_DIR

CASE is one of:
  night-away   the computer sleeps from just before midnight to 08:00 (TZ=UTC); then the program is
               off for two days, and then over a weekend. Each report of what was missed is read
               through AT-SPI.
  odd-nights   TZ=Europe/Berlin: an alarm inside the skipped spring hour fires at 03:00; one in the
               repeated autumn hour fires once.

The clock is an offset from the real one in FAKETIME_TIMESTAMP_FILE, read anew at every look
(FAKETIME_NO_CACHE); the monotonic clock stays real, so the program's timers keep their pace.
With ZIB_SCREENSHOT set, the screen showing the first report is saved there.
"""

import datetime
import os
import subprocess
import sys
import time
import zoneinfo

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import startup_e2e  # noqa: E402
from startup_e2e import check, find_text, wait_for, wait_on_bus  # noqa: E402

LIBFAKETIME = "/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1"
HEADING = "Missed while the program was not watching:"


class FakedClock:
    def __init__(self, program, zone):
        self.zone = zoneinfo.ZoneInfo(zone)
        self.path = os.path.join(program.root, "faketime")
        program.env.update(TZ=zone, LD_PRELOAD=LIBFAKETIME, FAKETIME_TIMESTAMP_FILE=self.path,
                           FAKETIME_NO_CACHE="1", FAKETIME_DONT_FAKE_MONOTONIC="1")
        # A sanitizer build wants its runtime first; the preloaded clock comes before it.
        asan = os.environ.get("ASAN_OPTIONS")
        program.env["ASAN_OPTIONS"] = f"{asan}:verify_asan_link_order=0" if asan else "verify_asan_link_order=0"

    def set(self, *fields, fold=0):
        """The wall clock to a local moment; fold=1 is the second pass of a repeated hour."""
        moment = datetime.datetime(*fields, tzinfo=self.zone, fold=fold)
        with open(self.path + ".new", "w") as f:
            f.write(f"{round(moment.timestamp() - time.time()):+d}\n")
        os.replace(self.path + ".new", self.path)


def message_texts(app):
    """The texts of the open message windows, by their text boxes."""
    texts = []
    for role, _, node, _ in startup_e2e.descendants(app):
        if role == "text":
            try:
                texts.append(node.queryText().getText(0, -1))
            except Exception:
                pass
    return texts


def report_lines(app):
    node = wait_for("the report of what was missed", lambda: find_text(app, HEADING), 15)
    return node.queryText().getText(0, -1).splitlines()


def expect_lines(lines, ends):
    shown = "\n".join(lines)
    check(len(lines) == len(ends), f"the report has {len(lines)} lines, not {len(ends)}:\n{shown}")
    for line, end in zip(lines, ends):
        check(line.endswith(end), f'"{line}" does not end in "{end}":\n{shown}')


def stop(process):
    process.kill()
    process.wait()


def case_night_away(program):
    clock = FakedClock(program, "UTC")
    program.write_events([
        "evt*-1*07:00:00*On*NoShell*Once*Every Day*Bell*-1*Wake up#13#10and shine",
        "evt*2026/12/09*07:30:00*On*NoShell*Once*None*Bell*-1*Catch the bus",
        "evt*-1*06:45:00*On*NoShell*Once*Wed*Bell*-1*Bins out",
        "evt*-1*09:00:00*On*NoShell*Once*Every Day*Bell*-1*Not yet",
        "evt*-1*06:00:00*Off*NoShell*Once*Every Day*Bell*-1*Switched off",
        "evt*-1*10:00:00*On*NoShell*Once*Monthly 12 14 *Bell*-1*Rent",
        "evt*-1*11:00:00*On*NoShell*Once*Sat*Bell*-1*Market",
    ])
    # Tuesday, seven seconds before midnight; the computer sleeps and wakes at eight.
    clock.set(2026, 12, 8, 23, 59, 53)
    process = program.start()
    try:
        app = wait_on_bus(process)
        check(find_text(app, HEADING) is None, "a report at the first start")
        clock.set(2026, 12, 9, 8, 0, 0)
        lines = report_lines(app)
        expect_lines(lines, [HEADING, " - 06:45:00AM  Wed  Bins out", " - 07:00:00AM  Every Day  Wake up",
                             " - 07:30:00AM  None  Catch the bus"])
        print("\n".join(lines))
        if os.environ.get("ZIB_SCREENSHOT"):
            time.sleep(1)
            subprocess.run(["import", "-window", "root", os.environ["ZIB_SCREENSHOT"]], check=True)
        time.sleep(2)
        reports = [t for t in message_texts(app) if t.startswith(HEADING)]
        check(len(reports) == 1, f"{len(reports)} reports instead of one")
        state = os.path.join(os.environ["HOME"], ".local", "state", "zibac", "lastwatch")
        with open(state) as f:
            kept = f.read().strip()
        check(kept.startswith("2026-12-09T08:00:0"), f"the last watch kept is {kept}")
    finally:
        stop(process)

    # Off until Friday evening, and then over the weekend: each start tells what the time off missed.
    for moment, ends in [((2026, 12, 11, 18, 0, 0),
                          ["09:00:00AM  Every Day  Not yet",
                           "07:00:00AM  Every Day  Wake up", "09:00:00AM  Every Day  Not yet",
                           "07:00:00AM  Every Day  Wake up", "09:00:00AM  Every Day  Not yet"]),
                         ((2026, 12, 14, 10, 30, 0),
                          ["07:00:00AM  Every Day  Wake up", "09:00:00AM  Every Day  Not yet",
                           "10:00:00AM  Monthly  Rent", "11:00:00AM  Sat  Market",
                           "07:00:00AM  Every Day  Wake up", "09:00:00AM  Every Day  Not yet",
                           "07:00:00AM  Every Day  Wake up", "09:00:00AM  Every Day  Not yet",
                           "10:00:00AM  Monthly  Rent"])]:
        clock.set(*moment)
        process = program.start()
        try:
            app = wait_on_bus(process)
            lines = report_lines(app)
            expect_lines(lines, [HEADING] + [" - " + end for end in ends])
            print("\n".join(lines))
        finally:
            stop(process)


def case_odd_nights(program):
    clock = FakedClock(program, "Europe/Berlin")
    program.write_events(["evt*-1*02:30:00*On*NoShell*Once*Every Day*Bell*-1*Half past two"])
    fired = "Half past two at 02:30:00AM"

    # Spring: 02:00 is followed by 03:00.
    clock.set(2026, 3, 29, 1, 59, 57)
    process = program.start()
    try:
        app = wait_on_bus(process)
        started = time.monotonic()
        check(fired not in message_texts(app), "fired before the hour was skipped")
        wait_for(f'"{fired}"', lambda: fired in message_texts(app), 15)
        print(f"spring: fired {time.monotonic() - started:.1f} s after the start at 01:59:57")
    finally:
        stop(process)

    # Autumn: 03:00 is followed by 02:00 again; the alarm fires in the first pass only.
    clock.set(2026, 10, 25, 2, 29, 57)
    process = program.start()
    try:
        app = wait_on_bus(process)
        wait_for(f'"{fired}"', lambda: fired in message_texts(app), 15)
        clock.set(2026, 10, 25, 2, 29, 57, fold=1)
        time.sleep(6)
        count = message_texts(app).count(fired)
        check(count == 1, f"fired {count} times in the repeated hour")
        print("autumn: fired once over both passes of 02:30")
    finally:
        stop(process)


CASES = {"night-away": case_night_away, "odd-nights": case_odd_nights}


if __name__ == "__main__":
    # The start-up tests' runner sets the program up, runs the case and prints its logs on a failure.
    startup_e2e.CASES = CASES
    startup_e2e.__doc__ = __doc__
    sys.exit(startup_e2e.main())
