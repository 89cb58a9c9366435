# Installs the two programs with their desktop entry, icon, AppStream data, manual page and catalogs, and
# packs them as a Debian package whose library dependencies come from the binaries themselves.
include(GNUInstallDirs)

set(CLIPVANE_APP_ID example.tarvix.Clipvane)
install(TARGETS clipvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET clipvane)
  install(TARGETS clipvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES data/${CLIPVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${CLIPVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/icons/clipvane.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/man/clipvane-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Where both programs look for them: share/clipvane/translations beside their bin folder.
install(FILES ${CLIPVANE_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/clipvane/translations)

set(CPACK_PACKAGE_NAME clipvane)
set(CPACK_PACKAGE_VENDOR "Tarvix Software")
set(CPACK_PACKAGE_CONTACT "Tarvix Software <support@tarvix.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Batch converter for video and audio files")
set(CPACK_PACKAGE_DESCRIPTION "Clipvane converts batches of video and audio files with the FFmpeg \
encoder, with 103 output profiles or encoder arguments typed by hand. clipvane-cli does the same \
from a terminal.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY clipvane)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS ffmpeg)
# Qt's own dialog texts (the file picker, the message boxes' buttons) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://clipvane.example/)
include(CPack)
