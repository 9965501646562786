# Installing and packaging. On Linux: the Debian games layout (the game in
# games/, the tools in bin/), the desktop entry, the icons, the AppStream
# metadata, the manual pages and the copyright file, and a .deb made by
# CPack. On Windows: a zip of the program with its read-me and licence.
# Every package takes the project's version.

set(TOVRIN_APP_ID invalid.tovrin.TovrinMini)
set(TOVRIN_RELEASE_DATE 2026-12-07)
set(TOVRIN_MAINTAINER "The Tovrin Mini developers <tovrin-mini@tovrin.invalid>")

set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)

set(CPACK_PACKAGE_NAME tovrin-mini)
set(CPACK_PACKAGE_VENDOR "The Tovrin Mini developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "mahjong tile matching puzzle against the clock")
set(CPACK_OUTPUT_FILE_PREFIX ${PROJECT_BINARY_DIR}/packages)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

if(WIN32)
    # The zip holds one folder: the program, README.txt and LICENSE.txt, with
    # Windows line ends.
    install(TARGETS tovrin-mini RUNTIME DESTINATION .)
    configure_file(${packaging_source}/windows/README.txt.in ${packaging_out}/README.txt
                   @ONLY NEWLINE_STYLE CRLF)
    configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${packaging_out}/LICENSE.txt
                   @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${packaging_out}/README.txt ${packaging_out}/LICENSE.txt DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME tovrin-mini-${PROJECT_VERSION}-win64)
    include(CPack)
    return()
endif()

include(GNUInstallDirs)

# ---- Programs -------------------------------------------------------------------

set(installed_programs bin/tovrin-mini-render)
set(manual_pages tovrin-mini-render.1)
install(TARGETS tovrin-mini-render RUNTIME DESTINATION bin)
if(TARGET tovrin-mini)
    install(TARGETS tovrin-mini RUNTIME DESTINATION games)
    list(APPEND installed_programs games/tovrin-mini)
    list(APPEND manual_pages tovrin-mini.6)
endif()
if(TARGET tovrin-mini-solve)
    install(TARGETS tovrin-mini-solve RUNTIME DESTINATION bin)
    list(APPEND installed_programs bin/tovrin-mini-solve)
    list(APPEND manual_pages tovrin-mini-solve.1)
endif()

# A stripped install (the package's) also drops the compiler's notes, as
# Debian's own packages do.
find_program(TOVRIN_OBJCOPY NAMES objcopy)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program ${installed_programs})
            execute_process(COMMAND ${TOVRIN_OBJCOPY} --remove-section=.comment
                --remove-section=.note \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${program}
                COMMAND_ERROR_IS_FATAL ANY)
        endforeach()
    endif()")

# ---- Desktop entry, icons, AppStream metadata ----------------------------------

install(FILES ${packaging_source}/${TOVRIN_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
file(GLOB icon_files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/tovrin-mini-[0-9]*.png)
foreach(icon ${icon_files})
    string(REGEX MATCH "([0-9]+)\\.png$" _ ${icon})
    install(FILES ${icon} RENAME ${TOVRIN_APP_ID}.png DESTINATION
            ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${CMAKE_MATCH_1}x${CMAKE_MATCH_1}/apps)
endforeach()

# The metadata's screenshots are shipped with the game. AppStream takes only
# web addresses for them, so the metadata names the files through this one.
set(TOVRIN_SCREENSHOT_URL "https://localhost/tovrin-mini/screenshots" CACHE STRING
    "Where the AppStream metadata says the screenshots are")
configure_file(${packaging_source}/${TOVRIN_APP_ID}.metainfo.xml.in
               ${packaging_out}/${TOVRIN_APP_ID}.metainfo.xml @ONLY)
install(FILES ${packaging_out}/${TOVRIN_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/docs/mini.png ${PROJECT_SOURCE_DIR}/docs/large.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tovrin-mini/screenshots)

# ---- Manual pages, copyright, changelog ------------------------------------------
# Compressed as Debian wants them: gzip -9 without a name or a time stamp.

execute_process(COMMAND env LC_ALL=C date -u -R -d "${TOVRIN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE TOVRIN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE)

function(tovrin_gzipped_file template out destination)
    configure_file(${template} ${packaging_out}/${out} @ONLY)
    execute_process(COMMAND gzip -9nf ${packaging_out}/${out} COMMAND_ERROR_IS_FATAL ANY)
    install(FILES ${packaging_out}/${out}.gz DESTINATION ${destination})
endfunction()

foreach(page ${manual_pages})
    string(REGEX MATCH "[0-9]$" section ${page})
    tovrin_gzipped_file(${packaging_source}/man/${page}.in ${page}
                        ${CMAKE_INSTALL_MANDIR}/man${section})
endforeach()
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/tovrin-mini)
tovrin_gzipped_file(${packaging_source}/changelog.in changelog ${doc_dir})

# The copyright file in Debian's machine-readable form, from LICENSE: the
# notice's holder, then the permission text indented, blank lines as ".".
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${license}")
set(TOVRIN_COPYRIGHT "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n+" "" license "${license}")
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " TOVRIN_LICENSE_TEXT " ${license}")
configure_file(${packaging_source}/copyright.in ${packaging_out}/copyright @ONLY)
install(FILES ${packaging_out}/copyright DESTINATION ${doc_dir})

# ---- The Debian package ------------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TOVRIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# CPack puts the summary before it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pick two tiles of the same face that stand in the same row or the same
column, at any distance, or that touch diagonally: they leave the board,
their rows close up to the left and empty rows close upwards. Clear the
board against the clock; the three best times of each difficulty enter the
table. Two layouts, two difficulties, a hint and undo.
.
The package also holds tovrin-mini-render, which composes any frame of the
game from a seed and moves without a display.")
include(CPack)
