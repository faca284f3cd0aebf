# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads
# variant), run and tested under Wine.
#
#   cmake --preset=windows && cmake --build --preset=windows
#   scripts/test-windows.sh     # the same build, tested in a throwaway prefix
#
# Everything is linked statically, so the .exe files need no DLLs next to them.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUELMO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUELMO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUELMO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUELMO_MINGW_TRIPLE}-windres)
# The zip's programs are stripped with the tool that knows their format.
find_program(CMAKE_STRIP ${QUELMO_MINGW_TRIPLE}-strip)

# Search the mingw sysroot for libraries and headers, never the host's
# /usr/include or /usr/lib: a host header on the include path would compile
# against glibc declarations and fail (or worse, link) in surprising ways.
set(CMAKE_FIND_ROOT_PATH /usr/${QUELMO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine, through a wrapper that insists on a prefix of
# the caller's choosing (it never falls back to ~/.wine).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)

# Debian ships no mingw GoogleTest: build it from /usr/src/googletest.
set(QUELMO_GTEST_FROM_SOURCE ON CACHE BOOL "Build GoogleTest from source for the tests")
# No Qt for mingw here; the front end is built on Windows with Qt's own kits.
set(QUELMO_GUI OFF CACHE BOOL "Build the Qt front end (needs Qt 6 Widgets)")
# nlohmann-json and CLI11 are header-only: these package files offer Debian's
# headers alone, without the rest of /usr/include.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only/nlohmann_json CACHE PATH "")
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/header-only/CLI11 CACHE PATH "")
