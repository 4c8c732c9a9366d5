# The language files the program ships: English.lng (the built-in texts, written by
# `configurator-cli texts --english-file`) first, then the translations with their flags.
set(CONFIGURATOR_LANGUAGE_FILES
    ${CMAKE_SOURCE_DIR}/packaging/lang/English.lng
    ${CMAKE_SOURCE_DIR}/packaging/lang/Deutsch.lng
    ${CMAKE_SOURCE_DIR}/packaging/lang/Deutsch.bmp
    ${CMAKE_SOURCE_DIR}/packaging/lang/Italiano.lng
    ${CMAKE_SOURCE_DIR}/packaging/lang/Italiano.bmp)

# A program started from the build tree keeps its data beside it: its LANGUAGE folder gets the
# shipped files, so the language page offers them there as in an installation.
function(configurator_ship_languages target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E make_directory $<TARGET_FILE_DIR:${target}>/LANGUAGE
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CONFIGURATOR_LANGUAGE_FILES}
                $<TARGET_FILE_DIR:${target}>/LANGUAGE
        VERBATIM)
endfunction()
