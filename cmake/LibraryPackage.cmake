# SPDX-License-Identifier: GPL-3.0-or-later
# Installs one of the two shared libraries as a CMake package, so that a
# program outside this tree can say find_package(<Package>) and link
# <Package>::<target>. The headers go where PUBLIC_HEADER already puts them.
# The versioned library is install component <target> (the runtime package);
# the .so link, the headers and the CMake files are <target>_dev.
include(CMakePackageConfigHelpers)

function(vs_install_library_package target package qt_components)
  set(runtime ${target})
  set(dev ${target}_dev)
  install(TARGETS ${target} EXPORT ${package}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT ${runtime} NAMELINK_COMPONENT ${dev}
    PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target} COMPONENT ${dev}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target})
  set(dir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
  install(EXPORT ${package}Targets NAMESPACE ${package}:: DESTINATION ${dir} COMPONENT ${dev})
  set(VS_PACKAGE ${package})
  set(VS_QT_COMPONENTS ${qt_components})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    INSTALL_DESTINATION ${dir})
  get_target_property(version ${target} VERSION)
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake
    VERSION ${version} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake DESTINATION ${dir} COMPONENT ${dev})
endfunction()
