target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/EsiDataType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiFileName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiSources.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EtherCATSlaveFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IdentityNumber.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LengthText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PositionBit.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessImagePacker.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VarType.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VariableCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VariableColumnDescriptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VariableRowOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VariableTable.cpp
)
