target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/HttpGet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtHttpClient.cpp
    ${CMAKE_CURRENT_LIST_DIR}/WebAddress.cpp
)
