# Tests: the calculator, the program's logic and vkcalc natively; the window and vk.exe under Wine.
if(CMAKE_CROSSCOMPILING AND EXISTS /usr/src/googletest)
  # GoogleTest from Debian's source package, built with the cross compiler.
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  set(VK_GTEST GTest::gtest_main)
  if(NOT TARGET GTest::gtest_main)
    set(VK_GTEST gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  set(VK_GTEST GTest::gtest_main)
endif()

# Adds one test program from a folder of *_test.cpp files. Natively each test case is its
# own CTest test; under Wine the program runs once (starting Wine per case would be slow).
function(vk_test_program name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*_test.cpp)
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${ARGN} ${VK_GTEST})
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# The platform-free code is tested natively only; the Windows C runtime is compared with the
# native one by running one generated batch through both vkcalc builds (tools/run-tests).
if(NOT CMAKE_CROSSCOMPILING)
  vk_test_program(calc_tests calc vkcalc_core)
  vk_test_program(logic_tests logic vkapp)
  vk_test_program(cli_tests cli vkcli)
endif()
if(WIN32)
  vk_test_program(win_tests win vkapp psapi)
  target_sources(win_tests PRIVATE ${CMAKE_SOURCE_DIR}/res/vk.rc) # the dial picture and the manifest
  target_compile_definitions(win_tests PRIVATE WINVER=0x0A00 _WIN32_WINNT=0x0A00) # the tests need Windows 10
  # The panel's layout again at the display scales players use (125 to 200 %), each in a Wine
  # prefix of that scale (tools/wine-run, VK_DPI).
  foreach(dpi 120 144 192)
    add_test(NAME win_tests_${dpi}dpi COMMAND win_tests --gtest_brief=1
             --gtest_filter=Panel.LaidOutAtTheDisplaysScale:Panel.FontsLabelsAndTheTextsThatMustFit)
    set_tests_properties(win_tests_${dpi}dpi PROPERTIES ENVIRONMENT VK_DPI=${dpi})
  endforeach()
  # At 150 % on a desktop lower than the window (1,024 pixels): laid out at a smaller scale that fits.
  add_test(NAME win_tests_144dpi_low COMMAND win_tests --gtest_brief=1
           --gtest_filter=Panel.LaidOutAtTheDisplaysScale:Panel.FontsLabelsAndTheTextsThatMustFit)
  set_tests_properties(win_tests_144dpi_low PROPERTIES ENVIRONMENT "VK_DPI=144;VK_DESKTOP_HEIGHT=1024")
endif()

# Whole programs run as a player runs them: vkcalc's process checks (both trees), vk.exe with
# real input (Windows tree).
include(${CMAKE_SOURCE_DIR}/tests/cli/cli_tests.cmake)
if(WIN32)
  include(${CMAKE_SOURCE_DIR}/tests/e2e/e2e.cmake)
endif()
