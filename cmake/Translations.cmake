# The catalogs of the user's language: data/translations/clipvane_<language>.ts, kept in the
# repository, made into .qm files beside both programs (where they look first) and installed with them.
set(CLIPVANE_LANGUAGES de fr es pt_BR ru zh_CN ja)
# Host tools, also for the Windows cross-build: .qm files are the same on every system.
find_program(CLIPVANE_LRELEASE NAMES lrelease lrelease-qt6 HINTS /usr/lib/qt6/bin "${QT6_INSTALL_PREFIX}/bin"
             REQUIRED)
find_program(CLIPVANE_LUPDATE NAMES lupdate lupdate-qt6 HINTS /usr/lib/qt6/bin "${QT6_INSTALL_PREFIX}/bin")

set(CLIPVANE_QM_FOLDERS "${CMAKE_BINARY_DIR}/src/app/translations" "${CMAKE_BINARY_DIR}/src/cli/translations")
set(CLIPVANE_QM_FILES)
foreach(language IN LISTS CLIPVANE_LANGUAGES)
  set(ts "${PROJECT_SOURCE_DIR}/data/translations/clipvane_${language}.ts")
  set(qm "${CMAKE_BINARY_DIR}/translations/clipvane_${language}.qm")
  set(copies)
  foreach(folder IN LISTS CLIPVANE_QM_FOLDERS)
    list(APPEND copies COMMAND ${CMAKE_COMMAND} -E copy_if_different "${qm}" "${folder}/")
  endforeach()
  add_custom_command(OUTPUT "${qm}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_BINARY_DIR}/translations" ${CLIPVANE_QM_FOLDERS}
    COMMAND "${CLIPVANE_LRELEASE}" -silent "${ts}" -qm "${qm}"
    ${copies}
    DEPENDS "${ts}" VERBATIM)
  list(APPEND CLIPVANE_QM_FILES "${qm}")
endforeach()
add_custom_target(translations ALL DEPENDS ${CLIPVANE_QM_FILES})
set(CLIPVANE_TRANSLATIONS_DIR "${CMAKE_BINARY_DIR}/src/app/translations")

# Takes the texts of the sources into the catalogs (then translate what lupdate marks unfinished).
if(CLIPVANE_LUPDATE)
  set(catalogs)
  foreach(language IN LISTS CLIPVANE_LANGUAGES)
    list(APPEND catalogs "${PROJECT_SOURCE_DIR}/data/translations/clipvane_${language}.ts")
  endforeach()
  add_custom_target(update-translations
    COMMAND "${CLIPVANE_LUPDATE}" -silent -no-obsolete -locations none -tr-function-alias translate+=Tr
            "${PROJECT_SOURCE_DIR}/src" -ts ${catalogs}
    VERBATIM)
endif()
