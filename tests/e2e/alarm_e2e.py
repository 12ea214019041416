# SPDX-License-Identifier: GPL-3.0-or-later
"""Alarms firing in the real program on a desktop (run inside desktop-session.sh).

    alarm_e2e.py CASE PROGRAM_DIR

CASE is one of: speaker-game, no-audio-server, no-audio-server-quiet, no-audio-server-swap,
chime-after-popup, server-late-pulse, server-late-pipewire, output-muted, output-low, output-full,
server-hung, server-restart-repeat-pulse, server-restart-repeat-pipewire.
"""

import array
import datetime
import os
import re
import signal
import subprocess
import sys
import time

import pyatspi

# The import must leave no compiled copy in the source tree.
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import startup_e2e  # noqa: E402
from mapwatch import MapWatch  # noqa: E402
from startup_e2e import check, descendants, find_text, wait_for, wait_main_window, wait_on_bus  # noqa: E402

RATE = 44100
SPEAKER_CLOCK = 1193181
# psClimb: twelve notes of 80 ms, rising.
CLIMB = [261, 277, 293, 311, 329, 349, 370, 392, 415, 440, 466, 494]
NOTE_SECONDS = 0.080
LOUD = 2000  # the tune's square wave is a quarter of full scale, about 8200
TITLE_CLOCK = r"^Zib Alarm Clock v2\.2\.\.\..* / (\d\d):(\d\d) (am|pm)$"
WARNING_CAPTION = "^Zib Alarm Clock v2\\.2$"
BUSY = "Fail to play sound. MCI is busy."
TITLE = "Zib Alarm Clock v2.2"
APP_ID = "io.github.zib.AlarmClock"
SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "scripts")


def speaker_pitch(frequency):
    return SPEAKER_CLOCK / (SPEAKER_CLOCK // frequency)


def configure(program, **values):
    """Rewrites the program's settings with the given values beside the events file name."""
    path = os.path.join(program.env["XDG_CONFIG_HOME"], "Zib", "Alarm Clock v2.2.conf")
    lines = ["[General]", "AlarmEventsFile=test.acl"] + [f"{k}={v}" for k, v in values.items()]
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def due_event(seconds_ahead, message="", play_times="Once", at_second=None):
    """An event line due a few seconds from now, and its moment. With at_second, the moment is
    moved on to the first one at least that far ahead whose seconds are at_second."""
    due = (datetime.datetime.now() + datetime.timedelta(seconds=seconds_ahead)).replace(microsecond=0)
    if at_second is not None:
        while due.second != at_second:
            due += datetime.timedelta(seconds=1)
    line = f"evt*{due:%Y/%m/%d}*{due:%H:%M:%S}*On*NoShell*{play_times}*None*Bell*-1*{message}"
    return line, due


def read_samples(path):
    samples = array.array("h")
    with open(path, "rb") as f:
        data = f.read()
    samples.frombytes(data[: len(data) // 2 * 2])
    return samples


def onset(samples, start=0):
    """Index of the first loud sample at or after start; None when all is quiet."""
    for i in range(max(0, start), len(samples)):
        if abs(samples[i]) > LOUD:
            return i
    return None


def last_loud(samples, start):
    end = None
    for i in range(start, len(samples)):
        if abs(samples[i]) > LOUD:
            end = i
    return end


def first_sound(recorder, at, early, late, what):
    """The recording and the index of its first loud sample, which must come no more than early
    seconds before and late seconds after the moment at (in seconds of the recording)."""
    samples = read_samples(recorder.path)
    first = onset(samples)
    check(first is not None, f"the sink stayed silent: no {what}")
    heard_at = first / RATE
    check(at - early <= heard_at <= at + late, f"the {what} began {heard_at - at:+.2f} s from its moment")
    return samples, first


def pitch(samples, start, end):
    """Frequency of a square wave between two sample indices, from its rising zero crossings,
    each placed between its two samples."""
    crossings = []
    for i in range(max(start, 1), end):
        a, b = samples[i - 1], samples[i]
        if a < 0 <= b:
            crossings.append(i - 1 + (-a) / (b - a))
    if len(crossings) < 3:
        return 0.0
    return (len(crossings) - 1) * RATE / (crossings[-1] - crossings[0])


class Recorder:
    """The null sink's monitor, recorded as mono s16le. The wall-clock moment of its first sample
    is taken from how much has been recorded when: the recorder needs a while to connect."""

    def __init__(self, path):
        self.path = path
        self.started = None
        self.process = subprocess.Popen(["parec", "-d", "test.monitor", "--latency-msec=10", "--format=s16le",
                                         f"--rate={RATE}", "--channels=1", path])
        wait_for("the recorder", lambda: self.look() and self.recorded() > 0.2, 10)

    def recorded(self):
        return os.path.getsize(self.path) / 2 / RATE if os.path.exists(self.path) else 0.0

    def look(self):
        """Narrows the first sample's moment down; every look can only come late, never early."""
        now = time.time()
        seconds = self.recorded()
        if seconds > 0:
            estimate = now - seconds
            self.started = estimate if self.started is None else min(self.started, estimate)
        return True

    def seconds_until(self, moment):
        return moment.timestamp() - self.started

    def stop(self):
        self.process.terminate()
        self.process.wait()


def case_speaker_game(program):
    check(os.environ.get("PULSE_SERVER"), "no audio server in this session")
    configure(program, **{"Main Output Device": "Internal Speaker", "Main Song Name": "Game"})
    line, due = due_event(8)
    program.write_events([line])
    recorder = Recorder(os.path.join(program.root, "monitor.raw"))
    process = program.start()
    try:
        wait_main_window(process)
        due_at = recorder.seconds_until(due)
        # Once: one climb of 960 ms; give it the tick's half second and the output's latency.
        wait_for("the tune to end", lambda: recorder.look() and recorder.recorded() > due_at + 3.5, due_at + 10)
        due_at = recorder.seconds_until(due)
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        recorder.stop()
        process.kill()
        process.wait()

    samples, first = first_sound(recorder, due_at, 0.3, 1.5, "tune")
    heard_at = first / RATE
    end = last_loud(samples, first)
    sounding = sum(1 for v in samples[first:end + 1] if abs(v) > LOUD) / RATE
    tune = NOTE_SECONDS * len(CLIMB)
    check(abs(sounding - tune) < 0.06, f"sound for {sounding:.3f} s, not one climb of {tune:.3f} s")

    notes = heard_notes(samples, first, end)
    shown = " ".join(f"{heard:.1f}" for _, heard in notes)
    check([p for p, _ in notes] == [speaker_pitch(f) for f in CLIMB], f"heard the pitches {shown} Hz, not the climb")
    print(f"climb heard {heard_at - due_at:+.2f} s from its moment, {sounding:.3f} s long, over "
          f"{(end - first) / RATE:.3f} s: {shown} Hz")


def heard_notes(samples, start, end):
    """(speaker pitch, mean measured frequency) of each note heard in turn between two samples, measured over short windows. The
    output of a loaded machine may leave gaps between notes; windows that span a note change or a
    gap match no pitch and are passed over. A note counts when three windows agree on it."""
    pitches = sorted({speaker_pitch(f) for f in CLIMB + [523, 698, 784, 1046, 932, 988]})
    window, hop = int(0.030 * RATE), int(0.010 * RATE)
    runs = []
    for at in range(start, end - window + 1, hop):
        if sum(1 for v in samples[at:at + window] if abs(v) > LOUD) < 0.95 * window:
            continue
        measured = pitch(samples, at, at + window)
        near = [p for p in pitches if abs(measured - p) < max(2.0, p * 0.006)]
        if not near:
            continue
        if runs and runs[-1][0] == near[0]:
            runs[-1][1].append(measured)
        else:
            runs.append((near[0], [measured]))
    return [(p, sum(heard) / len(heard)) for p, heard in runs if len(heard) >= 3]


def visible_windows(pid, name):
    """Visible windows of the process whose title matches name; --all, for xdotool's default
    takes a window that meets any one of the conditions."""
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "--name", name],
                           capture_output=True, text=True)
    return found.stdout.split()


def window_name(window):
    found = subprocess.run(["xdotool", "getwindowname", window], capture_output=True, text=True)
    return found.stdout.strip()


def title_clock(process):
    """(hour, minute) on the 12-hour clock from the main window's title; None before the first tick."""
    for window in visible_windows(process.pid, r"^Zib Alarm Clock v2\.2\.\.\."):
        match = re.match(TITLE_CLOCK, window_name(window))
        if match:
            return int(match.group(1)), int(match.group(2))
    return None


def clock_of(moment):
    return (moment.hour % 12 or 12, moment.minute)


def no_audio_server(program, show_errors, swap=False):
    """With swap, the speaker fall-back has no output either and the failure is shown all the same."""
    settings = {"Main Output Device": "Wave", "Main Song Name": "Bell", "BusyMCISwapIntSpeaker": "1" if swap else "0"}
    if not show_errors:
        settings["Check ShowErrMsg"] = "0"
    configure(program, **settings)
    # Due a few seconds before a change of minute, so that the title clock must move after the firing.
    line, due = due_event(6, message="Server gone", at_second=55)
    program.write_events([line])
    program.env["PULSE_SERVER"] = "unix:" + os.path.join(program.root, "no-such-server", "native")
    process = program.start()
    try:
        app = wait_on_bus(process)
        wait_for("the title clock", lambda: title_clock(process), 10)
        wait_for_moment = (due - datetime.datetime.now()).total_seconds() + 10
        wait_for('the message window "Msg 1, ..."',
                 lambda: visible_windows(process.pid, "^Msg 1, "), max(wait_for_moment, 10))
        wait_for("the message in its window", lambda: find_text(app, "Server gone at "), 5)
        # The warning, if any, opens before the message window does.
        warnings = visible_windows(process.pid, WARNING_CAPTION)
        if show_errors:
            check(len(warnings) == 1, f"{len(warnings)} warning windows instead of one")
            check(find_text(app, BUSY) is not None, f'no warning "{BUSY}"')
        else:
            check(not warnings, "a warning window opened although error messages are off")
            check(find_text(app, BUSY) is None, f'"{BUSY}" shown although error messages are off')

        next_minute = (due + datetime.timedelta(minutes=1)).replace(second=0)
        wait_for(f"the title clock to show {next_minute:%H:%M}",
                 lambda: title_clock(process) == clock_of(next_minute),
                 (next_minute - datetime.datetime.now()).total_seconds() + 5)
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        process.kill()
        process.wait()


def control(app, role, name):
    for node_role, node_name, node, _ in descendants(app):
        if node_role == role and node_name == name:
            return node
    return None


def click_centre(node):
    x, y, width, height = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)


def case_chime_after_popup(program):
    """The chime list is open when an alarm's message window takes the focus; the list closes, and
    the chime of the minute after the alarm's is still heard."""
    check(os.environ.get("PULSE_SERVER"), "no audio server in this session")
    # "Sound on" off keeps the alarm silent: the chime does not ask it, so the sink hears the chime alone.
    configure(program, **{"Main Output Device": "Wave", "Main Song Name": "Bell", "Check Sound On": "0",
                          "Check ChimeAtMin": "1"})
    line, due = due_event(20, message="Popup over the list", at_second=45)
    program.write_events([line])
    # The chime at the exact minute after the alarm's.
    chime_due = (due + datetime.timedelta(minutes=1)).replace(second=0)
    recorder = Recorder(os.path.join(program.root, "monitor.raw"))
    process = program.start()
    try:
        app = wait_on_bus(process)
        chime = wait_for('the check box "Chime"', lambda: control(app, "check box", "Chime"), 10)
        chime.queryAction().doAction(0)
        times = control(app, "combo box", "Chime time")
        check(times is not None, 'no combo box "Chime time"')
        # Chosen as the user does, in the open list.
        click_centre(times)
        subprocess.run(["xdotool", "sleep", "0.5", "type", str(chime_due.minute or 60)], check=True)
        subprocess.run(["xdotool", "sleep", "0.3", "key", "Return"], check=True)
        check(datetime.datetime.now() < due - datetime.timedelta(seconds=3), "too late to open the list before the alarm")
        windows = set(visible_windows(process.pid, ".*"))
        click_centre(times)
        wait_for("the open chime list", lambda: set(visible_windows(process.pid, ".*")) - windows, 5)
        check(datetime.datetime.now() < due, "the list opened after the alarm was due")

        wait_for('the message window "Msg 1, ..."', lambda: visible_windows(process.pid, "^Msg 1, "),
                 (due - datetime.datetime.now()).total_seconds() + 10)
        wait_for("the chime list to close", lambda: not (set(visible_windows(process.pid, ".*")) - windows
                                                          - set(visible_windows(process.pid, "^Msg 1, "))), 5)
        wait_for("the chime's minute", lambda: datetime.datetime.now() > chime_due + datetime.timedelta(seconds=3),
                 (chime_due - datetime.datetime.now()).total_seconds() + 5)
        recorder.look()
        chime_at = recorder.seconds_until(chime_due)
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        recorder.stop()
        process.kill()
        process.wait()

    _, first = first_sound(recorder, chime_at, 0.5, 1.5, "chime")
    print(f"chime heard {first / RATE - chime_at:+.2f} s from its minute")


def session_server():
    """The session's sound server: the folder its scripts take, and its pid."""
    socket = os.environ.get("PULSE_SERVER", "")
    check(socket.startswith("unix:"), "no audio server in this session")
    socket = socket[len("unix:"):]
    with open(os.path.join(os.path.dirname(socket), "pid")) as f:
        pid = int(f.read().strip())
    return os.path.dirname(os.path.dirname(os.path.dirname(socket))), pid


def sound_server(action, kind, folder):
    """Starts or stops a sound server (pulse or pipewire) whose socket is folder/runtime/pulse/native."""
    subprocess.run([os.path.join(SCRIPTS, f"{kind}-{action}.sh"), folder], check=True, stdout=subprocess.DEVNULL)


def server_late(program, kind):
    """The program starts before the sound server, and an alarm finds no server; the server starts,
    and the next alarm is heard on it. The server stops under the running program for longer than
    a few seconds, with an alarm meanwhile; it starts again, and the alarm after is heard too."""
    # The session's server, stopped; the same socket serves the server started later.
    folder, _ = session_server()
    sound_server("stop", "pulse", folder)
    configure(program, **{"Main Output Device": "Wave", "Main Song Name": "Bell", "Check ShowErrMsg": "0"})
    # (due while there is no server, due after the server has started)
    alarms = [(due_event(8), due_event(18)), (due_event(26), due_event(36))]
    program.write_events([line for pair in alarms for line, _ in pair])
    process = program.start()
    try:
        wait_main_window(process)
        for n, ((_, unheard), (_, due)) in enumerate(alarms):
            if n > 0:
                sound_server("stop", kind, folder)
            after = unheard + datetime.timedelta(seconds=2)
            wait_for("the alarm without a server", lambda: datetime.datetime.now() > after,
                     (after - datetime.datetime.now()).total_seconds() + 3)
            sound_server("start", kind, folder)
            recorder = Recorder(os.path.join(program.root, f"monitor-{n}.raw"))
            due_at = recorder.seconds_until(due)
            try:
                wait_for("the song to end", lambda: recorder.look() and recorder.recorded() > due_at + 3, due_at + 10)
                due_at = recorder.seconds_until(due)
            finally:
                recorder.stop()
            check(process.poll() is None, f"zibac ended with {process.returncode}")
            what = "alarm after the server's restart" if n else "alarm after the server's late start"
            _, first = first_sound(recorder, due_at, 0.3, 1.0, what)
            print(f"{what} heard {first / RATE - due_at:+.3f} s from its moment")
    finally:
        process.kill()
        process.wait()
        sound_server("stop", kind, folder)


def pactl(*args):
    return subprocess.run(["pactl", *args], check=True, capture_output=True, text=True).stdout


def sink_inputs():
    """The properties of every stream on the server, one dict each, its index under "#"."""
    streams = []
    for line in pactl("list", "sink-inputs").splitlines():
        match = re.match(r"Sink Input #(\d+)", line)
        if match:
            streams.append({"#": match.group(1)})
            continue
        match = re.match(r'\s+([\w.]+) = "(.*)"$', line)
        if match and streams:
            streams[-1][match.group(1)] = match.group(2)
    return streams


def program_stream():
    return next((s for s in sink_inputs() if s.get("application.name") == TITLE), None)


def stream_is_loud(index, path):
    """Records one stream by itself for a second: what it plays, before the sink's mute and volume."""
    recorder = subprocess.Popen(["parec", f"--monitor-stream={index}", "--latency-msec=10", "--format=s16le",
                                 f"--rate={RATE}", "--channels=1", path])
    try:
        wait_for("a second of the stream", lambda: os.path.exists(path) and os.path.getsize(path) >= 2 * RATE, 10)
    finally:
        recorder.terminate()
        recorder.wait()
    samples = read_samples(path)
    print(f"stream {index}: {len(samples) / RATE:.2f} s recorded, peak {max(map(abs, samples), default=0)}")
    return onset(samples) is not None


def sink_description():
    match = re.search(r"^\s+Name: test\n\s+Description: (.*)$", pactl("list", "sinks"), re.MULTILINE)
    check(match, "no sink named test")
    return match.group(1)


def output_level(program, muted, volume, warning):
    """An alarm starts on the sink muted or turned down: its sound starts all the same, its stream
    says who it is, and one warning names the output; at full volume no warning."""
    check(os.environ.get("PULSE_SERVER"), "no audio server in this session")
    pactl("set-sink-mute", "test", "1" if muted else "0")
    pactl("set-sink-volume", "test", f"{volume}%")
    configure(program, **{"Main Output Device": "Wave", "Main Song Name": "Bell"})
    line, due = due_event(6, message="Output check", play_times="Repeat")
    program.write_events([line])
    process = program.start()
    try:
        app = wait_on_bus(process)
        wait_for('the message window "Msg 1, ..."', lambda: visible_windows(process.pid, "^Msg 1, "),
                 (due - datetime.datetime.now()).total_seconds() + 5)
        stream = wait_for("the alarm's stream", program_stream, 5)
        expected = {"application.id": APP_ID, "application.icon_name": APP_ID, "media.name": "Bell",
                    "media.role": "alarm"}
        wrong = {key: stream.get(key) for key, value in expected.items() if stream.get(key) != value}
        check(not wrong, f"the stream's properties are {wrong}, not {expected}")
        check(stream_is_loud(stream["#"], os.path.join(program.root, "stream.raw")), "the alarm's stream is silent")
        if warning:
            text = warning.format(sink_description())
            wait_for(f'the warning "{text}"', lambda: find_text(app, text), 5)
        warnings = visible_windows(process.pid, WARNING_CAPTION)
        check(len(warnings) == (1 if warning else 0), f"{len(warnings)} warning windows")
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        process.kill()
        process.wait()
        pactl("set-sink-mute", "test", "0")
        pactl("set-sink-volume", "test", "100%")


def case_server_hung(program):
    """The server is stopped (SIGSTOP) before an alarm: its window is mapped within 0.1 s of its
    second, the refusal that comes later shows the busy warning once; after SIGCONT the next alarm
    is heard."""
    _, pid = session_server()
    configure(program, **{"Main Output Device": "Wave", "Main Song Name": "Bell"})
    # The first alarm is heard, so the program is connected when the server stops.
    lines = [due_event(6), due_event(12, message="Server hung"), due_event(20)]
    program.write_events([line for line, _ in lines])
    (_, connected), (_, hung), (_, after) = lines
    watch = MapWatch()
    process = program.start()
    stopped = False
    try:
        app = wait_on_bus(process)
        wait_for("the first alarm", lambda: datetime.datetime.now() > connected + datetime.timedelta(seconds=2), 15)
        os.kill(pid, signal.SIGSTOP)
        stopped = True
        wait_for('the message window "Msg 1, ..."', lambda: visible_windows(process.pid, "^Msg 1, "),
                 (hung - datetime.datetime.now()).total_seconds() + 5)
        wait_for(f'the warning "{BUSY}"', lambda: find_text(app, BUSY), 5)
        delay = watch.named("Msg 1, ")[0] - hung.timestamp()
        print(f"message window mapped {delay * 1000:.0f} ms after its second, the server stopped")
        check(0 <= delay <= 0.1, f"the message window was mapped {delay:+.3f} s from its second")
        check(len(visible_windows(process.pid, WARNING_CAPTION)) == 1, "not one warning window")
        os.kill(pid, signal.SIGCONT)
        stopped = False
        recorder = Recorder(os.path.join(program.root, "monitor.raw"))
        try:
            due_at = recorder.seconds_until(after)
            wait_for("the last alarm", lambda: recorder.look() and recorder.recorded() > due_at + 3, due_at + 10)
            due_at = recorder.seconds_until(after)
        finally:
            recorder.stop()
        _, first = first_sound(recorder, due_at, 0.3, 1.0, "alarm after the server went on")
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        if stopped:
            os.kill(pid, signal.SIGCONT)
        watch.stop()
        process.kill()
        process.wait()


def server_restart_repeat(program, kind):
    """The server (pulse or pipewire) is killed while a Repeat alarm rings: the busy warning comes
    once; the server starts again at the same socket, and the loop is heard within 2 s of its answer."""
    folder, _ = session_server()
    if kind != "pulse":
        sound_server("stop", "pulse", folder)
        sound_server("start", kind, folder)
    configure(program, **{"Main Output Device": "Wave", "Main Song Name": "Bell"})
    line, due = due_event(6, message="Ringing", play_times="Repeat")
    program.write_events([line])
    recorder = Recorder(os.path.join(program.root, "monitor-0.raw"))
    process = program.start()
    try:
        app = wait_on_bus(process)
        due_at = recorder.seconds_until(due)
        wait_for("the loop", lambda: recorder.look() and recorder.recorded() > due_at + 2, due_at + 10)
        recorder.stop()
        first_sound(recorder, recorder.seconds_until(due), 0.3, 1.0, "loop")
        sound_server("stop", kind, folder)
        wait_for(f'the warning "{BUSY}"', lambda: find_text(app, BUSY), 5)
        time.sleep(2)
        sound_server("start", kind, folder)
        answered = time.time()
        # The stream's return is seen on the server; a recorder needs longer than that to attach.
        wait_for("the loop's stream", program_stream, 5)
        back = time.time() - answered
        recorder = Recorder(os.path.join(program.root, "monitor-1.raw"))
        wait_for("a second of the loop", lambda: recorder.recorded() > 1.2, 5)
        recorder.stop()
        print(f"loop's stream back {back:.2f} s after the server answered")
        check(back <= 2.0, f"the loop came back {back:.2f} s after the server answered")
        check(onset(read_samples(recorder.path)) is not None, "the loop was not heard again")
        warnings = visible_windows(process.pid, WARNING_CAPTION)
        check(len(warnings) == 1, f"{len(warnings)} warning windows instead of one")
        check(process.poll() is None, f"zibac ended with {process.returncode}")
    finally:
        process.kill()
        process.wait()
        if kind != "pulse":
            sound_server("stop", kind, folder)


MUTED = 'The sound output "{}" is muted: this alarm cannot be heard.'
LOW = 'The sound output "{}" is at 5 % volume: this alarm can hardly be heard.'

CASES = {
    "chime-after-popup": case_chime_after_popup,
    "speaker-game": case_speaker_game,
    "no-audio-server": lambda program: no_audio_server(program, show_errors=True),
    "no-audio-server-quiet": lambda program: no_audio_server(program, show_errors=False),
    "no-audio-server-swap": lambda program: no_audio_server(program, show_errors=True, swap=True),
    "server-late-pulse": lambda program: server_late(program, "pulse"),
    "server-late-pipewire": lambda program: server_late(program, "pipewire"),
    "output-muted": lambda program: output_level(program, True, 100, MUTED),
    "output-low": lambda program: output_level(program, False, 5, LOW),
    "output-full": lambda program: output_level(program, False, 100, None),
    "server-hung": case_server_hung,
    "server-restart-repeat-pulse": lambda program: server_restart_repeat(program, "pulse"),
    "server-restart-repeat-pipewire": lambda program: server_restart_repeat(program, "pipewire"),
}


def main():
    if len(sys.argv) != 3 or sys.argv[1] not in CASES:
        print(__doc__, file=sys.stderr)
        return 2
    # The start-up tests' runner serves these cases too: it sets the program up, runs the case
    # and prints the program's logs on a failure.
    startup_e2e.CASES = CASES
    return startup_e2e.main()


if __name__ == "__main__":
    sys.exit(main())
