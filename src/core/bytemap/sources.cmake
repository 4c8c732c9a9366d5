target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BlockTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ByteMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ByteMapBuilder.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ByteMapSvg.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapPalette.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MapPictureFile.cpp
)
