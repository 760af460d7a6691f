# The Debian package, built by CPack from the install rules: cpack -G DEB in a build folder.
# Dependencies come from dpkg-shlibdeps; the MIME, desktop and icon databases are updated
# by Debian's own triggers when the package is installed, so it needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME korva)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Korva developers")
set(CPACK_PACKAGE_CONTACT "The Korva developers <maintainers@korva.example.org>")
# Each package's first line of description is its own summary; CPack would put one summary
# before every package's description were CPACK_PACKAGE_DESCRIPTION_SUMMARY set.
set(korva_summary "table for a play-by-e-mail wargame of WWII in Italy")
set(CPACK_PACKAGE_DESCRIPTION
    "Korva is the table for a play-by-e-mail game of a two-player hex-and-counter\n"
    "wargame of the Second World War in Italy. Open the move file your opponent\n"
    "sent, see every counter where they left it and their commented die rolls, move\n"
    "your own counters over the map, resolve combats with commented die rolls, and\n"
    "save a new move file plus a plain-text move report to send back.")
string(CONCAT CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# Install into a staging DESTDIR, so the install rules know not to build caches there.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://korva.example.org")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# xdg-email sends a saved turn; the window's font (Bookman Old Style, which URW Bookman stands
# for) and the map's (DejaVu Sans, Sans Condensed and Serif) are drawn in another face without
# their packages. The program runs without any of them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-urw-base35, fonts-dejavu-core, fonts-dejavu-extra")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Two packages from one run: korva (everything installed without a component) and
# korva-server (the "server" component), which a club's server installs alone.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_UNSPECIFIED_PACKAGE_NAME korva)
set(CPACK_DEBIAN_UNSPECIFIED_DESCRIPTION "${korva_summary}\n${CPACK_PACKAGE_DESCRIPTION}")
if(KORVA_SERVER)
    set(CPACK_DEBIAN_SERVER_PACKAGE_NAME korva-server)
    set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION net)
    set(CPACK_DEBIAN_SERVER_PACKAGE_RECOMMENDS "")
    set(CPACK_DEBIAN_SERVER_DESCRIPTION
        "server that carries Korva's games and witnesses their dice\n"
        "korva-server carries the turns of the Korva games played through it and\n"
        "draws every die of them itself, signing each roll so that both players'\n"
        "Korvas can check it. It keeps its games in one SQLite database and runs\n"
        "as a hardened systemd service.")
    string(CONCAT CPACK_DEBIAN_SERVER_DESCRIPTION ${CPACK_DEBIAN_SERVER_DESCRIPTION})
endif()
include(CPack)
