# SPDX-License-Identifier: GPL-3.0-or-later
"""WebKitGTK, Safari's engine: Debian's MiniBrowser (libwebkit2gtk-4.1-0) in a window on an X
server of its own, through webkit2gtk-driver's WebKitWebDriver and selenium."""
import os
import sys

from driver_webdriver import WebDriver
from xserver import TRIES, XServer, need, refused

MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
need("/usr/bin/WebKitWebDriver", "webkit2gtk-driver")
need(MINIBROWSER, "libwebkit2gtk-4.1-0")
from selenium import webdriver  # noqa: E402
from selenium.common.exceptions import WebDriverException  # noqa: E402
from selenium.webdriver.webkitgtk.service import Service  # noqa: E402


class WebKit(WebDriver):
    name = "webkit"
    # A browser in automation writes no console message anywhere a driver can read: the page's
    # copy carries a few lines that note its errors and policy violations (check_page.py).
    notes_complaints = True
    # The most that WebKitGTK takes from the X clipboard here (a larger text comes cut, after 30 s).
    clipboard_carries = 1 << 19

    def __init__(self):
        self.x = XServer()
        os.environ["DISPLAY"] = self.x.display
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        log = os.path.join(os.environ.get("TMPDIR", "/tmp"), f"webkitwebdriver-{os.getpid()}.log")
        for _ in range(TRIES):
            self.service = Service("/usr/bin/WebKitWebDriver", log_path=log)
            self.service.start()
            try:
                super().__init__(webdriver.Remote(self.service.service_url, options=options))
                break
            except WebDriverException as error:
                self.service.stop()
                if not refused(open(log, errors="replace").read()):
                    self.x.quit()
                    sys.exit(f"WebKitWebDriver did not start MiniBrowser: {error.msg}")
        else:
            self.x.quit()
            sys.exit("MiniBrowser did not start: the X server refused it")
        os.remove(log)

    def set_clipboard(self, text):
        self.x.set_clipboard(text)

    def complaints(self):
        return self.js("return window.pageComplaints ? pageComplaints.splice(0) : []")

    def requests(self):
        return None  # classic WebDriver has no network log

    def quit(self):
        super().quit()
        self.service.stop()
        self.x.quit()
