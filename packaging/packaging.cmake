# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules and the Debian package.
include(GNUInstallDirs)

# Folders made by the install are 0755 whatever the umask, as Debian wants them in a package.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(SUMBROOK_APP_ID org.example.Sumbrook)
set(SUMBROOK_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

install(TARGETS sumbrook RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS sumbrook_chart LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/sumbrook)
# A stripped install (the package's) also drops the compiler's .comment and .note, as dh_strip.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sumbrook\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
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

# What Debian asks of every package beside the program: its copyright in the machine-readable
# format, its changelog and a manual page, the last two compressed as dh_installchangelogs and
# dh_installman would (gzip -9n: no name or time stamp, so the same bytes each build).
file(STRINGS ${SUMBROOK_PACKAGING_DIR}/changelog newest_entry LIMIT_COUNT 1)
if(NOT newest_entry MATCHES "^sumbrook \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog does not open with an entry for ${PROJECT_VERSION}")
endif()
find_program(SUMBROOK_GZIP gzip REQUIRED)
set(docs ${CMAKE_CURRENT_BINARY_DIR}/packaging)
configure_file(${SUMBROOK_PACKAGING_DIR}/sumbrook.1.in ${docs}/sumbrook.1 @ONLY)
add_custom_command(OUTPUT ${docs}/sumbrook.1.gz
    COMMAND ${SUMBROOK_GZIP} -9nkf sumbrook.1
    DEPENDS ${docs}/sumbrook.1
    WORKING_DIRECTORY ${docs})
add_custom_command(OUTPUT ${docs}/changelog.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${SUMBROOK_PACKAGING_DIR}/changelog changelog
    COMMAND ${SUMBROOK_GZIP} -9nf changelog
    DEPENDS ${SUMBROOK_PACKAGING_DIR}/changelog
    WORKING_DIRECTORY ${docs})
add_custom_target(package_documents ALL DEPENDS ${docs}/sumbrook.1.gz ${docs}/changelog.gz)
install(FILES ${docs}/sumbrook.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${SUMBROOK_PACKAGING_DIR}/copyright ${docs}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/sumbrook)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sumbrook)
set(CPACK_PACKAGE_VENDOR "Sumbrook developers")
set(CPACK_PACKAGE_CONTACT "Sumbrook developers <sumbrook@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "arithmetic drills for one learner")
set(CPACK_PACKAGE_DESCRIPTION
    "Sumbrook poses random addition, subtraction, multiplication and division\n\
problems in drill windows, shows at once whether an answer is right, keeps a\n\
count and saves the learner's scores in plain text files.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Sumbrook developers <sumbrook@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The design's fonts are replaced by Liberation Sans and Serif, which no library pulls in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
# Qt's own catalogues put Yes, No, OK and Cancel in the learner's language too.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# "System Info..." starts the first of these found on PATH (about/aboutwindow.cpp); any one
# will do.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS
    "hardinfo | kinfocenter | gnome-system-monitor | xfce4-taskmanager")

include(CPack)
