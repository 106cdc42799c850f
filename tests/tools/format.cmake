# Fails unless every C++ file of the project is laid out as .clang-format says.
#
#   cmake -DCLANG_FORMAT=<program> -DROOT=<project> -P format.cmake

file(GLOB_RECURSE files "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tests/*.h"
     "${ROOT}/tests/*.cpp" "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp")
set(badly "")
foreach(file IN LISTS files)
    execute_process(COMMAND "${CLANG_FORMAT}" --dry-run --Werror "${file}"
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    if(NOT rc EQUAL 0)
        file(RELATIVE_PATH shown "${ROOT}" "${file}")
        list(APPEND badly ${shown})
    endif()
endforeach()
if(badly)
    list(JOIN badly "\n  " list)
    message(FATAL_ERROR "not formatted (run clang-format -i on them):\n  ${list}")
endif()
