target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ByteSwap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ByteText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CaptureSurvey.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConverterModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DeviceRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EntryTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldSources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FieldValue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LearnedRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LearnPlan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogPace.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreviewSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessData.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScaledDecimal.cpp
)
