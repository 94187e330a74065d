# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` and the Debian package put on the system: the program, the three
# files a desktop needs to list it, its man page, and its copyright and changelog.
# Tests, benchmarks and tools stay in the build.
include(GNUInstallDirs)

set(QUORVEL_ID de.quorvel.Quorvel)
set(quorvel_daten ${CMAKE_BINARY_DIR}/daten)

# The files that name the version are made from templates, so the version is written in
# CMakeLists.txt alone. Debian wants the changelog's date in RFC 2822 form.
execute_process(COMMAND date -u -R -d ${QUORVEL_VERSIONSDATUM}
                OUTPUT_VARIABLE QUORVEL_CHANGELOGDATUM OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.metainfo.xml.in
               ${quorvel_daten}/${QUORVEL_ID}.metainfo.xml @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/quorvel.1.in ${quorvel_daten}/quorvel.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/changelog.in ${quorvel_daten}/changelog @ONLY)
# gzip -9n: the best compression, and no name or time stamp, so every build gives the same bytes.
foreach(datei quorvel.1 changelog)
  execute_process(COMMAND gzip -9n -c ${quorvel_daten}/${datei}
                  OUTPUT_FILE ${quorvel_daten}/${datei}.gz COMMAND_ERROR_IS_FATAL ANY)
endforeach()

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package) also drops the compilers' version strings, as Debian's own
# strip does.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND ${CMAKE_OBJCOPY} --remove-section=.comment
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quorvel\"
                  COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(FILES ${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/quorvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${quorvel_daten}/${QUORVEL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${quorvel_daten}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The package's name, not the project's, names the folder, as Debian has it.
install(FILES ${CMAKE_SOURCE_DIR}/data/copyright ${quorvel_daten}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvel)

# `cpack -G DEB` (make deb) -> quorvel_<version>_amd64.deb
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel-Entwicklung")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "explore discrete distributions and hypothesis tests")
# Lines of at most 80 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION [=[
Quorvel is a program for teaching probability and statistics. Type a sample
size, up to three distributions (binomial, hypergeometric, Poisson,
geometric), significance levels and a sample result; every change is
answered at once with new tables, the rejection region and its errors, a
confidence interval and a redrawn chart. Further views draw the operating
characteristic, families of distributions and animations.

The user interface is German.]=])
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel-Entwicklung <entwicklung@quorvel.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# The Qt and C++ libraries come from dpkg-shlibdeps. What the program loads at run time no
# tool can see: Liberation Sans has the Arial metrics the window and the charts are laid out
# for, DejaVu Sans the arrow sign (U+21F3) that Liberation Sans lacks; Qt's SVG plugins draw
# the window icon; Qt's platform plugins and its German translations.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, fonts-dejavu-extra, libqt6svg6, qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)

# The licence of every file, and the package as Debian's checker sees it, where the tools are
# installed. reuse needs git to leave the build folders out. The sanitizer build is no package.
find_program(QUORVEL_REUSE reuse)
if(QUORVEL_REUSE AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  add_test(NAME lizenz.reuse COMMAND ${QUORVEL_REUSE} --root ${CMAKE_SOURCE_DIR} lint)
endif()
find_program(QUORVEL_LINTIAN lintian)
if(QUORVEL_LINTIAN AND NOT QUORVEL_SANITIZE)
  add_test(NAME paket.lintian
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/paket/lintian.sh ${CMAKE_CPACK_COMMAND}
                   ${CMAKE_BINARY_DIR} ${QUORVEL_LINTIAN})
endif()
