# quadrilo_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable whose cases CTest discovers one by one.
function(quadrilo_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE GTest::gtest_main GTest::gmock ${T_LIBS})
    gtest_discover_tests(${name}
        DISCOVERY_TIMEOUT 120
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
