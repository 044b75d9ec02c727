# Installed layout, relative to the prefix (the Debian games layout); the
# launcher finds the rest from its own place, so a staged (DESTDIR) or moved
# tree still runs:
#   games/rerara                launcher: changes into the data folder, runs the game
#   libexec/rerara/rerara       the game itself
#   share/games/rerara/         the data set, the game's working directory
#   share/applications/, share/icons/   the menu entry and its icon
#   share/man/man6/, share/doc/rerara/  the manual page, copyright and changelog
install(TARGETS rerara RUNTIME DESTINATION libexec/rerara)
install(PROGRAMS packaging/rerara DESTINATION games)
install(DIRECTORY data/ DESTINATION share/games/rerara PATTERN screenshots EXCLUDE)
install(FILES packaging/rerara.desktop DESTINATION share/applications)
install(FILES packaging/rerara.png DESTINATION share/icons/hicolor/256x256/apps)
install(FILES packaging/copyright DESTINATION share/doc/rerara)

# The package's one maintainer, named in its control file and its changelog.
set(CPACK_PACKAGE_CONTACT "Seed 16dbe5b6 maintainers <maintainers@users.noreply.c-seed-16dbe5b6.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})

# Debian keeps manual pages and changelogs compressed, with no time stamp in them.
configure_file(packaging/changelog.in changelog @ONLY)
set(compressed)
foreach(source ${CMAKE_CURRENT_SOURCE_DIR}/packaging/rerara.6 ${CMAKE_CURRENT_BINARY_DIR}/changelog)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${output} COMMAND gzip -9n -c ${source} > ${output} DEPENDS ${source})
  list(APPEND compressed ${output})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/rerara.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION share/doc/rerara)

# `make deb` packs the tree that already built: installing must not build
# everything again first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rerara)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time 2-D space game seen from above")
set(CPACK_PACKAGE_DESCRIPTION "Fly one ship through numbered star systems whose planets pull you in,\nland on them, dive through wormholes and fight the enemy ships that\nkeep arriving.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the game links come from dpkg-shlibdeps; the Mesa drivers are
# loaded at run time, so no link shows them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
include(CPack)
