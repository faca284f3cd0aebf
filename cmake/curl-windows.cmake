# libcurl for the Windows build: a static libcurl with Schannel, built from
# Debian's source package of curl by scripts/build-curl-windows.sh (the
# Windows step, scripts/test-windows.sh, builds it into
# build/windows-deps/curl and passes that folder here).
#
#   -DQUELMO_CURL_WINDOWS_ROOT=DIR   DIR/include/curl/curl.h, DIR/lib/libcurl.a
#
# When DIR holds the build, this makes the imported target CURL::libcurl (the
# name CMake's own FindCURL gives on other systems) and sets
# QUELMO_CURL_WINDOWS_VERSION to the Debian source version it was built from.
# When it is not given or holds no build, there is no such target: code that
# needs libcurl checks if(TARGET CURL::libcurl) and builds without it.

set(QUELMO_CURL_WINDOWS_ROOT "" CACHE PATH
    "A static Windows libcurl from scripts/build-curl-windows.sh (empty: none)")

if(QUELMO_CURL_WINDOWS_ROOT AND NOT TARGET CURL::libcurl)
  get_filename_component(_quelmo_curl_root "${QUELMO_CURL_WINDOWS_ROOT}" ABSOLUTE
                         BASE_DIR "${PROJECT_SOURCE_DIR}")
  if(EXISTS ${_quelmo_curl_root}/lib/libcurl.a AND EXISTS ${_quelmo_curl_root}/include/curl/curl.h)
    add_library(CURL::libcurl STATIC IMPORTED GLOBAL)
    set_target_properties(CURL::libcurl PROPERTIES
      IMPORTED_LOCATION ${_quelmo_curl_root}/lib/libcurl.a
      INTERFACE_INCLUDE_DIRECTORIES ${_quelmo_curl_root}/include
      # A static libcurl: its functions are not declared dllimport.
      INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
      # What it calls in Windows: Winsock; Schannel's certificate checks
      # (crypt32) and key containers (advapi32); random numbers (bcrypt).
      # The SSPI and the interface-name lookup it loads at run time.
      INTERFACE_LINK_LIBRARIES "ws2_32;crypt32;advapi32;bcrypt")
    set(QUELMO_CURL_WINDOWS_VERSION "")
    if(EXISTS ${_quelmo_curl_root}/curl.version)
      file(STRINGS ${_quelmo_curl_root}/curl.version QUELMO_CURL_WINDOWS_VERSION LIMIT_COUNT 1)
    endif()
    message(STATUS "libcurl for Windows: ${_quelmo_curl_root} (Debian curl ${QUELMO_CURL_WINDOWS_VERSION})")
  else()
    message(STATUS "libcurl for Windows: no build in ${_quelmo_curl_root}; going without")
  endif()
  unset(_quelmo_curl_root)
endif()
