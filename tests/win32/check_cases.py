#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The window's cases (tests/window_cases.txt) run on Kalvoran.exe under Wine through X: the
pointer clicks and the keys typed with xdotool, the clipboard owned by xclip, and what the window
shows read by the probe beside it. Each case starts the program afresh and closes it at its end.
Prints one line for each step that fails.

Usage: check_cases.py Kalvoran.exe probe.exe window_cases.txt"""

import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

exe, probe, cases = sys.argv[1:4]
for tool in "xdotool", "xclip":
    if not shutil.which(tool):
        sys.exit(
            f"FAIL: {tool} is missing: install the Debian package {tool} (./test.sh installs it)"
        )
here = os.path.dirname(os.path.abspath(__file__))
build = os.path.dirname(os.path.abspath(exe))
with open(os.path.join(build, "wine-display")) as display:
    os.environ["DISPLAY"] = ":" + display.read().strip()
# What a busy X server's refused connection prints (scripts/x_retry.sh): it sent nothing, so the
# command is run again.
REFUSED = re.compile(
    r"can.t open display|cannot open display|unable to open display|could not connect to "
    r"display|no X display|no driver could be loaded|Kalvoran braucht eine grafische Sitzung",
    re.I,
)
CIRCLE = 13  # px: an option button's circle at 96 dpi, at its left, centred on its height
PATIENCE = 2.0  # s for the window to show what a check wants
STEPS = {"click", "type", "key", "paste", "text", "box", "nobox", "focus", "checked", "closed"}


def run(*command, timeout=30):
    for _ in range(30):
        done = subprocess.run(command, capture_output=True, timeout=timeout)
        if done.returncode == 0 or not REFUSED.search(done.stderr.decode(errors="replace")):
            break
        time.sleep(0.1)
    return done.stdout.decode("utf-8", errors="replace").replace("\r", "")


def shown(*args):
    return run("bash", os.path.join(here, "wine.sh"), probe, *args).splitlines()


def unescape(text):
    escapes = {"n": "\n", "r": "\r", "\\": "\\"}
    return re.sub(
        r"\\(u[0-9A-Fa-f]{4}|.)",
        lambda m: chr(int(m[1][1:], 16)) if len(m[1]) == 5 else escapes.get(m[1], m[0]),
        text,
    )


def read_cases(path):
    """[(title, [(line number, word, argument)])]"""
    found = []
    with open(path, encoding="utf-8") as lines:
        for number, line in enumerate(lines, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            word, _, argument = line.partition(" ")
            if word == "case":
                found.append((argument, []))
            elif word in STEPS and found:
                found[-1][1].append((number, word, argument))
            else:
                sys.exit(f"{path}:{number}: no step {word!r}")
    return found


class Window:
    """Kalvoran.exe started afresh, its window found and its controls' places read."""

    def __init__(self):
        self.program = subprocess.Popen(
            ["bash", os.path.join(here, "wine.sh"), exe],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
            start_new_session=True,
        )
        self.clipboard = None
        self.box = False  # a box is open, as the last check of one found
        self.places = {}  # name: left, top, width, height, kind
        try:
            search = ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Der Kalvoran$"]
            run("xdotool", "windowfocus", "--sync", run(*search).split()[0])
            for line in shown("where"):
                name, *rect, kind = line.split()
                self.places[name] = [int(n) for n in rect] + [kind]
        except (IndexError, subprocess.TimeoutExpired):
            self.close()
            raise

    def click(self, name):
        left, top, width, height, kind = self.places[name]
        x = left + CIRCLE // 2 if kind == "option" else left + width // 2
        run("xdotool", "mousemove", str(x), str(top + height // 2), "click", "1")
        time.sleep(0.1)

    def paste(self, text):
        """text owned by an xclip of its own, then Ctrl+V."""
        self.end_clipboard()
        with tempfile.NamedTemporaryFile("wb", delete=False) as clip:
            clip.write(text.encode("utf-8"))
        self.clipboard = subprocess.Popen(
            ["xclip", "-quiet", "-selection", "clipboard", "-i", clip.name],
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        time.sleep(0.3)
        os.unlink(clip.name)
        run("xdotool", "key", "ctrl+v")

    def end_clipboard(self):
        if self.clipboard:
            self.clipboard.kill()
            self.clipboard.wait()
            self.clipboard = None

    def close(self):
        self.end_clipboard()
        if self.program.poll() is None:
            shown("close")
        try:
            self.program.wait(5)
        except subprocess.TimeoutExpired:  # held by an open box: ended with its wine.sh
            os.killpg(self.program.pid, signal.SIGKILL)
            self.program.wait()


def expect(window, word, argument):
    """Polls the probe until the window shows what the check wants: (passed, want, got)."""
    if word == "closed":
        try:
            window.program.wait(PATIENCE * 2)
            return True, "closed", "closed"
        except subprocess.TimeoutExpired:
            return False, "closed", "still running"
    if word == "text":
        field, _, text = argument.partition(" ")
        want, prefix = f"{field}={unescape(text)}", field + "="
    elif word == "box":
        want, prefix = "box=" + argument, "box="
    elif word == "nobox":
        want, prefix = "", "box="
        time.sleep(0.3)  # a box the last input opens has come
    elif word == "focus":
        want, prefix = "focus=" + argument, "focus="
    else:  # checked: in any order
        want, prefix = "checked=" + " ".join(sorted(argument.split())), "checked="
    deadline = time.monotonic() + PATIENCE
    while True:
        lines = [line for line in shown() if line.startswith(prefix)]
        if word == "checked":
            lines = [prefix + " ".join(sorted(line[len(prefix) :].split())) for line in lines]
        got = " | ".join(lines) or "none"
        if (want in lines) if want else not lines:
            return True, want, got
        if time.monotonic() > deadline:
            return False, want or "no box", got
        time.sleep(0.1)


def run_case(title, steps):
    failures = 0
    window = Window()
    try:
        for number, word, argument in steps:
            if word == "click":
                window.click(argument)
            elif word == "type":
                run("xdotool", "type", "--delay", "30", "--", unescape(argument))
            elif word == "key":
                run("xdotool", "key", "--delay", "30", *argument.split())
                if window.box:  # a user goes on once it is gone, which takes Wine up to 2 s
                    window.box = not expect(window, "nobox", "")[0]
            elif word == "paste":
                window.paste(unescape(argument))
            else:
                passed, want, got = expect(window, word, argument)
                window.box = passed if word == "box" else window.box and word != "nobox"
                if not passed:
                    failures += 1
                    print(f"FAIL {title}, line {number}: want {want!r}, got {got!r}")
    finally:
        window.close()
    return failures


failures = sum(run_case(title, steps) for title, steps in read_cases(cases))
print(f"{failures} failing steps" if failures else "every case passed")
sys.exit(1 if failures else 0)
