# Installed layout, relative to the prefix; the launcher finds the rest from
# its own place, so a staged (DESTDIR) or moved tree still runs:
#   bin/rerara                 launcher: changes into the data folder, runs the game
#   libexec/rerara/rerara      the game itself
#   share/rerara/              the data set, the game's working directory
#   share/applications/, share/icons/   the menu entry and its icon
install(TARGETS rerara RUNTIME DESTINATION libexec/rerara)
install(PROGRAMS packaging/rerara DESTINATION bin)
install(DIRECTORY data/ DESTINATION share/rerara PATTERN screenshots EXCLUDE)
install(FILES packaging/rerara.desktop DESTINATION share/applications)
install(FILES packaging/rerara.png DESTINATION share/icons/hicolor/256x256/apps)

# `make deb` packs the tree that already built: installing must not build
# everything again first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rerara)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(CPACK_PACKAGE_CONTACT "Rerara developers <rerara@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time 2-D space game seen from above")
set(CPACK_PACKAGE_DESCRIPTION "Fly one ship through numbered star systems whose planets pull you in,\nland on them, dive through wormholes and fight the enemy ships that keep arriving.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the game links come from dpkg-shlibdeps; the Mesa drivers are
# loaded at run time, so no link shows them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1-mesa-dri")
include(CPack)
