# End-to-end tests of vk.exe with real keyboard and mouse input (xdotool) on a private Xvfb.
# The scripts start vk.exe through tools/wine-run themselves, so they are not run by the emulator.
find_program(VK_XDOTOOL xdotool)
find_program(VK_XVFB Xvfb)
if(VK_XDOTOOL AND VK_XVFB)
  add_test(NAME e2e_keyboard_dial
           COMMAND ${CMAKE_SOURCE_DIR}/tests/e2e/keyboard_dial.sh $<TARGET_FILE:vk> ${CMAKE_BINARY_DIR}/e2e)
  set_tests_properties(e2e_keyboard_dial PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
endif()
