# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: the program and what a desktop needs to show and describe it. The Debian package
# (debian/) installs through them and adds the copyright and changelog itself.
include(GNUInstallDirs)

# Folders made by the install are 0755 whatever the umask, as Debian wants them in a package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SUMBROOK_APP_ID org.example.Sumbrook)
set(SUMBROOK_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS sumbrook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The module the program opens only when reading aloud is first wanted.
install(TARGETS sumbrook_speech LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/sumbrook)
install(FILES ${SUMBROOK_PACKAGING_DIR}/${SUMBROOK_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The release it describes is the project's version.
configure_file(${SUMBROOK_PACKAGING_DIR}/${SUMBROOK_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/${SUMBROOK_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${SUMBROOK_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48)
    install(FILES ${CMAKE_SOURCE_DIR}/resources/sumbrook-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME sumbrook.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/resources/sumbrook.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The manual page, with the version written in; the package compresses it (dh_compress).
configure_file(${SUMBROOK_PACKAGING_DIR}/sumbrook.1.in ${CMAKE_CURRENT_BINARY_DIR}/sumbrook.1
               @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/sumbrook.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's version is the newest changelog entry's, so that entry is the project's version.
file(STRINGS ${CMAKE_SOURCE_DIR}/debian/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^sumbrook \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "debian/changelog does not open with an entry for ${PROJECT_VERSION}")
endif()
