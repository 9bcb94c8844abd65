# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build's tests, built into build/web beside the page by `make test` (none of them is
# part of `make web`): the model's unit tests and the scenario runner on the bare model under
# node, every scenario in the scenario page in headless Chromium, a walk there, and a child's
# visit to the one file on the browser's clock.

# The runner and GoogleTest catch what they throw; the program's own code is built as for the page.
set(WEB_TEST_EXCEPTIONS -fexceptions)
target_compile_options(scenario PUBLIC ${WEB_TEST_EXCEPTIONS})
target_link_options(scenario PUBLIC ${WEB_TEST_EXCEPTIONS})
set_target_properties(scenario PROPERTIES EXCLUDE_FROM_ALL ON)

# Debian's GoogleTest sources, compiled for WebAssembly.
set(GTEST_SOURCE /usr/src/googletest/googletest)
add_library(gtest-web STATIC EXCLUDE_FROM_ALL ${GTEST_SOURCE}/src/gtest-all.cc ${GTEST_SOURCE}/src/gtest_main.cc)
target_include_directories(gtest-web SYSTEM PUBLIC ${GTEST_SOURCE}/include PRIVATE ${GTEST_SOURCE})
target_compile_definitions(gtest-web PUBLIC GTEST_HAS_PTHREAD=0)
target_compile_options(gtest-web PUBLIC ${WEB_TEST_EXCEPTIONS})
target_link_options(gtest-web PUBLIC ${WEB_TEST_EXCEPTIONS})

# Under node, with the files of the machine: the number rules' corpus, the scenario files. Node
# 20's fetch cannot load the .wasm from disk, so it is compiled from the file at start instead.
set(NODE_LINK_OPTIONS -sENVIRONMENT=node -sNODERAWFS=1 -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1
    -sWASM_ASYNC_COMPILATION=0)

file(GLOB_RECURSE WEB_UNIT_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*_test.cpp)
add_executable(unit-tests-node EXCLUDE_FROM_ALL ${WEB_UNIT_TEST_SOURCES}
               ${CMAKE_SOURCE_DIR}/tests/platform/number_rules.cpp ${CMAKE_SOURCE_DIR}/tools/scenario/trend.cpp)
target_link_libraries(unit-tests-node PRIVATE screens webbinding gtest-web)
target_compile_definitions(unit-tests-node PRIVATE NUMBER_CORPUS="${CMAKE_SOURCE_DIR}/tests/fuzz/numbers")
target_link_options(unit-tests-node PRIVATE ${NODE_LINK_OPTIONS})
set_target_properties(unit-tests-node PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test)

add_executable(maaltafels-scenario-node EXCLUDE_FROM_ALL tools/scenario/headless_main.cpp)
target_link_libraries(maaltafels-scenario-node PRIVATE scenario)
target_link_options(maaltafels-scenario-node PRIVATE ${NODE_LINK_OPTIONS})
set_target_properties(maaltafels-scenario-node PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test)

# The scenario page: the product's page (its shell, page.js, the pictures and fonts) with the runner
# inside, and the runner's driver waiting for each input it asks from outside (ASYNCIFY). One file,
# opened from file://.
set(SCENARIO_PAGE_JS ${CMAKE_SOURCE_DIR}/tools/web/scenario-page.js)
add_executable(scenario-page EXCLUDE_FROM_ALL tools/scenario/page_main.cpp tools/scenario/webdriver.cpp)
target_link_libraries(scenario-page PRIVATE scenario dom)
target_link_options(scenario-page PRIVATE ${WEB_LINK_OPTIONS} "SHELL:--pre-js ${SCENARIO_PAGE_JS}"
    -sSINGLE_FILE=1 -sFILESYSTEM=1 -sFORCE_FILESYSTEM=1 -sASYNCIFY_IMPORTS=[wait_for_ok,page_input]
    -sASYNCIFY_STACK_SIZE=1048576 -sEXPORTED_RUNTIME_METHODS=[ccall,FS] -sINITIAL_MEMORY=67108864)
set_target_properties(scenario-page PROPERTIES OUTPUT_NAME scenarios SUFFIX ".html"
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/test
    LINK_DEPENDS "${WEB_ASSETS};${PAGE_JS};${PAGE_SHELL};${SCENARIO_PAGE_JS}")
add_dependencies(scenario-page web-assets)

# build/web/run-scenarios [--shots DIR] FILE...: scenario files in the scenario page in Chromium.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/run-scenarios CONTENT
"#!/bin/sh
# Scenario files (or --walk) in the scenario page in headless Chromium; made by CMake.
exec node ${CMAKE_SOURCE_DIR}/tools/web/run-scenarios.js ${CMAKE_BINARY_DIR}/test/scenarios.html \"$@\"
" FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# The tests in build/test drive the one file and the site (tests/web/*.js).
add_custom_target(web-tests DEPENDS unit-tests-node maaltafels-scenario-node scenario-page maaltafels-web maaltafels-site)

enable_testing()
find_program(NODE_PROGRAM node REQUIRED)
file(GLOB_RECURSE WEB_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/*.scn)
file(GLOB WEB_DOC_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/*.scn)
set(WEB_EXAMPLES --examples ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/tools/bench/drill_run.scn)

add_test(NAME node/unit-tests COMMAND ${NODE_PROGRAM} ${CMAKE_BINARY_DIR}/test/unit-tests-node.js)
add_test(NAME node/scenarios COMMAND ${NODE_PROGRAM} ${CMAKE_BINARY_DIR}/test/maaltafels-scenario-node.js
         ${WEB_SCENARIOS} ${WEB_DOC_SCENARIOS} ${WEB_EXAMPLES})
add_test(NAME page/scenarios COMMAND ${CMAKE_BINARY_DIR}/run-scenarios ${WEB_SCENARIOS} ${WEB_DOC_SCENARIOS}
         ${WEB_EXAMPLES})
# The same files on an emulated tablet (iPad, landscape): clicks are taps, typing is an on-screen
# keyboard's text with no key events; what a tablet cannot give (hover, Tab, Enter, arrows) is
# skipped with its reason.
add_test(NAME page/touch COMMAND ${CMAKE_BINARY_DIR}/run-scenarios --touch ${WEB_SCENARIOS} ${WEB_DOC_SCENARIOS}
         ${WEB_EXAMPLES})
# A short random walk in the page: the same invariants as the desktop's walks, every input real.
add_test(NAME page/walk COMMAND ${CMAKE_BINARY_DIR}/run-scenarios --walk --seed 1 --events 1500 --cover
         --replay ${CMAKE_BINARY_DIR}/walk-page-failure.scn)
set_tests_properties(page/scenarios page/touch page/walk PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 1200)
