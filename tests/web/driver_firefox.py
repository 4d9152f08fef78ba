# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's firefox-esr in a window on an X server of its own, driven through the browser's own
WebDriver BiDi, spoken over one websocket (python3-websocket): the same members as
driver_webdriver.WebDriver describes, each one BiDi command."""
import base64
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from xserver import TRIES, XServer, need, refused

need("/usr/bin/firefox-esr", "firefox-esr")
try:
    import websocket
except ImportError:
    sys.exit("websocket is missing: install the Debian package python3-websocket")

PREFS = {"browser.shell.checkDefaultBrowser": False, "browser.aboutwelcome.enabled": False,
         "datareporting.policy.dataSubmissionEnabled": False, "app.update.disabledForTesting": True,
         "browser.startup.homepage_override.mstone": "ignore", "sidebar.revamp": False}


def value(remote):
    """A BiDi remote value as Python's."""
    kind, v = remote["type"], remote.get("value")
    if kind == "array":
        return [value(item) for item in v]
    if kind == "object":
        return {k if isinstance(k, str) else value(k): value(item) for k, item in v}
    if kind == "number" and isinstance(v, str):
        return float(v.replace("Infinity", "inf"))
    return None if kind in ("undefined", "null") else v if kind in (
        "string", "number", "boolean") else {"type": kind}


def local(v):
    """A Python value as a BiDi local value."""
    if v is None:
        return {"type": "null"}
    if isinstance(v, bool):
        return {"type": "boolean", "value": v}
    if isinstance(v, (int, float)):
        return {"type": "number", "value": v}
    if isinstance(v, str):
        return {"type": "string", "value": v}
    if isinstance(v, (list, tuple)):
        return {"type": "array", "value": [local(item) for item in v]}
    return {"type": "object", "value": [[k, local(item)] for k, item in v.items()]}


class Firefox:
    name = "firefox"

    def __init__(self):
        self.x = XServer()
        self.profile = tempfile.mkdtemp()
        with open(os.path.join(self.profile, "user.js"), "w") as prefs:
            prefs.writelines(f'user_pref("{k}", {json.dumps(v)});\n' for k, v in PREFS.items())
        self.log = os.path.join(self.profile, "firefox.log")
        for _ in range(TRIES):
            with open(self.log, "w") as log:
                self.process = subprocess.Popen(
                    ["/usr/bin/firefox-esr", "--remote-debugging-port=0", "--no-remote",
                     "--profile", self.profile, "about:blank"], env=self.x.env, stdout=log,
                    stderr=subprocess.STDOUT)
            address = self.wait_for_address()
            if address:
                break
        else:
            sys.exit(f"firefox-esr did not start: {open(self.log).read()[-2000:]}")
        self.socket = websocket.create_connection(address + "/session", suppress_origin=True,
                                                  timeout=120)
        self.last_id, self.events = 0, []
        self.command("session.new", capabilities={})
        self.command("session.subscribe", events=["log.entryAdded", "network.beforeRequestSent"])
        self.context = self.command("browsingContext.getTree")["contexts"][0]["context"]
        # A new window has the focus in its address bar: a click of the X server's pointer into
        # the blank page below it moves the focus to the page, where a user's keys go.
        self.x.run(["xdotool", "mousemove", "640", "600", "click", "1"])

    def wait_for_address(self):
        for _ in range(3000):
            text = open(self.log, errors="replace").read()
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", text)
            if found:
                return found[1]
            if self.process.poll() is not None:
                if not refused(text):
                    sys.exit(f"firefox-esr ended: {text[-2000:]}")
                return None
            time.sleep(0.01)
        sys.exit("firefox-esr did not open its WebDriver BiDi port")

    def command(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("id") == self.last_id:
                if message["type"] == "error":
                    raise RuntimeError(f"{method}: {message['error']}: {message.get('message')}")
                return message["result"]
            if message.get("type") == "event":
                self.events.append(message)

    def open(self, url):
        self.command("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def reload(self):
        self.command("browsingContext.reload", context=self.context, wait="complete")

    def back(self):
        self.command("browsingContext.traverseHistory", context=self.context, delta=-1)
        for _ in range(500):
            if self.js("return document.readyState") == "complete":
                return
            time.sleep(0.01)

    def js(self, body, *args):
        result = self.command("script.callFunction", functionDeclaration=f"function() {{{body}}}",
                              this={"type": "undefined"}, arguments=[local(a) for a in args],
                              awaitPromise=True, target={"context": self.context})
        if result["type"] == "exception":
            raise RuntimeError(f"script: {result['exceptionDetails']['text']}")
        return value(result["result"])

    def perform(self, actions):
        self.command("input.performActions", context=self.context, actions=actions)

    def set_clipboard(self, text):
        self.x.set_clipboard(text)

    def screenshot(self):
        return base64.b64decode(self.command("browsingContext.captureScreenshot",
                                             context=self.context)["data"])

    def take_events(self, method):
        taken = [e["params"] for e in self.events if e["method"] == method]
        self.events = [e for e in self.events if e["method"] != method]
        return taken

    def complaints(self):
        self.command("session.status")  # the events sent before this answer
        return [e.get("text") for e in self.take_events("log.entryAdded") if e["level"] == "error"]

    def requests(self):
        self.command("session.status")
        return [e["request"]["url"] for e in self.take_events("network.beforeRequestSent")]

    def is_open(self):
        contexts = self.command("browsingContext.getTree")["contexts"]
        return any(c["context"] == self.context for c in contexts)

    def quit(self):
        try:
            self.command("browser.close")
        except Exception:
            pass
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.x.quit()
        shutil.rmtree(self.profile, ignore_errors=True)
