# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, built from the build tree with `cpack -G DEB`. Its
# Depends come from the libraries the executables really link (dpkg-shlibdeps);
# the two shared libraries of this project travel inside it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velorin-somnara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velorin Somnara")
set(CPACK_PACKAGE_CONTACT "Velorin Somnara <soporte@velorin-somnara.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Binaural beat sessions with light-and-sound glasses")
set(CPACK_PACKAGE_DESCRIPTION
  "Velorin Somnara draws and plays brainwave entrainment sessions: a left and a
right tone that follow a beat curve and a base curve, masking noise,
background music from a playlist, and the eight LEDs of light-and-sound
glasses on a parallel port. The user interface is in Spanish. Also the
Tickora timer and Lumidot LED indicator libraries with their headers.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velorin-somnara.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no shared library reveals: the MIDI songs play through this SoundFont,
# opened by its path.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "timgm6mb-soundfont")
# libtickora and liblumidot are inside the package itself.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${CMAKE_BINARY_DIR}/src/tickora ${CMAKE_BINARY_DIR}/src/lumidot)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/deb_triggers.cmake)

include(CPack)
