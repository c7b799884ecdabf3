# Precompiled headers for the translation units that spend most of their time in headers they do
# not own: those of the window (Qt Widgets), the window's tests (Qt Widgets and QtTest) and the
# unit tests (GoogleTest). Each kind is precompiled once per build and reused by every target of
# its kind, so a Qt header is parsed a few times per build instead of once per source file.
#
#   qira_precompile(TARGET KIND)     KIND: qt, qt_test or gtest
#
# The first target of a kind compiles the header; the others reuse it (REUSE_FROM), so they must
# be compiled with the same options. QtTest defines the test's build folder for every program
# that links it, so the window tests reuse a header only within their own folder.
# The headers are the system's only (the standard library, Qt, GoogleTest), so a change of ours never
# recompiles them. -DQIRA_PCH=OFF builds without them.
option(QIRA_PCH "Precompile the Qt and GoogleTest headers (a quicker build)" ON)

set(qira_pch_std <algorithm> <cstdint> <filesystem> <functional> <map> <memory> <optional>
                 <string> <string_view> <utility> <vector>)
set(qira_pch_qt ${qira_pch_std}
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QFileDialog> <QGridLayout> <QHBoxLayout>
    <QHeaderView> <QItemSelectionModel> <QKeyEvent> <QLabel> <QLineEdit> <QListWidget>
    <QMessageBox> <QPushButton> <QSlider> <QSortFilterProxyModel> <QSpinBox> <QString>
    <QStringList> <QTabWidget> <QTableView> <QTreeWidget> <QUndoStack> <QVBoxLayout> <QWidget>)
set(qira_pch_qt_test ${qira_pch_qt} <QtTest>)
set(qira_pch_gtest ${qira_pch_std} <gtest/gtest.h>)

function(qira_precompile target kind)
    if(NOT QIRA_PCH)
        return()
    endif()
    set(key qira_pch_owner_${kind})
    if(kind STREQUAL "qt_test")
        string(MAKE_C_IDENTIFIER "${CMAKE_CURRENT_BINARY_DIR}" folder)
        string(APPEND key _${folder})
    endif()
    get_property(owner GLOBAL PROPERTY ${key})
    if(owner)
        target_precompile_headers(${target} REUSE_FROM ${owner})
    else()
        target_precompile_headers(${target} PRIVATE ${qira_pch_${kind}})
        set_property(GLOBAL PROPERTY ${key} ${target})
    endif()
endfunction()
