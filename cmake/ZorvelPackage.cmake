# A Debian package of both programs: `cpack -G DEB` in the build folder.
# The libraries it needs are worked out from the programs themselves
# (dpkg-shlibdeps); added are what the programs load at run time: Qt's
# German translations and the display plug-ins.
set(CPACK_PACKAGE_NAME "zorvel2")
set(CPACK_PACKAGE_VERSION "1.0.0")
set(CPACK_PACKAGE_VENDOR "ZORVEL2-Entwicklerteam")
# The maintainer of the package, with a real mail address when it is built
# for others: -DZORVEL_BETREUER="Name <adresse>".
set(ZORVEL_BETREUER "ZORVEL2-Entwicklerteam <zorvel2@example.org>" CACHE STRING
    "Maintainer of the Debian package (name and mail address)")
set(CPACK_PACKAGE_CONTACT "${ZORVEL_BETREUER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "character generator and ship builder for the ZORVEL role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Two desktop programs with a German interface for the science-fiction\n\
pen-and-paper role-playing game ZORVEL: the character generator\n\
(charaktergenerator ${ZORVEL_CHARAKTER_VERSION}) builds a player character in six steps, the\n\
ship-building assistant (schiffsbau ${ZORVEL_SCHIFF_VERSION}) designs spaceships from a\n\
library of components that game masters can extend with their own lists.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "zorvel2")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Tools for game masters and players, not a game: no program in /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins")
# The short guide opens in the desktop's PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# What Debian's policy asks of every package: the copyright file, the
# changelog (compressed) and, for the data files that are Latin-1 by their
# format, lintian overrides that say so.
set(paket "${CMAKE_BINARY_DIR}/paket")
configure_file(paket/copyright.in "${paket}/copyright" @ONLY)
configure_file(paket/changelog.in "${paket}/changelog" @ONLY)
configure_file(paket/lintian-overrides.in "${paket}/zorvel2" @ONLY)
add_custom_command(
  OUTPUT "${paket}/changelog.gz"
  COMMAND "${ZORVEL_GZIP}" -9nkf "${paket}/changelog"
  DEPENDS "${paket}/changelog"
  VERBATIM)
add_custom_target(zorvel_changelog ALL DEPENDS "${paket}/changelog.gz")
install(FILES "${paket}/copyright" "${paket}/changelog.gz" DESTINATION "${CMAKE_INSTALL_DOCDIR}")
install(FILES "${paket}/zorvel2" DESTINATION "${CMAKE_INSTALL_DATADIR}/lintian/overrides")

include(CPack)
