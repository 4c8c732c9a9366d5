target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/DialogUpdateHost.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFBoot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateDevice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateStatus.cpp
)
