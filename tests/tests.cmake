# Every unit test file and every scenario file is picked up here; none can be left out.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
add_executable(unit-tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit-tests PRIVATE screens GTest::gtest_main)
gtest_discover_tests(unit-tests DISCOVERY_MODE PRE_TEST)

file(GLOB_RECURSE SCENARIOS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/*.scn)
foreach(scn IN LISTS SCENARIOS)
    add_test(NAME "scenario/${scn}" COMMAND maaltafels-scenario ${CMAKE_SOURCE_DIR}/tests/${scn})
    add_test(NAME "scenario-qt/${scn}" COMMAND maaltafels-scenario --qt ${CMAKE_SOURCE_DIR}/tests/${scn})
    set_tests_properties("scenario-qt/${scn}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# The runner itself must tell a failing scenario from a passing one: exit status 1, the line that
# failed and the count; a crash would not do.
add_test(NAME scenario-runner-reports-failures
    COMMAND sh -c [[out=$("$0" "$1" 2>&1); status=$?; printf '%s\n' "$out"
                    [ "$status" -eq 1 ] &&
                    printf '%s\n' "$out" | grep -q '^.*must_fail.scenario:2: expected windows MDIForm2, found MDIForm2 frmmecenaat1$' &&
                    printf '%s\n' "$out" | grep -q '^0 passed, 1 failed$']]
            $<TARGET_FILE:maaltafels-scenario> ${CMAKE_SOURCE_DIR}/tests/runner/must_fail.scenario)

# The binding's tests on real widgets, offscreen: every tests/**/*_qtest.cpp, in one program that
# holds the QApplication and the pictures.
file(GLOB_RECURSE QT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_qtest.cpp)
add_executable(qt-tests ${CMAKE_SOURCE_DIR}/tests/qtmain.cpp ${QT_TEST_SOURCES} ${QRC})
target_link_libraries(qt-tests PRIVATE screens qtbinding Qt6::Test GTest::gtest)
gtest_discover_tests(qt-tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
