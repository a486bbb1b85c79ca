# Installs the game like a desktop program: the executable, a menu entry,
# the icon in the hicolor theme and the README. Also the Debian package.
set(CMAKE_INSTALL_DOCDIR share/doc/fallox)
include(GNUInstallDirs)

install(TARGETS fallox RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/fallox.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/icon256.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME fallox.png)
install(FILES ${PROJECT_SOURCE_DIR}/resources/images/icon.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps RENAME fallox.png)
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "fallox")
set(CPACK_PACKAGE_VENDOR "Fallox developers")
set(CPACK_PACKAGE_CONTACT "Fallox developers <dev@fallox.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling-block puzzle game with a German user interface")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "fallox")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin is loaded at run time, so no library check finds it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
include(CPack)
