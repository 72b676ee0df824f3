# vn_version: "version/version.h" (namespace vn::version), the version of
# project() and the desktop entry's name, generated in the build tree.
if(PROJECT_VERSION_TWEAK STREQUAL "")
  set(VNPLAY_VERSION_TWEAK 0)
else()
  set(VNPLAY_VERSION_TWEAK ${PROJECT_VERSION_TWEAK})
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/version/version.h @ONLY)
add_library(vn_version INTERFACE)
target_include_directories(vn_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
