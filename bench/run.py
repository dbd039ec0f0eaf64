#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Sumbrook's benchmarks and their baselines, taking turns, and prints one Markdown table.

Usage: run.py BUILD_DIR [PART...] (under a display: scripts/bench starts Xvfb). BENCH_RUNS sets the
runs per figure (7 unless set). Every figure is the median over all runs; every baseline is measured
in the same run, on the same machine, in the turn after its figure's. PARTs, when given, choose the
figures: startup, class, open, answer, viewer, limits, progress, progress-read, save, memory, ticks, or "limits:SHAPE" for one file
at the viewer's limits ("limits:lines of tabs").
"""

import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = max(1, int(os.environ.get("BENCH_RUNS", "7")))
FRAME_MS = 1000 / 60
MIB = 1024 * 1024
WINDOW = None


def program(name):
    return os.path.join(BUILD, "bench", name)


def spawn(command, env=None):
    """Starts the program and returns (start to first paint, start to exit) in ms and max RSS in KiB.

    The start time is read on CLOCK_MONOTONIC just before the process is spawned; the program
    prints the same clock at its first paint."""
    read_end, write_end = os.pipe()
    actions = [(os.POSIX_SPAWN_DUP2, write_end, 1), (os.POSIX_SPAWN_CLOSE, read_end)]
    start = time.monotonic_ns()
    pid = os.posix_spawn(command[0], command, env or os.environ, file_actions=actions)
    os.close(write_end)
    with os.fdopen(read_end) as out:
        text = out.read()
    _, status, usage = os.wait4(pid, 0)
    end = time.monotonic_ns()
    if status != 0:
        sys.exit(f"{command[0]} failed ({status}): {text}")
    match = re.search(r"^paint (\d+)$", text, re.M)
    if not match:
        sys.exit(f"{command[0]} printed no paint time: {text}")
    return (int(match.group(1)) - start) / 1e6, (end - start) / 1e6, usage.ru_maxrss


def measure(command, cwd=None, env=None):
    """Runs a benchmark program; returns its printed lines as {key: [values...]}."""
    done = subprocess.run(command, cwd=cwd, env=env, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)} failed: {done.stderr}")
    values = {}
    for line in done.stdout.splitlines():
        key, *rest = line.split()
        values.setdefault(key, []).append([float(v) for v in rest])
    return values


def column(values, key):
    return [v[0] for v in values.get(key, [])]


def record_chunk():
    """A thousand records as Save Score writes them, in Windows-1252."""
    lines = []
    for i in range(1000):
        name = ("Zoë", "René", "Ann", "Mark")[i % 4] + str(i)
        lines.append(
            f'"{name} On the Day of 12/{i % 28 + 1:02}/26 Got A {i % 101}% Out of {i % 37 + 1} '
            f'Questions on ADD 2 and {i % 53}% out of {i % 23 + 1} Questions on ADD 3\r\n"\r\n'
        )
    return "".join(lines).encode("windows-1252")


def record_pieces(size):
    """`size` bytes of records, a piece at a time."""
    chunk = record_chunk()
    while size > 0:
        yield chunk[:size]
        size -= len(chunk)


def write_add(folder, pieces):
    """Writes Add.txt from pieces of bytes, keeping none: a process this one starts takes its peak
    memory as the start of its own max RSS, so this one must stay small. Returns the path, the
    size and the lines as the viewer counts them (CR LF, LF and CR each end one; a final line end
    begins no line)."""
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, "Add.txt")
    size = ends = 0
    last = b""
    with open(path, "wb") as f:
        for piece in pieces:
            f.write(piece)
            size += len(piece)
            ends += piece.count(b"\n") + piece.count(b"\r") - piece.count(b"\r\n")
            last = piece[-1:] or last
    return path, size, ends + (0 if last in (b"\r", b"\n") else 1)


def score_file(folder, size):
    """Writes Add.txt of `size` bytes of records."""
    return write_add(folder, record_pieces(size))[0]


class Busy:
    """Keeps every core busy while it is open."""

    def __enter__(self):
        self.processes = [
            subprocess.Popen([sys.executable, "-c", "while True: pass"])
            for _ in range(os.cpu_count() or 2)
        ]
        time.sleep(0.5)
        return self

    def __exit__(self, *exc):
        for p in self.processes:
            p.kill()
            p.wait()


ROWS = []


def row(figure, median, baseline, target, met):
    ROWS.append((figure, median, baseline, target, met))


def ms(value):
    return f"{value:.3f} ms" if value < 10 else f"{value:.1f} ms"


def ratio_row(figure, values, baselines, limit, unit=ms, also_under=None):
    m, b = statistics.median(values), statistics.median(baselines)
    ratio = m / b
    met = ratio <= limit and (also_under is None or m < also_under)
    target = f"ratio <= {limit}" + (f", < {also_under:.1f} ms" if also_under else "")
    row(figure, unit(m), f"{unit(b)} (ratio {ratio:.2f})", target, met)


def startup():
    runs = {"program": [], "bare": []}
    spawn([program("bench_startup")])  # the libraries come into the page cache for both
    spawn([program("bench_bare_startup")])
    for _ in range(RUNS):
        runs["program"].append(spawn([program("bench_startup")]))
        runs["bare"].append(spawn([program("bench_bare_startup")]))
    for i, what in ((0, "first paint"), (1, "exit")):
        ratio_row(
            f"Start-up: process start to {what}",
            [r[i] for r in runs["program"]],
            [r[i] for r in runs["bare"]],
            1.15,
        )
    return runs["bare"]


def class_startup(scratch):
    """Start-up with a class of 30 learners: to the first paint of the question who is practising,
    against Sumbrook's main window without a class and the bare main window, taking turns."""
    folder = os.path.join(scratch, "class")
    empty = os.path.join(scratch, "no class")
    os.makedirs(folder, exist_ok=True)
    os.makedirs(empty, exist_ok=True)
    names = ["Mia", "Noah", "Ayşe", "Jonas", "Lea", "Ben", "Emma", "Paul", "Hannah", "Finn"]
    with open(os.path.join(folder, "sumbrook-class.ini"), "w", encoding="utf-8") as f:
        f.write("[class]\nsubtraction=within-20\n[learners]\nsize=30\n")
        for i in range(30):
            f.write(f"{i + 1}\\name={names[i % 10]} {chr(65 + i // 10)}.\n")
            f.write(f"{i + 1}\\addition=sums-to-{(10, 20, 100)[i % 3]}\n")
    os.chmod(os.path.join(folder, "sumbrook-class.ini"), 0o644)
    env = dict(os.environ, SUMBROOK_BENCH_PAINTED="frmWhoIsPractising")
    command = [program("bench_startup"), "--folder", folder]
    without = [program("bench_startup"), "--folder", empty]
    spawn(command, env)
    runs = {"program": [], "without": [], "bare": []}
    for _ in range(RUNS):
        runs["program"].append(spawn(command, env))
        runs["without"].append(spawn(without))
        runs["bare"].append(spawn([program("bench_bare_startup")]))
    chooser = [r[0] for r in runs["program"]]
    ratio_row(
        "Start-up with a class of 30: the chooser's first paint, against the main window's "
        "without a class",
        chooser,
        [r[0] for r in runs["without"]],
        1.05,
    )
    ratio_row(
        "Start-up with a class of 30: the chooser's first paint, against the bare main window's",
        chooser,
        [r[0] for r in runs["bare"]],
        1.05,
    )


def open_windows():
    global WINDOW
    prepared = {}
    for drill in ("addition", "subtraction", "multiplication", "division"):
        first, again, base_first, base_again = [], [], [], []
        for _ in range(RUNS):
            got = measure([program("bench_interact"), "open", drill, "6"])
            WINDOW = got["window"][0]
            controls, width, height = (str(int(v)) for v in got["controls"][0])
            first += column(got, "cold")
            again += column(got, "warm")
            base = measure([program("bench_bare"), "open", controls, width, height, "6"])
            base_first += column(base, "cold")
            base_again += column(base, "warm")
        name = drill.capitalize()
        prepared[drill] = statistics.median(first)
        ratio_row(f"Open {name}, first time in the run ({controls} controls)",
                  first, base_first, 1.5, also_under=FRAME_MS)
        ratio_row(f"Open {name} again", again, base_again, 1.5, also_under=FRAME_MS)
    # What preparing the windows once the frame is on screen buys: it stays while a first opening
    # without it comes near a frame or over.
    for drill in ("addition", "subtraction", "multiplication", "division"):
        cold = []
        for _ in range(RUNS):
            got = measure([program("bench_interact"), "open-unprepared", drill, "1"])
            cold += column(got, "cold")
        m = statistics.median(cold)
        row(f"Open {drill.capitalize()}, first time, nothing prepared ahead", ms(m),
            f"{ms(prepared[drill])} prepared (ratio {m / prepared[drill]:.2f})",
            "none: what preparing ahead buys", "-")


def answer():
    keys, releases, trips = [], [], []
    for _ in range(RUNS):
        got = measure([program("bench_interact"), "answer", "20"])
        keys += column(got, "enter")
        releases += column(got, "release")
        trips += column(measure([program("bench_bare"), "roundtrip", "50"]), "roundtrip")
    trip = f"none (one X round trip: {ms(statistics.median(trips))})"
    for what, times in (("Enter in the answer box", keys), ("a click's release", releases)):
        m = statistics.median(times)
        row(f"Answer, {what}, to repainted window", ms(m), trip, "< 1 ms", m < 1)


def speak(scratch):
    """Reading aloud: Enter in the answer box with the verdict handed to the speech thread, against
    the same key with reading aloud off, taking turns in one process. speech-dispatcher's only
    output module writes what it is given to a file, as the reading-aloud test has it."""
    if not shutil.which("speech-dispatcher"):
        row("Reading aloud, Enter to the request handed on", "-", "no speech-dispatcher", "< 20 ms",
            False)
        return
    config = os.path.join(scratch, "speech-config")
    modules = os.path.join(config, "speech-dispatcher", "modules")
    os.makedirs(modules, exist_ok=True)
    with open(os.path.join(config, "speech-dispatcher", "speechd.conf"), "w") as conf:
        conf.write('AudioOutputMethod "libao"\nAddModule "file" "sd_generic" "file.conf"\n'
                   'DefaultModule file\nDefaultLanguage "en"\nTimeout 5\n')
    with open(os.path.join(modules, "file.conf"), "w") as conf:
        conf.write(f"GenericExecuteSynth \"printf '%s\\\\n' \\'$DATA\\' >> {scratch}/spoken.txt\"\n"
                   'GenericCmdDependency "printf"\nAddVoice "en" "MALE1" "en"\n'
                   'DefaultVoice "en"\n')
    env = dict(os.environ, XDG_CONFIG_HOME=config)
    speaking, silent = [], []
    for _ in range(RUNS):
        got = measure([program("bench_interact"), "speak", "20"], env=env)
        speaking += column(got, "speaking")
        silent += column(got, "silent")
    m, s = statistics.median(speaking), statistics.median(silent)
    row("Reading aloud, Enter to the request handed on", ms(m),
        f"{ms(s)} with it off (ratio {m / s:.2f})", "< 20 ms", m < 20)
    row("Reading aloud, worst", ms(max(speaking)), f"{ms(max(silent))} with it off", "< 20 ms",
        max(speaking) < 20)


def ticks():
    spacings, others = [], []
    with Busy():
        for _ in range(RUNS):
            got = measure([program("bench_interact"), "tick", "40"])
            spacings += column(got, "spacing")
            others += column(got, "other")
    if min(others) < 40:
        sys.exit("The other exercise did not animate all along")
    m = statistics.median(spacings)
    worst = max(spacings, key=lambda s: abs(s - 500))
    row("Reward animation tick spacing, median (both cores busy)", ms(m), "500 ms",
        "within 1 %", abs(m - 500) <= 5)
    row("Reward animation tick spacing, worst", ms(worst), "500 ms",
        "within 5 %", abs(worst - 500) <= 25)


def save(scratch):
    full, empty = [], []
    big, bare = os.path.join(scratch, "save-100MB"), os.path.join(scratch, "save-empty")
    score_file(big, 100 * 1024 * 1024)
    os.makedirs(bare, exist_ok=True)
    for _ in range(RUNS):
        got = measure([program("bench_interact"), "save", "100", big, bare])
        full += column(got, "full")
        empty += column(got, "empty")
    ratio_row("Save Score into a 100 MB score file", full, empty, 1.1,
              unit=lambda v: f"{v * 1000:.0f} µs")


def viewer(scratch):
    folder = os.path.join(scratch, "view-10MB")
    path = score_file(folder, 10 * 1024 * 1024)
    shown, bare, keys = [], [], []
    for _ in range(RUNS):
        shown += column(measure([program("bench_interact"), "display", "3"], cwd=folder), "cold")
        shown += column(measure([program("bench_interact"), "display", "3"], cwd=folder), "warm")
        bare += column(measure([program("bench_bare"), "display", path, "3"]), "cold")
        bare += column(measure([program("bench_bare"), "display", path, "3"]), "warm")
        keys += column(measure([program("bench_interact"), "type", "10"], cwd=folder), "key")
    ratio_row("Display a 10 MB score file, read to text shown", shown, bare, 1.3)
    m = statistics.median(keys)
    row(f"Typing one character in the viewer holding 10 MB (worst {ms(max(keys))})", ms(m),
        "none", f"< {FRAME_MS:.1f} ms", m < FRAME_MS)


def limit_shapes(most_bytes, most_lines, longest):
    """The worst files the viewer still shows: each at one or two of its limits, so that what
    costs it most (lines, bytes, long lines) is as large as it accepts. The first line is the
    longest, where the typing is timed. Each shape is a name and its pieces of bytes."""
    long_line = b"x" * longest
    yield "all line feeds", (b"\n" * min(65536, most_lines - done)
                             for done in range(0, most_lines, 65536))
    yield "one long line", [long_line]
    yield "real records", record_pieces(most_bytes)
    yield "long lines", (long_line + b"\r\n" for _ in range(most_bytes // (longest + 2)))
    # Characters no font has a picture for: the NUL, and the five bytes the code page leaves
    # undefined, read as C1 controls.
    for name, line in (("lines of NULs", bytes(longest)),
                       ("lines of C1 controls", bytes(b"\x81\x8d\x8f\x90\x9d"[i % 5]
                                                      for i in range(longest)))):
        yield name, (line + b"\r\n" for _ in range(most_bytes // (longest + 2)))
    # Qt lays out and draws each tab as a piece of its own.
    yield "lines of tabs", (b"\t" * longest + b"\r\n" for _ in range(most_bytes // (longest + 2)))
    # Records, runs of empty lines and long lines, as many bytes and lines as accepted: records
    # take about 58 bytes a line, an empty line 2, so both limits are reached together.
    parts = 100
    spare_bytes = most_bytes - parts * (longest + 2)
    spare_lines = most_lines - parts
    part = b"".join(record_pieces(int((spare_bytes - 2 * spare_lines) / (1 - 2 / 58)) // parts))
    empty = b"\r\n" * max(0, (spare_lines - parts * part.count(b"\n")) // parts)
    yield "mixed", (long_line + b"\r\n" + part + empty for _ in range(parts))


def viewer_limits(scratch, only=None):
    limits = measure([program("bench_interact"), "limits"])["limits"][0]
    most_bytes, most_lines, longest = (int(v) for v in limits)
    for name, pieces in limit_shapes(most_bytes, most_lines, longest):
        if only and name not in only:
            continue
        folder = os.path.join(scratch, "limit-" + name.replace(" ", "-"))
        _, size, lines = write_add(folder, pieces)
        shape = (f"one line of {size:,} characters" if lines == 1
                 else f"{size / MIB:.1f} MiB in {lines:,} lines" if size > MIB
                 else f"{size:,} bytes in {lines:,} lines")
        shown, peaks, keys, idle = [], [], [], []
        for _ in range(RUNS):
            shown_ms, peak_kib = timed_display(folder)
            shown.append(shown_ms)
            peaks.append(peak_kib)
            keys += column(measure([program("bench_interact"), "type", "10", "end"], cwd=folder),
                           "key")
            idle += column(measure([program("bench_interact"), "idle", "2"], cwd=folder), "cpu")
        m, peak, key = statistics.median(shown), max(peaks) / 1024, statistics.median(keys)
        cpu = statistics.median(idle) / 10  # ms a second, as a percentage
        row(f"Viewer at its limits, {name} ({shape}): shown, peak memory, typing one character "
            f"at the first line's end (worst {ms(max(keys))}), CPU with the caret blinking there",
            f"{m / 1000:.2f} s; {peak:.0f} MiB; {ms(key)}; {cpu:.1f} %", "none",
            "< 3 s; < 500 MiB; < 50 ms; < 2 %",
            m < 3000 and peak < 500 and key < 50 and cpu < 2)


def timed_display(folder):
    """Shows Add.txt once in a process of its own: (ms to the first paint, max RSS in KiB)."""
    process = subprocess.Popen([program("bench_interact"), "display", "1"], cwd=folder,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = process.stdout.read()
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        sys.exit(f"Showing {folder}/Add.txt failed ({status})")
    return float(re.search(r"^cold (\S+)$", out, re.M).group(1)), usage.ru_maxrss


def progress_window(scratch):
    """The Progress window on 250,000 lines of records, against the same window on no scores:
    time to its first paint, and the peak memory above that of the empty folder's process."""
    full = os.path.join(scratch, "progress-250000")
    _, size, lines = write_add(full, (record_chunk() for _ in range(125)))
    empty = os.path.join(scratch, "progress-empty")
    os.makedirs(empty, exist_ok=True)
    shown, bare, peaks, bare_peaks = [], [], [], []
    for _ in range(RUNS):
        for folder, times, memory in ((full, shown, peaks), (empty, bare, bare_peaks)):
            process = subprocess.Popen([program("bench_interact"), "progress", "1"], cwd=folder,
                                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                       text=True)
            out = process.stdout.read()
            _, status, usage = os.wait4(process.pid, 0)
            if status != 0:
                sys.exit(f"The Progress window on {folder} failed ({status})")
            times.append(float(re.search(r"^cold (\S+)$", out, re.M).group(1)))
            memory.append(usage.ru_maxrss)
    m, b = statistics.median(shown), statistics.median(bare)
    above = (statistics.median(peaks) - statistics.median(bare_peaks)) / 1024
    row(f"Progress window on {lines:,} lines of records ({size / MIB:.1f} MiB): shown; peak "
        f"memory above the empty folder's", f"{m:.0f} ms; {above:.1f} MiB",
        f"{b:.0f} ms, {statistics.median(bare_peaks) / 1024:.0f} MiB on no scores",
        f"< 1000 ms; < {2 * size / MIB:.1f} MiB (twice the file)",
        m < 1000 and above * MIB < 2 * size)


def drill_chunk(file_text, second_text):
    """A thousand records of one drill as Save Score writes them: 24 names, three months."""
    lines = []
    for i in range(1000):
        name = ("Zoë", "René", "Ann", "Mark")[i % 4] + str(i % 6)
        first = f'"{name} On the Day of {i % 3 + 9:02}/{i % 28 + 1:02}/26 Got A {i % 101}.00% Out of {i % 37 + 1}{file_text}'
        second = (f"{i % 53}.00% out of {i % 23 + 1}{second_text}" if second_text else "")
        lines.append(first + second + '\r\n"\r\n')
    return "".join(lines).encode("windows-1252")


def progress_read(scratch):
    """The Progress window on a class folder of 200 MB (50 MB in each drill's file), read in the
    background: the longest the event loop stalled while it read, and the time from opening to
    the class shown."""
    folder = os.path.join(scratch, "progress-200MB")
    os.makedirs(folder, exist_ok=True)
    drills = (("Add.txt", " Questions on ADD 2 and ", " Questions on ADD 3"),
              ("Sub.txt", " Questions on SUBTRACT 2 and ", " Questions on SUBTRACT 3"),
              ("Multiply.txt", " Questions on MULTIPLY 2 and ", " Questions on MULTIPLY 3"),
              ("Divide.txt", " Questions on Divide 2 decimal places and ", None))
    size = 0
    for name, first, second in drills:
        chunk = drill_chunk(first, second)
        with open(os.path.join(folder, name), "wb") as f:
            for _ in range(50 * 1000 * 1000 // len(chunk) + 1):
                f.write(chunk)
                size += len(chunk)
    stalls, shown, painted = [], [], []
    for _ in range(RUNS):
        out = subprocess.run([program("bench_interact"), "progress-read"], cwd=folder,
                             capture_output=True, text=True, check=True).stdout
        stalls.append(float(re.search(r"^stall (\S+)$", out, re.M).group(1)))
        shown.append(float(re.search(r"^shown (\S+)$", out, re.M).group(1)))
        painted.append(float(re.search(r"^painted (\S+)$", out, re.M).group(1)))
    stall = statistics.median(stalls)
    row(f"Progress window reading {size / 1e6:.0f} MB in the background: longest event-loop "
        f"stall; window painted; class shown", f"{stall:.1f} ms (worst {max(stalls):.1f}); "
        f"{statistics.median(painted):.0f} ms; {statistics.median(shown) / 1000:.2f} s", "none",
        "stall < 50 ms", stall < 50)


def memory(scratch, bare_runs):
    path = score_file(os.path.join(scratch, "memory-1MB"), 1024 * 1024)
    env = dict(os.environ, SUMBROOK_BENCH_OPEN_ALL=path)
    peaks = [spawn([program("bench_startup")], env)[2] for _ in range(RUNS)]
    bare = [r[2] for r in bare_runs] or [spawn([program("bench_bare_startup")])[2]
                                         for _ in range(RUNS)]
    ratio_row("Peak memory (max RSS), every window open, viewer on 1 MB", peaks, bare, 1.3,
              unit=lambda kib: f"{kib / 1024:.1f} MiB")


class WindowManager:
    """Openbox on the display while it is open, so that maximized windows fill the screen."""

    def __init__(self, scratch):
        self.started = os.path.join(scratch, "wm-started")

    def __enter__(self):
        self.process = subprocess.Popen(
            ["openbox", "--startup", f"touch {self.started}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while not os.path.exists(self.started):
            if time.monotonic() > deadline or self.process.poll() is not None:
                sys.exit("Openbox did not start")
            time.sleep(0.05)
        time.sleep(0.3)
        return self

    def __exit__(self, *exc):
        self.process.terminate()
        self.process.wait()


def cpu_model():
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return "unknown"


def main():
    global BUILD
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    BUILD = os.path.abspath(sys.argv[1])
    parts = sys.argv[2:]
    shapes = [p.split(":", 1)[1] for p in parts if p.startswith("limits:")]

    def chosen(part):
        return not parts or part in parts or (part == "limits" and shapes)
    load_before = os.getloadavg()
    started = time.monotonic()
    with tempfile.TemporaryDirectory(prefix="sumbrook-bench-") as scratch:
        os.environ.setdefault("XDG_RUNTIME_DIR", scratch)
        with WindowManager(scratch):
            bare_runs = startup() if chosen("startup") else []
            if chosen("startup") or chosen("class"):
                class_startup(scratch)
            if chosen("open"):
                open_windows()
            if chosen("answer"):
                answer()
            if chosen("viewer"):
                viewer(scratch)
            if chosen("limits"):
                viewer_limits(scratch, None if "limits" in parts else shapes)
            if chosen("progress"):
                progress_window(scratch)
            if chosen("progress-read"):
                progress_read(scratch)
            if chosen("save"):
                save(scratch)
            if chosen("memory"):
                memory(scratch, bare_runs)
            if chosen("speak"):
                speak(scratch)
            if chosen("ticks"):
                ticks()
    window = f"main window {int(WINDOW[0])}x{int(WINDOW[1])}" if WINDOW else "no window timed"
    print(f"Sumbrook benchmarks, {RUNS} runs each, display {os.environ.get('DISPLAY', '?')} "
          f"({window}), {os.cpu_count()} cores, "
          f"{cpu_model()}, load {load_before[0]:.2f} before and {os.getloadavg()[0]:.2f} after, "
          f"{time.monotonic() - started:.0f} s")
    print()
    print("| Figure | Median | Baseline median (ratio) | Target | Met |")
    print("|---|---|---|---|---|")
    for figure, median, baseline, target, met in ROWS:
        shown = met if isinstance(met, str) else "yes" if met else "NO"
        print(f"| {figure} | {median} | {baseline} | {target} | {shown} |")
    targets = [r for r in ROWS if not isinstance(r[4], str)]
    print()
    print(f"{sum(1 for r in targets if r[4])} of {len(targets)} targets met.")


if __name__ == "__main__":
    main()
