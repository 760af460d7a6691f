# korva_add_test(NAME SOURCES src... LIBS lib...)
# One QtTest program per subject; every test runs headless on Qt's offscreen platform, in a
# fresh home of its own, so ctest can run them side by side.
function(korva_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test korva_test_english ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    # The tests' own code needs no optimising: compiled at -O0 it builds in a third of the
    # time. The sanitizer build keeps its debug information for the stack traces it prints.
    target_compile_options(${name} PRIVATE $<$<CONFIG:RelWithDebInfo,Release,MinSizeRel>:-O0 -g0>)
    add_test(NAME ${name}
             COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/run-test.sh
                     ${CMAKE_CURRENT_BINARY_DIR}/home/${name} $<TARGET_FILE:${name}>)
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KORVA_TEST_DATA=${CMAKE_CURRENT_BINARY_DIR}"
        TIMEOUT 300)
endfunction()
