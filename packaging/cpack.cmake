# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages, built from the build tree with `cpack -G DEB`, split as
# Debian does, one package per install component:
#   program      velorin-somnara  the program, the renderer, their data, the
#                                 desktop files, icons and manual pages
#   tickora      libtickora1      the shared library, in the multiarch folder
#   tickora_dev  libtickora-dev   its headers, .so link and CMake package files
#   lumidot      liblumidot1      and lumidot_dev, liblumidot-dev: the same
# Depends come from the libraries the executables really link (dpkg-shlibdeps),
# those of this project through their symbols files; a -dev package depends on
# its runtime package at the same version.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_PACKAGE_NAME velorin-somnara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Velorin Somnara")
set(CPACK_PACKAGE_CONTACT "Velorin Somnara <soporte@velorin-somnara.example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

# The Debian revision comes from the newest changelog entry, which must be for
# this version: a new version without its entry stops here.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/debian/changelog newest LIMIT_COUNT 1)
string(REPLACE "." "\\." version_pattern ${PROJECT_VERSION})
if(NOT newest MATCHES "^velorin-somnara \\(${version_pattern}-([0-9A-Za-z.+~]+)\\) ")
  message(FATAL_ERROR "packaging/debian/changelog: the newest entry must be for "
    "${PROJECT_VERSION}-<revision>; it is: ${newest}")
endif()
set(CPACK_DEBIAN_PACKAGE_RELEASE ${CMAKE_MATCH_1})

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://velorin-somnara.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack gives a package of libraries ldconfig scripts; this turns them into
# libc-bin's trigger.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/deb_triggers.cmake)

# vs_debian_package(COMPONENT PACKAGE SECTION DESCRIPTION): the package made of
# an install component, with the copyright and changelog every package carries
# and its lintian overrides: those of packaging/debian/lintian-overrides, which
# concern every package, and of packaging/debian/<package>.lintian-overrides
# where there is one. Each override has the reason for it written above it.
function(vs_debian_package component package section description)
  string(TOUPPER ${component} c)
  set(CPACK_DEBIAN_${c}_PACKAGE_NAME ${package} PARENT_SCOPE)
  set(CPACK_DEBIAN_${c}_PACKAGE_SECTION ${section} PARENT_SCOPE)
  set(CPACK_DEBIAN_${c}_DESCRIPTION "${description}" PARENT_SCOPE)
  if(NOT package STREQUAL CPACK_PACKAGE_NAME)
    set(CPACK_DEBIAN_${c}_PACKAGE_SOURCE ${CPACK_PACKAGE_NAME} PARENT_SCOPE)
  endif()
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${VS_DEBIAN_CHANGELOG}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})

  set(overrides)
  foreach(source lintian-overrides ${package}.lintian-overrides)
    set(source ${PROJECT_SOURCE_DIR}/packaging/debian/${source})
    if(EXISTS ${source})
      set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
      file(READ ${source} text)
      string(APPEND overrides "${text}")
    endif()
  endforeach()
  if(overrides)
    set(file ${PROJECT_BINARY_DIR}/packaging/lintian-overrides/${package})
    file(CONFIGURE OUTPUT ${file} CONTENT "${overrides}" @ONLY)
    install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT ${component})
  endif()
endfunction()

vs_debian_package(program velorin-somnara sound
  "Binaural beat sessions with light-and-sound glasses
Velorin Somnara draws and plays brainwave entrainment sessions: a left and a
right tone that follow a beat curve and a base curve, masking noise,
background music from a playlist, and the eight LEDs of light-and-sound
glasses on a parallel port or a USB board. The user interface and the
manual are in Spanish and in English. The package also holds
velorin-somnara-render, which renders a session to a sound file with its
verification report.")
# What no shared library reveals: the MIDI songs play through this SoundFont,
# opened by its path, and Qt's own buttons and dialogs speak the user's
# language through the translations Qt loads at start.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "timgm6mb-soundfont, qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/debian/postinst)

set(tickora_cmake Tickora)
set(tickora_summary "Tickora periodic timer library")
set(tickora_about "Tickora is a periodic timer for Qt programs whose Timer signal is delivered
on the thread that owns it, at periods down to a millisecond.")
set(lumidot_cmake Lumidot)
set(lumidot_summary "Lumidot LED indicator widget library")
set(lumidot_about "Lumidot is a round LED indicator widget for Qt Widgets programs, with its
property page and about box.")

# Each library's package tree under packaging/deb/<package> holds the library
# under its SONAME in lib/, DEBIAN/shlibs, and DEBIAN/symbols, which
# dpkg-gensymbols writes from packaging/debian/<package>.symbols as Debian's
# own tools do. Both files go into the library's package; and dpkg-shlibdeps,
# finding the library in that tree while it makes the program's package, takes
# from them the version of the library package the program needs.
find_program(VS_DPKG_GENSYMBOLS dpkg-gensymbols)
set(symbols_files)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS)
foreach(library tickora lumidot)
  get_target_property(soversion ${library} SOVERSION)
  set(package lib${library}${soversion})
  set(dev lib${library}-dev)
  vs_debian_package(${library} ${package} libs "${${library}_summary}
${${library}_about}
This package holds the shared library.")
  vs_debian_package(${library}_dev ${dev} libdevel "${${library}_summary} (development files)
${${library}_about}
This package holds the headers and the CMake package files:
find_package(${${library}_cmake}) gives the target ${${library}_cmake}::${library}.")
  string(TOUPPER ${library} c)
  set(CPACK_COMPONENT_${c}_DEV_DEPENDS ${library})
  set(CPACK_DEBIAN_${c}_DEV_PACKAGE_DEPENDS qt6-base-dev)
  # Before 1.2.0-1 the headers were in the one package velorin-somnara; this
  # lets dpkg hand them over on an upgrade instead of refusing to.
  set(CPACK_DEBIAN_${c}_DEV_PACKAGE_BREAKS "velorin-somnara (<< 1.2.0-1)")
  set(CPACK_DEBIAN_${c}_DEV_PACKAGE_REPLACES "velorin-somnara (<< 1.2.0-1)")

  set(tree ${PROJECT_BINARY_DIR}/packaging/deb/${package})
  set(copy ${tree}/lib/$<TARGET_SONAME_FILE_NAME:${library}>)
  set(template ${PROJECT_SOURCE_DIR}/packaging/debian/${package}.symbols)
  add_custom_command(OUTPUT ${tree}/DEBIAN/symbols
    COMMAND ${CMAKE_COMMAND} -E make_directory ${tree}/lib ${tree}/DEBIAN
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${library}> ${copy}
    COMMAND ${VS_DPKG_GENSYMBOLS} -q -c1 -p${package} -v${PROJECT_VERSION}
            -I${template} -e${copy} -O${tree}/DEBIAN/symbols
    DEPENDS ${library} ${template}
    COMMENT "Writing the symbols file of ${package}"
    VERBATIM)
  list(APPEND symbols_files ${tree}/DEBIAN/symbols)
  file(CONFIGURE OUTPUT ${tree}/DEBIAN/shlibs
    CONTENT "lib${library} ${soversion} ${package} (>= ${PROJECT_VERSION})\n")
  set(CPACK_DEBIAN_${c}_PACKAGE_CONTROL_EXTRA ${tree}/DEBIAN/shlibs ${tree}/DEBIAN/symbols)
  list(APPEND CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${tree}/lib)
endforeach()
if(VS_DPKG_GENSYMBOLS)
  add_custom_target(vs_debian_symbols ALL DEPENDS ${symbols_files})
endif()

include(CPack)
