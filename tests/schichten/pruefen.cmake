# Fails when a layer includes a header from above it: probability/ and analysis/ use the
# standard library only (no Qt header at all), charts/ and explorations/ draw with Qt Gui and
# know no widget (explorations/ no ui/ header either: a timer in ui/ shows its frames), and no
# folder includes one of a higher layer. Only direct includes are read; the project
# headers a file may include are held to the same rules, so nothing comes in through them.
# Usage: cmake -DQUELLEN=<source folder> -DWIDGETS=<Qt's QtWidgets include folder> -P pruefen.cmake
cmake_minimum_required(VERSION 3.22)

if(NOT IS_DIRECTORY "${QUELLEN}/charts")
  message(FATAL_ERROR "QUELLEN='${QUELLEN}' is not the source folder")
endif()
# Every header Qt Widgets installs counts, not a hand-made list that misses the next one.
file(GLOB widgets_dateien LIST_DIRECTORIES false "${WIDGETS}/*")
set(widgets "")
foreach(datei IN LISTS widgets_dateien)
  get_filename_component(name "${datei}" NAME)
  list(APPEND widgets "${name}")
endforeach()
if(NOT "QWidget" IN_LIST widgets OR NOT "QApplication" IN_LIST widgets)
  message(FATAL_ERROR "WIDGETS='${WIDGETS}' holds no Qt Widgets headers")
endif()

# Folder, then the project folders above it that it must not include.
set(ordner probability analysis charts explorations)
set(oben_probability analysis charts ui explorations)
set(oben_analysis charts ui explorations)
set(oben_charts ui explorations)
set(oben_explorations ui)

set(fehler "")
foreach(schicht IN LISTS ordner)
  file(GLOB_RECURSE dateien LIST_DIRECTORIES false
       "${QUELLEN}/${schicht}/*.h" "${QUELLEN}/${schicht}/*.cpp")
  foreach(datei IN LISTS dateien)
    file(STRINGS "${datei}" zeilen REGEX "^[ \t]*#[ \t]*include")
    foreach(zeile IN LISTS zeilen)
      if(NOT zeile MATCHES "#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"]")
        continue()
      endif()
      set(kopf "${CMAKE_MATCH_1}")
      set(grund "")
      if(schicht STREQUAL "charts" OR schicht STREQUAL "explorations")
        if(kopf MATCHES "^QtWidgets/" OR kopf IN_LIST widgets)
          set(grund "a Qt Widgets header")
        endif()
      elseif(kopf MATCHES "^Q" OR kopf MATCHES "^q[a-z0-9_]+\\.h$")
        set(grund "a Qt header")
      endif()
      foreach(hoeher IN LISTS oben_${schicht})
        if(kopf MATCHES "^${hoeher}/")
          set(grund "a header of ${hoeher}/")
        endif()
      endforeach()
      if(grund)
        file(RELATIVE_PATH pfad "${QUELLEN}" "${datei}")
        string(APPEND fehler "\n  ${pfad}: ${zeile}   (${grund} in ${schicht}/)")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fehler)
  message(FATAL_ERROR "includes against the layers:${fehler}")
endif()
message(STATUS "layers ok")
