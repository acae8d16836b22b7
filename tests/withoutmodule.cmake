# The program without its Gui module beside it (a copy of it alone in a folder): a command
# without a window still runs, while the window and the sheet say which part is missing and
# end with their status, instead of crashing.
#   cmake -D PROGRAM=<qvconfig> -D DATA=<a configuration file> -D WORK=<folder> -P withoutmodule.cmake
cmake_policy(VERSION 3.25)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bin)
file(COPY ${PROGRAM} DESTINATION ${WORK}/bin)
get_filename_component(name ${PROGRAM} NAME)
set(faults "")
# arguments | exit status | what the error output holds
foreach(run "diff,${DATA},${DATA}|0|^$"
            "--lang,en|1|A part of the program \\(.*qvconfig-gui\\) cannot be loaded"
            "sheet,${DATA},-o,${WORK}/sheet.pdf,--lang,en|4|A part of the program \\(.*qvconfig-gui\\)")
    string(REPLACE "|" ";" run "${run}")
    list(GET run 0 arguments)
    list(GET run 1 expected)
    list(GET run 2 pattern)
    string(REPLACE "," ";" arguments "${arguments}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                            ${WORK}/bin/${name} ${arguments}
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT status STREQUAL expected OR NOT err MATCHES "${pattern}")
        string(APPEND faults "\n  ${arguments}: status ${status} (expected ${expected}), said: ${err}")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "Without the Gui module:${faults}")
endif()
