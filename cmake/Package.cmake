# cpack -G DEB (scripts/package-debian.sh): the Debian package
# larkspan_VERSION_ARCH.deb, made from the install rules of Install.cmake
# under /usr. Its dependencies are those of the program's libraries
# (dpkg-shlibdeps: Qt's, zint's libzint2.11, ...), and the platform plugins
# without which Qt opens no window. The desktop's menu, icon cache and file
# types follow the package's files through their own triggers, so the
# package has no scripts.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME larkspan)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Taldrum)
set(CPACK_PACKAGE_CONTACT "Taldrum <larkspan@taldrum.dk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "register of belongings, pictures, coins or stock")
# The package's long description: paragraphs of the control file, without
# the leading blank and the " ." between them, which CPack adds, as it puts
# the summary above them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Larkspan keeps a household's belongings, a picture collection, a coin
collection or a small store's stock in one text file. It comes as four
editions, each with its own menu entry and a demo database in Danish,
Norwegian and English:

 - Ostrana: home contents, with price, purchase date, supplier, serial
   number, pictures and receipts;
 - Vistrel: pictures and works of art, with artist, technique, valuation
   and where each hangs;
 - Numivax: coins, with denomination, year, metal, country, catalogue
   number and grade;
 - Quorvel: a small store's stock by storage place, with barcode labels
   and the counts of a hand scanner.

Every edition prints lists and reports by group, exports HTML, XML and
spreadsheet files, and keeps earlier versions of the register.")

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
# The installation writes the final prefix into the desktop entries and the
# links: it must see /usr as its prefix, and the package's folder as DESTDIR.
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Read by cpack before it installs: tells the installation that it is the
# package's (InstallEnd.cmake then writes no record for scripts/uninstall.sh;
# dpkg keeps its own).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_SOURCE_DIR}/cmake/PackageProject.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.taldrum.dk/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The help pages open in the web browser through xdg-open; Quorvel's labels
# go to a CUPS queue through lp.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xdg-utils)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS cups-client)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
