# What `cmake --install` and the Debian package put on the system: the program and the
# three files a desktop needs to list it. Tests, benchmarks and tools stay in the build.
include(GNUInstallDirs)

set(QUORVEL_ID de.quorvel.Quorvel)

install(TARGETS quorvel RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/quorvel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/${QUORVEL_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# `cpack -G DEB` (make deb) -> quorvel_<version>_amd64.deb
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quorvel-Entwicklung")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Diskrete Verteilungen und Hypothesentests erkunden")
set(CPACK_PACKAGE_DESCRIPTION
    "Ein Programm für den Stochastikunterricht: Stichprobenumfang, bis zu drei Verteilungen\n(binomial, hypergeometrisch, Poisson, geometrisch), Signifikanzniveaus und ein\nStichprobenergebnis eingeben; jede Änderung zeigt sofort Tabellen, den\nAblehnungsbereich mit seinen Fehlern, ein Konfidenzintervall und ein Diagramm.")
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvel-Entwicklung <entwicklung@quorvel.de>")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvel.de")
# The Qt and C++ libraries come from dpkg-shlibdeps; the fonts are loaded by name at run
# time, so no tool can see them: Liberation Sans has the Arial metrics the window and the
# charts are laid out for, DejaVu Sans the arrow sign (U+21F3) that Liberation Sans lacks.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, fonts-dejavu-extra")
include(CPack)
