target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ArrayBytesModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LearnFieldsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LogPlayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreviewRowsModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfinetMap.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PreviewActivity.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNMEA_0183_Preview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNMEA_0183_Set_Access.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNMEA_0183_Set_Access2.cpp
)
if(CONFIGURATOR_SERIAL_PORTS)
    target_sources(configurator_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SerialListener.cpp)
else()
    # Named so that moc finds the listener's header, which has no .cpp of its own name here.
    target_sources(configurator_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/SerialListener.h
        ${CMAKE_CURRENT_LIST_DIR}/SerialListenerWithoutPorts.cpp)
endif()
