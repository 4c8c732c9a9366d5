target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/SaveESIFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFEtherCATSlave.cpp
)
