# End-to-end tests of vkcalc: a driver starts the program with arguments and standard input and
# checks status and output. One CTest test per group; cross-compiled, CTest runs the driver
# under the Wine emulator and the driver starts vkcalc.exe inside that Wine session.
if(TARGET vkcalc)
  add_executable(cli_e2e ${CMAKE_CURRENT_LIST_DIR}/cli_e2e.cpp)
  target_link_libraries(cli_e2e PRIVATE vkcli)
  target_include_directories(cli_e2e PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  add_dependencies(cli_e2e vkcalc)
  foreach(group info arguments examples batch sweep)
    add_test(NAME vkcalc.${group} COMMAND cli_e2e $<TARGET_FILE:vkcalc> ${group})
    set_tests_properties(vkcalc.${group} PROPERTIES TIMEOUT 600)
  endforeach()
endif()

# vkcalc.exe against the panel (Windows only): the main window created in-process, set and
# recalculated, and vkcalc.exe started beside it for the same situations.
if(WIN32 AND TARGET vkwin AND TARGET vkcalc)
  add_executable(cli_panel_tests ${CMAKE_CURRENT_LIST_DIR}/panel_agreement_wintest.cpp)
  target_link_libraries(cli_panel_tests PRIVATE vkwin vkcli ${VK_GTEST})
  target_include_directories(cli_panel_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR} ${CMAKE_SOURCE_DIR}/tests/win)
  add_dependencies(cli_panel_tests vkcalc)
  add_test(NAME vkcalc.panel_agreement COMMAND cli_panel_tests --gtest_brief=1)
  set_tests_properties(vkcalc.panel_agreement PROPERTIES TIMEOUT 600)
endif()
