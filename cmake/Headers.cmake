# Headers are included by their path from the source root ("settings/...",
# "monitor/app/..."), but no target sees the whole source tree: each gets an
# include root of its own under build/include holding links to just the folders
# and headers it offers. A target that includes a header of a library it does
# not link fails to compile, so the libraries' dependencies are the ones CMake
# shows.

# zuro_headers_root(<name> <out-var> <path>...): makes the include root <name>
# with links to <path>s (folders or single headers) and returns its folder.
function(zuro_headers_root name out)
  set(root ${CMAKE_BINARY_DIR}/include/${name})
  foreach(path ${ARGN})
    set(link ${root}/${path})
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${link} SYMBOLIC)
    endif()
  endforeach()
  set(${out} ${root} PARENT_SCOPE)
endfunction()

# zuro_public_headers(<target> <path>...): <target>, and every target that links
# it, may include "<path>/..." (a folder) or "<path>" (one header).
function(zuro_public_headers target)
  zuro_headers_root(${target} root ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  elseif(type STREQUAL "EXECUTABLE" OR type STREQUAL "MODULE_LIBRARY")
    target_include_directories(${target} PRIVATE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()
