target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BuiltinTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColumnHeaders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangFileLine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangFileText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LangStrings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Language.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguageTexts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LanguagePages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MakerSite.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextFill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VersionCheck.cpp
)
