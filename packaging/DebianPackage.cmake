# "cpack -G DEB" in the build folder packs the installed tree as varnix-chess_<version>_<arch>.deb.
# Build the package from a Release build: a sanitizer build would pull in its run-time libraries.
set(CPACK_PACKAGE_NAME varnix-chess)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Varnix Chess team")
set(CPACK_PACKAGE_CONTACT "the Varnix Chess team <varnix-chess@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess against the computer on a drawn wooden board")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Varnix Chess is a desktop program for playing chess against the computer.\n"
    "You play White or Black on a wooden board, by dragging pieces or by clicking,\n"
    "step back and forward through the game, choose one of ten strength levels and\n"
    "save and load games. The package also holds varnix-uci, the same engine for\n"
    "other chess programs, and varnix-diagram, which draws board diagrams as PNG.")
string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# The fonts are read at run time through fontconfig, so no linker sees them;
# the libraries come with their versions from dpkg-shlibdeps where it exists.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
find_program(VARNIX_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VARNIX_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "libfltk1.3, libpng16-16, libfreetype6, libfontconfig1, libstdc++6, ")
endif()
set(CPACK_GENERATOR DEB)
include(CPack)
