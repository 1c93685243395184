# A Debian package of both programs: `cpack -G DEB` in the build folder.
# The libraries it needs are worked out from the programs themselves
# (dpkg-shlibdeps); added are what the programs load at run time: Qt's
# German translations and the display plug-ins.
set(CPACK_PACKAGE_NAME "zorvel2")
set(CPACK_PACKAGE_VERSION "1.0.0")
set(CPACK_PACKAGE_VENDOR "ZORVEL2-Entwicklerteam")
set(CPACK_PACKAGE_CONTACT "ZORVEL2-Entwicklerteam <zorvel2@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "ZORVEL2 character generator and ship builder for the ZORVEL role-playing game")
set(CPACK_PACKAGE_DESCRIPTION
    "Two desktop programs with a German interface for the science-fiction\n\
pen-and-paper role-playing game ZORVEL: the character generator\n\
(charaktergenerator 0.9.3) builds a player character in six steps, the\n\
ship-building assistant (schiffsbau 0.12.0) designs spaceships from a\n\
library of components that game masters can extend with their own lists.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "zorvel2")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, qt6-qpa-plugins")
# The short guide opens in the desktop's PDF viewer.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

include(CPack)
