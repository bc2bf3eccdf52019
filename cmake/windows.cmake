# The Windows program vk.exe: the entry on the start-up and panel libraries, and the resources.
enable_language(RC)

# The resources' version, from the build's one version text (such as "2.43a"): the text as it is,
# and as numbers major, minor, the letter's place in the alphabet (none: 0), 0. A header rather
# than definitions, because the resource compiler's preprocessor loses quotes given on its
# command line.
string(REGEX MATCH "^([0-9]+)\\.([0-9]+)([a-z]?)$" vk_version_parts "${VK_VERSION_TEXT}")
if(NOT vk_version_parts)
  message(FATAL_ERROR "VK_VERSION_TEXT \"${VK_VERSION_TEXT}\" is not of the form 2.43 or 2.43a")
endif()
set(vk_version_letter 0)
if(CMAKE_MATCH_3)
  string(FIND "abcdefghijklmnopqrstuvwxyz" "${CMAKE_MATCH_3}" vk_version_letter)
  math(EXPR vk_version_letter "${vk_version_letter} + 1")
endif()
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/res/vk_version.h CONTENT
  "#define VK_RC_VERSION_TEXT \"${VK_VERSION_TEXT}\"\n#define VK_RC_VERSION_NUMBERS ${CMAKE_MATCH_1},${CMAKE_MATCH_2},${vk_version_letter},0\n")
# The manifest names vk's assembly by the same numbers.
set(VK_RC_VERSION_DOTTED ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}.${vk_version_letter}.0)
configure_file(${CMAKE_SOURCE_DIR}/res/vk.manifest.in ${CMAKE_BINARY_DIR}/res/vk.manifest @ONLY)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/vk.rc APPEND PROPERTY INCLUDE_DIRECTORIES ${CMAKE_BINARY_DIR}/res)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/res/vk.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_BINARY_DIR}/res/vk.manifest ${CMAKE_SOURCE_DIR}/res/dial.bmp ${CMAKE_SOURCE_DIR}/res/vk.ico)

add_executable(vk WIN32 ${CMAKE_SOURCE_DIR}/app/win_entry.cpp ${CMAKE_SOURCE_DIR}/res/vk.rc)
target_link_libraries(vk PRIVATE vkapp)
