# SPDX-License-Identifier: GPL-3.0-or-later
"""The installable site (index.html, manifest, service worker, icons) in Debian's headless chromium,
served by python3's http.server on 127.0.0.1 and then stopped: installable, kept for use without a
connection after one visit, and brought up to date when a new version is served.

Usage: check_site.py SITE_FOLDER"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

SITE = sys.argv[1]
failures = []


def expect(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from driver_chromium import Chromium  # noqa: E402

work = tempfile.mkdtemp()
served = shutil.copytree(SITE, os.path.join(work, "site"))
# Put on the web space a month ago: a browser's HTTP cache holds such files as fresh for days.
for name in os.listdir(served):
    os.utime(os.path.join(served, name), (time.time() - 30 * 86400,) * 2)
server = None


def serve(port=0):
    """Starts the web space on 127.0.0.1; returns its port."""
    global server
    server = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", served, str(port)],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    line = server.stdout.readline()  # "Serving HTTP on 127.0.0.1 port N (...) ..."
    return int(line.split(" port ")[1].split()[0])


def stop():
    server.terminate()
    server.wait()


browser = None
try:
    port = serve()
    origin = f"http://127.0.0.1:{port}/"
    browser = Chromium()  # a profile of its own, new for this run
    js = browser.js

    def load(reload=True):
        browser.reload() if reload else browser.open(origin)
        for _ in range(500):
            if js("return window.kalvoranStarted === true"):
                return
            time.sleep(0.01)
        failures.append(f"the page at {js('return location.href')} did not start")

    # The first visit: installable, its manifest as the app's, the worker in control after a reload.
    load(reload=False)
    js("return navigator.serviceWorker.ready.then(() => true)")
    expect("installability errors",
           browser.cdp("Page.getInstallabilityErrors")["installabilityErrors"], [])
    manifest = json.loads(browser.cdp("Page.getAppManifest")["data"])
    expect("manifest", {k: manifest.get(k) for k in ("name", "short_name", "lang", "display")},
           {"name": "Der Kalvoran", "short_name": "Kalvoran", "lang": "de",
            "display": "standalone"})
    expect("manifest's description", manifest.get("description"),
           js("return document.querySelector('meta[name=description]').content"))
    expect("icons", sorted((i["sizes"], i["type"]) for i in manifest["icons"]),
           [("192x192", "image/png"), ("512x512", "image/png")])
    load()
    expect("the worker controls the page after a reload",
           js("return !!navigator.serviceWorker.controller"), True)

    # Without a connection: the window from the kept files, and a calculation by real clicks.
    stop()
    load()
    for name in ("opt12v", "ledrot", "verbr2", "berechnen"):
        x, y = js("const r = document.getElementById(arguments[0]).getBoundingClientRect();"
                  "return [r.left + Math.min(6, r.width / 2), r.top + r.height / 2];", name)
        browser.perform([{"type": "pointer", "id": "mouse",
                          "parameters": {"pointerType": "mouse"}, "actions": [
                              {"type": "pointerMove", "x": int(x), "y": int(y)},
                              {"type": "pointerDown", "button": 0},
                              {"type": "pointerUp", "button": 0}]}])
    expect("offline calculation", js("return document.getElementById('Text4').value"),
           "276,666666666667")

    # Nothing asked of another origin.
    urls = browser.requests()
    expect("requests to another origin",
           [u for u in urls if u.startswith(("http", "ws")) and not u.startswith(origin)], [])

    # A new version served on the same address: the user has it after reloads.
    version = js("return document.querySelector('meta[name=version]').content")
    for name in ("index.html", "sw.js"):
        path = os.path.join(served, name)
        text = open(path, encoding="utf-8").read()
        open(path, "w", encoding="utf-8").write(text.replace(version, version + "-neu"))
    serve(port)
    shown = None
    for _ in range(4):
        load()
        time.sleep(2)  # the browser looks for a new worker about a second after a navigation
        shown = js("return document.querySelector('meta[name=version]').content")
        if shown != version:
            break
    expect("version after reloads", shown, version + "-neu")
    expect("browser's complaints", browser.complaints(), [])
finally:
    if browser:
        browser.quit()
    if server and server.poll() is None:
        stop()
    shutil.rmtree(work, ignore_errors=True)

for failure in failures:
    print("FAIL", failure)
print(f"check_site: {len(failures)} failures")
sys.exit(1 if failures else 0)
