# The headers most files of a kind include, parsed once per build instead of once per file: the
# standard library's for the core, Qt's for the windows, GoogleTest's and Qt Test's for the tests.
# A build with CONFIGURATOR_PRECOMPILED_HEADERS=OFF (the Windows cross build is one) compiles every
# file on its own and so keeps checking that each file includes what it uses.
option(CONFIGURATOR_PRECOMPILED_HEADERS "Precompile the headers most files include" ON)

set(CONFIGURATOR_STD_HEADERS
    <algorithm> <array> <cstdint> <filesystem> <functional> <memory> <optional> <span> <string>
    <string_view> <vector>)
set(CONFIGURATOR_QT_HEADERS
    ${CONFIGURATOR_STD_HEADERS} <QApplication> <QComboBox> <QDialog> <QHBoxLayout> <QHeaderView>
    <QLabel> <QLineEdit> <QPushButton> <QString> <QTableView> <QTimer> <QVBoxLayout> <QWidget>)
set(CONFIGURATOR_TEST_HEADERS ${CONFIGURATOR_STD_HEADERS} <ostream> <gtest/gtest.h> <gmock/gmock.h>)
set(CONFIGURATOR_UI_TEST_HEADERS ${CONFIGURATOR_QT_HEADERS} <QTest>)

# configurator_precompile_headers(TARGET HEADERS...): TARGET compiles the headers once for itself
# and for the targets that reuse them.
function(configurator_precompile_headers target)
    if(CONFIGURATOR_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()

# configurator_reuse_precompiled_headers(TARGET DONOR): TARGET uses DONOR's compiled headers; both
# must be compiled with the same flags.
function(configurator_reuse_precompiled_headers target donor)
    if(CONFIGURATOR_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} REUSE_FROM ${donor})
    endif()
endfunction()
