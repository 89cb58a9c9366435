# Windows programs carry the program icon and a version resource (Explorer, Apps & features and the
# file properties show them).
if(WIN32)
  enable_language(RC)
endif()

set(CLIPVANE_ICON_FILE ${PROJECT_SOURCE_DIR}/data/icons/clipvane.ico)

function(clipvane_windows_resources target description)
  if(NOT WIN32)
    return()
  endif()
  set(CLIPVANE_RC_DESCRIPTION "${description}")
  set(CLIPVANE_RC_FILENAME "${target}.exe")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
               ${CLIPVANE_ICON_FILE})
endfunction()
