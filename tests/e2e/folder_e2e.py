# SPDX-License-Identifier: GPL-3.0-or-later
"""A copy of the program in a folder that refuses new files (run inside desktop-session.sh, as a
user whom the folder's mode stops: see as-user.sh).

    folder_e2e.py PROGRAM_DIR

The user's own writable list beside the program is loaded, its alarm fires, and the save that
removes the fired alarm rewrites the list in place: no new file in the folder, no data folder.
"""

import datetime
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_e2e import (LIST_ROLES, Failure, Program, check, descendants, find_text,  # noqa: E402
                         report_failure, visible_windows, wait_for, wait_on_bus)

ALARMS = 200


def list_rows(app):
    for role, _, node, _ in descendants(app):
        if role in LIST_ROLES:
            try:
                return node.queryTable().nRows
            except NotImplementedError:
                continue
    return 0


def read_events(program):
    with open(os.path.join(program.folder, "test.acl"), newline="") as f:
        return f.read().splitlines()


def run(program):
    due = (datetime.datetime.now() + datetime.timedelta(seconds=12)).replace(microsecond=0)
    kept = [f"evt*2099/01/{1 + i % 28:02}*09:00:00*On*NoShell*Once*None*Bell*-1*Alarm {i}" for i in range(ALARMS - 1)]
    program.write_events(kept + [f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*Time to wake up"])
    program.add_setting("Check%20Remove%20Alarm=1")
    os.chmod(program.folder, 0o555)
    try:
        check(not os.access(program.folder, os.W_OK), "this user may add files to a folder of mode 555")
        names = sorted(os.listdir(program.folder))
        process = program.start()
        try:
            app = wait_on_bus(process)
            wait_for(f"the {ALARMS} alarms of the list", lambda: list_rows(app) == ALARMS, 20)
            check(find_text(app, "now keeps your alarm list") is None, "the program says it moved")
            wait_for('the message window "Msg 1, ..."', lambda: visible_windows(process.pid, "^Msg 1, "), 30)
            wait_for("the list saved without the fired alarm", lambda: read_events(program) == kept, 10)
            check(sorted(os.listdir(program.folder)) == names,
                  f"the folder changed: {sorted(set(os.listdir(program.folder)) ^ set(names))}")
            data = os.path.join(os.environ["HOME"], ".local", "share", "zibac")
            check(not os.path.exists(data), f"{data} was made")
        finally:
            process.kill()
            process.wait()
    finally:
        os.chmod(program.folder, 0o755)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    program = Program(sys.argv[1])
    try:
        run(program)
    except Failure as failure:
        report_failure("refusing-folder", failure, program)
        return 1
    print("PASS refusing-folder")
    return 0


if __name__ == "__main__":
    sys.exit(main())
