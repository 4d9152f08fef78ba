# SPDX-License-Identifier: GPL-3.0-or-later
# Linux and other Unix desktops: the window on Qt 6 Widgets, its icons, install and Debian package.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg Test)
qt_standard_project_setup()

add_library(kalvoran_host_qt STATIC host/qt/qt_host.cpp host/qt/key_filter.cpp)
target_link_libraries(kalvoran_host_qt PUBLIC kalvoran_portable Qt6::Widgets)

add_library(kalvoran_ui STATIC
    ui/qt/accessible.cpp
    ui/qt/app_setup.cpp
    ui/qt/display_check.cpp
    ui/qt/events.cpp
    ui/qt/fonts.cpp
    ui/qt/frame.cpp
    ui/qt/main_window.cpp
    ui/qt/wrapping_radio_button.cpp
)
target_link_libraries(kalvoran_ui PUBLIC kalvoran_host_qt)
set_source_files_properties(ui/qt/app_setup.cpp PROPERTIES
    COMPILE_DEFINITIONS KALVORAN_VERSION="${PROJECT_VERSION}")

# The icon's sources: an XPM, from which the window's icon, the 48 px PNG and the program
# file's .ico are made, and the same drawing as an SVG for the icon theme's other sizes.
add_executable(make_icons packaging/make_icons.cpp)
target_link_libraries(make_icons PRIVATE Qt6::Gui Qt6::Svg)
set(KALVORAN_PNG ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.png)
set(KALVORAN_ICO ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.ico)
set(KALVORAN_THEME_SIZES 16 24 32 64 128 256)
set(KALVORAN_THEME_PNGS)
# The web app's sizes are made beside them, for the copies that the browser's build takes from
# packaging/ (tests/check_packaging.sh compares them).
set(KALVORAN_APP_SIZES 192 512)
foreach(size ${KALVORAN_THEME_SIZES} ${KALVORAN_APP_SIZES})
    list(APPEND KALVORAN_THEME_PNGS ${CMAKE_CURRENT_BINARY_DIR}/hicolor/${size}x${size}/kalvoran.png)
endforeach()
add_custom_command(
    OUTPUT ${KALVORAN_PNG} ${KALVORAN_ICO} ${KALVORAN_THEME_PNGS}
    COMMAND make_icons ${CMAKE_CURRENT_SOURCE_DIR}/packaging/kalvoran.xpm
            ${CMAKE_CURRENT_SOURCE_DIR}/packaging/kalvoran.svg ${CMAKE_CURRENT_BINARY_DIR}
    DEPENDS make_icons packaging/kalvoran.xpm packaging/kalvoran.svg
    COMMENT "Making the icons"
)
add_custom_target(kalvoran_icons ALL DEPENDS ${KALVORAN_PNG} ${KALVORAN_ICO} ${KALVORAN_THEME_PNGS})

add_executable(kalvoran ui/qt/main.cpp)
target_link_libraries(kalvoran PRIVATE kalvoran_ui)
# Where Qt draws text through fontconfig (Linux and other Unix desktops), the program reads
# fontconfig's configuration early, on a thread of its own; the set-up installs its headers.
if(UNIX AND NOT APPLE)
    find_package(Fontconfig REQUIRED)
endif()
if(Fontconfig_FOUND)
    target_compile_definitions(kalvoran PRIVATE KALVORAN_HAVE_FONTCONFIG)
    target_link_libraries(kalvoran PRIVATE Fontconfig::Fontconfig)
endif()

include(GNUInstallDirs)
install(TARGETS kalvoran RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program also loses the compilers' notes (.comment), as Debian's own packages do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kalvoran\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
# The files that name the version, the summary or the maker get them from CMakeLists.txt.
foreach(doc de.kalvoran.Kalvoran.desktop de.kalvoran.Kalvoran.metainfo.xml changelog kalvoran.1
            copyright lintian-overrides)
    configure_file(packaging/${doc}.in ${doc} @ONLY)
endforeach()
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/de.kalvoran.Kalvoran.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/de.kalvoran.Kalvoran.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KALVORAN_PNG} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
foreach(size ${KALVORAN_THEME_SIZES})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/hicolor/${size}x${size}/kalvoran.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES packaging/kalvoran.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/kalvoran.xpm DESTINATION ${CMAKE_INSTALL_DATADIR}/pixmaps)

# Debian wants the changelog and the manual page compressed, reproducibly.
foreach(doc changelog kalvoran.1)
    add_custom_command(
        OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz
        COMMAND gzip -9nc ${CMAKE_CURRENT_BINARY_DIR}/${doc} > ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${doc}
    )
endforeach()
add_custom_target(kalvoran_docs ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
                                            ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kalvoran.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME kalvoran)

# cpack --preset deb: kalvoran_VERSION_<arch>.deb
set(CPACK_PACKAGE_NAME kalvoran)
set(CPACK_PACKAGE_VENDOR ${KALVORAN_MAKER})
set(CPACK_PACKAGE_CONTACT ${KALVORAN_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Der Kalvoran errechnet den Vorwiderstand für eine oder mehrere gleiche LEDs\n oder kleine Lüfter in Reihe an einer Gleichspannungsquelle.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# cpack stamps the package's files with the time of the last commit, so that two runs of the
# same build give the same bytes.
configure_file(packaging/cpack_options.cmake.in cpack_options.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/cpack_options.cmake)
include(CPack)

