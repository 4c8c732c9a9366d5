target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BuiltinTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangStrings.cpp
)
