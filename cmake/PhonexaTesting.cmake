# phonexa_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest binary, run headless under CTest: each case in its own process, and the whole binary
# once more in one process in shuffled order, so cases that lean on each other's state show up.
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
    add_test(NAME ${name}.whole_shuffled COMMAND ${name} --gtest_shuffle --gtest_random_seed=0)
    set_tests_properties(${name}.whole_shuffled PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=C.UTF-8;PHONEXA_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
        TIMEOUT 600)
endfunction()
