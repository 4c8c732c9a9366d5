target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/ClickableLabel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DialogFrame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EditingScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ErrorReport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FileDialogService.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridDelegate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GridView.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Icons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/InputLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MessageService.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Notice.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RowButtons.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScreenDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableGridModel.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TableScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TitlePanel.cpp
)
