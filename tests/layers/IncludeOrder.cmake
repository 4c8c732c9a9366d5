# Folders include each other in one direction only. Each program's folders stand on floors,
# lowest first: a file includes the files of its own folder and of the floors below, never those
# of a floor above, and folders that share a floor never include each other.
#
# src/core                                 src/ui
#   1. common                                1. platform
#   2. lang                                  2. widgets
#   3. exchange                              3. params, nmea, ethercat, image, lang, mqtt, profinet,
#                                               report
#   4. params, nmea, ethercat, mqtt,         4. app
#      profinet
#   5. image, bytemap
#   6. preview
#   7. app (the steps that take the whole Application)
#   8. report
#
# A new folder takes its floor here. Usage: cmake -DSOURCE_DIR=<folder holding src> -P IncludeOrder.cmake

cmake_minimum_required(VERSION 3.25)

set(core_floors common lang exchange "params,nmea,ethercat,mqtt,profinet" "image,bytemap" preview app report)
set(ui_floors platform widgets "params,nmea,ethercat,image,lang,mqtt,profinet,report" app)

if(NOT SOURCE_DIR)
    message(FATAL_ERROR "Usage: cmake -DSOURCE_DIR=<folder holding src> -P IncludeOrder.cmake")
endif()

# The floor number of a folder of the program, -1 when it stands on none.
function(floor_of program folder result)
    set(number 0)
    foreach(floor IN LISTS ${program}_floors)
        string(REPLACE "," ";" folders "${floor}")
        if(folder IN_LIST folders)
            set(${result} ${number} PARENT_SCOPE)
            return()
        endif()
        math(EXPR number "${number} + 1")
    endforeach()
    set(${result} -1 PARENT_SCOPE)
endfunction()

set(faults "")
foreach(program IN ITEMS core ui)
    file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/${program}/*.h ${SOURCE_DIR}/src/${program}/*.cpp)
    list(SORT files)
    foreach(file IN LISTS files)
        if(NOT file MATCHES "^src/${program}/([^/]+)/")
            continue()
        endif()
        set(folder ${CMAKE_MATCH_1})
        floor_of(${program} ${folder} own_floor)
        if(own_floor EQUAL -1)
            list(APPEND faults "src/${program}/${folder}: stands on no floor; give it one in IncludeOrder.cmake")
            continue()
        endif()
        file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"${program}/[^/\"]+/")
        foreach(line IN LISTS includes)
            string(REGEX MATCH "\"(${program}/([^/\"]+)/[^\"]*)\"" quoted "${line}")
            set(included ${CMAKE_MATCH_1})
            set(other ${CMAKE_MATCH_2})
            if(other STREQUAL folder)
                continue()
            endif()
            floor_of(${program} ${other} other_floor)
            if(other_floor EQUAL -1)
                list(APPEND faults "${file}: includes \"${included}\": ${other} stands on no floor")
            elseif(other_floor GREATER own_floor)
                list(APPEND faults "${file}: includes \"${included}\": ${folder} stands below ${other} and may not include it")
            elseif(other_floor EQUAL own_floor)
                list(APPEND faults "${file}: includes \"${included}\": ${folder} and ${other} share a floor and never include each other")
            endif()
        endforeach()
    endforeach()
endforeach()
list(REMOVE_DUPLICATES faults)

if(faults)
    list(JOIN faults "\n" report)
    message(NOTICE "${report}")
    message(FATAL_ERROR "Includes against the folders' order, above.")
endif()
