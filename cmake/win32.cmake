# SPDX-License-Identifier: GPL-3.0-or-later
# Windows: Kalvoran.exe on the Win32 API, one file with its version record, icon and manifest.
enable_language(RC)

add_library(kalvoran_win32 STATIC
    host/win32/key_filter.cpp
    host/win32/subclass.cpp
    host/win32/utf16.cpp
    host/win32/win32_host.cpp
    ui/win32/control_class.cpp
    ui/win32/fonts.cpp
    ui/win32/frame.cpp
    ui/win32/level.cpp
    ui/win32/main_window.cpp
    ui/win32/option_keys.cpp
    ui/win32/overlaps.cpp
    ui/win32/window_class.cpp
)
target_link_libraries(kalvoran_win32 PUBLIC kalvoran_portable comctl32 imm32 gdi32 user32)
target_compile_definitions(kalvoran_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                                                _WIN32_WINNT=0x0A00 WINVER=0x0A00)

# The version record, the icon and the manifest, with the project's version, summary and maker
# filled in; the icon's id is ui/win32/resource_ids.h's, which the program reads too. The .ico
# is committed beside the resource script; the Linux build proves that make_icons still makes it
# from the XPM byte for byte.
set(KALVORAN_ICON ${CMAKE_CURRENT_SOURCE_DIR}/packaging/kalvoran.ico)
set(KALVORAN_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.manifest)
configure_file(packaging/kalvoran.manifest.in ${KALVORAN_MANIFEST} @ONLY)
configure_file(packaging/manifest.rc.in manifest.rc @ONLY)
configure_file(packaging/kalvoran.rc.in kalvoran.rc @ONLY)
set(KALVORAN_RESOURCES ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.rc ${CMAKE_CURRENT_BINARY_DIR}/manifest.rc)
set_source_files_properties(${KALVORAN_RESOURCES} PROPERTIES
    OBJECT_DEPENDS
    "${KALVORAN_ICON};${KALVORAN_MANIFEST};${CMAKE_CURRENT_SOURCE_DIR}/ui/win32/resource_ids.h")

add_executable(kalvoran WIN32 ui/win32/main.cpp ${KALVORAN_RESOURCES})
target_link_libraries(kalvoran PRIVATE kalvoran_win32)
set_target_properties(kalvoran PROPERTIES OUTPUT_NAME Kalvoran)

if(MINGW)
    # One file: the C++ runtime, libgcc and winpthread linked in. Address space layout
    # randomisation, no-execute data, and no link time stamp, so that two builds are the same.
    target_link_options(kalvoran PRIVATE -static -municode $<$<CONFIG:Release,MinSizeRel>:-s>
        LINKER:--dynamicbase,--nxcompat,--high-entropy-va,--no-insert-timestamp)
endif()

install(TARGETS kalvoran RUNTIME DESTINATION .)
configure_file(packaging/LIESMICH.txt.in LIESMICH.txt @ONLY)
set(kalvoran_documents LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LIESMICH.txt)
install(FILES ${kalvoran_documents} DESTINATION .)

# cpack --preset windows: the portable Kalvoran-VERSION-win64.zip and the installer
# Kalvoran-VERSION-win64-setup.exe (packaging/nsis), their files stamped with the time of the last
# commit or not at all (cpack_options.cmake), so that two packings are the same bytes.
set(CPACK_PACKAGE_NAME Kalvoran)
set(CPACK_PACKAGE_VENDOR ${KALVORAN_MAKER})
set(CPACK_PACKAGE_FILE_NAME Kalvoran-${PROJECT_VERSION}-win64)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/packaging/nsis)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Kalvoran)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Kalvoran)
set(CPACK_NSIS_PACKAGE_NAME Kalvoran)
set(CPACK_NSIS_DISPLAY_NAME Kalvoran)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_MUI_ICON ${CMAKE_CURRENT_SOURCE_DIR}/packaging/kalvoran.ico)
set(CPACK_NSIS_MUI_UNIICON ${CPACK_NSIS_MUI_ICON})
get_target_property(program kalvoran OUTPUT_NAME)
set(CPACK_KALVORAN_PROGRAM ${program}${CMAKE_EXECUTABLE_SUFFIX})
# The uninstaller removes exactly the files installed, named in a fixed order (cpack would list
# them in the order of the file system's directory); a file in use goes at the next start.
set(installed ${CPACK_KALVORAN_PROGRAM})
foreach(document IN LISTS kalvoran_documents)
    get_filename_component(name ${document} NAME)
    list(APPEND installed ${name})
endforeach()
list(SORT installed)
set(delete_lines "")
foreach(name IN LISTS installed)
    string(APPEND delete_lines "Delete /REBOOTOK \"$INSTDIR\\${name}\"\n")
endforeach()
set(CPACK_KALVORAN_DELETE_FILES ${CMAKE_CURRENT_BINARY_DIR}/uninstall_files.nsh)
file(CONFIGURE OUTPUT ${CPACK_KALVORAN_DELETE_FILES} CONTENT "${delete_lines}" @ONLY)
# Numbered as the exe's own version record numbers it.
set(CPACK_KALVORAN_FILE_VERSION ${KALVORAN_FILE_VERSION})
configure_file(packaging/cpack_options.cmake.in cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_options.cmake)
include(CPack)
