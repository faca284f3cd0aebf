include(${CMAKE_CURRENT_LIST_DIR}/../header_only.cmake)
if(NOT TARGET CLI11::CLI11)
  quelmo_header_only_target(CLI11::CLI11 CLI)
endif()
