# phonexa_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest binary, run headless under CTest.
function(phonexa_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE project_settings test_support ${ARG_LIBS})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        # Cases are named by their generators; printed values would make names long and unstable.
        NO_PRETTY_VALUES
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;PHONEXA_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
        TEST_PREFIX "${name}.")
endfunction()
