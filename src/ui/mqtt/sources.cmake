target_sources(configurator_ui PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/TFMQTT_Set_Topic.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TFTopicTemplate.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateCellDelegate.cpp
)
