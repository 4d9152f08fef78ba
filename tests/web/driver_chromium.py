# SPDX-License-Identifier: GPL-3.0-or-later
"""Debian's chromium, headless, through chromium-driver; the clipboard is the browser's own."""
import json
import os
import sys

from driver_webdriver import WebDriver

for need, package in (("/usr/bin/chromium", "chromium"),
                      ("/usr/bin/chromedriver", "chromium-driver")):
    if not os.path.exists(need):
        sys.exit(f"{need} is missing: install the Debian package {package}")
from selenium import webdriver  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402


class Chromium(WebDriver):
    name = "chromium"

    def __init__(self):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=600,600",
                         "--force-device-scale-factor=1", "--no-first-run", "--disable-extensions",
                         "--disable-background-networking", "--disable-component-update"):
            options.add_argument(argument)
        options.set_capability("goog:loggingPrefs", {"performance": "ALL", "browser": "ALL"})
        super().__init__(webdriver.Chrome(service=Service("/usr/bin/chromedriver"),
                                          options=options))
        self.cdp("Browser.grantPermissions", {"permissions": [
            "clipboardReadWrite", "clipboardSanitizedWrite"]})

    def cdp(self, method, params=None):
        return self.driver.execute_cdp_cmd(method, params or {})

    def set_clipboard(self, text):
        self.js("return navigator.clipboard.writeText(arguments[0])", text)

    def complaints(self):
        return [e["message"] for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]

    def requests(self):
        """The addresses the browser asked for since last asked."""
        messages = [json.loads(e["message"])["message"]
                    for e in self.driver.get_log("performance")]
        return [m["params"]["request"]["url"] for m in messages
                if m["method"] == "Network.requestWillBeSent"]
