# The include arrows of the house. A folder is a library: its code without widgets in the
# folder, its widgets in the folder's gui/ subfolder. Three rules:
#   - arrows run downward only: a folder's sources include headers of the folders listed for
#     it, and of no other;
#   - nothing outside a gui/ folder includes a gui/ header (a library without widgets never
#     reaches a widget); a gui/ folder may include the gui/ folders of those listed for it;
#   - the programs in tools/ include the product's headers and their own, never a test's.
#   cmake -D SOURCE_DIR=<source tree> -P layering.cmake
cmake_policy(VERSION 3.25)

set(BELOW_settings "")
set(BELOW_form settings)
set(BELOW_serial form settings)
set(BELOW_files form settings)
set(BELOW_transfer serial form settings)
# The register reads the record's fields.
set(BELOW_register transfer settings)
set(BELOW_series register transfer files serial form settings)
# The customer's sheet: its content and pages, above the form and the record.
set(BELOW_sheet transfer form settings)
# The status watch, above the status exchange and the register.
set(BELOW_watch register transfer serial form settings)
# The commands: every folder without widgets but the sheet (Qt Gui), which only cli/gui uses.
set(BELOW_cli series watch register transfer files serial form settings)
# The program chooses between the commands and the window, which it loads on demand.
set(BELOW_app cli settings)

# The widgets of a folder sit above the widgets of the folders below it; those of the register,
# the series, the sheet and the watch use the widgets of the transfers and the files too, and
# the watch's window records through the register's controller.
set(GUI_BELOW_settings "")
set(GUI_BELOW_form settings)
set(GUI_BELOW_serial form settings)
set(GUI_BELOW_files form settings)
set(GUI_BELOW_transfer serial form settings)
set(GUI_BELOW_register transfer files serial form settings)
set(GUI_BELOW_series register transfer files serial form settings)
set(GUI_BELOW_sheet register transfer files serial form settings)
set(GUI_BELOW_watch register transfer files serial form settings)
set(GUI_BELOW_cli sheet series watch register transfer files serial form settings)
set(GUI_BELOW_app cli sheet watch series register transfer files serial form settings)

set(FOLDERS settings form serial files transfer register series sheet watch cli app)
foreach(folder ${FOLDERS})
    set(ALLOWED_${folder} ${folder} ${BELOW_${folder}})
    set(ALLOWED_${folder}/gui ${folder} ${folder}/gui)
    foreach(below ${GUI_BELOW_${folder}})
        list(APPEND ALLOWED_${folder}/gui ${below} ${below}/gui)
    endforeach()
endforeach()

set(faults "")
macro(fault source line)
    file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
    string(APPEND faults "\n  ${name}: ${line}")
endmacro()

foreach(folder ${FOLDERS})
    foreach(part ${folder} ${folder}/gui)
        file(GLOB sources ${SOURCE_DIR}/${part}/*.h ${SOURCE_DIR}/${part}/*.cpp)
        foreach(source ${sources})
            file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
            foreach(line ${includes})
                string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
                if(line MATCHES "^#include \"[a-z]+/gui/")
                    string(APPEND target "/gui")
                endif()
                if(NOT target IN_LIST ALLOWED_${part})
                    fault(${source} "${line}")
                endif()
            endforeach()
        endforeach()
    endforeach()
    # A folder is one library and its gui/ another: nothing deeper.
    file(GLOB deeper LIST_DIRECTORIES true ${SOURCE_DIR}/${folder}/*/*)
    foreach(entry ${deeper})
        if(IS_DIRECTORY ${entry})
            fault(${entry} "a folder below a library's folder")
        endif()
    endforeach()
endforeach()

# The tools: any product header, never a test's (by its path or, through an include folder,
# by its name).
file(GLOB_RECURSE test_headers RELATIVE ${SOURCE_DIR}/tests ${SOURCE_DIR}/tests/*.h)
set(test_names "")
foreach(header ${test_headers})
    get_filename_component(name ${header} NAME)
    list(APPEND test_names ${name})
endforeach()
file(GLOB_RECURSE sources ${SOURCE_DIR}/tools/*.h ${SOURCE_DIR}/tools/*.cpp)
foreach(source ${sources})
    get_filename_component(dir ${source} DIRECTORY)
    file(STRINGS ${source} includes REGEX "^#include \"")
    foreach(line ${includes})
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        get_filename_component(name ${header} NAME)
        if(header MATCHES "^tests/" OR (name IN_LIST test_names AND NOT EXISTS ${dir}/${header}
                                        AND NOT EXISTS ${SOURCE_DIR}/tools/qvsim/${header}))
            fault(${source} "${line} (a test's header)")
        endif()
    endforeach()
endforeach()

if(faults)
    message(FATAL_ERROR "Includes against the layering:${faults}")
endif()
