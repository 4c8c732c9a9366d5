target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ArrayLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ArrayMarks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CodeCounts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LegacyChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LegacyFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LegacyTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListenerChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListenerDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListenerFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListenerPositions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ListenerTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NmeaSentence.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ObjectsMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PostOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SentenceCatalogue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SerialChannels.cpp
)
