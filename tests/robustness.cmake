# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets, the soak test and kills at every system call.
include(fuzz/fuzz.cmake)

# A long session in every drill window; run with the soak test preset, left out of the others.
sumbrook_test(tst_soak)
set_tests_properties(tst_soak PROPERTIES LABELS soak TIMEOUT 900)
# Qt Test stops a test function after five minutes by default.
set_property(TEST tst_soak APPEND PROPERTY ENVIRONMENT QTEST_FUNCTION_TIMEOUT=900000)

# Another copy killed at each system call of a save and of a write-back, through strace.
sumbrook_test(tst_killsweep)
add_dependencies(tst_killsweep scorewriter)
target_compile_definitions(tst_killsweep PRIVATE SCOREWRITER="$<TARGET_FILE:scorewriter>")
set_tests_properties(tst_killsweep PROPERTIES TIMEOUT 600)
