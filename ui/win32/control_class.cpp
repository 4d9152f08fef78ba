// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/win32/control_class.h"

#include <commctrl.h>

namespace kalvoran {

ControlClass controlClass(const ControlSpec& control) {
    switch (control.kind) {
    case Kind::TextField:
        return {WC_EDITW, WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case Kind::Label:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case Kind::OptionButton:
        // Selection is the host's: exclusive within the immediate container only. Clipped by
        // its siblings, as overlaps.h describes.
        return {WC_BUTTONW, BS_RADIOBUTTON | BS_MULTILINE | WS_CLIPSIBLINGS, 0};
    case Kind::CommandButton:
        return {WC_BUTTONW, WS_TABSTOP | BS_PUSHBUTTON, 0};
    case Kind::Frame:
        break;
    }
    return {};
}

} // namespace kalvoran
