# SPDX-License-Identifier: GPL-3.0-or-later
"""The time from navigation to the first frame painted with the whole window, for the page and
for a stand-in without script, loaded in turn in one headless chromium; medians and ratio.

Usage: web_paint.py PAGE RUNS.

The stand-in is the page's own document as the browser holds it once the page has built its
window (every control, its style, value and check, the focus on the same field), saved with its
scripts removed: the same
elements and style sheet, so it cannot drift from the page.

The moment measured: 'first-contentful-paint' comes with the first text or control, which need
not be the whole window, and 'largest-contentful-paint' names one element, not all of them. The
page builds its window in its inline script, before DOMContentLoaded (the WebAssembly is compiled
at once, and main builds every control), so at DOMContentLoaded both documents hold the whole
window, which is checked: the control count against the stand-in's. A requestAnimationFrame then
runs in the next frame before its paint; a message posted from it runs once that frame's
rendering is done, and that is the time taken. Both pages pay the same for this way of seeing it."""
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
document.addEventListener('DOMContentLoaded', () => {
    const controls = document.querySelectorAll('#Form1 *').length;
    requestAnimationFrame(() => {
        const channel = new MessageChannel();
        channel.port1.onmessage = () => {
            window.kalvoranPaint = [performance.now(), controls, document.activeElement.id];
        };
        channel.port2.postMessage(0);
    });
});
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
        driver.get("about:blank")
        driver.get("file://" + path)
        for _ in range(200):
            seen = driver.execute_script("return window.kalvoranPaint")
            if seen:
                return seen
            time.sleep(0.01)
        sys.exit(f"{path}: no frame seen")

    # One warm-up each, then the two in turn.
    load(PAGE), load(stand_in)
    times = {PAGE: [], stand_in: []}
    counts = set()
    for _ in range(RUNS):
        for path in (PAGE, stand_in):
            ms, controls, focus = load(path)
            times[path].append(ms)
            counts.add((controls, focus))
    if len(counts) != 1:
        sys.exit(f"the window was not the same when the frame was seen: (controls, focus) {counts}")
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
print("all page:    ", " ".join(f"{t:.1f}" for t in times[PAGE]))
print("all stand-in:", " ".join(f"{t:.1f}" for t in times[stand_in]))
