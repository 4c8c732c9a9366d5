target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ByteRange.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColumnDescription.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ComPorts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileBytes.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridHandlers.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IpAddress.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SafeFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Table.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextLinesFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextToInt.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UnreadableFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UtcTime.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Windows1252.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Xml.cpp
)
