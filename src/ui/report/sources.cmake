# The report and the comparison. Printing needs Qt's print support; only ReportPrint.cpp uses it.
find_package(Qt6 6.4 REQUIRED COMPONENTS PrintSupport)
target_link_libraries(configurator_ui PUBLIC Qt6::PrintSupport)
target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/CompareAction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportAction.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportPdf.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReportPrint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFCompareWith.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFComparison.cpp
)
