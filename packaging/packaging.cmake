# SPDX-License-Identifier: GPL-3.0-or-later
# Installing and packaging: the program, its launcher entry, icons, AppStream metainfo, manual page.
# `cmake --install` puts them under CMAKE_INSTALL_PREFIX; `cpack` (the `package` target) makes a
# Debian package of the same files.
include(GNUInstallDirs)

set(MAALTAFELS_APP_ID nl.maaltafels.Maaltafels)
set(PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# Draws the launcher icons at build time, with the QtSvg renderer the program's pictures use.
add_executable(maaltafels-rendericon tools/icons/rendericon.cpp)
target_link_libraries(maaltafels-rendericon PRIVATE Qt6::Gui Qt6::Svg)

# The hicolor sizes; up to 32 pixels the full drawing turns to mud, so those come from a simpler one.
set(ICON_SIZES 16 22 24 32 48 64 128 256)
set(SMALL_ICON_SIZES 16 22 24 32)
set(ICON_DIR ${CMAKE_BINARY_DIR}/icons/hicolor)
set(ICON_PNGS)
foreach(size IN LISTS ICON_SIZES)
    if(size IN_LIST SMALL_ICON_SIZES)
        set(svg ${PACKAGING_DIR}/${MAALTAFELS_APP_ID}-small.svg)
    else()
        set(svg ${PACKAGING_DIR}/${MAALTAFELS_APP_ID}.svg)
    endif()
    set(png ${ICON_DIR}/${size}x${size}/apps/${MAALTAFELS_APP_ID}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${ICON_DIR}/${size}x${size}/apps
        COMMAND maaltafels-rendericon ${svg} ${size} ${png}
        DEPENDS maaltafels-rendericon ${svg}
        COMMENT "Drawing the ${size} px icon"
        VERBATIM)
    list(APPEND ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
install(FILES ${PACKAGING_DIR}/${MAALTAFELS_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The window icon, built into the program: the same pixels up to 64 px, which is what taskbars and
# window switchers draw from a window. Larger ones come from the launcher entry's icon; in the
# window icon they would cost half a megabyte of memory.
set(WINDOW_ICON_SIZES 16 24 32 48 64)
set(WINDOW_ICON_PNGS)
foreach(size IN LISTS WINDOW_ICON_SIZES)
    set(png ${ICON_DIR}/${size}x${size}/apps/${MAALTAFELS_APP_ID}.png)
    set_source_files_properties(${png} PROPERTIES QT_RESOURCE_ALIAS ${size}.png)
    list(APPEND WINDOW_ICON_PNGS ${png})
endforeach()
qt_add_resources(maaltafels icon PREFIX /icon FILES ${WINDOW_ICON_PNGS})

# Debian wants the manual page and the changelog compressed, without a time stamp.
set(GZIPPED)
foreach(pair IN ITEMS "maaltafels.1;maaltafels.1.gz" "changelog;changelog.gz")
    list(GET pair 0 source)
    list(GET pair 1 target)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/${target}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND ${CMAKE_COMMAND} -E copy ${PACKAGING_DIR}/${source} ${CMAKE_BINARY_DIR}/packaging/${source}
        COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/packaging/${source}
        DEPENDS ${PACKAGING_DIR}/${source}
        VERBATIM)
    list(APPEND GZIPPED ${CMAKE_BINARY_DIR}/packaging/${target})
endforeach()
add_custom_target(packaging-files ALL DEPENDS ${ICON_PNGS} ${GZIPPED})

install(TARGETS maaltafels RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PACKAGING_DIR}/${MAALTAFELS_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PACKAGING_DIR}/${MAALTAFELS_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_BINARY_DIR}/packaging/maaltafels.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${PACKAGING_DIR}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME maaltafels)
set(CPACK_PACKAGE_VENDOR "The Maaltafels developers")
set(CPACK_PACKAGE_CONTACT "The Maaltafels developers <maaltafels@maaltafels.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "multiplication-tables trainer for primary-school children")
set(CPACK_PACKAGE_DESCRIPTION
    "Maaltafels trains the multiplication tables of 1 to 10 in several exercise
modes: building a table row by row with hints, a timed drill of falling
problems at three levels, a trainer that lights up a table on a hundred field,
products shown as sums and as bars, series of single facts, a ten-by-ten
product grid, and multiplying a two-digit number by a one-digit number.

Every text the child sees is Dutch. The program keeps no files, settings or
scores and never uses the network.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.maaltafels.example/)
# The libraries come from dpkg-shlibdeps; the fonts stand in for the families the screens name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2")
set(CPACK_STRIP_FILES ON)
# Directory modes must not depend on the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
