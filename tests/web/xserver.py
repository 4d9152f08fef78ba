# SPDX-License-Identifier: GPL-3.0-or-later
"""An X server of the test's own (Xvfb on the first free display) and its clipboard (xclip), for
the engines that run in a real window. Every process started here is ended by its id."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

# Xvfb now and then refuses a new connection when the machine is busy: a client refused so has
# sent nothing, and is started again; any other failure stands.
REFUSED = ("cannot open display", "Can't open display", "Unable to init server",
           "Failed to connect to the X server", "cannot connect to X server",
           "Failed to open the display")
TRIES = 5


def refused(text):
    return any(r in text for r in REFUSED)


def need(path, package):
    if not (shutil.which(path) if "/" not in path else os.path.exists(path)):
        sys.exit(f"{path} is missing: install the Debian package {package}")


class XServer:
    def __init__(self):
        need("Xvfb", "xvfb")
        need("xclip", "xclip")
        need("xdpyinfo", "x11-utils")
        need("xdotool", "xdotool")
        self.clipboard_owner = None
        # Xvfb takes the first free display, and tells its number once it serves.
        for _ in range(TRIES):
            read, write = os.pipe()
            self.process = subprocess.Popen(
                ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten",
                 "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
            os.close(write)
            # The number, then a line break in a write of its own: read to the break, or Xvfb's
            # second write fails and ends it.
            told = b""
            while not told.endswith(b"\n"):
                part = os.read(read, 32)
                if not part:
                    break
                told += part
            os.close(read)
            number = told.decode().strip()
            self.display = ":" + number
            self.env = dict(os.environ, DISPLAY=self.display)
            served = self.run(["xdpyinfo"]) if number else None
            if served and served.returncode == 0:
                break
            self.end(self.process)
        else:
            sys.exit(f"Xvfb did not start: {served and served.stderr.decode(errors='replace')}")
        # A window manager gives the browser's window the focus, as on a desktop.
        need("openbox", "openbox")
        for _ in range(TRIES):
            said = tempfile.TemporaryFile()
            self.manager = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                            stdout=said, stderr=said)
            for _ in range(500):
                if self.manager.poll() is not None or b"window id" in self.run(
                        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"]).stdout:
                    break
                time.sleep(0.01)
            if self.manager.poll() is None:
                return
            said.seek(0)
            if not refused(said.read().decode(errors="replace")):
                break
        self.end(self.process)
        sys.exit("openbox did not start")

    def run(self, argv, **kw):
        """A short-lived client, started again while the server refuses it."""
        for attempt in range(TRIES):
            done = subprocess.run(argv, env=self.env, capture_output=True, **kw)
            if done.returncode == 0 or not refused(done.stderr.decode(errors="replace")):
                return done
            time.sleep(0.2 * (attempt + 1))  # a busy server, given a moment
        return done

    def set_clipboard(self, text):
        """xclip owns the clipboard with the text until the next text, as a program that copied."""
        self.end_clipboard()
        for _ in range(TRIES):
            owner = subprocess.Popen(["xclip", "-selection", "clipboard", "-t", "UTF8_STRING",
                                      "-quiet"], env=self.env, stdin=subprocess.PIPE,
                                     stderr=subprocess.PIPE)
            owner.stdin.write(text.encode())
            owner.stdin.close()
            # Owner once another client sees its one target offered.
            for _ in range(500):
                if owner.poll() is not None:
                    break
                targets = self.run(["xclip", "-selection", "clipboard", "-o", "-t", "TARGETS"])
                if b"UTF8_STRING" in targets.stdout:
                    self.clipboard_owner = owner
                    return
                time.sleep(0.01)
            error = owner.stderr.read().decode(errors="replace") if owner.poll() is not None else ""
            self.end(owner)
            if not refused(error):
                sys.exit(f"xclip did not take the clipboard: {error}")
        sys.exit("xclip did not take the clipboard")

    def end_clipboard(self):
        if self.clipboard_owner:
            self.end(self.clipboard_owner)
            self.clipboard_owner = None

    @staticmethod
    def end(process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()

    def quit(self):
        self.end_clipboard()
        self.end(self.manager)
        self.end(self.process)
