target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CollapsibleGroup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GroupRows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParGenGroups.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFParGen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TypedLimitValidator.cpp
)
