# Hardening tests of the real vk.exe under Wine: hostile settings files, long working directories,
# leaks under load and many copies at once. One driver program (GoogleTest and Win32 only) starts
# vk.exe in fresh directories and drives it by messages from outside; one CTest test per group.
file(GLOB hardening_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*_test.cpp)
if(TARGET vk AND hardening_sources)
  add_executable(hardening_tests ${hardening_sources})
  target_include_directories(hardening_tests PRIVATE ${CMAKE_SOURCE_DIR}/ui)
  target_compile_definitions(hardening_tests PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX STRICT)
  target_link_libraries(hardening_tests PRIVATE ${VK_GTEST} user32 gdi32 kernel32 psapi)
  add_dependencies(hardening_tests vk)
  foreach(group HostileSettings LongPath LoadAndLeaks SecondCopy)
    add_test(NAME hardening.${group} COMMAND hardening_tests --gtest_brief=1 "--gtest_filter=*${group}*")
    # One group at a time: every copy of vk.exe shares the single-instance name "Multiple".
    set_tests_properties(hardening.${group} PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE
                         ENVIRONMENT "VKHARD_PROGRAM=$<TARGET_FILE:vk>")
  endforeach()
endif()
