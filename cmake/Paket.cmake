# The Debian package (make package): CPack's DEB generator over what `cmake --install` installs.
# The version is the program's own, as `brelune-cli --version` prints it.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/core/Brelune_ProgrammVersion.hpp brelune_version_zeile REGEX "Version_Text")
string(REGEX MATCH "\"([0-9.]+) ~ ([0-9]+)\\.([0-9]+)\\.([0-9]+)" brelune_version_zeile "${brelune_version_zeile}")
if(NOT CMAKE_MATCH_COUNT EQUAL 4)
    message(FATAL_ERROR "Brelune_ProgrammVersion.hpp: no \"version ~ day.month.year\" found")
endif()
set(BRELUNE_PAKETVERSION ${CMAKE_MATCH_1})
# The release date for the metainfo, ISO style from the day.month.year beside the version.
set(brelune_jahr ${CMAKE_MATCH_4})
set(brelune_monat 0${CMAKE_MATCH_3})
set(brelune_tag 0${CMAKE_MATCH_2})
string(REGEX MATCH "..$" brelune_monat ${brelune_monat})
string(REGEX MATCH "..$" brelune_tag ${brelune_tag})
set(BRELUNE_VERSIONSDATUM ${brelune_jahr}-${brelune_monat}-${brelune_tag})

# Debian wants its copyright and changelog in the package's doc folder, the changelog and the man
# pages gzipped without a time stamp, so two builds give the same bytes.
set(brelune_paketdoku ${CMAKE_INSTALL_DATADIR}/doc/brelune)
configure_file(${CMAKE_SOURCE_DIR}/data/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog @ONLY)
set(brelune_gezippt ${CMAKE_BINARY_DIR}/debian/changelog.gz)
add_custom_command(OUTPUT ${brelune_gezippt}
                   COMMAND gzip -9nkf ${CMAKE_BINARY_DIR}/debian/changelog
                   DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog)
foreach(seite brelune brelune-cli)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${seite}.1.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                       COMMAND gzip -9nc ${CMAKE_SOURCE_DIR}/docs/man/${seite}.1 > ${CMAKE_BINARY_DIR}/man/${seite}.1.gz
                       DEPENDS ${CMAKE_SOURCE_DIR}/docs/man/${seite}.1)
    list(APPEND brelune_gezippt ${CMAKE_BINARY_DIR}/man/${seite}.1.gz)
endforeach()
add_custom_target(brelune_paketdateien ALL DEPENDS ${brelune_gezippt})
install(FILES ${CMAKE_BINARY_DIR}/man/brelune.1.gz ${CMAKE_BINARY_DIR}/man/brelune-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES data/debian/copyright ${CMAKE_BINARY_DIR}/debian/changelog.gz DESTINATION ${brelune_paketdoku})
configure_file(${CMAKE_SOURCE_DIR}/data/org.brelune.Brelune.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/metainfo/org.brelune.Brelune.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/metainfo/org.brelune.Brelune.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brelune)
set(CPACK_PACKAGE_VERSION ${BRELUNE_PAKETVERSION})
set(CPACK_PACKAGE_CONTACT "Brelune developers <brelune@brelune.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "decompression trainer and dive planner")
# CPack puts the summary first and a "." on the empty line; the lines stay short for Debian.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Brelune plans and explains decompression dives for one diver. A dive is
entered as waypoints (runtime, depth, breathing gas, apparatus); Brelune
computes the inert gas of 16 tissue compartments (Buehlmann ZH-L16 with
gradient factors), oxygen toxicity (CNS, OTU), narcosis and the gas breathed
on open circuit or on a rebreather (CCR, SCR, pSCR), and plans the ascent
with its stops and gas switches.

The package holds the desktop program brelune, the headless program
brelune-cli, example dives and the manual in English and German. A planner
does not replace training and a dive computer.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://brelune.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
