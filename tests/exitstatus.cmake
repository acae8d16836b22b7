# Runs a program and passes its output on only when it exits with the expected status, so
# that a test's PASS_REGULAR_EXPRESSION (which alone ignores the status) checks both.
#   cmake -D PROGRAM=<file> -D ARGS=<a;b> -D STATUS=<n> -P exitstatus.cmake
cmake_policy(VERSION 3.25)
execute_process(COMMAND ${PROGRAM} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err
                RESULT_VARIABLE status)
if(NOT status STREQUAL STATUS)
    message(FATAL_ERROR "${PROGRAM} ${ARGS}: exit status ${status}, expected ${STATUS}")
endif()
message("${out}${err}")
