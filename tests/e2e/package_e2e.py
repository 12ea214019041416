# SPDX-License-Identifier: GPL-3.0-or-later
"""The Debian package's program on a desktop (run inside desktop-session.sh).

    package_e2e.py PACKAGE_DIR      (the folder that holds zibac_*.deb)

Unpacks the package into a read-only folder and starts its program for a user whose home is
empty: it says once that it keeps the list in the data folder, the first-run list lands there, the
installed songs are offered, and an alarm fires and is heard on the recorded sink.
"""

import datetime
import glob
import os
import subprocess
import sys
import time

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from startup_e2e import (RATE, Failure, accessible_app, check, descendants, find_text, loudest,  # noqa: E402
                         press_ok, wait_for)

PROMPT = "Please input a new filename"
MOVED = "now keeps your alarm list and songs in the folder"
SONGS = ["Beep", "Bell", "Chimes"]


def node(app, role, name):
    for node_role, node_name, found, _ in descendants(app):
        if node_role == role and node_name.replace("&", "") == name:
            return found
    return None


def song_box_items(app):
    # A combo box is named after its current text: find the song box beside the "Wave" button.
    wave = node(app, "radio button", "Wave")
    check(wave is not None, 'no radio button "Wave"')
    box = next((child for child in wave.parent if child is not None and child.getRoleName() == "combo box"), None)
    check(box is not None, 'no song box beside "Wave"')
    return sorted(name for role, name, _, _ in descendants(box) if role == "list item")


def answer_first_run_prompt(app, name):
    wait_for("the first-run prompt", lambda: find_text(app, PROMPT), 15)
    field = next((n for role, _, n, ancestors in descendants(app) if role == "text" and "dialog" in ancestors), None)
    check(field is not None, "the prompt has no text field")
    field.queryEditableText().setTextContents(name)
    check(press_ok(app), "the prompt has no OK button")


def run(program, home, session):
    data = os.path.join(home, ".local", "share", "zibac")
    env = {k: v for k, v in os.environ.items() if not k.startswith("XDG_") or k == "XDG_RUNTIME_DIR"}
    recording = os.path.join(session, "monitor.raw")
    recorder = subprocess.Popen(["parec", "-d", "test.monitor", "--latency-msec=10", "--format=s16le",
                                 f"--rate={RATE}", "--channels=1", recording])
    log = open(os.path.join(session, "zibac.log"), "w")
    process = subprocess.Popen([program], env=env, cwd=session, stdout=log, stderr=subprocess.STDOUT)
    try:
        app = wait_for("the program on the accessibility bus", lambda: accessible_app(process.pid), 20)
        notice = wait_for("the word on the data folder", lambda: find_text(app, MOVED), 15)
        text = notice.name or notice.queryText().getText(0, -1)
        check(data in text and os.path.dirname(program) in text, f"the box says: {text}")
        check(press_ok(app), "the box has no OK button")
        answer_first_run_prompt(app, "mine")
        events = os.path.join(data, "mine.acl")
        wait_for("the first-run list in the data folder", lambda: os.path.exists(events), 10)
        check(sorted(os.listdir(data)) == sorted(["mine.acl", "didi.snd", "help"] + [s + ".wav" for s in SONGS]),
              f"the data folder holds {sorted(os.listdir(data))}")
        wait_for("the installed songs in the song box", lambda: song_box_items(app) == SONGS, 10)

        due = (datetime.datetime.now() + datetime.timedelta(seconds=6)).replace(microsecond=0)
        with open(events, "w", newline="") as f:
            f.write(f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*Once*None*Bell*-1*Time to wake up\r\n")
        node(app, "push button", "Load").queryAction().doAction(0)
        wait_for("the alarm's message window", lambda: find_text(app, "Time to wake up"), 20)
        # parec may join the sink seconds after its start: time the recording from its samples.
        wait_for("the recorder", lambda: os.path.exists(recording) and os.path.getsize(recording) > 0, 10)
        due_at = due.timestamp() - (time.time() - os.path.getsize(recording) / 2 / RATE)
        wait_for("the alarm's song on the sink", lambda: loudest(recording, due_at - 1) > 0.02, 10)
    finally:
        recorder.terminate()
        recorder.wait()
        process.kill()
        process.wait()
        log.close()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    session = os.environ["ZIB_SESSION_DIR"]
    root = os.path.join(session, "root")
    home = os.environ["HOME"]
    packages = glob.glob(os.path.join(sys.argv[1], "zibac_*.deb"))
    if len(packages) != 1:
        print(f"FAIL package: not one package in {sys.argv[1]}: {packages}", file=sys.stderr)
        return 1
    subprocess.run(["dpkg-deb", "-x", packages[0], root], check=True)
    subprocess.run(["chmod", "-R", "a-w", root], check=True)
    try:
        check(not os.listdir(home), f"the home folder is not empty: {os.listdir(home)}")
        run(os.path.join(root, "usr", "bin", "zibac"), home, session)
    except Failure as failure:
        print(f"FAIL package: {failure}", file=sys.stderr)
        with open(os.path.join(session, "zibac.log")) as f:
            print(f"--- zibac.log\n{f.read()}", file=sys.stderr)
        return 1
    finally:
        subprocess.run(["chmod", "-R", "u+w", root])
    print("PASS package")
    return 0


if __name__ == "__main__":
    sys.exit(main())
