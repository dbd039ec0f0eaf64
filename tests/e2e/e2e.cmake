# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The end-to-end run of the installed program under Xvfb, the validators on the installed
# desktop entry and metainfo, and the Debian package built and held to lintian. Each skips (77)
# where its tools are missing; `scripts/install-deps test` installs them.

# Debian's own interpreter: python3-pyatspi is installed for it, not for any other on the PATH.
find_program(SUMBROOK_SYSTEM_PYTHON3 python3 PATHS /usr/bin NO_DEFAULT_PATH)
if(SUMBROOK_SYSTEM_PYTHON3)
    add_test(NAME e2e_installed
        COMMAND ${SUMBROOK_SYSTEM_PYTHON3} ${CMAKE_CURRENT_LIST_DIR}/drive_installed.py
                ${CMAKE_BINARY_DIR} ${CMAKE_CURRENT_BINARY_DIR}/e2e)
    set_tests_properties(e2e_installed PROPERTIES LABELS e2e TIMEOUT 240 SKIP_RETURN_CODE 77)
else()
    message(STATUS "No /usr/bin/python3: the end-to-end test is left out")
endif()

add_test(NAME package_metadata
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/check-metadata ${CMAKE_BINARY_DIR})
set_tests_properties(package_metadata PROPERTIES LABELS package TIMEOUT 60 SKIP_RETURN_CODE 77)

# A whole release build of its own, made by dpkg-buildpackage.
add_test(NAME package_lintian
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/check-package ${CMAKE_SOURCE_DIR})
set_tests_properties(package_lintian PROPERTIES LABELS package TIMEOUT 1800 SKIP_RETURN_CODE 77)
