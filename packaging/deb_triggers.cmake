# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it has written the Debian package. CPack adds a postrm
# that runs ldconfig whenever a package ships libraries in /usr/lib, and a
# package with a postrm stays in dpkg's database after `apt-get remove` until
# it is purged. libc-bin's ldconfig trigger does the same work on install and
# removal without a postrm, so the package is rebuilt with that trigger
# instead.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE ${tree}/DEBIAN/postrm)
  file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
  execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE ${tree})
endforeach()
