# SPDX-License-Identifier: GPL-3.0-or-later
# The site's index.html: the page PAGE with its policy replaced by the site's head HEAD (a policy
# that lets it use its own origin for the manifest, the worker and the icons, the manifest link
# and the worker's registration). cmake -DPAGE=... -DHEAD=... -DOUT=... -P web_site.cmake
file(READ ${PAGE} page)
file(READ ${HEAD} head)
string(REGEX REPLACE "^<!--[^\n]*-->\n" "" head "${head}")
string(REGEX MATCH "<meta http-equiv=\"Content-Security-Policy\"[^>]*>\n" policy "${page}")
if(NOT policy)
    message(FATAL_ERROR "${PAGE} holds no Content-Security-Policy")
endif()
string(REPLACE "${policy}" "${head}" page "${page}")
file(WRITE ${OUT} "${page}")
