# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it has written the Debian packages. CPack gives a package
# that ships libraries in /usr/lib a postinst and a postrm that only run
# ldconfig, and a package with a postrm stays in dpkg's database after
# `apt-get remove` until it is purged. libc-bin's ldconfig trigger does the
# same work on install and removal without a script, so such a package is
# rebuilt with that trigger instead. Scripts that do more than ldconfig (the
# program's postinst) stay as they are.
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  if(NOT deb MATCHES "\\.deb$")
    continue()
  endif()
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND dpkg-deb --raw-extract ${deb} ${tree} COMMAND_ERROR_IS_FATAL ANY)
  set(ldconfig_only FALSE)
  foreach(script postinst postrm)
    if(EXISTS ${tree}/DEBIAN/${script})
      file(READ ${tree}/DEBIAN/${script} text)
      string(REGEX REPLACE "#![^\n]*|set -e|if \\[[^\n]*\\]; then|fi|ldconfig|[ \t\n]" "" rest "${text}")
      if(rest STREQUAL "" AND text MATCHES "ldconfig")
        file(REMOVE ${tree}/DEBIAN/${script})
        set(ldconfig_only TRUE)
      endif()
    endif()
  endforeach()
  if(ldconfig_only)
    file(WRITE ${tree}/DEBIAN/triggers "activate-noawait ldconfig\n")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${deb}
      OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()
