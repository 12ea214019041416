# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -DSOURCE_DIR=<src> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25) # if(IN_LIST)
# Folders of src/ are layers, lowest first; a file may include only its own folder and folders
# below it. Fails, naming each file and include, when one reaches up.
set(layers core platform alarms trigger speaker widgets popups settings clock tray app)

file(GLOB_RECURSE files RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(violations "")
foreach(file IN LISTS files)
    string(REGEX MATCH "^[^/]+" folder "${file}")
    list(FIND layers "${folder}" own)
    if(own EQUAL -1)
        string(APPEND violations "\n  ${file}: folder ${folder} is not a known layer")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
        list(FIND layers "${target}" other)
        if(other GREATER own)
            string(APPEND violations "\n  ${file}: ${line}")
        endif()
    endforeach()
endforeach()
if(violations)
    message(FATAL_ERROR "Includes that reach a higher layer (order: ${layers}):${violations}")
endif()
