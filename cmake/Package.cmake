# The Debian package: `cpack -G DEB` in the build directory. dpkg-shlibdeps finds
# the Qt 6 runtime packages; the platform plugins are only recommended by Qt, yet
# the program cannot show a window without them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grd-oddsmith)
set(CPACK_PACKAGE_VENDOR "GRD Oddsmith")
set(CPACK_PACKAGE_CONTACT "GRD Oddsmith developers <oddsmith@grdsoftware.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "forecasts the point spreads of football games")
set(CPACK_PACKAGE_DESCRIPTION "GRD Oddsmith rates the teams of a professional football\n\
league from each week's final scores and forecasts the point spreads of\n\
the coming week's games.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Reports are laid out in Arial; Liberation Sans has its widths, so columns print as designed.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
