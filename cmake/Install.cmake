# Installation and the Debian package. `cmake --install` (or `make install`
# with PREFIX) puts the two programs, the help document, the desktop entry,
# the icon, the AppStream metadata and the man pages in the usual places
# under CMAKE_INSTALL_PREFIX.
include(GNUInstallDirs)

set(QUORVIX_APP_ID com.daltrane.Quorvix)
set(QUORVIX_HELP_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/quorvix/help)

install(TARGETS quorvix quorvix-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The help window looks for the document at bin/../share/quorvix/help.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/help/ DESTINATION ${QUORVIX_HELP_INSTALL_DIR}
        FILES_MATCHING PATTERN "*.html" PATTERN "*.css")

install(FILES ${PROJECT_SOURCE_DIR}/data/${QUORVIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${QUORVIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The version and the help directory are filled in at configure time.
set(VERSION ${PROJECT_VERSION})
set(HELPDIR ${CMAKE_INSTALL_FULL_DATADIR}/quorvix/help)
configure_file(${PROJECT_SOURCE_DIR}/data/${QUORVIX_APP_ID}.metainfo.xml
               ${CMAKE_BINARY_DIR}/data/${QUORVIX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/data/${QUORVIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Man pages are installed compressed, as Debian wants them, where gzip exists.
find_program(GZIP_PROGRAM gzip)
foreach(page quorvix quorvix-cli)
  set(man ${CMAKE_BINARY_DIR}/data/man/${page}.1)
  configure_file(${PROJECT_SOURCE_DIR}/data/man/${page}.1 ${man} @ONLY)
  if(GZIP_PROGRAM)
    execute_process(COMMAND ${GZIP_PROGRAM} -9nf ${man})
    set(man ${man}.gz)
  endif()
  install(FILES ${man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The copyright statement and the change log, where Debian looks for them
# (/usr/share/doc/quorvix/copyright and changelog.gz).
set(QUORVIX_DOC_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorvix)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${QUORVIX_DOC_INSTALL_DIR})
set(changelog ${CMAKE_BINARY_DIR}/data/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog ${changelog} @ONLY)
if(GZIP_PROGRAM)
  execute_process(COMMAND ${GZIP_PROGRAM} -9nf ${changelog})
  set(changelog ${changelog}.gz)
endif()
install(FILES ${changelog} DESTINATION ${QUORVIX_DOC_INSTALL_DIR})

# `make package`: a Debian package quorvix_<version>_<arch>.deb. Its
# library dependencies (Qt 6, libedit, the C++ runtime) are found by
# dpkg-shlibdeps from the installed binaries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvix)
set(CPACK_PACKAGE_VENDOR Daltrane)
set(CPACK_PACKAGE_CONTACT "Daltrane <support@daltrane.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific calculator with a worksheet display")
set(CPACK_PACKAGE_DESCRIPTION "Quorvix is a desktop scientific calculator whose display is a worksheet:
about a hundred functions, bases 2 to 36, unit conversion, physical
constants, a Finance Box and user-defined constants, conversions and
functions. It lives in the system tray. quorvix-cli is the same calculator
in a terminal.")
# The package installs where the build was configured to (make package
# configures its own build with the prefix /usr).
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, which dpkg-shlibdeps cannot see: Qt's platform plugin,
# and libedit for quorvix-cli's interactive prompt.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libedit2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
include(CPack)
