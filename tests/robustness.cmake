# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzz targets and the soak test.
include(fuzz/fuzz.cmake)

# A long session in every drill window; run with the soak test preset, left out of the others.
sumbrook_test(tst_soak)
set_tests_properties(tst_soak PROPERTIES LABELS soak TIMEOUT 900)
# Qt Test stops a test function after five minutes by default.
set_property(TEST tst_soak APPEND PROPERTY ENVIRONMENT QTEST_FUNCTION_TIMEOUT=900000)
