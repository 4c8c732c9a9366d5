target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SavePROFINETXML.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFProfinetFileName.cpp
)
