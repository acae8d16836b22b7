# The folders' include arrows run downward only: each folder's sources include headers of
# the folders listed for it, and of no other (app/, at the top, may include any).
#   cmake -D SOURCE_DIR=<source tree> -P layering.cmake
cmake_policy(VERSION 3.25)

set(ALLOWED_settings settings)
set(ALLOWED_ui ui)
set(ALLOWED_form form settings ui)
set(ALLOWED_serial serial form settings ui)
set(ALLOWED_files files form settings ui)
set(ALLOWED_transfer transfer serial form settings ui)
set(ALLOWED_register register transfer settings)
# The register's widgets sit above everything but app/.
set(ALLOWED_register/gui register transfer files serial form settings ui)
# Series programming: no widgets, so no ui/.
set(ALLOWED_series series register transfer files serial form settings)
# The series' widgets, beside the register's.
set(ALLOWED_series/gui series register transfer files serial form settings ui)
# The customer's sheet: its content and pages without widgets, above the form and the
# record; its printing in the window beside the register's and the series' widgets.
set(ALLOWED_sheet sheet transfer form settings)
set(ALLOWED_sheet/gui sheet register transfer files serial form settings ui)
# The status watch: its samples, log and repeated query without widgets, above the status
# exchange and the register; its window, plot and meter beside the other widgets.
set(ALLOWED_watch watch register transfer serial form settings)
set(ALLOWED_watch/gui watch register transfer files serial form settings ui)

set(faults "")
foreach(folder settings ui form serial files transfer register register/gui series series/gui
               sheet sheet/gui watch watch/gui)
    file(GLOB sources ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
        foreach(line ${includes})
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target IN_LIST ALLOWED_${folder})
                file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                string(APPEND faults "\n  ${name}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(faults)
    message(FATAL_ERROR "Includes that run upward:${faults}")
endif()
