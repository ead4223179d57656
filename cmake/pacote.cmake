# Installation and the Debian package:
#   cmake --install build --prefix P    (programs in P/bin, the world in P/share/pitchlord)
#   cd build && cpack -G DEB             (pitchlord_<version>_amd64.deb)
# The programs find their world at <their folder>/../share/pitchlord, so the
# layout must stay bin/ beside share/ whatever the prefix.

# The icon at every size the menus ask for, drawn by the world's writer.
set(PITCHLORD_ICONES ${CMAKE_BINARY_DIR}/icones)
add_custom_command(
  OUTPUT ${PITCHLORD_ICONES}/256x256/apps/pitchlord.png
  COMMAND pitchlord-dados --icones ${PITCHLORD_ICONES}
  DEPENDS pitchlord-dados
  COMMENT "Drawing the icon"
  VERBATIM)
add_custom_target(icones ALL DEPENDS ${PITCHLORD_ICONES}/256x256/apps/pitchlord.png)

install(TARGETS pitchlord-sim RUNTIME DESTINATION bin)
if(TARGET pitchlord)
  install(TARGETS pitchlord RUNTIME DESTINATION bin)
endif()

# The world is written afresh into the installation rather than copied from
# build/jogo/, whose settings, language choice and teams the developer may
# have changed by playing.
install(CODE "
  set(destino \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/share/pitchlord\")
  message(STATUS \"Writing the default world into \${destino}\")
  execute_process(
    COMMAND \"$<TARGET_FILE:pitchlord-dados>\" --fontes \"${PROJECT_SOURCE_DIR}/data\"
            --saida \"\${destino}\" --pacote
    RESULT_VARIABLE resultado)
  if(resultado)
    message(FATAL_ERROR \"pitchlord-dados failed: \${resultado}\")
  endif()
")
install(DIRECTORY ${PITCHLORD_ICONES}/ DESTINATION share/icons/hicolor)
install(FILES ${PROJECT_SOURCE_DIR}/pacote/pitchlord.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/pacote/copyright DESTINATION share/doc/pitchlord)
install(FILES ${PROJECT_SOURCE_DIR}/pacote/lintian-overrides DESTINATION share/lintian/overrides
        RENAME pitchlord)

# The package's history, compressed as the packaging rules want it.
set(PITCHLORD_HISTORICO ${CMAKE_BINARY_DIR}/pacote/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/pacote)
file(STRINGS ${PROJECT_SOURCE_DIR}/pacote/changelog PITCHLORD_ENTRADA LIMIT_COUNT 1)
if(NOT PITCHLORD_ENTRADA MATCHES "^pitchlord \\(${PROJECT_VERSION}\\)")
  message(WARNING "pacote/changelog has no entry for version ${PROJECT_VERSION}")
endif()
add_custom_command(
  OUTPUT ${PITCHLORD_HISTORICO}
  COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/pacote/changelog > ${PITCHLORD_HISTORICO}
  DEPENDS ${PROJECT_SOURCE_DIR}/pacote/changelog
  VERBATIM)
add_custom_target(historico ALL DEPENDS ${PITCHLORD_HISTORICO})
install(FILES ${PITCHLORD_HISTORICO} DESTINATION share/doc/pitchlord)

set(CPACK_PACKAGE_NAME pitchlord)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "PitchLord developers")
set(CPACK_PACKAGE_CONTACT "PitchLord developers <pitchlord@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "football club management game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The dependencies come from dpkg-shlibdeps, run on the programs alone:
# CPackDeb's own SHLIBDEPS first runs `file` on every installed file, some
# minutes for the world's thousands.
set(PITCHLORD_PROGRAMAS "\"$<TARGET_FILE:pitchlord-sim>\"")
if(TARGET pitchlord)
  string(APPEND PITCHLORD_PROGRAMAS " \"$<TARGET_FILE:pitchlord>\"")
endif()
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/pacote/dependencias.cmake CONTENT "
if(CPACK_GENERATOR STREQUAL \"DEB\")
  set(pasta \"${CMAKE_BINARY_DIR}/pacote/shlibdeps\")
  file(WRITE \"\${pasta}/debian/control\" \"\")
  execute_process(COMMAND dpkg-shlibdeps -O ${PITCHLORD_PROGRAMAS}
                  WORKING_DIRECTORY \"\${pasta}\" OUTPUT_VARIABLE saida ERROR_VARIABLE avisos
                  RESULT_VARIABLE resultado)
  if(resultado OR NOT saida MATCHES \"shlibs:Depends=([^\\n]*)\")
    message(FATAL_ERROR \"dpkg-shlibdeps failed: \${resultado}\\n\${avisos}\")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS \"\${CMAKE_MATCH_1}\")
endif()
")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/pacote/dependencias.cmake)
# The summary above is the first line; this is the rest.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "For one to six coaches sharing one computer: each picks the lineup and\n"
    "tactics of a club, watches the matchdays minute by minute or skips them,\n"
    "buys and sells players, renews contracts, expands the stadium and keeps\n"
    "the board and the fans confident, season after season, and in tournament\n"
    "years may coach a national team. The interface is Portuguese, with its\n"
    "texts in replaceable language files; the world of invented clubs comes\n"
    "with a team editor.")
include(CPack)
