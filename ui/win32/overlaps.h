// SPDX-License-Identifier: GPL-3.0-or-later
// Some rectangles of the layout overlap their neighbours ("3,3 Volt" reaches into "24 Volt",
// rows by a pixel). Win32 puts the sibling created first on top, for painting and for clicks,
// and a sibling below still paints over it when it is redrawn. So what the user sees decides
// instead: where a control shows something (an option button its circle and caption, any other
// control its whole rectangle) that part is its own, and every sibling's window region leaves it
// out. Where both show something, the one created later keeps it, as Qt stacks them. Option
// buttons carry WS_CLIPSIBLINGS, so that one below paints only where the regions above leave it
// room.
#pragma once

#include <windows.h>

#include <vector>

namespace kalvoran {

struct Sibling {
    HWND hwnd;
    RECT rect;  // in the container's client coordinates
    RECT shown; // the part of rect that shows something
};

// The part of an option button at rect (in its container's coordinates, at dpi) that shows its
// circle and caption, its caption measured on dc with the button's font (which must be set).
RECT shownPart(HDC dc, HWND optionButton, const RECT& rect, UINT dpi);

// siblings: the controls of one container, in creation order.
void shareOverlaps(const std::vector<Sibling>& siblings);

} // namespace kalvoran
