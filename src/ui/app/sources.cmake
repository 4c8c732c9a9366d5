target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ProgramStart.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFMorvelFirmWare.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFNew_Project.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFOpenConf.cpp
)
