# SPDX-License-Identifier: GPL-3.0-or-later
"""The page Kalvoran-VERSION.html in Debian's headless chromium, offline, as a user reaches it:
real keys, real pointer clicks at the places the layout table gives, the boxes dismissed by key.

Usage: check_page.py PAGE LAYOUT_CPP. The controls' rectangles are read from the layout's source
text here, and compared with where the browser put the elements."""
import gzip
import json
import os
import re
import shutil
import sys
import tempfile
import time

PAGE, LAYOUT = sys.argv[1], sys.argv[2]
MOST_BYTES = 100_000
failures = []


def expect(what, got, want):
    if got != want:
        failures.append(f"{what}: got {got!r}, want {want!r}")


for need, package in (("/usr/bin/chromium", "chromium"),
                      ("/usr/bin/chromedriver", "chromium-driver")):
    if not os.path.exists(need):
        sys.exit(f"{need} is missing: install the Debian package {package}")
try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.actions.action_builder import ActionBuilder
    from selenium.webdriver.common.keys import Keys
except ImportError:
    sys.exit("selenium is missing: install the Debian package python3-selenium")

# The file: one, at most 100 KB.
data = open(PAGE, "rb").read()
print(f"{os.path.basename(PAGE)}: {len(data)} bytes, {len(gzip.compress(data, 9))} gzipped")
if len(data) > MOST_BYTES:
    failures.append(f"the page has {len(data)} bytes, more than {MOST_BYTES}")

# Every row of the layout table: name, kind, container, caption, rectangle in twips, tab index.
ROW = re.compile(r'ControlSpec\{"([^"]+)",\s*(\w+),\s*C::(\w+),\s*("(?:[^"\\]|\\.)*"|\w+),'
                 r"\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)")
matches = list(ROW.finditer(open(LAYOUT).read()))
rows = {m[1]: (m[3], *map(int, m.groups()[4:8])) for m in matches}
kinds = {m[1]: m[2] for m in matches}
captions = {m[1]: json.loads(m[4]) if m[4][0] == '"' else m[4] for m in matches}
tab_order = [m[1] for m in sorted(matches, key=lambda m: int(m[9]))]
# A text field's accessible name: the last text of its row.
field_names = dict(re.findall(r'ControlSpec\{"(\w+)",\s*TextField\b.*"([^"]+)"\},',
                              open(LAYOUT).read()))
if len(rows) != 47:
    sys.exit(f"read {len(rows)} rows of the layout table, not 47")


def place(name):
    """The control's rectangle in CSS pixels in the window: 15 twips a pixel."""
    parent, left, top, width, height = rows[name]
    x, y = (0, 0) if parent == "Form1" else place(parent)[:2]
    return (x + left / 15, y + top / 15, width / 15, height / 15)


FIELDS = ["Text1", "Text2", "Text3", "Text5"]
OPTIONS = [n for n in rows if kinds[n] == "OptionButton"]

options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=600,600",
                 "--force-device-scale-factor=1", "--no-first-run", "--disable-extensions",
                 "--disable-background-networking", "--disable-component-update"):
    options.add_argument(argument)
options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def js(script, *args):
    return driver.execute_script(script, *args)


def click_at(x, y):
    """A real pointer click at a point of the window."""
    origin = js("const r = document.getElementById('Form1').getBoundingClientRect();"
                "return [r.left, r.top];")
    actions = ActionBuilder(driver)
    actions.pointer_action.move_to_location(int(origin[0] + x), int(origin[1] + y))
    actions.pointer_action.click()
    actions.perform()


def click_control(name):
    x, y, w, h = place(name)
    click_at(x + w / 2, y + h / 2)


def click_circle(name):
    """An option button's circle: 13 pixels at the left of its rectangle, centred on its height."""
    x, y, w, h = place(name)
    click_at(x + 6, y + h / 2)


def type_into(field, text):
    driver.find_element("id", field).click()
    driver.switch_to.active_element.send_keys(text)


STATE = ("return [[...document.querySelectorAll('input[type=text]')]"
         ".map(e => e.id + '=' + e.value),"
         " [...document.querySelectorAll('input:checked')].map(e => e.id)];")
BOX = ("const b = document.getElementById('box'); return b && b.open ?"
       " [b.querySelector('.bar').textContent, b.querySelector('.icon').classList[1],"
       " document.activeElement.className] : null;")
closing_keys = [Keys.ENTER, Keys.SPACE, Keys.ESCAPE]


def check_box(what, title, icon, back_to):
    """The box is open with title and icon, OK has the focus; a click behind it and a typed key
    change nothing; a key closes it, in turn Enter, Space and Escape, and the focus goes back."""
    expect(f"{what}: box", js(BOX), [title, icon, "ok"] if title else None)
    if not title:
        return
    before = js(STATE)
    click_circle("opt12v")
    click_control("Text1")
    driver.switch_to.active_element.send_keys("7")
    expect(f"{what}: the window behind the box", js(STATE), before)
    expect(f"{what}: box after clicks behind it", js(BOX), [title, icon, "ok"])
    key = closing_keys.pop(0)
    closing_keys.append(key)
    driver.switch_to.active_element.send_keys(key)
    expect(f"{what}: box after a key", js(BOX), None)
    expect(f"{what}: focus after the box", js("return document.activeElement.id"), back_to)
    expect(f"{what}: the window after the box", js(STATE), before)


def open_page(url=None):
    """Loads the page, or reloads it, and waits until its program has started."""
    driver.get(url) if url else driver.refresh()
    for _ in range(500):
        if js("return kalvoranStarted"):
            return
        time.sleep(0.01)
    sys.exit("the page's program did not start")


# Alone in an empty folder: the file needs nothing beside it.
folder = tempfile.mkdtemp()
PAGE = shutil.copy(PAGE, folder)
try:
    open_page("file://" + PAGE)
    expect("title", driver.title, "Der Kalvoran")
    expect("metadata", js("return [document.documentElement.lang, document.querySelector("
                          "'meta[name=description]').content, document.querySelector("
                          "'meta[name=version]').content]"),
           ["de", "Programm zur Errechnung des el. Widerstands",
            re.fullmatch(r"Kalvoran-(.+)\.html", os.path.basename(PAGE))[1]])
    expect("start focus", js("return document.activeElement.id"), "Text1")

    # Until its program has started, the window takes no key and no click.
    before = js(STATE)
    js("kalvoranStarted = false")
    driver.switch_to.active_element.send_keys("5", Keys.TAB)
    click_circle("opt12v")
    click_control("hilfe")
    expect("before the start", [js(STATE), js(BOX), js("return document.activeElement.id")],
           [before, None, "Text1"])
    js("kalvoranStarted = true")

    # Tab: fields and command buttons, and each option group once, at its first button; the
    # arrow keys move within a group and select, as on the desktop.
    stops, groups = [], set()
    for name in tab_order:
        first_of_group = kinds[name] == "OptionButton" and rows[name][0] not in groups
        if kinds[name] in ("TextField", "CommandButton") or first_of_group:
            stops.append(name)
        if first_of_group:
            groups.add(rows[name][0])
    reached = ["Text1"]
    for _ in stops[1:]:
        driver.switch_to.active_element.send_keys(Keys.TAB)
        reached.append(js("return document.activeElement.id"))
    expect("tab order", reached, stops)
    click_control("Text1")
    driver.switch_to.active_element.send_keys(Keys.TAB, Keys.ARROW_DOWN)
    expect("arrow key in Frame1", js(STATE)[1] + js(STATE)[0][:1], ["opt12v", "stromueber",
                                                                     "Text1=12"])

    # Each control at its rectangle, the window 468 x 448.
    expect("window", js("const r = document.getElementById('Form1').getBoundingClientRect();"
                        "return [r.width, r.height];"), [468, 448])
    shown = js("const f = document.getElementById('Form1').getBoundingClientRect();"
               "return Object.fromEntries([...document.querySelectorAll('[data-control]')]"
               ".map(e => {"
               "const r = e.getBoundingClientRect();"
               "return [e.dataset.control,"
               " [r.left - f.left, r.top - f.top, r.width, r.height]]; }));")
    for name in rows:
        expect(f"rectangle of {name}", shown.get(name), list(place(name)))
    # An option button's caption shows as the table writes it, its runs of blanks kept.
    for name in OPTIONS:
        shown_caption = js("return document.querySelector(`[data-control='${arguments[0]}']`)"
                           ".innerText", name)
        expect(f"caption of {name}", shown_caption, captions[name])

    # The worked examples and the three boxes of a calculation: typed, "Berechnen" clicked.
    CALCULATIONS = [  # Text1, Text2, Text3, Text5; Text4 after; box title and icon
        ("12", "1,85", "2", "30", "276,666666666667", None, None),
        ("5", "3,5", "1", "20", "75", None, None),
        ("12", "5", "1", "125", "56", None, None),
        ("3,3", "3", "1", "20", "15", None, None),
        ("12", "2", "2,5", "20", "350", None, None),
        ("12", "3", "1", "0,5", "18000", None, None),
        ("12", "2", "6", "30", "0", None, None),
        ("12", "3,3", "4", "20", "alt", "Zu hohe Verbrauchsspannung", "information"),
        ("12", "", "2", "30", "alt", "Felder nicht ausgefüllt", "stop"),
        ("12", "1,85", "2", "0", "alt", "Berechnung nicht möglich", "stop"),
        (",", "1", "1", "1", "alt", "Ungültige Eingabe", "stop"),
    ]
    for *inputs, result, title, icon in CALCULATIONS:
        what = "calculation " + " ".join(inputs)
        click_control("neurechnen")
        for field, text in zip(FIELDS, inputs):
            type_into(field, text)
        js("document.getElementById('Text4').value = 'alt'")
        click_control("berechnen")
        expect(f"{what}: Text4", js("return document.getElementById('Text4').value"), result)
        check_box(what, title, icon, "berechnen")

    # Typing: what the filter keeps of keys, of inserted text (a phone's keyboard) and of an
    # input method's composition once committed (shown unfiltered while it is composed).
    TYPING = [("keys", "a1.b2,3 x-4€5" + Keys.BACKSPACE + "6", "12,346"),
              ("inserted text", "7x,ä8", "7,8"), ("composition", "x,ä9", "1,9")]
    for what, typed, kept in TYPING:
        click_control("neurechnen")
        driver.find_element("id", "Text2").click()
        if what == "keys":
            driver.switch_to.active_element.send_keys(typed)
        elif what == "composition":
            driver.execute_cdp_cmd("Input.insertText", {"text": "1"})
            driver.execute_cdp_cmd("Input.imeSetComposition",
                                   {"text": typed, "selectionStart": 1, "selectionEnd": 1})
            driver.execute_cdp_cmd("Input.insertText", {"text": typed})
        else:
            driver.execute_cdp_cmd("Input.insertText", {"text": typed})
        expect(f"typing by {what}", js("return document.getElementById('Text2').value"), kept)
    driver.find_element("id", "Text4").click()
    driver.switch_to.active_element.send_keys("12")
    expect("typing into the result", js("return document.getElementById('Text4').value"), "")

    # A click on each option button's circle selects it and writes its preset.
    PRESETS = {"opt5v": {"Text1": "5"}, "opt12v": {"Text1": "12"}, "opt10": {"Text1": "10"},
               "opt33": {"Text1": "3,3"}, "opt24": {"Text1": "24"}, "opt30": {"Text1": "30"},
               "belque": {"Text1": ""}, "lednor": {"Text2": "3", "Text5": "20"},
               "ledrot": {"Text2": "1,85", "Text5": "30"}, "ledgelb": {"Text2": "2", "Text5": "30"},
               "ledgrün": {"Text2": "3,3", "Text5": "20"},
               "ledblau": {"Text2": "3,5", "Text5": "20"},
               "ledweiß": {"Text2": "3,5", "Text5": "20"},
               "leduv": {"Text2": "3,6", "Text5": "20"},
               "lüft5v": {"Text2": "5", "Text5": "125"}, "lüft7v": {"Text2": "7", "Text5": "125"},
               "lüft9v": {"Text2": "9", "Text5": "125"}, "belverbr": {"Text2": "", "Text5": ""},
               "verbr1": {"Text3": "1"}, "verbr2": {"Text3": "2"}, "verbr3": {"Text3": "3"},
               "verbr4": {"Text3": "4"}, "verbr5": {"Text3": "5"}, "verbr6": {"Text3": "6"},
               "belanz": {"Text3": ""}, "strombel": {"Text5": ""}, "stromueber": {}}
    expect("option buttons with a preset", sorted(PRESETS), sorted(OPTIONS))
    for name, writes in PRESETS.items():
        js("for (const f of document.querySelectorAll('input[type=text]')) f.value = 'x';")
        click_circle(name)
        fields, checked = js(STATE)
        expect(f"{name} selected", name in checked, True)
        want = [f"Text{i}={writes.get(f'Text{i}', 'x')}" for i in (1, 2, 3, 4, 5)]
        expect(f"fields after {name}", fields, want)

    # "Neu": every field empty, only "Wert übernehmen" selected.
    click_circle("ledrot")
    click_control("neurechnen")
    expect("after Neu", js(STATE), [[f"Text{i}=" for i in (1, 2, 3, 4, 5)], ["stromueber"]])

    # "Hilfe", by a click and by Enter on the focused button.
    click_control("hilfe")
    check_box("Hilfe clicked", "Hilfe zum Kalvoran", "question", "hilfe")
    driver.switch_to.active_element.send_keys(Keys.ENTER)
    check_box("Hilfe by Enter", "Hilfe zum Kalvoran", "question", "hilfe")

    # Nothing was fetched, no policy was broken.
    requests = [json.loads(e["message"])["message"] for e in driver.get_log("performance")]
    urls = [m["params"]["request"]["url"] for m in requests
            if m["method"] == "Network.requestWillBeSent"]
    expect("the page's own request, logged", urls[:1], ["file://" + PAGE])
    expect("requests beside the page", [u for u in urls if not u.startswith("file://")], [])
    expect("resources loaded", js("return performance.getEntriesByType('resource').length"), 0)
    expect("browser's complaints", [e["message"] for e in driver.get_log("browser")
                                    if e["level"] == "SEVERE"], [])

    # A screen reader's view, Chromium's accessibility tree: each control's role and name as on
    # the desktop, each frame a group named by its caption; the result field read-only.
    def accessible(name):
        root = driver.execute_cdp_cmd("DOM.getDocument", {"depth": 0})["root"]["nodeId"]
        node = driver.execute_cdp_cmd("DOM.querySelector", {"nodeId": root,
                                      "selector": f"[id='{name}']"})["nodeId"]
        ax = driver.execute_cdp_cmd("Accessibility.getPartialAXTree",
                                    {"nodeId": node, "fetchRelatives": False})["nodes"][0]
        readonly = any(p["name"] == "readonly" and p["value"]["value"]
                       for p in ax.get("properties", []))
        return [ax["role"]["value"], ax["name"]["value"], readonly]

    ROLES = {"TextField": "textbox", "OptionButton": "radio", "CommandButton": "button",
             "Frame": "group"}
    for name in rows:
        if kinds[name] in ROLES:
            want_name = field_names.get(name, " ".join(captions[name].split()))
            expect(f"accessible {name}", accessible(name),
                   [ROLES[kinds[name]], want_name, name == "Text4"])

    # A paste from the clipboard by Ctrl+V: taken unfiltered as on the desktop, its first line.
    driver.execute_cdp_cmd("Browser.grantPermissions", {"permissions": [
        "clipboardReadWrite", "clipboardSanitizedWrite"]})
    for pasted, kept in (("-1.5 V", "-1.5 V"), ("2,5\r\n7", "2,5"), ("x\ny", "x")):
        click_control("neurechnen")
        driver.find_element("id", "Text2").click()
        driver.execute_async_script("navigator.clipboard.writeText(arguments[0])"
                                    ".then(arguments[1], e => arguments[1](String(e)))", pasted)
        driver.switch_to.active_element.send_keys(Keys.CONTROL, "v")
        expect(f"paste of {pasted!r}", js("return document.getElementById('Text2').value"), kept)

    # No caption cut at 100 %, 150 % and 200 %: each caption's text within the width of its
    # control's rectangle (a frame's caption within the frame's).
    CUT = ("const f = (e) => e.getBoundingClientRect(); return [...document.querySelectorAll("
           "'.frame > legend, .option > span, .command, .label > span')].filter(t => {"
           " const r = document.createRange(); r.selectNodeContents(t);"
           " const [a, b] = [f(r), f(t.closest('[data-control]'))];"
           " return a.left < b.left - 0.01 || a.right > b.right + 0.01;"
           "}).map(t => t.closest('[data-control]').dataset.control);")
    for scale in (1, 1.5, 2):
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": 600, "height": 600, "deviceScaleFactor": scale, "mobile": False})
        open_page()
        expect(f"captions cut at {scale:.0%}", [js("return devicePixelRatio"), js(CUT)],
               [scale, []])

    # A phone 360 pixels wide: the whole window scaled to the width, nothing to scroll sideways;
    # a tap on an option button's circle or on its caption selects it and writes its preset.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    open_page()
    # (Chromium would shrink a wider page to fit too, but with a layout narrower than the page.)
    expect("phone: scale, page wider than its layout, than the screen", js(
        "const e = document.documentElement;"
        "return [Math.round(visualViewport.scale * 468), e.scrollWidth - e.clientWidth,"
        " e.scrollWidth - Math.round(visualViewport.width)]"), [360, 0, 0])
    for name, part in (("opt24", "input"), ("ledblau", "span"), ("lüft7v", "input"),
                       ("verbr5", "span")):
        js("for (const f of document.querySelectorAll('input[type=text]')) f.value = 'x';")
        x, y = js("const r = document.querySelector(`[data-control='${arguments[0]}'] >"
                  f" {part}`).getBoundingClientRect();"
                  "return [r.left + r.width / 2, r.top + r.height / 2];", name)
        for kind in ("touchStart", "touchEnd"):
            points = [{"x": x, "y": y}] if kind == "touchStart" else []
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind,
                                                                "touchPoints": points})
        fields, checked = js(STATE)
        expect(f"phone: {name} tapped on its {part}", [name in checked, fields],
               [True, [f"Text{i}={PRESETS[name].get(f'Text{i}', 'x')}" for i in range(1, 6)]])
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})
    driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    open_page()

    # A browser without Uint8Array.fromBase64 and paint records starts the page all the same;
    # one without DecompressionStream, or with scripts off, says in the window's place that it
    # cannot.
    NO_START = "Der Kalvoran kann in diesem Browser nicht starten."
    for lacking, want in (("delete Uint8Array.fromBase64; Object.defineProperty("
                           "PerformanceObserver, 'supportedEntryTypes', {value: []});", "500"),
                          ("delete window.DecompressionStream;", NO_START), ("scripts", NO_START)):
        if lacking == "scripts":
            driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": True})
        else:
            added = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                           {"source": lacking})["identifier"]
        driver.refresh()
        for _ in range(200):
            if lacking == "scripts" or js("return kalvoranStarted || !document.getElementById("
                                          "'Form1')"):
                break
            time.sleep(0.01)
        if lacking != "scripts" and js("return kalvoranStarted"):
            for field, text in (("Text1", "12"), ("Text2", "2"), ("Text3", "1"), ("Text5", "20")):
                type_into(field, text)
            click_control("berechnen")
            got = js("return document.getElementById('Text4').value")
        else:
            got = driver.find_element("tag name", "body").text.strip()
        expect(f"a browser that lacks: {lacking}", got, want)
        if lacking == "scripts":
            driver.execute_cdp_cmd("Emulation.setScriptExecutionDisabled", {"value": False})
        else:
            driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                                   {"identifier": added})
    open_page()

    # "Beenden": the tab closes, or the form goes and one line says how to start again.
    click_control("beenden")
    handles = driver.window_handles
    print("after Beenden:", "the page is open" if handles else "the tab closed")
    if handles:
        ended = js("return [document.getElementById('Form1'),"
                   " document.getElementById('ended').textContent]")
        expect("after Beenden", ended, [None, "Der Kalvoran wurde beendet. Laden Sie die Seite neu,"
                                              " um ihn wieder zu starten."])
finally:
    driver.quit()
    shutil.rmtree(folder, ignore_errors=True)

for failure in failures:
    print("FAIL", failure)
print(f"check_page: {len(failures)} failures")
sys.exit(1 if failures else 0)
