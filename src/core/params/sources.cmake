target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ParGenChecks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParGenFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParGenSet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SerialChoices.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TypedLimit.cpp
)
