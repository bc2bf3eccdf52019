# The Windows program vk.exe: the entry on the start-up and panel libraries, and the resources.
enable_language(RC)

add_executable(vk WIN32 ${CMAKE_SOURCE_DIR}/app/win_entry.cpp ${CMAKE_SOURCE_DIR}/res/vk.rc)
target_link_libraries(vk PRIVATE vkapp)
