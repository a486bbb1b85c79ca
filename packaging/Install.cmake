# Installs the game as a distribution installs a desktop game: the program in
# games/, its menu entry and AppStream metainfo named by the program's
# reverse-DNS id, the icon at every size of the hicolor theme, the manual
# page, and in the documentation folder the README, the copyright file and the
# changelog. Also the Debian package built from the same installation.
set(CMAKE_INSTALL_DOCDIR share/doc/fallox)
include(GNUInstallDirs)

set(FALLOX_INSTALL_GAMESDIR "games" CACHE STRING
    "Folder of the program below the installation prefix (games as in a distribution, or e.g. bin)")
set(FALLOX_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(FALLOX_GENERATED_DIR ${PROJECT_BINARY_DIR}/packaging)

# The release comes from the newest entry of the Debian changelog: its version
# must be the project's, and its date is the release date of the metainfo and
# the manual page. A new entry therefore configures the build again.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${FALLOX_PACKAGING_DIR}/debian/changelog)
file(STRINGS ${FALLOX_PACKAGING_DIR}/debian/changelog fallox_changelog_heads REGEX "^fallox \\(")
file(STRINGS ${FALLOX_PACKAGING_DIR}/debian/changelog fallox_changelog_trailers REGEX "^ -- ")
list(GET fallox_changelog_heads 0 fallox_changelog_head)
list(GET fallox_changelog_trailers 0 fallox_changelog_trailer)
string(REGEX REPLACE "^fallox \\(([^)]*)\\).*" "\\1" fallox_changelog_version "${fallox_changelog_head}")
if(NOT fallox_changelog_version STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/debian/changelog starts with version ${fallox_changelog_version}, "
                      "the project is ${PROJECT_VERSION}: add a changelog entry for the release")
endif()
if(NOT fallox_changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "packaging/debian/changelog: no RFC 5322 date in '${fallox_changelog_trailer}'")
endif()
set(fallox_day "${CMAKE_MATCH_1}")
set(fallox_year "${CMAKE_MATCH_3}")
set(fallox_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND fallox_months "${CMAKE_MATCH_2}" fallox_month)
if(fallox_month LESS 0)
  message(FATAL_ERROR "packaging/debian/changelog: unknown month in '${fallox_changelog_trailer}'")
endif()
math(EXPR fallox_month "${fallox_month} + 1")
foreach(part fallox_day fallox_month)
  string(LENGTH "${${part}}" fallox_digits)
  if(fallox_digits EQUAL 1)
    set(${part} "0${${part}}")
  endif()
endforeach()
set(FALLOX_RELEASE_DATE "${fallox_year}-${fallox_month}-${fallox_day}")

# The web site publishes the README's pictures below screenshots/.
string(REGEX REPLACE "/+$" "" fallox_homepage_base "${FALLOX_HOMEPAGE_URL}")
set(FALLOX_SCREENSHOT_URL "${fallox_homepage_base}/screenshots/")

configure_file(${FALLOX_PACKAGING_DIR}/fallox.metainfo.xml.in
               ${FALLOX_GENERATED_DIR}/${FALLOX_APP_ID}.metainfo.xml @ONLY)
configure_file(${FALLOX_PACKAGING_DIR}/fallox.6.in ${FALLOX_GENERATED_DIR}/fallox.6 @ONLY)
configure_file(${FALLOX_PACKAGING_DIR}/debian/copyright.in ${FALLOX_GENERATED_DIR}/copyright @ONLY)

# Manual page and changelog are installed compressed, without name or time in
# the gzip header, so that two builds give the same bytes.
find_program(FALLOX_GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${FALLOX_GENERATED_DIR}/fallox.6.gz
  COMMAND ${FALLOX_GZIP} -9nkf fallox.6
  WORKING_DIRECTORY ${FALLOX_GENERATED_DIR}
  DEPENDS ${FALLOX_GENERATED_DIR}/fallox.6
  VERBATIM)
add_custom_command(
  OUTPUT ${FALLOX_GENERATED_DIR}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E copy ${FALLOX_PACKAGING_DIR}/debian/changelog changelog
  COMMAND ${FALLOX_GZIP} -9nf changelog
  WORKING_DIRECTORY ${FALLOX_GENERATED_DIR}
  DEPENDS ${FALLOX_PACKAGING_DIR}/debian/changelog
  VERBATIM)
add_custom_target(fallox_packaging_files ALL
  DEPENDS ${FALLOX_GENERATED_DIR}/fallox.6.gz ${FALLOX_GENERATED_DIR}/changelog.gz)

install(TARGETS fallox RUNTIME DESTINATION ${FALLOX_INSTALL_GAMESDIR})
install(FILES ${FALLOX_GENERATED_DIR}/${FALLOX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 32 48 64 128 256 512)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/fallox-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${FALLOX_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/fallox.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${FALLOX_APP_ID}.svg)
install(FILES ${FALLOX_GENERATED_DIR}/fallox.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${FALLOX_GENERATED_DIR}/copyright ${FALLOX_GENERATED_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The menu entry starts the program by its full path, so it works whether or
# not games/ is on the PATH; it is written while installing.
install(CODE "
  set(FALLOX_INSTALL_GAMESDIR \"${FALLOX_INSTALL_GAMESDIR}\")
  set(FALLOX_APP_ID \"${FALLOX_APP_ID}\")
  set(FALLOX_DESKTOP_TEMPLATE \"${FALLOX_PACKAGING_DIR}/fallox.desktop.in\")
  set(FALLOX_DESKTOP_FILE \"${FALLOX_GENERATED_DIR}/${FALLOX_APP_ID}.desktop\")
  set(FALLOX_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")
  include(\"${FALLOX_PACKAGING_DIR}/InstallDesktopEntry.cmake\")
")

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "fallox")
set(CPACK_PACKAGE_VENDOR "Fallox developers")
set(CPACK_PACKAGE_CONTACT "Fallox developers <dev@fallox.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Falling-block puzzle game with a German user interface")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${FALLOX_PACKAGING_DIR}/debian/description)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "fallox")
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FALLOX_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The X11 platform plugin and SDL (for the sound) are loaded at run time, so
# no library check finds them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsdl2-2.0-0")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
# A distribution ships programs without their symbol tables.
set(CPACK_STRIP_FILES TRUE)
include(CPack)
