target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BackgroundVersionCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFAbout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFSoftOptions.cpp
)
