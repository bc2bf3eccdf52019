# vkcalc as a program: exit statuses, an empty standard output on a bad argument, and byte-exact
# streams (CR dropped from CRLF input, a Ctrl-Z byte read as data, LF output); under Wine in the
# Windows tree. Natively also the dial picture against its generator.
set(run_case ${CMAKE_SOURCE_DIR}/tests/run_case.cmake)
set(emulator -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR})
string(ASCII 26 ctrl_z)
set(crlf_in ${CMAKE_BINARY_DIR}/vkcalc_crlf.csv)
set(crlf_out ${CMAKE_BINARY_DIR}/vkcalc_crlf.expected)
file(WRITE ${crlf_in} "club,distance\r\n9W,200\r\n1W,${ctrl_z}\r\n")
file(WRITE ${crlf_out} "tomahawk_drift,tomahawk_shot,backspin_drift,backspin_shot,beam_drift,beam_shot,"
  "tomahawk_drift_value,tomahawk_shot_value,backspin_drift_value,backspin_shot_value,beam_drift_value,"
  "beam_shot_value,error\n"
  ",,,,,,,,,,,,\"line 2: club \"\"9W\"\": accepted are 1W, 2W, 3W or 2I (letter case ignored)\"\n"
  ",,,,,,,,,,,,\"line 3: distance \"\"\\x1A\"\": accepted are 1 to 8 characters, each a digit or '.'\"\n")
add_test(NAME vkcalc.bad_argument COMMAND ${CMAKE_COMMAND} ${emulator} "-DCOMMAND=$<TARGET_FILE:vkcalc>;--wind;0"
         -DSTATUS=2 -P ${run_case})
add_test(NAME vkcalc.crlf_batch COMMAND ${CMAKE_COMMAND} ${emulator} "-DCOMMAND=$<TARGET_FILE:vkcalc>;--csv"
         -DSTATUS=1 -DINPUT=${crlf_in} -DOUTPUT=${crlf_out} -P ${run_case})

if(NOT CMAKE_CROSSCOMPILING)
  add_executable(make_dial ${CMAKE_SOURCE_DIR}/tools/make_dial.cpp)
  target_link_libraries(make_dial PRIVATE vkui)
  add_test(NAME dial_picture COMMAND sh -c "$<TARGET_FILE:make_dial> dial.bmp && cmp dial.bmp ${CMAKE_SOURCE_DIR}/res/dial.bmp")
endif()

# Every table value and formula of the models through 100000 generated rows (both trees).
add_test(NAME vkcalc.digests COMMAND ${CMAKE_SOURCE_DIR}/tests/cli/digests.sh ${CMAKE_BINARY_DIR}/digests
         ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:vkcalc>)
set_tests_properties(vkcalc.digests PROPERTIES TIMEOUT 300)
