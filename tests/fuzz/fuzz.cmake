# SPDX-FileCopyrightText: 2026 Sumbrook developers <sumbrook@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# libFuzzer targets for the functions that read typed and file input; built only with clang and
# SUMBROOK_FUZZ=ON (the fuzz preset), which instruments the library for them.
option(SUMBROOK_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(SUMBROOK_FUZZ AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_custom_target(sumbrook_fuzz)
    foreach(target numbers formats codepage scorerecord)
        add_executable(fuzz_${target} ${CMAKE_CURRENT_LIST_DIR}/fuzz_${target}.cpp
                                      ${CMAKE_CURRENT_LIST_DIR}/fuzzcheck.h)
        target_link_libraries(fuzz_${target} PRIVATE sumbrook_core)
        target_link_options(fuzz_${target} PRIVATE -fsanitize=fuzzer)
        add_dependencies(sumbrook_fuzz fuzz_${target})
    endforeach()
elseif(SUMBROOK_FUZZ)
    message(WARNING "The fuzz targets need clang: configure with the fuzz preset")
endif()
