target_sources(configurator_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/MqttSetTopicFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicColumnDescriptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicColumns.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicRowOperations.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicTables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicTableRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TopicTemplate.cpp
)
