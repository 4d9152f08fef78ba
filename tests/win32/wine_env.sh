# SPDX-License-Identifier: GPL-3.0-or-later
# Wine as the Windows tests run it: 64-bit only (Debian's wine64), quiet but for its own
# diagnostics, without the .NET and HTML installers' dialogs. Sets wine and wineserver.
# Sourced by the scripts beside it and bench/wine.sh.
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all,err+winediag WINEDLLOVERRIDES="mscoree,mshtml="
