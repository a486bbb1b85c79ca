# Runs while installing: writes the menu entry with the full path of the
# installed program and installs it. The prefix is known only now, since
# cmake --install --prefix may choose another one than the build's.
#
# Expects FALLOX_INSTALL_GAMESDIR, FALLOX_APP_ID, FALLOX_DESKTOP_TEMPLATE,
# FALLOX_DESKTOP_FILE (the file to write) and FALLOX_APPLICATIONS_DIR (below
# the prefix).

set(fallox_program "${FALLOX_INSTALL_GAMESDIR}/fallox")
if(NOT IS_ABSOLUTE "${fallox_program}")
  set(fallox_program "${CMAKE_INSTALL_PREFIX}/${fallox_program}")
endif()
# Exec takes a path with spaces in double quotes; quotes, dollars and
# backslashes would need escaping on two levels, which no sane prefix needs.
if(fallox_program MATCHES "[\"`$\\\\]")
  message(FATAL_ERROR "The menu entry cannot start a program whose path holds quotes, $ or backslashes: "
                      "${fallox_program}")
endif()
set(FALLOX_EXEC "${fallox_program}")
if(fallox_program MATCHES " ")
  set(FALLOX_EXEC "\"${fallox_program}\"")
endif()
configure_file("${FALLOX_DESKTOP_TEMPLATE}" "${FALLOX_DESKTOP_FILE}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${FALLOX_APPLICATIONS_DIR}" TYPE FILE FILES "${FALLOX_DESKTOP_FILE}")
