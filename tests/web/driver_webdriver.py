# SPDX-License-Identifier: GPL-3.0-or-later
"""What a driver does, on classic WebDriver through selenium: the part that Chromium's and
WebKitGTK's drivers share. Every driver has these members:
  open(url), reload(), back(): load and wait until the page's load event;
  js(body, *args): runs a function body (arguments[i], `return`, a promise is awaited);
  perform(actions): W3C input actions, real keys and pointer;
  set_clipboard(text): the text on the clipboard that Ctrl+V pastes;
  screenshot(): the viewport as PNG bytes;  complaints(): the console's errors since last asked;
  is_open(): the tab still there;
  quit(): ends all that it started."""
import base64
import sys

try:
    from selenium.common.exceptions import WebDriverException
    from selenium.webdriver.remote.command import Command
except ImportError:
    sys.exit("selenium is missing: install the Debian package python3-selenium")


class WebDriver:
    def __init__(self, driver):
        self.driver = driver

    def open(self, url):
        self.driver.get(url)

    def reload(self):
        self.driver.refresh()

    def back(self):
        self.driver.back()

    def js(self, body, *args):
        return self.driver.execute_script(body, *args)

    def perform(self, actions):
        self.driver.execute(Command.W3C_ACTIONS, {"actions": actions})

    def screenshot(self):
        return base64.b64decode(self.driver.get_screenshot_as_base64())

    def is_open(self):
        try:
            return bool(self.driver.window_handles)
        except WebDriverException:
            return False

    def quit(self):
        try:
            self.driver.quit()
        except WebDriverException:
            pass
