target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/BankFileInfo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationContent.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationDiff.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffHtml.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DiffText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlReport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ParameterList.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportPage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowComparison.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Sha256.cpp
)
