# Run after a split test program is built (see qv_add_test's SPLIT): asks the program for its
# test functions and their rows and writes the CTest tests that run them: one per row of
# each SPLIT function, one per WHOLE function, and one for all the other functions together.
#   cmake -D INPUT=<name>_split.cmake -P splitrows.cmake
# INPUT sets PROGRAM, NAME, SPLIT and WHOLE (function or function=seconds), SERIAL (runs,
# function:row, that run alone and first), BUSY (functions or function:row whose runs count
# as two of CTest's jobs), REST_COST, OUTPUT and PROPERTIES (the properties every one of
# these tests gets, as CMake code).
cmake_policy(VERSION 3.25)
include(${INPUT})

# The program only lists; it must not need a display or report leaks of a listing run.
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{QT_QPA_PLATFORMTHEME} "")
set(ENV{ASAN_OPTIONS} "detect_leaks=0")

function(ask option result)
    execute_process(COMMAND ${PROGRAM} ${option} OUTPUT_VARIABLE out ERROR_VARIABLE err
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${option} failed (${status}):\n${out}${err}")
    endif()
    string(REPLACE ";" "\\;" out "${out}")
    string(REPLACE "\n" ";" lines "${out}")
    set(${result} "${lines}" PARENT_SCOPE)
endfunction()

# function=seconds: the function's name, and its cost in cost_<function>.
function(read_costs items result)
    set(functions)
    foreach(item IN LISTS items)
        string(REGEX MATCH "^[^=]+" function "${item}")
        set(cost 0)
        if(item MATCHES "=(.+)$")
            set(cost ${CMAKE_MATCH_1})
        endif()
        list(APPEND functions ${function})
        set(cost_${function} ${cost} PARENT_SCOPE)
    endforeach()
    set(${result} ${functions} PARENT_SCOPE)
endfunction()
read_costs("${SPLIT}" split_functions)
read_costs("${WHOLE}" whole_functions)

set(text "# Written by splitrows.cmake after ${NAME} was built.\n")
function(add_run test_name cost)
    set(extra)
    string(REGEX MATCH "^[^:]+" function "${ARGN}")
    if(function IN_LIST BUSY OR ARGN IN_LIST BUSY)
        set(extra " PROCESSORS 2")
    endif()
    set(args)
    foreach(arg IN LISTS ARGN)
        string(APPEND args " [==[${arg}]==]")
    endforeach()
    list(APPEND runs_found "${ARGN}")
    set(runs_found "${runs_found}" PARENT_SCOPE)
    if(ARGN IN_LIST SERIAL)
        string(APPEND extra " RUN_SERIAL TRUE")
        set(cost 1000)
    endif()
    string(APPEND text "add_test([==[${test_name}]==] [==[${PROGRAM}]==]${args})\n"
                       "set_tests_properties([==[${test_name}]==] PROPERTIES ${PROPERTIES} "
                       "COST ${cost}${extra})\n")
    set(text "${text}" PARENT_SCOPE)
endfunction()

set(runs_found)
# "TestClass function" or "TestClass function row tag"
ask(-datatags rows)
set(found)
foreach(line IN LISTS rows)
    if(NOT line MATCHES "^[^ ]+ ([A-Za-z0-9_]+)( (.*))?$")
        continue()
    endif()
    set(function ${CMAKE_MATCH_1})
    set(row "${CMAKE_MATCH_3}")
    list(APPEND found ${function})
    if(NOT function IN_LIST split_functions)
        continue()
    endif()
    set(run ${function})
    if(NOT row STREQUAL "")
        set(run "${function}:${row}")
    endif()
    string(REGEX REPLACE "[^A-Za-z0-9]+" "_" suffix "${run}")
    string(REGEX REPLACE "_$" "" suffix "${suffix}")
    add_run(${NAME}_${suffix} ${cost_${function}} "${run}")
endforeach()
foreach(function IN LISTS split_functions whole_functions)
    if(NOT function IN_LIST found)
        message(FATAL_ERROR "${NAME} has no test function ${function}")
    endif()
    if(function IN_LIST whole_functions)
        add_run(${NAME}_${function} ${cost_${function}} ${function})
    endif()
endforeach()

# The other functions run together, in one program run.
ask(-functions functions)
set(rest)
foreach(line IN LISTS functions)
    if(line MATCHES "^([A-Za-z0-9_]+)\\(\\)$" AND NOT CMAKE_MATCH_1 IN_LIST split_functions
       AND NOT CMAKE_MATCH_1 IN_LIST whole_functions)
        list(APPEND rest ${CMAKE_MATCH_1})
    endif()
endforeach()
if(rest)
    add_run(${NAME}_rest ${REST_COST} ${rest})
endif()
foreach(run IN LISTS SERIAL BUSY)
    if(run MATCHES ":" AND NOT run IN_LIST runs_found)
        message(FATAL_ERROR "${NAME} has no row ${run}")
    endif()
endforeach()

file(WRITE ${OUTPUT}.new "${text}")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
