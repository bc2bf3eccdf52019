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
