include(${CMAKE_CURRENT_LIST_DIR}/../header_only.cmake)
quelmo_header_only_version(version CLI/Version.hpp CLI11_VERSION)
quelmo_header_only_check_version("${version}")
