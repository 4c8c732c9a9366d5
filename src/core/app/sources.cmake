target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/AppSettings.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Application.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompileConfiguration.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationFolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationLock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ConfigurationName.cpp
    ${CMAKE_CURRENT_LIST_DIR}/EsiStep.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NameLabels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/OwnFiles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SettingsFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SoftOptions.cpp
)
