# The English catalogue is complete and current: lupdate, run into a copy of it with the
# project's options, finds no text of the sources missing or untranslated and none that the
# sources no longer have; lrelease finds no unfinished translation in the file itself.
#   cmake -D LUPDATE=<lupdate> -D LRELEASE=<lrelease> -D TS=<qvconfig_en.ts>
#         -D SOURCES=<file listing the sources> -D INCLUDE=<source tree> -D WORK=<folder>
#         -P translations.cmake
cmake_policy(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
get_filename_component(name ${TS} NAME)
set(copy ${WORK}/${name})
file(COPY_FILE ${TS} ${copy})

# Without -no-obsolete: a text the sources lost stays in the copy, marked vanished.
execute_process(COMMAND ${LUPDATE} -I ${INCLUDE} -source-language hu_HU -locations none
                        -target-language en @${SOURCES} -ts ${copy}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${out}${err}")
endif()

# Each message that is not finished, with its context and source text.
file(READ ${copy} ts)
set(faults "")
string(REGEX MATCHALL "<context>.*</context>" contexts "${ts}")
string(REPLACE "</context>" "</context>;" contexts "${contexts}")
foreach(context IN LISTS contexts)
    string(REGEX MATCH "<name>([^<]*)</name>" _ "${context}")
    set(context_name "${CMAKE_MATCH_1}")
    string(REPLACE "</message>" "</message>;" messages "${context}")
    foreach(message IN LISTS messages)
        if(message MATCHES "type=\"(unfinished|vanished|obsolete)\"")
            set(kind "${CMAKE_MATCH_1}")
            string(REGEX MATCH "<source>([^<]*)</source>" _ "${message}")
            if(kind STREQUAL "unfinished")
                set(kind "missing or untranslated")
            else()
                set(kind "no longer in the sources")
            endif()
            string(APPEND faults "\n  ${context_name}: \"${CMAKE_MATCH_1}\" (${kind})")
        endif()
    endforeach()
endforeach()

execute_process(COMMAND ${LRELEASE} ${TS} -qm ${WORK}/check.qm
                RESULT_VARIABLE status OUTPUT_VARIABLE released ERROR_VARIABLE err)
message("${released}${err}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease failed (${status})")
endif()
if(NOT released MATCHES "([0-9]+) finished and ([0-9]+) unfinished" OR NOT CMAKE_MATCH_2 EQUAL 0)
    string(APPEND faults "\n  lrelease: ${CMAKE_MATCH_2} unfinished translations in ${name}")
endif()

if(faults)
    message(FATAL_ERROR "${name} is not complete: build the target update_translations and "
                        "translate what it marks unfinished.${faults}")
endif()
