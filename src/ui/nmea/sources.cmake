target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProfinetMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNMEA_0183_Set_Access.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNMEA_0183_Set_Access2.cpp
)
