# SPDX-License-Identifier: GPL-3.0-or-later
"""The time from navigation to the first frame painted with the whole window, for the page and
for a stand-in without script, loaded in turn in one headless chromium; medians and ratio; and
when the page's window takes input.

Usage: web_paint.py PAGE RUNS.

The stand-in is the page's own document as the browser holds it once the page has started
(every control, its style, value and check, the focus on the same field), saved with its scripts
removed: the same elements and style sheet, so it cannot drift from the page.

The moment measured is the browser's own record of its first painted frame with content
('first-contentful-paint', the time the frame was shown, to 4 ms as Chromium gives it to a
page). That frame is checked to hold the whole window: a requestAnimationFrame in every frame
notes the control count and the focus just before the frame is painted, and the last note
before the paint must show the stand-in's count and focus. The page starts its program once
that frame is painted; the time its window then takes input is printed beside it."""
import gzip
import os
import statistics
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

PAGE, RUNS = os.path.abspath(sys.argv[1]), int(sys.argv[2])

# Evaluated by the browser before any script of the document; the page's policy does not
# apply to it.
WATCH = """
window.kalvoranFrames = [];
(function note(time) {
    kalvoranFrames.push([time, document.querySelectorAll('#Form1 *').length,
                         document.activeElement ? document.activeElement.id : '']);
    if (kalvoranFrames.length < 100)
        requestAnimationFrame(note);
})(-1);
new PerformanceObserver((list) => {
    for (const e of list.getEntries())
        if (e.name === 'first-contentful-paint')
            window.kalvoranPaint = e.startTime;
}).observe({type: 'paint', buffered: true});
let started = false; // the page sets kalvoranStarted once its window takes input
Object.defineProperty(window, 'kalvoranStarted', {configurable: true,
    get: () => started,
    set: (now) => { started = now; if (now) window.kalvoranInput = performance.now(); }});
"""

options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=600,600",
                 "--force-device-scale-factor=1", "--no-first-run", "--disable-extensions",
                 "--disable-background-networking", "--disable-component-update"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
folder = tempfile.mkdtemp()
stand_in = os.path.join(folder, "stand_in.html")
try:
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH})
    driver.get("file://" + PAGE)
    html = driver.execute_script("""
        for (const e of document.querySelectorAll('input')) {
            e.setAttribute('value', e.value);
            e.toggleAttribute('checked', e.checked);
        }
        if (document.activeElement !== document.body)
            document.activeElement.setAttribute('autofocus', '');
        for (const e of document.querySelectorAll('script')) e.remove();
        return document.documentElement.outerHTML;""")
    with open(stand_in, "w", encoding="utf-8") as f:
        f.write("<!DOCTYPE html>\n" + html)

    def load(path):
        """The first paint, the window in the frame painted then, and when it took input."""
        driver.get("about:blank")
        driver.get("file://" + path)
        for _ in range(200):
            paint, frames, taking = driver.execute_script(
                "return [window.kalvoranPaint, kalvoranFrames, window.kalvoranInput]")
            if paint and (taking or path != PAGE):
                before = [f[1:] for f in frames if 0 <= f[0] <= paint]
                return paint, tuple(before[-1]) if before else None, taking
            time.sleep(0.01)
        sys.exit(f"{path}: no frame seen")

    # One warm-up each, then the two in turn.
    load(PAGE), load(stand_in)
    times = {PAGE: [], stand_in: []}
    counts, taking = set(), []
    for _ in range(RUNS):
        for path in (PAGE, stand_in):
            ms, window, input_at = load(path)
            times[path].append(ms)
            counts.add(window)
            if input_at:
                taking.append(input_at)
    if len(counts) != 1 or None in counts:
        sys.exit(f"the window was not the same in the frame painted: (controls, focus) {counts}")
finally:
    driver.quit()
    if os.path.exists(stand_in):
        os.remove(stand_in)
    os.rmdir(folder)

data = open(PAGE, "rb").read()
page_ms, stand_ms = statistics.median(times[PAGE]), statistics.median(times[stand_in])
print(f"runs: {RUNS} each, interleaved, {driver.capabilities['browserVersion']} headless, "
      f"{os.cpu_count()} cores, {counts.pop()[0]} controls")
print(f"{os.path.basename(PAGE)}: {len(data)} bytes, {len(gzip.compress(data, 9))} gzipped")
print(f"first whole frame  page {page_ms:6.1f} ms   stand-in {stand_ms:6.1f} ms   "
      f"ratio {page_ms / stand_ms:.2f}")
print(f"the page's window takes input at {statistics.median(taking):.1f} ms")
print("all page:    ", " ".join(f"{t:.1f}" for t in times[PAGE]))
print("all stand-in:", " ".join(f"{t:.1f}" for t in times[stand_in]))
