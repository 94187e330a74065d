# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` and the Debian package put on the system: the program, the three
# files a desktop needs to list it, the lesson files' MIME type, the example tasks and its man
# pages. The package's copyright and changelog are debian/'s, installed by debhelper.
# Tests, benchmarks and tools stay in the build.
include(GNUInstallDirs)

set(QUORVEL_ID de.quorvel.Quorvel)
set(quorvel_daten ${CMAKE_BINARY_DIR}/daten)

# The files that name the version are made from templates, so the version is written in
# CMakeLists.txt; debian/changelog's newest entry names it too, and the test paket.version
# below holds the two together.
configure_file(${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.metainfo.xml.in
               ${quorvel_daten}/${QUORVEL_ID}.metainfo.xml @ONLY)
# The man page in English, and in German where man looks for it in a German locale (man/de).
configure_file(${CMAKE_SOURCE_DIR}/data/quorvel.1.in ${quorvel_daten}/quorvel.1 @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/data/quorvel.de.1.in ${quorvel_daten}/de/quorvel.1 @ONLY)
# gzip -9n: the best compression, and no name or time stamp, so every build gives the same bytes.
foreach(seite quorvel.1 de/quorvel.1)
  execute_process(COMMAND gzip -9n -c ${quorvel_daten}/${seite}
                  OUTPUT_FILE ${quorvel_daten}/${seite}.gz COMMAND_ERROR_IS_FATAL ANY)
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
# Installed there, the type reaches the desktop's database by dpkg's triggers of
# shared-mime-info (and the desktop entry's MimeType by those of desktop-file-utils).
install(FILES ${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ${QUORVEL_ID}.xml)
install(FILES ${CMAKE_SOURCE_DIR}/data/beispiele/wuerfel.quorvel
              ${CMAKE_SOURCE_DIR}/data/beispiele/qualitaetskontrolle.quorvel
              ${CMAKE_SOURCE_DIR}/data/beispiele/urne.quorvel
        DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvel/beispiele)
install(FILES ${CMAKE_SOURCE_DIR}/data/quorvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${quorvel_daten}/${QUORVEL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${quorvel_daten}/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${quorvel_daten}/de/quorvel.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

# The licence of every file, where reuse is installed and the sources are a git checkout (reuse
# needs git to leave the build folders out). The package build switches it off: it checks the
# checkout, not what the package is built from. The sanitizer build is no package.
option(QUORVEL_LIZENZTEST "Check every file's licence with reuse (where reuse and .git are there)" ON)
find_program(QUORVEL_REUSE reuse)
if(QUORVEL_LIZENZTEST AND QUORVEL_REUSE AND EXISTS ${CMAKE_SOURCE_DIR}/.git)
  add_test(NAME lizenz.reuse COMMAND ${QUORVEL_REUSE} --root ${CMAKE_SOURCE_DIR} lint)
endif()
# The package's version is debian/changelog's newest entry; its upstream part (without epoch and
# Debian revision) must be this project's version. lintian judges the package itself where it
# is built (make deb, tools/paket.sh): building it here would run this suite inside itself.
add_test(NAME paket.version
         COMMAND ${CMAKE_COMMAND} -DCHANGELOG=${CMAKE_SOURCE_DIR}/debian/changelog
                 -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/tests/paket/version.cmake)
