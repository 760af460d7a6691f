# korva_add_test(NAME SOURCES src... LIBS lib...)
# One QtTest program per subject; every test runs headless on Qt's offscreen platform, in a
# fresh home of its own, so ctest can run them side by side.

# The tests' own code needs no optimising: compiled at -O0 it builds in a third of the time.
# The sanitizer build keeps its debug information for the stack traces it prints.
set(KORVA_TEST_COMPILE_OPTIONS $<$<CONFIG:RelWithDebInfo,Release,MinSizeRel>:-O0 -g0>)

# Every test program reads QtTest, most of them Qt Widgets too: those headers are compiled once,
# into one precompiled header the hundred programs share, instead of once a program. Sharing
# needs the same definitions everywhere, so every test links the Qt modules whose definitions
# QtTest looks at (Gui, Widgets, Network), and QtTest's per-folder QFINDTESTDATA paths are left
# out: Korva's tests find their data through KORVA_TEST_DATA.
get_target_property(korva_qttest_definitions Qt6::Test INTERFACE_COMPILE_DEFINITIONS)
list(FILTER korva_qttest_definitions EXCLUDE REGEX "^QT_TESTCASE_")
set_target_properties(Qt6::Test PROPERTIES INTERFACE_COMPILE_DEFINITIONS "${korva_qttest_definitions}")
find_package(Qt6 REQUIRED COMPONENTS Network)
set(KORVA_TEST_QT_LIBS Qt6::Test Qt6::Widgets Qt6::Network)
add_library(korva_test_headers OBJECT ${PROJECT_SOURCE_DIR}/tests/common/precompiled.cpp)
target_link_libraries(korva_test_headers PRIVATE ${KORVA_TEST_QT_LIBS})
target_compile_options(korva_test_headers PRIVATE ${KORVA_TEST_COMPILE_OPTIONS})
target_precompile_headers(korva_test_headers PRIVATE
    <QTest> <QSignalSpy> <QObject> <QString> <QByteArray> <QList> <QHash> <QFile> <QDir>
    <QTemporaryDir> <QSettings> <QTimer> <QProcess> <QRegularExpression> <QImage> <QPainter>
    <QAbstractItemModel> <QUndoStack> <QWidget> <QMainWindow> <QDialog> <QLabel> <QLineEdit>
    <QPushButton> <QToolButton> <QAction> <QMenu> <QMessageBox>
    <algorithm> <functional> <map> <memory> <set> <string> <vector>)

function(korva_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${KORVA_TEST_QT_LIBS} korva_test_english ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_options(${name} PRIVATE ${KORVA_TEST_COMPILE_OPTIONS})
    target_precompile_headers(${name} REUSE_FROM korva_test_headers)
    # The tests include their moc output themselves, so Qt's own moc file is empty: loading
    # the precompiled header there would cost more than compiling it.
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/mocs_compilation.cpp
                                PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    add_test(NAME ${name}
             COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/run-test.sh
                     ${CMAKE_CURRENT_BINARY_DIR}/home/${name} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVA_TEST_DATA=${CMAKE_CURRENT_BINARY_DIR}"
        TIMEOUT 300)
endfunction()
