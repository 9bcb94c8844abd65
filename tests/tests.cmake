# SPDX-License-Identifier: GPL-3.0-or-later
# Every unit test file and every scenario file is picked up here; none can be left out.
find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
add_executable(unit-tests ${UNIT_TEST_SOURCES})
target_link_libraries(unit-tests PRIVATE screens GTest::gtest_main)
gtest_discover_tests(unit-tests DISCOVERY_MODE PRE_TEST)

# The scenarios that draw the pictures in docs/ run as well, so that no picture shows a program
# that is gone.
file(GLOB_RECURSE SCENARIOS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/tests ${CMAKE_SOURCE_DIR}/tests/*.scn)
file(GLOB DOC_SCENARIOS CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/docs/*.scn)
foreach(scn IN LISTS SCENARIOS DOC_SCENARIOS)
    if(scn MATCHES "^docs/")
        set(file ${CMAKE_SOURCE_DIR}/${scn})
    else()
        set(file ${CMAKE_SOURCE_DIR}/tests/${scn})
    endif()
    add_test(NAME "scenario/${scn}" COMMAND maaltafels-scenario ${file})
    add_test(NAME "scenario-qt/${scn}" COMMAND maaltafels-scenario --qt ${file})
    set_tests_properties("scenario-qt/${scn}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# Every picture in docs/ is one that `make docs` draws: the shot of the scenario of its name, or
# the launcher icons; every scenario there has its picture; every picture the README shows is there.
add_test(NAME docs-pictures-come-from-their-scenarios
    COMMAND sh -c [[cd "$0" && status=0
                    for png in docs/*.png; do
                        name=$(basename "$png" .png)
                        [ "$name" = launcher-icon ] && continue
                        grep -q "^shot [^ ]* $name\$" "docs/$name.scn" 2>/dev/null ||
                            { echo "$png: no docs/$name.scn with the line shot SCREEN $name"; status=1; }
                    done
                    for scn in docs/*.scn; do
                        [ -f "${scn%.scn}.png" ] || { echo "$scn: its picture is missing (make docs)"; status=1; }
                    done
                    for png in $(grep -o '](docs/[^)]*\.png)' README.md | tr -d '()]'); do
                        [ -f "$png" ] || { echo "README.md shows $png, which is not there"; status=1; }
                    done
                    exit $status]]
            ${CMAKE_SOURCE_DIR})

# The runner itself must tell a failing scenario from a passing one: exit status 1, the line that
# failed and the count; a crash would not do.
add_test(NAME scenario-runner-reports-failures
    COMMAND sh -c [[out=$("$0" "$1" 2>&1); status=$?; printf '%s\n' "$out"
                    [ "$status" -eq 1 ] &&
                    printf '%s\n' "$out" | grep -q '^.*must_fail.scenario:2: expected windows MDIForm2, found MDIForm2 frmmecenaat1$' &&
                    printf '%s\n' "$out" | grep -q '^0 passed, 1 failed$']]
            $<TARGET_FILE:maaltafels-scenario> ${CMAKE_SOURCE_DIR}/tests/runner/must_fail.scenario)

# Every example in the README works: its scn blocks and the scenario files it names.
foreach(mode IN ITEMS "" "--qt")
    add_test(NAME "readme-examples${mode}"
        COMMAND maaltafels-scenario ${mode} --examples ${CMAKE_SOURCE_DIR}/README.md
                ${CMAKE_SOURCE_DIR}/tools/bench/drill_run.scn)
    set_tests_properties("readme-examples${mode}" PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()

# Short random walks over every screen the program defines, so that a new screen is walked as
# soon as it is there: nothing crashes or strands the child, and the widgets show the model.
add_test(NAME walk
    COMMAND maaltafels-scenario --walk --seed 1 --events 10000 --cover --replay ${CMAKE_BINARY_DIR}/walk-failure.scn)
add_test(NAME walk-qt
    COMMAND maaltafels-scenario --walk --qt --seed 1 --events 2500 --cover
            --replay ${CMAKE_BINARY_DIR}/walk-qt-failure.scn)
set_tests_properties(walk-qt PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# The number rules' property test reads the fuzz target's corpus.
target_sources(unit-tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/platform/number_rules.cpp)
target_compile_definitions(unit-tests PRIVATE NUMBER_CORPUS="${CMAKE_SOURCE_DIR}/tests/fuzz/numbers")

# The binding's tests on real widgets, offscreen: every tests/**/*_qtest.cpp, in one program that
# holds the QApplication and the pictures.
file(GLOB_RECURSE QT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_qtest.cpp)
add_executable(qt-tests ${CMAKE_SOURCE_DIR}/tests/qtmain.cpp ${QT_TEST_SOURCES} ${QRC})
target_link_libraries(qt-tests PRIVATE scenario qtbinding Qt6::Test GTest::gtest)
# The fit check reads every scenario, for the captions the program writes along the way.
target_compile_definitions(qt-tests PRIVATE SCENARIO_DIR="${CMAKE_SOURCE_DIR}/tests")
gtest_discover_tests(qt-tests DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")

# Every source file carries its licence line.
add_test(NAME sources-carry-their-licence COMMAND ${CMAKE_SOURCE_DIR}/scripts/spdx.sh --check)

# Without a display it can reach, or on a platform that shows no windows, the program says why and
# exits with status 1 instead of aborting in Qt; on Xvfb it opens its window.
foreach(case IN ITEMS no-display unreachable-display wayland-session offscreen minimal platform-option
                       display-option fallback xvfb)
    add_test(NAME "desktop/${case}"
        COMMAND sh ${CMAKE_SOURCE_DIR}/tests/app/desktop.sh ${case} $<TARGET_FILE:maaltafels>)
endforeach()

# The walk's memory rule, on samples of its own making.
target_sources(unit-tests PRIVATE ${CMAKE_SOURCE_DIR}/tools/scenario/trend.cpp)

# The walk's memory rule on a build that can plant a leak: a short walk passes, and the same walk
# keeping 64 kB for every screen it shows (enough to rise past what caches may take in the 1000
# inputs after the warm-up) fails on memory alone. The sanitizers' quarantine of freed memory would hide the difference, so
# it is off here.
if(MAALTAFELS_TEST_LEAK)
    foreach(leak IN ITEMS 0 64)
        add_test(NAME walk-memory-rule-leak-${leak}
            COMMAND sh -c [[out=$("$@" 2>&1); status=$?; printf '%s\n' "$out"
                            rule='^walk: resident memory rises by [0-9]* kB per million inputs, more than 1048576, and by [0-9]* MB in all'
                            if [ "$0" = 0 ]; then [ "$status" -eq 0 ]
                            else [ "$status" -eq 1 ] && printf '%s\n' "$out" | grep -q "$rule"; fi]]
                    ${leak} $<TARGET_FILE:maaltafels-scenario> --walk --seed 1 --events 2000 --leak-per-screen ${leak}
                    --max-trend 1048576 --replay ${CMAKE_BINARY_DIR}/walk-memory-failure.scn)
        set_tests_properties(walk-memory-rule-leak-${leak} PROPERTIES
            ENVIRONMENT "ASAN_OPTIONS=quarantine_size_mb=0:thread_local_quarantine_size_kb=0")
    endforeach()
endif()

# The page on an emulated tablet (touch, turning, on-screen keyboards, a hidden tab) and the hosted
# site offline, in headless Chromium, once `make web` has built them; skipped until then.
find_program(NODE_PROGRAM node)
if(NODE_PROGRAM)
    add_test(NAME web-tablet
        COMMAND ${NODE_PROGRAM} ${CMAKE_SOURCE_DIR}/tests/web/tablet.js ${CMAKE_SOURCE_DIR}/build/web/maaltafels.html)
    add_test(NAME web-offline COMMAND ${NODE_PROGRAM} ${CMAKE_SOURCE_DIR}/tests/web/offline.js ${CMAKE_SOURCE_DIR}/build/web)
    set_tests_properties(web-tablet web-offline PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()
