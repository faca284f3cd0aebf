include(${CMAKE_CURRENT_LIST_DIR}/../header_only.cmake)
if(NOT TARGET nlohmann_json::nlohmann_json)
  quelmo_header_only_target(nlohmann_json::nlohmann_json nlohmann)
endif()
