# SPDX-License-Identifier: GPL-3.0-or-later
# Installs one of the two shared libraries as a CMake package, so that a
# program outside this tree can say find_package(<Package>) and link
# <Package>::<target>. The headers go where PUBLIC_HEADER already puts them.
include(CMakePackageConfigHelpers)

function(vs_install_library_package target package qt_components)
  install(TARGETS ${target} EXPORT ${package}Targets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
    PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target}
    INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${target})
  set(dir ${CMAKE_INSTALL_LIBDIR}/cmake/${package})
  install(EXPORT ${package}Targets NAMESPACE ${package}:: DESTINATION ${dir})
  set(VS_PACKAGE ${package})
  set(VS_QT_COMPONENTS ${qt_components})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/LibraryConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    INSTALL_DESTINATION ${dir})
  get_target_property(version ${target} VERSION)
  write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake
    VERSION ${version} COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${package}Config.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/${package}ConfigVersion.cmake DESTINATION ${dir})
endfunction()
