# korva_add_test(NAME SOURCES src... LIBS lib...)
# One QtTest program per subject; every test runs headless on Qt's offscreen platform.
function(korva_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test korva_test_english ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVA_TEST_DATA=${CMAKE_CURRENT_BINARY_DIR}"
        TIMEOUT 300)
endfunction()
