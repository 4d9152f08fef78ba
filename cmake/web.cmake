# SPDX-License-Identifier: GPL-3.0-or-later
# The browser's build: Kalvoran-VERSION.html, one file that needs nothing beside it, the
# WebAssembly inlined; its Content-Security-Policy (in the shell) allows no connection.
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
configure_file(${CMAKE_CURRENT_BINARY_DIR}/shell.html.in ${CMAKE_CURRENT_BINARY_DIR}/shell.html
    @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ui/web/shell.html.in)

add_executable(kalvoran_web
    host/web/dom.cpp
    host/web/web_host.cpp
    ui/web/elements.cpp
    ui/web/main.cpp
    ui/web/web_window.cpp
)
target_link_libraries(kalvoran_web PRIVATE kalvoran_portable)
set_target_properties(kalvoran_web PROPERTIES
    OUTPUT_NAME Kalvoran-${PROJECT_VERSION}
    SUFFIX .html
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}
    LINK_DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/shell.html)
target_link_options(kalvoran_web PRIVATE
    -Oz -flto
    --shell-file ${CMAKE_CURRENT_BINARY_DIR}/shell.html
    -sSINGLE_FILE=1 -sENVIRONMENT=web -sFILESYSTEM=0 -sMALLOC=emmalloc
    "-sINCOMING_MODULE_JS_API=[]" -sTEXTDECODER=2 -sDYNAMIC_EXECUTION=0
    # Compiled from the inlined bytes at once: the asynchronous way fetches them from their data:
    # URL first, a connection that the page's policy refuses.
    -sWASM_ASYNC_COMPILATION=0
    # Debian's html minifier fails at -O1 and above.
    -sMINIFY_HTML=0)

# The release file beside the other packages: `cmake --build --preset web --target package`
# copies the page, already named with the version, to where cpack puts the .deb and the zip.
set(KALVORAN_PACKAGE_DIR ${CMAKE_BINARY_DIR}/package CACHE PATH "Where the release file goes")
add_custom_target(package
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALVORAN_PACKAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kalvoran_web> ${KALVORAN_PACKAGE_DIR}
    DEPENDS kalvoran_web
    COMMENT "The release file: ${KALVORAN_PACKAGE_DIR}/Kalvoran-${PROJECT_VERSION}.html")
