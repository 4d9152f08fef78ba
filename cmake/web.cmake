# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's build: Kalvoran-VERSION.html, one file that needs nothing beside it, the window
# and the WebAssembly inlined; its Content-Security-Policy (in the shell) allows no connection.
# The style sheet goes in without its comments and the space around its punctuation.
file(READ ui/web/shell.html.in shell)
string(FIND "${shell}" "<style>" styleStart)
string(FIND "${shell}" "</style>" styleEnd)
string(SUBSTRING "${shell}" 0 ${styleStart} head)
math(EXPR styleLength "${styleEnd} - ${styleStart}")
string(SUBSTRING "${shell}" ${styleStart} ${styleLength} style)
string(SUBSTRING "${shell}" ${styleEnd} -1 tail)
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" style "${style}")
string(REGEX REPLACE "[ \n]+" " " style "${style}")
string(REGEX REPLACE " ?([{};,>]) ?" "\\1" style "${style}")
string(REGEX REPLACE "([{;]) ?([a-z-]+): " "\\1\\2:" style "${style}")
string(REPLACE ";}" "}" style "${style}")
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/shell.html.in "${head}${style}${tail}")
# The window's colour, around it in the page and the installed app's.
set(KALVORAN_WINDOW_COLOUR "#f0f0f0")
configure_file(${CMAKE_CURRENT_BINARY_DIR}/shell.html.in ${CMAKE_CURRENT_BINARY_DIR}/shell.html
    @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ui/web/shell.html.in)

# The script: the core and the web host in WebAssembly, and emscripten's code that starts it.
add_executable(kalvoran_script
    host/web/dom.cpp
    host/web/web_host.cpp
    ui/web/elements.cpp
    ui/web/main.cpp
    ui/web/web_window.cpp
)
target_link_libraries(kalvoran_script PRIVATE kalvoran_portable)
set_target_properties(kalvoran_script PROPERTIES SUFFIX .js)
target_link_options(kalvoran_script PRIVATE
    -Oz -flto
    -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc
    -sTEXTDECODER=2 -sDYNAMIC_EXECUTION=0
    # A field holds what the user puts in, megabytes too: the memory grows with it.
    -sALLOW_MEMORY_GROWTH=1 -sEXPORTED_FUNCTIONS=_main,_malloc,_free
    # The least of emscripten's own script, as a function kalvoranProgram({wasm}) that the page
    # calls with the WebAssembly from its own text once the window is drawn (the shell).
    -sMINIMAL_RUNTIME=1 -sMODULARIZE=1 -sEXPORT_NAME=kalvoranProgram)

# The page, written by a tool of the same table under node: the shell, the window, the script.
add_executable(make_page packaging/make_page.cpp ui/web/markup.cpp)
target_link_libraries(make_page PRIVATE kalvoran_portable)
target_link_options(make_page PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1)
set(KALVORAN_PAGE ${CMAKE_BINARY_DIR}/Kalvoran-${PROJECT_VERSION}.html)
set(wasm $<TARGET_FILE_DIR:kalvoran_script>/kalvoran_script.wasm)
add_custom_command(OUTPUT ${KALVORAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -DIN=${wasm} -DOUT=${wasm}.gz -P ${PROJECT_SOURCE_DIR}/cmake/gzip.cmake
    COMMAND ${KALVORAN_NODE} $<TARGET_FILE:make_page> ${CMAKE_CURRENT_BINARY_DIR}/shell.html
        $<TARGET_FILE:kalvoran_script> ${wasm}.gz ${PROJECT_SOURCE_DIR}/packaging/kalvoran.png
        ${KALVORAN_PAGE}
    DEPENDS make_page kalvoran_script ${CMAKE_CURRENT_BINARY_DIR}/shell.html
        packaging/kalvoran.png
    VERBATIM)
add_custom_target(kalvoran_web ALL DEPENDS ${KALVORAN_PAGE})

# The installable site for any static web space: the page as index.html with the manifest and the
# service worker beside it, and the program's icons at the sizes a web app needs.
set(KALVORAN_SITE ${CMAKE_BINARY_DIR}/site)
set(KALVORAN_SITE_FILES index.html manifest.webmanifest sw.js kalvoran-192.png kalvoran-512.png)
configure_file(packaging/site/manifest.webmanifest.in ${KALVORAN_SITE}/manifest.webmanifest @ONLY)
configure_file(packaging/site/sw.js.in ${KALVORAN_SITE}/sw.js @ONLY)
configure_file(packaging/kalvoran-192.png ${KALVORAN_SITE}/kalvoran-192.png COPYONLY)
configure_file(packaging/kalvoran-512.png ${KALVORAN_SITE}/kalvoran-512.png COPYONLY)
add_custom_command(OUTPUT ${KALVORAN_SITE}/index.html
    COMMAND ${CMAKE_COMMAND} -DPAGE=${KALVORAN_PAGE} -DHEAD=${PROJECT_SOURCE_DIR}/packaging/site/head.html
        -DOUT=${KALVORAN_SITE}/index.html -P ${PROJECT_SOURCE_DIR}/cmake/web_site.cmake
    DEPENDS ${KALVORAN_PAGE} packaging/site/head.html cmake/web_site.cmake
    VERBATIM)
add_custom_target(kalvoran_site ALL DEPENDS ${KALVORAN_SITE}/index.html)

# The release files beside the other packages: `cmake --build --preset web --target package`
# copies the page, already named with the version, and zips the site, to where cpack puts the
# .deb and the zip. The zip's files carry one fixed time, so that two builds give the same bytes.
set(KALVORAN_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package CACHE PATH "Where the release file goes")
set(KALVORAN_SITE_ZIP ${KALVORAN_PACKAGE_DIR}/Kalvoran-${PROJECT_VERSION}-web.zip)
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALVORAN_PACKAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${KALVORAN_PAGE} ${KALVORAN_PACKAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${KALVORAN_SITE_ZIP}
    COMMAND ${CMAKE_COMMAND} -E chdir ${KALVORAN_SITE} ${CMAKE_COMMAND} -E tar cf
        ${KALVORAN_SITE_ZIP} --format=zip --mtime=2026-12-10 ${KALVORAN_SITE_FILES}
    DEPENDS kalvoran_web kalvoran_site
    COMMENT "The release files: ${KALVORAN_PACKAGE_DIR}/Kalvoran-${PROJECT_VERSION}.html and -web.zip")
