cmake_minimum_required(VERSION 3.25)

# Runs the include-order check CHECK over the small tree SOURCE_DIR, which holds one include of each
# kind, and fails unless the check fails naming exactly the wrong ones.
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SOURCE_DIR} -P ${CHECK}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

set(reported
    "src/core/common/Upward.h: includes \"core/lang/LangStrings.h\": common stands below lang and may not include it"
    "src/core/nmea/Sideways.cpp: includes \"core/ethercat/VarType.h\": nmea and ethercat share a floor and never include each other"
    "src/core/app/Step.cpp: includes \"core/report/Report.h\": app stands below report and may not include it"
    "src/core/stray: stands on no floor; give it one in IncludeOrder.cmake"
    "src/ui/platform/Runner.cpp: includes \"ui/widgets/Texts.h\": platform stands below widgets and may not include it")
set(allowed "core/common/Text.h" "core/nmea/Sideways.h" "core/image/BankFiles.h" "ui/platform/QtPath.h" "ui/app/Later.h")

set(faults "")
if(result EQUAL 0)
    list(APPEND faults "the check passed")
endif()
foreach(line IN LISTS reported)
    string(FIND "${output}" "${line}" at)
    if(at EQUAL -1)
        list(APPEND faults "not reported: ${line}")
    endif()
endforeach()
foreach(include IN LISTS allowed)
    string(FIND "${output}" "\"${include}\"" at)
    if(NOT at EQUAL -1)
        list(APPEND faults "reported although allowed: ${include}")
    endif()
endforeach()

if(faults)
    list(JOIN faults "\n" report)
    message(FATAL_ERROR "${report}\nThe check said:\n${output}")
endif()
