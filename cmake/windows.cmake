# The Windows program vk.exe: start-up and settings (app/), panel and dial (ui/), resources (res/).
enable_language(RC)

file(GLOB WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/win_*.cpp ${CMAKE_SOURCE_DIR}/ui/win_*.cpp)
list(FILTER WIN_SOURCES EXCLUDE REGEX "/win_entry\\.cpp$")
add_library(vkwin STATIC ${WIN_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
target_include_directories(vkwin PUBLIC ${CMAKE_SOURCE_DIR}/app ${CMAKE_SOURCE_DIR}/ui ${CMAKE_SOURCE_DIR}/res)
target_compile_definitions(vkwin PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
target_link_libraries(vkwin PUBLIC vklogic user32 gdi32 kernel32 shell32)

if(EXISTS ${CMAKE_SOURCE_DIR}/app/win_entry.cpp)
  add_executable(vk WIN32 ${CMAKE_SOURCE_DIR}/app/win_entry.cpp)
  if(EXISTS ${CMAKE_SOURCE_DIR}/res/vk.rc)
    target_sources(vk PRIVATE ${CMAKE_SOURCE_DIR}/res/vk.rc)
  endif()
  target_link_libraries(vk PRIVATE vkwin)
endif()
