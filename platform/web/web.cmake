# SPDX-License-Identifier: GPL-3.0-or-later
# The browser build (emscripten): build/web/maaltafels.html, one file with everything inline that
# runs from file://, and build/web/site/ (index.html, .js, .wasm) for a web server. The same
# platform and screens libraries as the desktop build, on the page's binding.

# Small rather than fast: the page's code runs a few handlers a second at most.
set(CMAKE_CXX_FLAGS_RELEASE "-Os -DNDEBUG")

# Debian's python, which has fontTools; the project's own may not.
find_program(FONT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(FONT_DIRS /usr/share/fonts/truetype/liberation2 /usr/share/fonts/opentype/comic-neue)
find_file(FONT_ARIAL LiberationSans-Regular.ttf PATHS ${FONT_DIRS} REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_file(FONT_ARIAL_BOLD LiberationSans-Bold.ttf PATHS ${FONT_DIRS} REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_file(FONT_COMIC ComicNeue-Regular.otf PATHS ${FONT_DIRS} REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
find_file(FONT_COMIC_BOLD ComicNeue-Bold.otf PATHS ${FONT_DIRS} REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)

# The pictures and the fonts, as one script the page starts with.
file(GLOB_RECURSE WEB_PICTURES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*.svg)
set(WEB_ASSETS ${CMAKE_BINARY_DIR}/assets.js)
add_custom_command(OUTPUT ${WEB_ASSETS}
    COMMAND ${FONT_PYTHON} ${CMAKE_SOURCE_DIR}/tools/web/pack_assets.py --assets ${CMAKE_SOURCE_DIR}/assets
            --font "Arial:normal:normal:${FONT_ARIAL}" --font "Arial:bold:normal:${FONT_ARIAL_BOLD}"
            --font "Comic Sans MS:normal:normal:${FONT_COMIC}" --font "Comic Sans MS:bold:normal:${FONT_COMIC_BOLD}"
            --out ${WEB_ASSETS}
    DEPENDS ${CMAKE_SOURCE_DIR}/tools/web/pack_assets.py ${WEB_PICTURES}
    COMMENT "Packing the pictures and fonts for the page")
add_custom_target(web-assets DEPENDS ${WEB_ASSETS})

add_library(dom STATIC platform/web/dom.cpp)
target_link_libraries(dom PUBLIC webbinding)

set(PAGE_JS ${CMAKE_SOURCE_DIR}/platform/web/page.js)
set(PAGE_SHELL ${CMAKE_SOURCE_DIR}/platform/web/shell.html)
# The message box is the one import that waits; ASYNCIFY instruments only what can reach it.
set(WEB_LINK_OPTIONS
    -sENVIRONMENT=web -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1 -sMINIFY_HTML=0
    -sASYNCIFY -sASYNCIFY_IMPORTS=[wait_for_ok]
    -sEXPORTED_RUNTIME_METHODS=[ccall]
    "SHELL:--pre-js ${WEB_ASSETS}" "SHELL:--pre-js ${PAGE_JS}" "SHELL:--shell-file ${PAGE_SHELL}")

# One program per output: the one file and the site.
function(add_web_program target dir name)
    add_executable(${target} app/web_main.cpp)
    target_link_libraries(${target} PRIVATE screens dom)
    target_link_options(${target} PRIVATE ${WEB_LINK_OPTIONS} ${ARGN})
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${name} SUFFIX ".html" RUNTIME_OUTPUT_DIRECTORY ${dir}
                          LINK_DEPENDS "${WEB_ASSETS};${PAGE_JS};${PAGE_SHELL}")
    add_dependencies(${target} web-assets)
endfunction()

add_web_program(maaltafels-web ${CMAKE_BINARY_DIR} maaltafels -sSINGLE_FILE=1)
add_web_program(maaltafels-site ${CMAKE_BINARY_DIR}/site index "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/platform/web/offline.js")

# The site is an app to install that starts offline: icons, manifest and a service worker that keeps
# every file of this build.
find_program(RSVG_CONVERT rsvg-convert PATHS /usr/bin NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(OFFLINE_SOURCES ${CMAKE_SOURCE_DIR}/platform/web/offline.js ${CMAKE_SOURCE_DIR}/platform/web/sw.js
    ${CMAKE_SOURCE_DIR}/platform/web/manifest.webmanifest ${CMAKE_SOURCE_DIR}/tools/web/offline_site.py
    ${CMAKE_SOURCE_DIR}/packaging/nl.maaltafels.Maaltafels.svg)
set_property(TARGET maaltafels-site APPEND PROPERTY LINK_DEPENDS ${OFFLINE_SOURCES})
add_custom_command(TARGET maaltafels-site POST_BUILD
    COMMAND ${FONT_PYTHON} ${CMAKE_SOURCE_DIR}/tools/web/offline_site.py --site ${CMAKE_BINARY_DIR}/site
            --icon ${CMAKE_SOURCE_DIR}/packaging/nl.maaltafels.Maaltafels.svg
            --manifest ${CMAKE_SOURCE_DIR}/platform/web/manifest.webmanifest
            --worker ${CMAKE_SOURCE_DIR}/platform/web/sw.js --rsvg ${RSVG_CONVERT}
    COMMENT "Making the site an app that starts offline")
