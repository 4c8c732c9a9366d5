target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/LockedProgramRunner.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFBoot.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateDevice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateRun.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UpdateStatus.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WorkerUpdateHost.cpp
)
