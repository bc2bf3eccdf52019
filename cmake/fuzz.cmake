# libFuzzer targets (clang): one executable per tests/fuzz/*_fuzz.cpp, with ASan and UBSan.
file(GLOB FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*_fuzz.cpp)
foreach(source ${FUZZ_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE vkcli vkcalc_core)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endforeach()
