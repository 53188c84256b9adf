# Desktop integration (entry, icon, AppStream metadata) and the Debian package.
set(ZS_APP_ID org.zamanseri.Zamanseri)

if(ZS_BUILD_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${ZS_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/${ZS_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/${ZS_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/hicolor/${size}x${size}/apps/${ZS_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endif()

# Manual pages and the Debian changelog go in compressed, without time stamps, as Debian
# wants them.
set(ZS_DOC_SOURCE ${PROJECT_SOURCE_DIR}/resources/doc)
set(ZS_DOC_GZ)
foreach(doc zamanseri.1 zamanseri-tool.1 changelog)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/${doc}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND gzip -9nc ${ZS_DOC_SOURCE}/${doc} > ${CMAKE_BINARY_DIR}/doc/${doc}.gz
    DEPENDS ${ZS_DOC_SOURCE}/${doc} VERBATIM)
  list(APPEND ZS_DOC_GZ ${CMAKE_BINARY_DIR}/doc/${doc}.gz)
endforeach()
add_custom_target(zs_docs ALL DEPENDS ${ZS_DOC_GZ})
install(FILES ${CMAKE_BINARY_DIR}/doc/zamanseri-tool.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(ZS_BUILD_UI)
  install(FILES ${CMAKE_BINARY_DIR}/doc/zamanseri.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz ${ZS_DOC_SOURCE}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/zamanseri)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zamanseri)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Zamanseri")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "weekly lesson timetable of a school (Turkish)")
set(CPACK_PACKAGE_DESCRIPTION
    "Zamanseri keeps a school's lessons, classes, rooms, teachers and curriculum,\n\
builds the weekly lesson timetable automatically and by hand, distributes\n\
break-time duties, prints timetables and lists, and backs the data up. Its\n\
screens are in Turkish. The package holds the desktop program and\n\
zamanseri-tool, which works on a working directory without a display.")
set(CPACK_PACKAGE_CONTACT "Zamanseri <destek@zamanseri.org>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zamanseri.org/")
# The libraries the programs link come from dpkg-shlibdeps. What it cannot see is named
# here: Qt loads its window-system plugin at run time, and printouts ask fontconfig for
# the fixed-pitch face that Liberation Mono provides; Qt's own dialogs load their Turkish
# texts at start.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
