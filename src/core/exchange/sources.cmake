target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TableExchange.cpp
)
