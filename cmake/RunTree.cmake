# The run tree: build/dist mirrors the installation folder, so every program finds
# its data files and hidbridge.so relative to its own executable.
set(ZURO_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
include(GNUInstallDirs)
# Where `cmake --install` and the package put that tree below the prefix: the
# programs expect their data beside them, so they live together in one folder.
set(ZURO_INSTALL_TREE "lib/zuronoxa" CACHE STRING "Folder of the installed tree below the prefix")

# zuro_dist_target(<target> [SUBDIR <folder>]): places a program or library of the
# installation in the run tree (and in the installed tree), finding the project's
# shared libraries beside it or one folder up.
function(zuro_dist_target target)
  cmake_parse_arguments(ARG "" "SUBDIR" "" ${ARGN})
  set(dir ${ZURO_DIST_DIR})
  set(rpath "$ORIGIN")
  set(dest "${ZURO_INSTALL_TREE}")
  if(ARG_SUBDIR)
    set(dir ${ZURO_DIST_DIR}/${ARG_SUBDIR})
    set(rpath "$ORIGIN/..")
    set(dest "${ZURO_INSTALL_TREE}/${ARG_SUBDIR}")
  endif()
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${dir}
    LIBRARY_OUTPUT_DIRECTORY ${dir}
    BUILD_RPATH "${rpath}"
    INSTALL_RPATH "${rpath}")
  install(TARGETS ${target} RUNTIME DESTINATION ${dest} LIBRARY DESTINATION ${dest})
endfunction()

# udev reads rules shipped with software from <prefix>/lib/udev/rules.d
# (/usr/lib/udev/rules.d for the package); /etc/udev/rules.d is the admin's.
set(ZURO_UDEV_RULES_DIR "lib/udev/rules.d")
