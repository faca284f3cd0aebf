# Debian's header-only libraries for the cross build. Their own package files
# would put all of /usr/include on the include path, where glibc's headers
# would shadow mingw's; instead each library's one folder is linked into a
# folder of the build tree and only that folder is offered.

set(QUELMO_HOST_INCLUDE_DIR /usr/include CACHE PATH
    "Where the header-only libraries are installed on the build machine")

# The version that `header` (relative to the host include folder) states in
# its `macro` definitions, as MAJOR.MINOR.PATCH, into `out_var`; empty when
# the header is missing.
function(quelmo_header_only_version out_var header)
  set(version "")
  set(path ${QUELMO_HOST_INCLUDE_DIR}/${header})
  if(EXISTS ${path})
    file(STRINGS ${path} lines REGEX "#define [A-Z0-9_]+VERSION")
    foreach(part IN LISTS ARGN)
      string(REGEX MATCH "#define ${part} +\"?([0-9.]+)" match "${lines}")
      list(APPEND version ${CMAKE_MATCH_1})
    endforeach()
    list(JOIN version "." version)
  endif()
  set(${out_var} "${version}" PARENT_SCOPE)
endfunction()

# The compatibility answer of a package version file: same major version, at
# least the version asked for.
macro(quelmo_header_only_check_version version)
  set(PACKAGE_VERSION ${version})
  set(PACKAGE_VERSION_COMPATIBLE FALSE)
  set(PACKAGE_VERSION_EXACT FALSE)
  if(PACKAGE_VERSION AND NOT PACKAGE_FIND_VERSION)
    set(PACKAGE_VERSION_COMPATIBLE TRUE)
  elseif(PACKAGE_VERSION)
    string(REGEX MATCH "^[0-9]+" found_major "${PACKAGE_VERSION}")
    if(found_major EQUAL PACKAGE_FIND_VERSION_MAJOR
       AND PACKAGE_VERSION VERSION_GREATER_EQUAL PACKAGE_FIND_VERSION)
      set(PACKAGE_VERSION_COMPATIBLE TRUE)
    endif()
    if(PACKAGE_VERSION VERSION_EQUAL PACKAGE_FIND_VERSION)
      set(PACKAGE_VERSION_EXACT TRUE)
    endif()
  endif()
endmacro()

# Makes the imported `target` offering the host folder `folder` alone.
function(quelmo_header_only_target target folder)
  set(staging ${CMAKE_BINARY_DIR}/header-only/${folder})
  if(NOT EXISTS ${staging}/${folder})
    file(MAKE_DIRECTORY ${staging})
    file(CREATE_LINK ${QUELMO_HOST_INCLUDE_DIR}/${folder} ${staging}/${folder}
         SYMBOLIC COPY_ON_ERROR)
  endif()
  add_library(${target} INTERFACE IMPORTED)
  set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${staging})
endfunction()
