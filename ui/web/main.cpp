// SPDX-License-Identifier: GPL-3.0-or-later
// The page's program: the window is built once the page has loaded, and stays while the page
// does; the browser runs its events.
#include "ui/web/web_window.h"

int main() {
    static kalvoran::WebWindow window;
    window.show();
    return 0;
}
