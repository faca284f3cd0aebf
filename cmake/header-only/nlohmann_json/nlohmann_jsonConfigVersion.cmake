include(${CMAKE_CURRENT_LIST_DIR}/../header_only.cmake)
quelmo_header_only_version(version nlohmann/detail/abi_macros.hpp
  NLOHMANN_JSON_VERSION_MAJOR NLOHMANN_JSON_VERSION_MINOR NLOHMANN_JSON_VERSION_PATCH)
quelmo_header_only_check_version("${version}")
