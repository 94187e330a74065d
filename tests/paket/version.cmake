# SPDX-FileCopyrightText: 2026 Quorvel-Entwicklung
# SPDX-License-Identifier: GPL-3.0-or-later
# debian/changelog's newest entry names the version CMakeLists.txt gives the program.
# Usage: cmake -DCHANGELOG=<debian/changelog> -DVERSION=<project version> -P version.cmake
file(STRINGS "${CHANGELOG}" kopf LIMIT_COUNT 1)
# quorvel ([epoch:]upstream[-revision]) distribution; urgency=...
if(NOT kopf MATCHES "^quorvel \\(([0-9]+:)?([^ )]+)\\) ")
  message(FATAL_ERROR "FEHLER: the first line of ${CHANGELOG} is no changelog entry of quorvel: ${kopf}")
endif()
set(paketversion "${CMAKE_MATCH_2}")
string(REGEX REPLACE "-[^-]*$" "" upstream "${paketversion}")
if(NOT upstream STREQUAL VERSION)
  message(FATAL_ERROR "FEHLER: debian/changelog is at ${paketversion}, CMakeLists.txt at ${VERSION}: "
                      "a new version needs its changelog entry (dch -v ${VERSION})")
endif()
message(STATUS "debian/changelog and CMakeLists.txt: version ${VERSION}")
