# The Debian package, made by "cpack -G DEB" in a build folder (scripts/package
# does it with Debian's build flags and checks the result with lintian). It
# holds what "cmake --install" installs, under /usr; its dependencies are
# derived from the libraries the programs link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vnplay)
set(CPACK_PACKAGE_VENDOR "The vnplay developers")
set(CPACK_PACKAGE_CONTACT "${VNPLAY_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player and inspection tool for time-lapse camera recordings")
set(CPACK_PACKAGE_DESCRIPTION
    "Velnor Video Player plays the recordings of battery-powered time-lapse
cameras (AVI files of JPEG frames, MPEG-4 streams and raw movies with sound)
and shows what the camera recorded with every picture: the capture date and
time, its settings, exposure values, battery, temperature and events.
.
vnplay-tool prints what the player reads from a recording as JSON, and
vnplay-samples writes sample recordings.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VNPLAY_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
