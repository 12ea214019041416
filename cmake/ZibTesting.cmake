# SPDX-License-Identifier: GPL-3.0-or-later
# zib_add_test(NAME <tst_name> SOURCES <files...> [LIBS <libs...>] [ENV <VAR=value...>] [LABELS <labels...>])
# One Qt Test executable per unit, run offscreen in a C UTF-8 locale.
function(zib_add_test)
    cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE zibtestsupport ${T_LIBS})
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    set_tests_properties(${T_NAME} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;LC_ALL=C.UTF-8;LANGUAGE=;TZ=UTC;${T_ENV}"
        TIMEOUT ${T_TIMEOUT}
        LABELS "${T_LABELS}")
endfunction()
